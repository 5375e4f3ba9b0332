// FT1.1 frames as the device implements them: a length byte, control byte and
// address ahead of the payload, with neither checksum nor end byte.
#include "link/frames.h"
#include "link/link_framing.h"
#include "link/link_timing.h"
#include "link/reply_reader.h"

namespace nastrum {

namespace {

std::uint8_t byteAt(const QByteArray& bytes, int i) { return static_cast<std::uint8_t>(bytes[i]); }

ResultCode attempt(AttemptContext& c) {
  SerialPort& port = c.port;
  const QByteArray header = Ft11Header(static_cast<int>(c.request.size()), c.params.deviceAddress);
  port.PrepareLine(c.params.lineKind);
  if (!port.write(header) || !port.write(c.request)) return ResultCode::SendFailed;

  const int d = port.speedClass();
  const int windowMs = ReplyWindowMs(d);
  port.SetReadTimeout(d);
  if (c.params.lineKind == LineKind::TwoWire)
    SkipEcho(port, static_cast<int>(header.size() + c.request.size()), windowMs);

  const QByteArray lengthByte = port.read(1);
  if (lengthByte.isEmpty()) return ResultCode::NoAcknowledge;
  const int length = byteAt(lengthByte, 0);
  if (length == 0) return ResultCode::PositiveAck;

  QByteArray bytes;
  if (const ResultCode code = ReadFtReplyBody(port, length, c.params.deviceAddress, windowMs, bytes);
      code != ResultCode::Ok)
    return code;
  // A reply cut short by the window still counts when it holds every data
  // byte asked for; one that lacks some is a failed attempt, not success.
  const QByteArray data = bytes.mid(2);
  if (data.size() < c.replyLength) return ResultCode::ReplyShort;
  c.reply = data.left(c.replyLength);
  return ResultCode::Ok;
}

bool isFinal(ResultCode code) { return code == ResultCode::Ok || toInt(code) >= toInt(ResultCode::PositiveAck); }

}  // namespace

const FramingOps& Ft11Framing() {
  static const FramingOps ops{true, &attempt, &isFinal, kFt11AfterAttemptMs};
  return ops;
}

}  // namespace nastrum
