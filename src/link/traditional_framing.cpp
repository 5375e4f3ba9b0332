// The device's own handshake: ENQ, wait for "ready", send the checksummed
// frame, wait for ACK/NAK, then read the data and its checksum.
#include "link/frames.h"
#include "link/link_framing.h"
#include "link/link_timing.h"

namespace nastrum {

namespace {

std::uint8_t byteAt(const QByteArray& bytes, int i) { return static_cast<std::uint8_t>(bytes[i]); }

// Ends at the first read that returns nothing.
bool waitForReady(SerialPort& port) {
  Clock& clock = port.clock();
  const std::int64_t start = clock.nowMs();
  while (clock.nowMs() - start < kHandshakeWindowMs) {
    const QByteArray b = port.read(1);
    if (b.isEmpty()) return false;
    if (byteAt(b, 0) == kReady) return true;
  }
  return false;
}

// Silent reads do not end this wait; only the window does.
ResultCode waitForAcknowledge(SerialPort& port, int echoBytes) {
  Clock& clock = port.clock();
  const std::int64_t start = clock.nowMs();
  while (clock.nowMs() - start < kHandshakeWindowMs) {
    const QByteArray b = port.read(1);
    if (b.isEmpty()) continue;
    if (echoBytes > 0) {
      --echoBytes;
      continue;
    }
    if (byteAt(b, 0) == kAck) return ResultCode::Ok;
    if (byteAt(b, 0) == kNak) return ResultCode::RequestRefused;
  }
  return ResultCode::NoAcknowledge;
}

ResultCode attempt(AttemptContext& c) {
  SerialPort& port = c.port;
  const LineKind kind = c.params.lineKind;
  // Each read of the handshake waits at most the exchange's base time-out,
  // also after an earlier attempt lengthened it for its reply.
  port.SetReadTimeout(kExchangeReadTimeoutSeconds);
  port.PrepareLine(kind);
  port.PurgeReceive();
  if (!port.write(QByteArray(1, static_cast<char>(kEnq)))) return ResultCode::SendFailed;
  if (!waitForReady(port)) return ResultCode::NoAnswer;

  const QByteArray frame = TraditionalFrame(c.request);
  port.PrepareLine(kind);
  port.PurgeReceive();
  if (c.frameLog) c.frameLog(FrameLogLine(frame));
  if (!port.write(frame)) return ResultCode::SendFailed;

  const int echoBytes = kind == LineKind::TwoWire ? static_cast<int>(frame.size()) : 0;
  if (const ResultCode ack = waitForAcknowledge(port, echoBytes); ack != ResultCode::Ok) return ack;
  if (c.replyLength == 0) return ResultCode::Ok;

  const int seconds = port.speedClass() + (c.replyLength > kLongReplyThreshold ? kLongReplyExtraSeconds : 0);
  port.SetReadTimeout(seconds);
  const QByteArray data = port.read(c.replyLength + 1);  // data and checksum
  if (data.size() < c.replyLength + 1) return ResultCode::ReplyShort;
  if (ByteSum(data) != 0) return ResultCode::ReplyChecksum;
  c.reply = data.left(c.replyLength);
  return ResultCode::Ok;
}

bool isFinal(ResultCode code) { return code == ResultCode::Ok; }

}  // namespace

const FramingOps& TraditionalFraming() {
  static const FramingOps ops{false, &attempt, &isFinal, 0};
  return ops;
}

}  // namespace nastrum
