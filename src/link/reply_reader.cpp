#include "link/reply_reader.h"

namespace nastrum {

QByteArray ReadWithinWindow(SerialPort& port, int count, int windowMs) {
  QByteArray bytes;
  const std::int64_t start = port.clock().nowMs();
  while (bytes.size() < count && port.clock().nowMs() - start < windowMs) bytes.append(port.read(1));
  return bytes;
}

void SkipEcho(SerialPort& port, int count, int windowMs) { ReadWithinWindow(port, count, windowMs); }

ResultCode ReadFtReplyBody(SerialPort& port, int length, std::uint8_t address, int windowMs, QByteArray& body) {
  body.clear();
  const std::int64_t start = port.clock().nowMs();
  while (body.size() < length && port.clock().nowMs() - start < windowMs) {
    body.append(port.read(1));
    if (body.size() >= 1 && static_cast<std::uint8_t>(body[0]) != 0x00) return ResultCode::ControlByte;
    if (body.size() >= 2 && static_cast<std::uint8_t>(body[1]) != address) return ResultCode::AddressMismatch;
  }
  return ResultCode::Ok;
}

}  // namespace nastrum
