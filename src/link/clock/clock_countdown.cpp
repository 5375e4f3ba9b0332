#include "link/clock/clock_countdown.h"

#include "link/clock/device_clock_time.h"

namespace nastrum {

int CountdownSleeps(int deviceSeconds) {
  const int s = deviceSeconds % 60;
  if (s == 0 || s >= 55) return 0;
  return (56 - s) / kCountdownStepSeconds;
}

bool RunCountdown(int& deviceSeconds, const CountdownHooks& hooks) {
  const int sleeps = CountdownSleeps(deviceSeconds);
  if (sleeps == 0) return true;
  const int s = deviceSeconds % 60;
  if (hooks.show) hooks.show(60 - s);
  for (int k = 1; k <= sleeps; ++k) {
    if (hooks.sleep && !hooks.sleep(kCountdownSleepMs)) return false;
    deviceSeconds = (deviceSeconds + kCountdownStepSeconds) % kSecondsPerDay;
    if (hooks.show) hooks.show(60 - s - kCountdownStepSeconds * k);
  }
  return true;
}

std::optional<QDateTime> CountDownFrom(const QDateTime& now, const CountdownHooks& hooks) {
  const QTime t = now.time();
  int seconds = t.hour() * 3600 + t.minute() * 60 + t.second();
  if (!RunCountdown(seconds, hooks)) return std::nullopt;
  return QDateTime(now.date(), QTime(seconds / 3600, seconds % 3600 / 60, seconds % 60));
}

QString CountdownText(int secondsLeft) {
  return QStringLiteral("Запись времени произойдет через ") + QString::number(secondsLeft) + QStringLiteral(" сек.");
}

}  // namespace nastrum
