#include "link/frames.h"

#include "link/crc16.h"

namespace nastrum {

std::uint8_t ByteSum(const QByteArray& bytes) {
  unsigned sum = 0;
  for (char c : bytes) sum += static_cast<std::uint8_t>(c);
  return static_cast<std::uint8_t>(sum);
}

std::uint8_t TraditionalChecksum(const QByteArray& payload) {
  return static_cast<std::uint8_t>(256u - ByteSum(payload));
}

QByteArray TraditionalFrame(const QByteArray& payload) {
  QByteArray frame;
  frame.reserve(payload.size() + 2);
  frame.append(static_cast<char>(payload.size()));
  frame.append(payload);
  frame.append(static_cast<char>(TraditionalChecksum(payload)));
  return frame;
}

void AppendCrc16(QByteArray& bytes) {
  const std::uint16_t crc = Crc16(bytes);
  bytes.append(static_cast<char>(crc & 0xFF));
  bytes.append(static_cast<char>(crc >> 8));
}

Ft12Frame BuildFt12Frame(const QByteArray& payload, std::uint8_t address, CrcMode crcMode) {
  Ft12Frame frame;
  frame.body.append(static_cast<char>(kFtControl));
  frame.body.append(static_cast<char>(address));
  frame.body.append(payload);
  const bool shortFrame = payload.size() <= kFtShortPayload;
  if (shortFrame) {
    frame.body.append(QByteArray(kFtShortPayload - payload.size(), '\0'));
    frame.start.append(static_cast<char>(kFtShortStart));
  } else {
    const int length = static_cast<int>(payload.size()) + (crcMode == CrcMode::InData ? 4 : 2);
    frame.start.append(static_cast<char>(kFtLongStart));
    frame.start.append(static_cast<char>(length));
    frame.start.append(static_cast<char>(length));
    frame.start.append(static_cast<char>(kFtLongStart));
  }
  if (crcMode == CrcMode::InsteadOfSum) {
    const std::uint16_t crc = Crc16(frame.body);
    frame.trailer.append(static_cast<char>(crc & 0xFF));
    frame.trailer.append(static_cast<char>(crc >> 8));
    return frame;
  }
  if (crcMode == CrcMode::InData) AppendCrc16(frame.body);
  frame.trailer.append(static_cast<char>(ByteSum(frame.body)));
  frame.trailer.append(static_cast<char>(kFtEnd));
  return frame;
}

QByteArray Ft11Header(int payloadLength, std::uint8_t address) {
  QByteArray header;
  header.append(static_cast<char>(payloadLength + 2));
  header.append(static_cast<char>(kFtControl));
  header.append(static_cast<char>(address));
  return header;
}

QString FrameLogLine(const QByteArray& traditionalFrame) {
  QString line = QStringLiteral("05");
  for (char c : traditionalFrame)
    line += QLatin1Char(' ') + QStringLiteral("%1").arg(static_cast<std::uint8_t>(c), 2, 16, QLatin1Char('0')).toUpper();
  return line;
}

}  // namespace nastrum
