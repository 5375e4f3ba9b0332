// A serial line whose device is the fuzzer: every write is answered by the
// next chunk of the fuzzer's bytes, and time passes only on the virtual clock.
#pragma once

#include <QByteArray>
#include <QList>

#include "link/clock.h"
#include "link/serial_line.h"

namespace nastrum::fuzz {

class FuzzLine final : public SerialLine {
 public:
  // `replies` answer the writes in turn; an empty one is silence. A two-wire
  // loop hears every written byte before the reply.
  FuzzLine(VirtualClock& clock, QList<QByteArray> replies, bool echo)
      : clock_(clock), replies_(std::move(replies)), echo_(echo) {}

  bool open(const QString&, int) override { return open_ = true; }
  void close() override { open_ = false; }
  bool isOpen() const override { return open_; }
  void setFraming(Parity, StopBits) override {}
  bool setControlLines(bool, bool) override { return true; }
  void setReadTimeout(int ms) override { timeoutMs_ = ms; }
  void purgeReceive() override { pending_.clear(); }
  bool write(const QByteArray& bytes) override;
  QByteArray read(int maxBytes) override;

 private:
  VirtualClock& clock_;
  QList<QByteArray> replies_;
  QByteArray pending_;
  int timeoutMs_ = 1000;
  bool echo_ = false;
  bool open_ = false;
};

}  // namespace nastrum::fuzz
