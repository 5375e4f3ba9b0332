// The simulated devices behind a pseudo-terminal, for the real program (or
// anything else that opens a serial port by path).
//
// The terminal's framing tells a network select byte from data: a pseudo-
// terminal keeps the stop-bit and the MARK/SPACE/ODD flags the program sets
// (it drops PARENB), so MARK parity (main channel) or one stop bit without
// MARK/SPACE/ODD (EVEN parity, additional channel) marks an address byte.
#pragma once

#include <chrono>
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

  // Behave like a line at the terminal's baud rate: a request counts as
  // received when its last byte would have crossed the line, and the answer
  // goes out byte by byte at line speed. Nothing else is added.
  void setPacing(bool on) { pacing_ = on; }
  // Silence after which the computer is taken to wait for an answer (without
  // pacing; a paced line waits two characters).
  void setIdleGapMs(int ms) { idleGapMs_ = ms; }

  // Waits up to `timeoutMs` for bytes, hands them to the devices and sends
  // their answers when they are due. False when the terminal failed.
  bool step(int timeoutMs);

 private:
  using SteadyClock = std::chrono::steady_clock;
  using TimePoint = SteadyClock::time_point;
  using Duration = std::chrono::nanoseconds;

  bool addressFraming() const;
  int baudRate() const;
  // One character on the line (start, 8 data, 2 stop bits); zero unpaced.
  Duration byteTime() const;
  Duration quietGap() const;
  bool receive(TimePoint now);
  void lineQuiet(TimePoint now);
  // Queues what the devices said, due no earlier than the request's end.
  void collectAnswers(TimePoint now);
  // Writes the queued bytes whose time has come. False when the terminal failed.
  bool sendDue(TimePoint now);

  std::vector<DevicePort*> ports_;
  int master_ = -1;
  int slaveKeepAlive_ = -1;  // keeps the terminal up while no program has it open
  QString slavePath_;
  bool pacing_ = false;
  int idleGapMs_ = 10;
  Duration byteTime_{0};          // of the current step
  bool pendingIdle_ = false;      // bytes came since the line was last quiet
  TimePoint quietAt_{};           // when the line counts as quiet
  TimePoint inputEnd_{};          // the last request byte has crossed the line
  QByteArray outQueue_;           // answers not yet on the line
  TimePoint nextOutDue_{};        // when the first queued byte has crossed it
  TimePoint outputEnd_{};         // the last answer byte sent has crossed it
};

}  // namespace nastrum::sim
