// A serial line with simulated devices at the other end, in the same process.
// Time passes only on the given clock (a VirtualClock in tests): a read that
// waits for bytes that never come advances it by the read time-out.
#pragma once

#include <vector>

#include "link/clock.h"
#include "link/serial_line.h"
#include "sim/device_port.h"

namespace nastrum::sim {

class SimSerialLine final : public SerialLine {
 public:
  explicit SimSerialLine(Clock& clock) : clock_(clock) {}

  // Devices sharing the line; the caller keeps them alive.
  void attach(DevicePort& port) { ports_.push_back(&port); }
  // open() fails, as for a port that does not exist.
  void setMissingPort(bool missing) { missing_ = missing; }
  // With pacing, the clock also advances by the transmission time of every
  // byte received at the baud rate the line was opened with.
  void setPacing(bool on) { pacing_ = on; }

  bool open(const QString& path, int baud) override;
  void close() override;
  bool isOpen() const override { return open_; }
  void setFraming(Parity parity, StopBits stopBits) override;
  bool setControlLines(bool, bool) override { return true; }
  void setReadTimeout(int ms) override { timeoutMs_ = ms; }
  void purgeReceive() override;
  bool write(const QByteArray& bytes) override;
  QByteArray read(int maxBytes) override;

  // Everything the computer wrote since the line was made, for tests.
  const QByteArray& sent() const { return sent_; }
  Parity parity() const { return parity_; }

 private:
  void collect();
  void idle();
  bool holding() const;

  Clock& clock_;
  std::vector<DevicePort*> ports_;
  QByteArray received_;
  QByteArray sent_;
  Parity parity_ = Parity::None;
  int timeoutMs_ = 1000;
  int baud_ = 9600;
  bool open_ = false;
  bool missing_ = false;
  bool pacing_ = false;
};

// The select byte of a network is sent with the parity that marks it: MARK on
// the main channel, EVEN on the additional one.
inline bool marksAddress(Parity parity) { return parity == Parity::Mark || parity == Parity::Even; }

}  // namespace nastrum::sim
