#include "sim/sim_serial_line.h"

#include <algorithm>

namespace nastrum::sim {

bool SimSerialLine::open(const QString&, int baud) {
  if (missing_) return false;
  open_ = true;
  baud_ = baud > 0 ? baud : 9600;
  parity_ = Parity::None;
  received_.clear();
  return true;
}

void SimSerialLine::close() { open_ = false; }

void SimSerialLine::setFraming(Parity parity, StopBits) { parity_ = parity; }

void SimSerialLine::collect() {
  // Every device on a line hears what the others send; this simulator's
  // devices never answer one another, so they are not told.
  received_ += TakeLineOutput(ports_);
}

void SimSerialLine::purgeReceive() {
  collect();
  received_.clear();
}

bool SimSerialLine::write(const QByteArray& bytes) {
  if (!open_) return false;
  sent_ += bytes;
  const bool mark = marksAddress(parity_);
  for (DevicePort* port : ports_) port->receive(bytes, mark);
  return true;
}

void SimSerialLine::idle() {
  for (DevicePort* port : ports_) port->lineIdle();
  collect();
}

bool SimSerialLine::holding() const {
  for (const DevicePort* port : ports_)
    if (port->hasPendingBytes()) return true;
  return false;
}

QByteArray SimSerialLine::read(int maxBytes) {
  if (!open_ || maxBytes <= 0) return {};
  collect();
  int waited = 0;
  if (received_.size() < maxBytes) {
    // The computer is waiting: the line is quiet, requests are complete.
    idle();
    if (received_.size() < maxBytes && holding() && timeoutMs_ > DevicePort::kFrameHoldMs) {
      // A device holding a begun frame gives up on its rest within the wait.
      clock_.sleepMs(DevicePort::kFrameHoldMs);
      waited = DevicePort::kFrameHoldMs;
      idle();
    }
  }
  const int n = std::min<int>(maxBytes, static_cast<int>(received_.size()));
  QByteArray out = received_.left(n);
  received_.remove(0, n);
  if (pacing_ && n > 0) clock_.sleepMs(std::max(1, n * 11 * 1000 / baud_));
  if (n < maxBytes) clock_.sleepMs(timeoutMs_ - waited);
  return out;
}

}  // namespace nastrum::sim
