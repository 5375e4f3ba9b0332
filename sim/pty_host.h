// The simulated devices behind a pseudo-terminal, for the real program (or
// anything else that opens a serial port by path).
//
// The terminal's framing tells a network select byte from data: a pseudo-
// terminal keeps the stop-bit and the MARK/SPACE/ODD flags the program sets
// (it drops PARENB), so MARK parity (main channel) or one stop bit without
// MARK/SPACE/ODD (EVEN parity, additional channel) marks an address byte.
#pragma once

#include <functional>
#include <vector>

#include <QString>

#include "sim/device_port.h"

namespace nastrum::sim {

class PtyHost {
 public:
  explicit PtyHost(std::vector<DevicePort*> ports) : ports_(std::move(ports)) {}
  ~PtyHost();
  PtyHost(const PtyHost&) = delete;
  PtyHost& operator=(const PtyHost&) = delete;

  // Creates the terminal pair; false with a reason on failure.
  bool open(QString* error);
  // The path a program opens, for example /dev/pts/7.
  QString slavePath() const { return slavePath_; }
  int masterFd() const { return master_; }

  // Send replies no faster than the terminal's baud rate allows.
  void setPacing(bool on) { pacing_ = on; }
  // Silence after which the computer is taken to wait for an answer.
  void setIdleGapMs(int ms) { idleGapMs_ = ms; }

  // Waits up to `timeoutMs` for bytes, hands them to the devices and sends
  // their answers. False when the terminal failed.
  bool step(int timeoutMs);

 private:
  bool addressFraming() const;
  int baudRate() const;
  bool flush();

  std::vector<DevicePort*> ports_;
  int master_ = -1;
  int slaveKeepAlive_ = -1;  // keeps the terminal up while no program has it open
  QString slavePath_;
  bool pacing_ = false;
  int idleGapMs_ = 10;
  bool pendingIdle_ = false;
};

}  // namespace nastrum::sim
