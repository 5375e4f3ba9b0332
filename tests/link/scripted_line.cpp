#include "scripted_line.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace nastrum::test {

namespace {

const char* parityName(Parity p) {
  switch (p) {
    case Parity::None: return "None";
    case Parity::Mark: return "Mark";
    case Parity::Space: return "Space";
    case Parity::Even: return "Even";
    case Parity::Odd: return "Odd";
  }
  return "?";
}

QString hex(const QByteArray& b) { return QString::fromLatin1(b.toHex(' ').toUpper()); }

}  // namespace

QByteArray bytes(const char* hexText) { return QByteArray::fromHex(QByteArray(hexText).replace(' ', "")); }

ScriptedLine& ScriptedLine::expect(const QByteArray& request, const QByteArray& answer, int delayMs) {
  expectations_.push_back({request, answer, delayMs});
  return *this;
}

void ScriptedLine::arriveAt(std::int64_t atMs, const QByteArray& b) { queue(atMs, b); }

void ScriptedLine::queue(std::int64_t atMs, const QByteArray& b) {
  for (char c : b) {
    // Keep arrival order: a byte never overtakes one queued earlier.
    const std::int64_t at = rx_.empty() ? atMs : std::max(atMs, rx_.back().atMs);
    rx_.push_back({at, c});
  }
}

bool ScriptedLine::open(const QString& path, int baud) {
  events_ << QStringLiteral("open %1 %2").arg(path).arg(baud);
  open_ = !openFails_;
  parity_ = Parity::None;
  stopBits_ = StopBits::Two;
  return open_;
}

void ScriptedLine::close() {
  events_ << QStringLiteral("close");
  open_ = false;
}

void ScriptedLine::setFraming(Parity parity, StopBits stopBits) {
  parity_ = parity;
  stopBits_ = stopBits;
  events_ << QStringLiteral("framing %1 %2").arg(parityName(parity), stopBits == StopBits::One ? "One" : "Two");
}

bool ScriptedLine::setControlLines(bool dtr, bool rts) {
  events_ << QStringLiteral("lines %1 %2").arg(int(dtr)).arg(int(rts));
  return hasControlLines_;
}

void ScriptedLine::setReadTimeout(int ms) {
  readTimeoutMs_ = ms;
  events_ << QStringLiteral("timeout %1").arg(ms);
}

void ScriptedLine::purgeReceive() {
  events_ << QStringLiteral("purge");
  while (!rx_.empty() && rx_.front().atMs <= clock_.nowMs()) rx_.pop_front();
}

bool ScriptedLine::write(const QByteArray& b) {
  events_ << QStringLiteral("write %1").arg(hex(b));
  if (writeFails_ || !open_) return false;
  written_.append(b);
  writes_.push_back({clock_.nowMs(), b});
  if (echo_) queue(clock_.nowMs(), b);

  if (expectations_.empty()) {
    if (responder_) queue(clock_.nowMs(), responder_(b));
    return true;
  }
  unmatched_.append(b);
  const Expectation& next = expectations_.front();
  if (unmatched_ == next.request) {
    queue(clock_.nowMs() + next.delayMs, next.answer);
    expectations_.pop_front();
    unmatched_.clear();
  } else if (!next.request.startsWith(unmatched_)) {
    ADD_FAILURE() << "the line got " << hex(unmatched_).toStdString() << ", the script expected "
                  << hex(next.request).toStdString();
    unmatched_.clear();
  }
  return true;
}

QByteArray ScriptedLine::read(int maxBytes) {
  const std::int64_t deadline = clock_.nowMs() + readTimeoutMs_;
  QByteArray got;
  std::int64_t lastAt = clock_.nowMs();
  while (got.size() < maxBytes && !rx_.empty() && rx_.front().atMs <= deadline) {
    got.append(rx_.front().byte);
    lastAt = std::max(lastAt, rx_.front().atMs);
    rx_.pop_front();
  }
  // Complete reads return when the last byte came; short ones wait out the time-out.
  const std::int64_t returnAt = got.size() == maxBytes ? lastAt : deadline;
  clock_.advance(returnAt - clock_.nowMs());
  events_ << QStringLiteral("read %1 -> %2").arg(maxBytes).arg(hex(got));
  return got;
}

}  // namespace nastrum::test
