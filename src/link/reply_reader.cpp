#include "link/reply_reader.h"

namespace nastrum {

QByteArray ReadWithinWindow(SerialPort& port, int count, int windowMs) {
  QByteArray bytes;
  const std::int64_t start = port.clock().nowMs();
  while (bytes.size() < count && port.clock().nowMs() - start < windowMs) bytes.append(port.read(1));
  return bytes;
}

void SkipEcho(SerialPort& port, int count, int windowMs) { ReadWithinWindow(port, count, windowMs); }

}  // namespace nastrum
