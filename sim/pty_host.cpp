#include "sim/pty_host.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

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

bool PtyHost::flush() {
  for (DevicePort* port : ports_) {
    const QByteArray out = port->takeOutput();
    const int byteMicros = pacing_ ? 11'000'000 / baudRate() : 0;
    for (qsizetype i = 0; i < out.size();) {
      const qsizetype chunk = pacing_ ? 1 : out.size() - i;
      const ssize_t n = ::write(master_, out.constData() + i, static_cast<size_t>(chunk));
      if (n < 0) {
        if (errno == EAGAIN || errno == EINTR) {
          std::this_thread::sleep_for(std::chrono::milliseconds(1));
          continue;
        }
        return false;
      }
      i += n;
      if (byteMicros) std::this_thread::sleep_for(std::chrono::microseconds(byteMicros * n));
    }
  }
  return true;
}

bool PtyHost::step(int timeoutMs) {
  pollfd p{master_, POLLIN, 0};
  const int wait = pendingIdle_ ? std::min(timeoutMs, idleGapMs_) : timeoutMs;
  const int ready = ::poll(&p, 1, wait);
  if (ready < 0) return errno == EINTR;
  if (ready == 0 || !(p.revents & POLLIN)) {
    if (pendingIdle_ && ready == 0) {
      pendingIdle_ = false;
      for (DevicePort* port : ports_) {
        port->lineIdle();
        pendingIdle_ = pendingIdle_ || port->hasPendingBytes();  // a frame still awaits its rest
      }
    }
    // POLLHUP without data: no program has the terminal open; wait quietly.
    if (ready > 0 && !(p.revents & POLLIN)) std::this_thread::sleep_for(std::chrono::milliseconds(std::min(timeoutMs, 20)));
    return flush();
  }
  char buffer[512];
  const ssize_t n = ::read(master_, buffer, sizeof buffer);
  if (n < 0) return errno == EAGAIN || errno == EINTR || errno == EIO;
  const bool mark = addressFraming();
  const QByteArray bytes(buffer, static_cast<qsizetype>(n));
  bool wholeFrame = false;
  for (DevicePort* port : ports_) {
    port->receive(bytes, mark);
    wholeFrame = wholeFrame || port->holdsWholeFrame();
  }
  // No need to wait for the quiet line; every device hears the frame end.
  if (wholeFrame)
    for (DevicePort* port : ports_) port->lineIdle();
  pendingIdle_ = true;
  return flush();
}

}  // namespace nastrum::sim
