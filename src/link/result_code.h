// The small integer every exchange with the device returns (0 = success).
// A run keeps the first failing code and logs its text; the texts live with
// the exchange runs.
#pragma once

namespace nastrum {

enum class ResultCode : int {
  Ok = 0,
  NoAnswer = 1,             // no ready byte / no usable FT1.2 start byte
  NoAcknowledge = 2,        // no ACK of the request / no FT1.1 length byte
  RequestRefused = 3,       // NAK
  ReplyChecksum = 4,        // traditional reply checksum
  ReplyShort = 5,           // reply shorter than expected, FT1.2 trailer missing
  SendFailed = 8,           // the port refused to send
  Crc16Mismatch = 11,
  BadReprogSection = 19,    // command 0x0D: section not 8, 9 or 10
  BadReprogCommand = 20,    // command 0x0D: command not 0 ... 3
  FormatMismatch = 15,      // a value does not fit the form of its parameter
  Stopped = 23,             // "СТОП" pressed
  WrongDeviceKind = 24,
  NamesNotReceived = 25,
  LoaderNotOpened = 26,
  LoaderCommandRejected = 27,
  LoaderPacketRejected = 28,
  LoaderNoCompletion = 29,
  ControlByte = 30,         // reply control byte not 0
  AddressMismatch = 31,     // reply address differs from DeviceAddress
  LengthMismatch = 33,      // FT1.2 long reply: the two length bytes differ
  SecondStartByte = 34,     // FT1.2 long reply: second start byte not 0x68
  EndByte = 35,             // end byte not 0x16
  FrameChecksum = 36,       // FT1.2 checksum
  PositiveAck = 37,         // positive acknowledgement without data
  NegativeAck = 38,
  NoProgrammingJumper = 40,
  ProgrammingVoltage = 41,
  EraseFailed = 42,
  EraseSuspended = 43,
  ProgrammingFailed = 44,
  MemoryFailure = 45,
  NamesNeedFourWireLoop = 46,
};

// Runs keep and log codes as plain integers.
constexpr int toInt(ResultCode code) { return static_cast<int>(code); }

}  // namespace nastrum
