// A SerialLine for tests: it records everything the program does to the line
// and answers from a script, with time passing only on the virtual clock.
// A read waits (moves the clock) until enough bytes have arrived or the read
// time-out ran out, as a real port does.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "link/clock.h"
#include "link/serial_line.h"

namespace nastrum::test {

// "10 40 05" -> bytes.
QByteArray bytes(const char* hex);

class ScriptedLine final : public SerialLine {
 public:
  explicit ScriptedLine(VirtualClock& clock) : clock_(clock) {}

  // When the bytes written since the last matched request equal `request`,
  // `answer` arrives `delayMs` later. Requests are matched in order; writes
  // after the last one go unanswered.
  ScriptedLine& expect(const QByteArray& request, const QByteArray& answer = {}, int delayMs = 0);
  // Called on every write with the written bytes when no expectation is left;
  // what it returns arrives at once.
  void setResponder(std::function<QByteArray(const QByteArray&)> responder) { responder_ = std::move(responder); }
  // Bytes that arrive at a given time whatever was written.
  void arriveAt(std::int64_t atMs, const QByteArray& bytes);

  void setEcho(bool on) { echo_ = on; }  // two-wire current loop
  void setOpenFails(bool on) { openFails_ = on; }
  void setWriteFails(bool on) { writeFails_ = on; }
  void setHasControlLines(bool on) { hasControlLines_ = on; }

  // Everything written, and each write with the time it happened.
  QByteArray written() const { return written_; }
  struct Write {
    std::int64_t atMs;
    QByteArray bytes;
  };
  const std::vector<Write>& writes() const { return writes_; }
  // "open /dev/x 9600", "framing Mark One", "lines 1 0", "timeout 1000",
  // "purge", "write 05", "read 1 -> 04", "close".
  QStringList events() const { return events_; }
  int pendingExpectations() const { return static_cast<int>(expectations_.size()); }
  int unreadBytes() const { return static_cast<int>(rx_.size()); }
  Parity parity() const { return parity_; }
  StopBits stopBits() const { return stopBits_; }

  bool open(const QString& path, int baud) override;
  void close() override;
  bool isOpen() const override { return open_; }
  void setFraming(Parity parity, StopBits stopBits) override;
  bool setControlLines(bool dtr, bool rts) override;
  void setReadTimeout(int ms) override;
  void purgeReceive() override;
  bool write(const QByteArray& bytes) override;
  QByteArray read(int maxBytes) override;

 private:
  struct Expectation {
    QByteArray request;
    QByteArray answer;
    int delayMs;
  };
  struct Incoming {
    std::int64_t atMs;
    char byte;
  };
  void queue(std::int64_t atMs, const QByteArray& bytes);

  VirtualClock& clock_;
  std::deque<Expectation> expectations_;
  std::function<QByteArray(const QByteArray&)> responder_;
  std::deque<Incoming> rx_;  // kept in arrival order
  QByteArray unmatched_;
  QByteArray written_;
  std::vector<Write> writes_;
  QStringList events_;
  bool open_ = false;
  bool echo_ = false;
  bool openFails_ = false;
  bool writeFails_ = false;
  bool hasControlLines_ = true;
  int readTimeoutMs_ = 1000;
  Parity parity_ = Parity::None;
  StopBits stopBits_ = StopBits::Two;
};

}  // namespace nastrum::test
