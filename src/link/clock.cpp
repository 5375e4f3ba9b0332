#include "link/clock.h"

#include <QElapsedTimer>
#include <QThread>

namespace nastrum {

std::int64_t SystemClock::nowMs() const {
  static QElapsedTimer timer = [] {
    QElapsedTimer t;
    t.start();
    return t;
  }();
  return timer.elapsed();
}

void SystemClock::sleepMs(int ms) {
  if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}

}  // namespace nastrum
