#include "sim/pty_host.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace nastrum::sim {

PtyHost::~PtyHost() {
  if (slaveKeepAlive_ >= 0) ::close(slaveKeepAlive_);
  if (master_ >= 0) ::close(master_);
}

bool PtyHost::open(QString* error) {
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
    *error = QStringLiteral("pseudo-terminal: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
    return false;
  }
  const char* name = ::ptsname(master_);
  if (!name) {
    *error = QStringLiteral("pseudo-terminal has no name");
    return false;
  }
  slavePath_ = QString::fromLocal8Bit(name);
  slaveKeepAlive_ = ::open(name, O_RDWR | O_NOCTTY);
  if (slaveKeepAlive_ < 0) {
    *error = QStringLiteral("%1: %2").arg(slavePath_, QString::fromLocal8Bit(std::strerror(errno)));
    return false;
  }
  // Raw bytes both ways until the program sets its own framing.
  termios t{};
  ::tcgetattr(slaveKeepAlive_, &t);
  ::cfmakeraw(&t);
  t.c_cflag |= CSTOPB | CLOCAL | CREAD;
  ::cfsetispeed(&t, B9600);
  ::cfsetospeed(&t, B9600);
  ::tcsetattr(slaveKeepAlive_, TCSANOW, &t);
  ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
  return true;
}

bool PtyHost::addressFraming() const {
  termios t{};
  if (::tcgetattr(master_, &t) != 0) return false;
  const bool markSpace = t.c_cflag & CMSPAR;
  const bool odd = t.c_cflag & PARODD;
  const bool oneStopBit = !(t.c_cflag & CSTOPB);
  if (markSpace) return odd;        // MARK marks, SPACE does not
  return oneStopBit && !odd;        // EVEN marks, ODD does not; two stop bits: no parity
}

int PtyHost::baudRate() const {
  termios t{};
  if (::tcgetattr(master_, &t) != 0) return 9600;
  switch (::cfgetospeed(&t)) {
    case B300: return 300;
    case B600: return 600;
    case B1200: return 1200;
    case B2400: return 2400;
    case B4800: return 4800;
    case B19200: return 19200;
    case B38400: return 38400;
    default: return 9600;
  }
}

PtyHost::Duration PtyHost::byteTime() const {
  if (!pacing_) return Duration::zero();
  return Duration(11'000'000'000LL / baudRate());
}

PtyHost::Duration PtyHost::quietGap() const {
  if (!pacing_) return std::chrono::milliseconds(idleGapMs_);
  // Two characters of silence end a request on a paced line; the program
  // writes some frames in pieces, which arrive well within the time their
  // first piece takes on the line.
  return std::max<Duration>(2 * byteTime_, std::chrono::milliseconds(2));
}

bool PtyHost::step(int timeoutMs) {
  byteTime_ = byteTime();
  TimePoint now = SteadyClock::now();
  if (!sendDue(now)) return false;

  TimePoint wake = now + std::chrono::milliseconds(timeoutMs);
  if (!outQueue_.isEmpty()) wake = std::min(wake, nextOutDue_);
  if (pendingIdle_) wake = std::min(wake, quietAt_);
  const auto wait = std::max<Duration>(wake - now, Duration::zero());
  timespec ts{};
  ts.tv_sec = static_cast<time_t>(wait.count() / 1'000'000'000LL);
  ts.tv_nsec = static_cast<long>(wait.count() % 1'000'000'000LL);
  pollfd p{master_, POLLIN, 0};
  const int ready = ::ppoll(&p, 1, &ts, nullptr);
  if (ready < 0) return errno == EINTR;
  now = SteadyClock::now();
  if (ready > 0 && (p.revents & POLLIN)) {
    if (!receive(now)) return false;
  } else {
    if (pendingIdle_ && now >= quietAt_) lineQuiet(now);
    // POLLHUP without data: no program has the terminal open; wait quietly.
    if (ready > 0) std::this_thread::sleep_for(std::chrono::milliseconds(std::min(timeoutMs, 20)));
  }
  collectAnswers(now);
  return sendDue(SteadyClock::now());
}

bool PtyHost::receive(TimePoint now) {
  char buffer[512];
  const ssize_t n = ::read(master_, buffer, sizeof buffer);
  if (n < 0) return errno == EAGAIN || errno == EINTR || errno == EIO;
  if (n == 0) return true;
  // On a paced line the request is in only when its last byte has crossed.
  inputEnd_ = pacing_ ? std::max(now, inputEnd_) + n * byteTime_ : now;
  quietAt_ = inputEnd_ + quietGap();
  pendingIdle_ = true;

  const bool mark = addressFraming();
  const QByteArray bytes(buffer, static_cast<qsizetype>(n));
  // A write of the program arrives in one piece: a lone enquiry is the
  // traditional handshake's, not the first byte of a longer frame.
  const bool loneEnquiry = bytes.size() == 1 && bytes[0] == '\x05';
  bool answerNow = false;
  for (DevicePort* port : ports_) {
    port->receive(bytes, mark);
    answerNow = answerNow || port->holdsWholeFrame() || (loneEnquiry && port->holdsEnquiry());
  }
  // No need to wait for the quiet line; every device hears the frame end.
  if (answerNow)
    for (DevicePort* port : ports_) port->lineIdle();
  return true;
}

void PtyHost::lineQuiet(TimePoint now) {
  pendingIdle_ = false;
  for (DevicePort* port : ports_) {
    port->lineIdle();
    pendingIdle_ = pendingIdle_ || port->hasPendingBytes();  // a frame still awaits its rest
  }
  if (pendingIdle_) quietAt_ = now + quietGap();
}

void PtyHost::collectAnswers(TimePoint now) {
  const QByteArray out = TakeLineOutput(ports_);
  if (out.isEmpty()) return;
  if (outQueue_.isEmpty()) {
    // A device answers once the request is in, and after its own last answer.
    const TimePoint start = std::max({now, pacing_ ? inputEnd_ : now, outputEnd_});
    nextOutDue_ = start + byteTime_;
  }
  outQueue_ += out;
}

bool PtyHost::sendDue(TimePoint now) {
  if (outQueue_.isEmpty() || now < nextOutDue_) return true;
  qsizetype due = outQueue_.size();
  if (byteTime_ > Duration::zero())
    due = std::min<qsizetype>(due, 1 + static_cast<qsizetype>((now - nextOutDue_) / byteTime_));
  const ssize_t n = ::write(master_, outQueue_.constData(), static_cast<size_t>(due));
  if (n < 0) {
    if (errno != EAGAIN && errno != EINTR) return false;
    // The terminal is full: try again shortly rather than spin.
    nextOutDue_ = std::max(nextOutDue_, now + std::chrono::milliseconds(1));
    return true;
  }
  outQueue_.remove(0, n);
  nextOutDue_ += n * byteTime_;
  outputEnd_ = nextOutDue_ - byteTime_;
  return true;
}

}  // namespace nastrum::sim
