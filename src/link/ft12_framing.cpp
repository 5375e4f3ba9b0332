// FT1.2 frames as the device implements them: short frames (start 0x10, four
// payload bytes) and long frames (68 L L 68), a checksum and end byte, a
// CRC-16 inside the body, or a CRC-16 in place of both.
#include <algorithm>

#include "link/crc16.h"
#include "link/frames.h"
#include "link/link_framing.h"
#include "link/link_timing.h"
#include "link/reply_reader.h"

namespace nastrum {

namespace {

std::uint8_t byteAt(const QByteArray& bytes, int i) { return static_cast<std::uint8_t>(bytes[i]); }

// Reads the start of the reply: the body length, or the code that ends the attempt.
ResultCode readStart(SerialPort& port, CrcMode crcMode, int& bodyLength) {
  const QByteArray first = port.read(1);
  if (first.isEmpty()) return ResultCode::NoAnswer;
  switch (byteAt(first, 0)) {
    case kFtPositiveAck: return ResultCode::PositiveAck;
    case kFtNegativeAck: return ResultCode::NegativeAck;
    case kFtShortStart:
      bodyLength = crcMode == CrcMode::InData ? 8 : 6;
      return ResultCode::Ok;
    case kFtLongStart: {
      const QByteArray rest = port.read(3);
      if (rest.size() < 3) return ResultCode::NoAnswer;
      if (byteAt(rest, 2) != kFtLongStart) return ResultCode::SecondStartByte;
      if (rest[0] != rest[1]) return ResultCode::LengthMismatch;
      bodyLength = byteAt(rest, 0);
      return ResultCode::Ok;
    }
    default: return ResultCode::NoAnswer;
  }
}

ResultCode checkTrailer(CrcMode crcMode, const QByteArray& body, const QByteArray& trailer) {
  if (crcMode == CrcMode::InsteadOfSum)
    return Crc16(body + trailer) == 0 ? ResultCode::Ok : ResultCode::Crc16Mismatch;
  if (crcMode == CrcMode::InData && Crc16(body) != 0) return ResultCode::Crc16Mismatch;
  if (byteAt(trailer, 0) != ByteSum(body)) return ResultCode::FrameChecksum;
  if (byteAt(trailer, 1) != kFtEnd) return ResultCode::EndByte;
  return ResultCode::Ok;
}

ResultCode attempt(AttemptContext& c) {
  SerialPort& port = c.port;
  const CrcMode crcMode = c.params.crcMode;
  const Ft12Frame frame = BuildFt12Frame(c.request, c.params.deviceAddress, crcMode);
  port.PrepareLine(c.params.lineKind);
  for (const QByteArray* part : {&frame.start, &frame.body, &frame.trailer})
    if (!port.write(*part)) return ResultCode::SendFailed;

  const int d = port.speedClass();
  const int windowMs = ReplyWindowMs(d);
  port.SetReadTimeout(d);
  if (c.params.lineKind == LineKind::TwoWire)
    SkipEcho(port, static_cast<int>(frame.start.size() + frame.body.size() + frame.trailer.size()), windowMs);

  int bodyLength = 0;
  if (const ResultCode code = readStart(port, crcMode, bodyLength); code != ResultCode::Ok) return code;
  QByteArray body;
  if (const ResultCode code = ReadFtReplyBody(port, bodyLength, c.params.deviceAddress, windowMs, body);
      code != ResultCode::Ok)
    return code;
  // A body cut short by the window cannot be checked: treat it as missing data.
  if (body.size() < bodyLength) return ResultCode::ReplyShort;
  const QByteArray trailer = port.read(2);
  if (trailer.size() < 2) return ResultCode::ReplyShort;
  if (const ResultCode code = checkTrailer(crcMode, body, trailer); code != ResultCode::Ok) return code;

  const int crcBytes = crcMode == CrcMode::InData ? 2 : 0;
  const QByteArray data = body.mid(2, std::max<qsizetype>(body.size() - 2 - crcBytes, 0));
  // A well-formed reply that carries less than was asked for must not pass
  // as success with the missing bytes left to chance.
  if (data.size() < c.replyLength) return ResultCode::ReplyShort;
  c.reply = data.left(c.replyLength);
  return ResultCode::Ok;
}

bool isFinal(ResultCode code) {
  return code == ResultCode::Ok || code == ResultCode::PositiveAck || code == ResultCode::NegativeAck;
}

}  // namespace

const FramingOps& Ft12Framing() {
  static const FramingOps ops{true, &attempt, &isFinal, 0};
  return ops;
}

}  // namespace nastrum
