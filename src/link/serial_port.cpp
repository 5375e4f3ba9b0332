#include "link/serial_port.h"

#include <algorithm>

#include "link/link_log.h"

namespace nastrum {

int BaudRate(int baudIndex) {
  const int i = std::clamp(baudIndex, 0, static_cast<int>(kBaudRates.size()) - 1);
  return kBaudRates[static_cast<std::size_t>(i)];
}

int SpeedClass(int baudIndex) {
  if (baudIndex <= 0) return 8;
  if (baudIndex <= 2) return 5;
  return 3;
}

int SettlingPauseMs(int baudIndex, LineKind lineKind) {
  if (lineKind == LineKind::Rs232) return 2;
  const int slowLine = baudIndex <= 0 ? 3 : baudIndex <= 2 ? 2 : 1;
  return 2 + slowLine;
}

bool SerialPort::OpenPort(const QString& path, int baudIndex, Channel channel, LineKind lineKind) {
  baudIndex_ = baudIndex;
  channel_ = channel;
  lineKind_ = lineKind;
  controlLinesMissingLogged_ = false;
  if (line_.isOpen()) line_.close();
  if (!line_.open(path, BaudRate(baudIndex))) {
    qCInfo(lcLink) << "cannot open" << path;
    line_.close();
    return false;
  }
  line_.setFraming(Parity::None, StopBits::Two);
  if (lineKind == LineKind::Rs232)
    setControlLines(false, false);
  else
    setControlLines(true, false);
  lineTimeoutMs_ = -1;
  setLineTimeout(readTimeoutMs_);
  line_.purgeReceive();
  return true;
}

void SerialPort::ClosePort() {
  if (line_.isOpen()) line_.close();
}

void SerialPort::SetReadTimeoutMs(int ms) {
  readTimeoutMs_ = std::max(ms, 0);
  setLineTimeout(readTimeoutMs_);
}

void SerialPort::setLineTimeout(int ms) {
  if (ms == lineTimeoutMs_) return;
  lineTimeoutMs_ = ms;
  line_.setReadTimeout(ms);
}

void SerialPort::PrepareLine(LineKind lineKind) {
  if (lineKind != LineKind::Rs232) setControlLines(true, false);
  clock_.sleepMs(SettlingPauseMs(baudIndex_, lineKind));
}

void SerialPort::PurgeReceive() { line_.purgeReceive(); }

void SerialPort::SetAddressFraming(bool marking) {
  Parity parity;
  if (channel_ == Channel::Main)
    parity = marking ? Parity::Mark : Parity::Space;
  else
    parity = marking ? Parity::Even : Parity::Odd;
  line_.setFraming(parity, StopBits::One);
}

bool SerialPort::write(const QByteArray& bytes) {
  qCDebug(lcLinkBytes).noquote() << ">>" << bytes.toHex(' ').toUpper();
  const bool ok = line_.write(bytes);
  if (!ok) qCInfo(lcLink) << "the port refused to send" << bytes.size() << "bytes";
  return ok;
}

QByteArray SerialPort::read(int maxBytes) {
  if (maxBytes <= 0) return {};
  QByteArray bytes;
  if (!idle_) {
    bytes = readOnce(maxBytes, readTimeoutMs_);
  } else {
    // The slices add up to the read time-out, measured on the clock; the
    // line answers a slice as soon as the bytes are there, so slicing costs
    // the exchange nothing.
    const std::int64_t deadline = clock_.nowMs() + readTimeoutMs_;
    for (;;) {
      const auto left = static_cast<int>(std::max<std::int64_t>(deadline - clock_.nowMs(), 0));
      bytes += readOnce(maxBytes - static_cast<int>(bytes.size()), std::min(left, kIdleSliceMs));
      if (bytes.size() >= maxBytes) break;
      idle_();
      if (clock_.nowMs() >= deadline) break;
    }
  }
  if (!bytes.isEmpty()) qCDebug(lcLinkBytes).noquote() << "<<" << bytes.toHex(' ').toUpper();
  return bytes;
}

QByteArray SerialPort::readOnce(int maxBytes, int timeoutMs) {
  setLineTimeout(timeoutMs);
  const std::int64_t before = clock_.nowMs();
  QByteArray bytes = line_.read(maxBytes);
  // A short read means the time-out ran out. A line that comes back early
  // (a failing adapter) would otherwise spin the reply windows, which are
  // measured on the clock, without end on a virtual one.
  if (bytes.size() < maxBytes && clock_.nowMs() == before) clock_.sleepMs(timeoutMs);
  return bytes;
}

void SerialPort::pause(int ms) {
  if (!idle_) {
    clock_.sleepMs(ms);
    return;
  }
  while (ms > 0) {
    const int slice = std::min(ms, kIdleSliceMs);
    clock_.sleepMs(slice);
    ms -= slice;
    idle_();
  }
}

void SerialPort::setControlLines(bool dtr, bool rts) {
  // A pseudo-terminal or a USB adapter without modem lines cannot do this;
  // the device then relies on its own supply and the exchange goes on.
  if (line_.setControlLines(dtr, rts) || controlLinesMissingLogged_) return;
  controlLinesMissingLogged_ = true;
  qCInfo(lcLink) << "the line cannot set DTR" << dtr << "RTS" << rts << "- going on without";
}

}  // namespace nastrum
