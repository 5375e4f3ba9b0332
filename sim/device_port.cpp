#include "sim/device_port.h"

#include "link/crc16.h"
#include "sim/byte_at.h"

namespace nastrum::sim {
namespace {

constexpr char kEnquiry = 0x05;
constexpr char kReady = 0x04;
constexpr char kAck = 0x06;
constexpr char kNak = 0x15;

std::uint8_t u8(const QByteArray& b, qsizetype i) { return byteAt(b, i); }
std::uint8_t sum8(const QByteArray& b) {
  unsigned s = 0;
  for (char c : b) s += static_cast<std::uint8_t>(c);
  return static_cast<std::uint8_t>(s);
}
QByteArray crcBytes(const QByteArray& body) {
  const std::uint16_t crc = Crc16(body);
  QByteArray b(2, 0);
  b[0] = static_cast<char>(crc & 0xFF);
  b[1] = static_cast<char>(crc >> 8);
  return b;
}
// Stray bytes that are no start, ready or acknowledgement byte of any protocol.
const QByteArray kGarbage = QByteArray::fromHex("FE7F33");

}  // namespace

void DevicePort::log(const QString& line) { device_.log(line); }

void DevicePort::receive(const QByteArray& bytes, bool addressMark) {
  if (bytes.isEmpty()) return;
  if (device_.faults().active(FaultKind::Echo, requests_ + 1)) out_ += bytes;
  if (!addressMark) {
    const std::int64_t now = device_.clock().nowMs();
    // A frame left unfinished for long is abandoned; the new bytes start afresh.
    if (!burst_.isEmpty() && now - lastByteMs_ > kFrameHoldMs) burst_.clear();
    if (burst_.isEmpty()) burstStartMs_ = now;
    lastByteMs_ = now;
    burst_ += bytes;
    return;
  }
  for (char c : bytes) selectByte(static_cast<std::uint8_t>(c));
}

void DevicePort::selectByte(std::uint8_t address) {
  burst_.clear();
  awaitingFrame_ = false;
  if (address == device_.config().networkNumber) {
    selection_ = Selection::Selected;
    log(QStringLiteral("network select %1: this device").arg(address));
    if (beginRequest()) out_ += static_cast<char>(address);
  } else {
    selection_ = Selection::Deselected;
  }
}

QByteArray DevicePort::takeOutput() {
  QByteArray out;
  out.swap(out_);
  return out;
}

bool DevicePort::beginRequest() {
  const int request = ++requests_;
  FaultPlan& faults = device_.faults();
  if (faults.active(FaultKind::StopAnswering, request)) return false;
  if (faults.take(FaultKind::NoAnswer, request)) {
    log(QStringLiteral("(request %1 not answered on demand)").arg(request));
    return false;
  }
  return true;
}

bool DevicePort::addressedToMe(int address) const { return address == 0 || address == device_.config().networkNumber; }

void DevicePort::lineIdle() {
  if (burst_.isEmpty()) return;
  const bool loader = selection_ != Selection::Deselected && device_.inLoader();
  const bool waitForRest = loader ? device_.loaderAwaitsPacket() && burst_.size() < SimulatedDevice::kLoaderPacketSize
                                  : unfinished(burst_);
  if (waitForRest && device_.clock().nowMs() - burstStartMs_ < kFrameHoldMs) return;
  QByteArray burst;
  burst.swap(burst_);

  if (loader) {
    loaderBurst(burst);
    return;
  }
  if (awaitingFrame_) {
    awaitingFrame_ = false;
    if (burst.size() >= 3 && u8(burst, 0) == burst.size() - 2) {
      traditionalFrame(burst);
      return;
    }
  }
  if (burst.size() == 1 && burst[0] == kEnquiry) {
    if (selection_ == Selection::Deselected || !beginRequest()) return;
    if (device_.faults().take(FaultKind::Garbage, requests_)) out_ += kGarbage;
    out_ += kReady;
    awaitingFrame_ = true;
    return;
  }
  if (ft12(burst) || ft11(burst)) return;
  log(QStringLiteral("(ignored %1 bytes: %2)").arg(burst.size()).arg(QString::fromLatin1(burst.left(12).toHex(' '))));
}

bool DevicePort::holdsWholeFrame() const {
  const QByteArray& b = burst_;
  const int size = static_cast<int>(b.size());
  if (size < 3 || selection_ == Selection::Deselected || device_.loaderActive()) return false;
  if (awaitingFrame_) return size == u8(b, 0) + 2;
  // A short FT1.2 frame of 9 bytes may still grow by the two bytes of the
  // CRC-in-data variant; only the quiet line tells.
  if (u8(b, 0) == 0x10) return size == 11;
  if (u8(b, 0) == 0x68) return size >= 4 && size == 4 + u8(b, 1) + 2;
  return u8(b, 1) == 0x40 && size == u8(b, 0) + 1;
}

bool DevicePort::holdsEnquiry() const {
  return burst_.size() == 1 && u8(burst_, 0) == kEnquiry && selection_ != Selection::Deselected &&
         !device_.loaderActive();
}

bool DevicePort::unfinished(const QByteArray& b) const {
  const int size = static_cast<int>(b.size());
  const bool enquiry = size == 1 && u8(b, 0) == 0x05;
  if (awaitingFrame_ && !enquiry) return size < u8(b, 0) + 2;
  switch (u8(b, 0)) {
    case 0x05:
      if (enquiry) return false;
      break;
    case 0x10: {
      if (size < 9) return true;
      if (size >= 11) return false;
      // With the CRC in the data the frame has 11 bytes, and its first 9
      // read as a frame with the CRC instead of the checksum.
      Ft12Frame frame;
      return !parseFt12(b, &frame) || (frame.crcMode == 2 && lastCrcMode_ == 1);
    }
    case 0x68:
      return size < 4 || size < 4 + u8(b, 1) + 2;
  }
  if (size == 1) return u8(b, 0) >= 3;  // an FT1.1 length byte
  return u8(b, 1) == 0x40 && size < u8(b, 0) + 1;
}

void DevicePort::traditionalFrame(const QByteArray& frame) {
  const QByteArray payload = frame.mid(1, frame.size() - 2);
  if (static_cast<std::uint8_t>(sum8(payload) + u8(frame, frame.size() - 1)) != 0) {
    log(QStringLiteral("(traditional frame with a wrong checksum)"));
    out_ += kNak;
    return;
  }
  FaultPlan& faults = device_.faults();
  if (faults.take(FaultKind::Nak, requests_)) {
    out_ += kNak;
    return;
  }
  const Reply reply = device_.handle(payload, requests_);
  sendTraditional(reply);
  afterReply(payload, reply);
}

void DevicePort::sendTraditional(const Reply& reply) {
  FaultPlan& faults = device_.faults();
  switch (reply.kind) {
    case ReplyKind::Silent: return;
    case ReplyKind::Refused: out_ += kNak; return;
    case ReplyKind::Ack: out_ += kAck; return;
    case ReplyKind::Data: {
      QByteArray data = reply.data;
      data += static_cast<char>(-static_cast<int>(sum8(reply.data)) & 0xFF);
      if (faults.take(FaultKind::BadChecksum, requests_)) data[data.size() - 1] = static_cast<char>(data.back() ^ 0x5A);
      if (faults.take(FaultKind::ShortReply, requests_)) data.chop(1);
      out_ += kAck;
      out_ += data;
    }
  }
}

void DevicePort::afterReply(const QByteArray& payload, const Reply& reply) {
  if (u8(payload, 0) == 0x0A && reply.kind == ReplyKind::Ack && selection_ == Selection::Selected)
    selection_ = Selection::Free;
}

bool DevicePort::parseFt12(const QByteArray& b, Ft12Frame* frame) const {
  struct Candidate {
    QByteArray body;  // 0x40, address, payload (without a CRC)
    int mode;
  };
  std::vector<Candidate> candidates;
  if (u8(b, 0) == 0x10) {
    if (b.size() == 11) {
      const QByteArray body = b.mid(1, 8);
      if (Crc16(body) == 0 && u8(b, 9) == sum8(body) && u8(b, 10) == 0x16) candidates.push_back({body.left(6), 1});
    } else if (b.size() == 9) {
      const QByteArray body = b.mid(1, 6);
      if (u8(b, 7) == sum8(body) && u8(b, 8) == 0x16) candidates.push_back({body, 0});
      if (Crc16(b.mid(1, 8)) == 0) candidates.push_back({body, 2});
    }
  } else if (u8(b, 0) == 0x68 && b.size() >= 6 && b[1] == b[2] && u8(b, 3) == 0x68) {
    const int length = u8(b, 1);
    if (b.size() == 4 + length + 2) {
      const QByteArray body = b.mid(4, length);
      const bool sumOk = u8(b, 4 + length) == sum8(body) && u8(b, 5 + length) == 0x16;
      if (sumOk && length >= 4 && Crc16(body) == 0) candidates.push_back({body.left(length - 2), 1});
      if (sumOk) candidates.push_back({body, 0});
      if (Crc16(b.mid(4, length + 2)) == 0) candidates.push_back({body, 2});
    }
  }
  // Variants that parse alike are told apart by the request's own length, then
  // by the variant this computer used last.
  const Candidate* best = nullptr;
  int bestScore = -1;
  for (const Candidate& c : candidates) {
    if (c.body.size() < 3 || u8(c.body, 0) != 0x40) continue;
    QByteArray payload = c.body.mid(2);
    const int expected = device_.expectedPayloadSize(payload);
    const bool shortFrame = u8(b, 0) == 0x10;
    const bool fits = shortFrame ? (expected >= 0 && expected <= 4) : expected == payload.size();
    const int score = (fits ? 2 : 0) + (c.mode == lastCrcMode_ ? 1 : 0);
    if (score > bestScore) {
      bestScore = score;
      best = &c;
    }
  }
  if (!best) return false;
  frame->address = u8(best->body, 1);
  frame->crcMode = best->mode;
  frame->payload = best->body.mid(2);
  if (u8(b, 0) == 0x10) {
    const int expected = device_.expectedPayloadSize(frame->payload);
    if (expected >= 1 && expected <= 4) frame->payload.truncate(expected);  // the zero padding of short frames
  }
  return true;
}

bool DevicePort::ft12(const QByteArray& burst) {
  Ft12Frame frame;
  if (!parseFt12(burst, &frame)) return false;
  if (!addressedToMe(frame.address)) return true;
  lastCrcMode_ = frame.crcMode;
  if (!beginRequest()) return true;
  if (device_.faults().take(FaultKind::Nak, requests_)) {
    out_ += static_cast<char>(0xE5);
    return true;
  }
  const Reply reply = device_.handle(frame.payload, requests_, Framing::Ft);
  sendFt12(reply, frame.address, frame.crcMode);
  afterReply(frame.payload, reply);
  return true;
}

void DevicePort::sendFt12(const Reply& reply, int address, int crcMode) {
  FaultPlan& faults = device_.faults();
  if (reply.kind == ReplyKind::Silent) return;
  if (faults.take(FaultKind::Garbage, requests_)) out_ += kGarbage;
  if (reply.kind == ReplyKind::Ack) {
    out_ += static_cast<char>(0xA2);
    return;
  }
  if (reply.kind == ReplyKind::Refused) {
    out_ += static_cast<char>(0xE5);
    return;
  }
  QByteArray body;
  body += static_cast<char>(0x00);
  body += static_cast<char>(address);
  body += reply.data;
  const bool shortFrame = reply.data.size() <= 4;
  if (shortFrame) body = body.leftJustified(6, 0);
  const bool corrupt = faults.take(FaultKind::BadChecksum, requests_);
  QByteArray trailer;
  if (crcMode == 1) {
    QByteArray crc = crcBytes(body);
    if (corrupt) crc[0] = static_cast<char>(crc[0] ^ 0x5A);
    body += crc;
  }
  if (crcMode == 2) {
    trailer = crcBytes(body);
    if (corrupt) trailer[0] = static_cast<char>(trailer[0] ^ 0x5A);
  } else {
    trailer += static_cast<char>(sum8(body) ^ (corrupt && crcMode == 0 ? 0x5A : 0));
    trailer += static_cast<char>(0x16);
  }
  if (faults.take(FaultKind::ShortReply, requests_)) trailer.clear();
  if (shortFrame) {
    out_ += static_cast<char>(0x10);
  } else {
    out_ += static_cast<char>(0x68);
    out_ += static_cast<char>(body.size());
    out_ += static_cast<char>(body.size());
    out_ += static_cast<char>(0x68);
  }
  out_ += body;
  out_ += trailer;
}

bool DevicePort::ft11(const QByteArray& burst) {
  if (burst.size() < 4 || u8(burst, 1) != 0x40 || u8(burst, 0) != burst.size() - 1) return false;
  const int address = u8(burst, 2);
  if (!addressedToMe(address)) return true;
  if (!beginRequest()) return true;
  // FT1.1 has no negative acknowledgement: a refused request goes unanswered.
  if (device_.faults().take(FaultKind::Nak, requests_)) return true;
  const QByteArray payload = burst.mid(3);
  const Reply reply = device_.handle(payload, requests_, Framing::Ft);
  sendFt11(reply, address);
  afterReply(payload, reply);
  return true;
}

void DevicePort::sendFt11(const Reply& reply, int address) {
  FaultPlan& faults = device_.faults();
  if (reply.kind == ReplyKind::Silent || reply.kind == ReplyKind::Refused) return;
  if (faults.take(FaultKind::Garbage, requests_)) out_ += kGarbage;
  if (reply.kind == ReplyKind::Ack) {
    out_ += static_cast<char>(0x00);
    return;
  }
  QByteArray frame;
  frame += static_cast<char>(2 + reply.data.size());
  frame += static_cast<char>(0x00);
  // FT1.1 carries no checksum; a corrupted reply names a wrong address.
  frame += static_cast<char>(faults.take(FaultKind::BadChecksum, requests_) ? address ^ 0x5A : address);
  frame += reply.data;
  if (faults.take(FaultKind::ShortReply, requests_)) frame.chop(1);
  out_ += frame;
}

void DevicePort::loaderBurst(const QByteArray& burst) {
  if (!beginRequest()) return;
  out_ += device_.loaderStage(burst, requests_);
}

QByteArray TakeLineOutput(const std::vector<DevicePort*>& ports) {
  std::vector<QByteArray> senders;
  for (DevicePort* port : ports)
    if (QByteArray out = port->takeOutput(); !out.isEmpty()) senders.push_back(std::move(out));
  if (senders.size() == 1) return senders.front();
  QByteArray line;
  for (qsizetype i = 0;; ++i) {
    bool any = false;
    for (const QByteArray& out : senders) {
      if (i >= out.size()) continue;
      line += out[i];
      any = true;
    }
    if (!any) return line;
  }
}

}  // namespace nastrum::sim
