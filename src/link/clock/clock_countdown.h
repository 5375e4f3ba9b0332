// The wait before a clock write: the device takes the minute and zeroes its
// seconds, so the write is timed to land just before a minute boundary.
#pragma once

#include <functional>
#include <optional>

#include <QDateTime>
#include <QString>

namespace nastrum {

// One pause of the countdown; the caller's clock does not tick meanwhile, so
// the countdown advances the device seconds by 5 itself.
constexpr int kCountdownSleepMs = 4998;
constexpr int kCountdownStepSeconds = 5;

// How many pauses come before the write for `deviceSeconds`: none when the
// minute has just begun (second 0) or ends within five seconds (55 … 59).
int CountdownSleeps(int deviceSeconds);

struct CountdownHooks {
  // "Запись времени произойдет через N сек." with N; called before the first
  // pause and after each. Not called when there is no countdown.
  std::function<void(int secondsLeft)> show;
  // One pause of kCountdownSleepMs; the window processes input meanwhile.
  // Returns false when the countdown is to be abandoned (the window closed).
  std::function<bool(int ms)> sleep;
};

// Runs the countdown, advancing `deviceSeconds` after every pause. False
// when a pause was abandoned; the write must not start then.
bool RunCountdown(int& deviceSeconds, const CountdownHooks& hooks);

// The computer's time `now` counted down as the time page does: the date and
// time to write once the countdown has run (the device takes hours and
// minutes). Nothing when a pause was abandoned.
std::optional<QDateTime> CountDownFrom(const QDateTime& now, const CountdownHooks& hooks);

// The label text for N seconds left.
QString CountdownText(int secondsLeft);

}  // namespace nastrum
