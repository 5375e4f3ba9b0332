// Time as the link sees it. The protocols measure reply windows and pauses
// only through a Clock, so tests run them on a virtual clock where a 3-second
// retry pause costs nothing.
#pragma once

#include <cstdint>

namespace nastrum {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t nowMs() const = 0;  // monotonic milliseconds
  virtual void sleepMs(int ms) = 0;
};

// Real time.
class SystemClock final : public Clock {
 public:
  std::int64_t nowMs() const override;
  void sleepMs(int ms) override;
};

// Time that moves only when someone sleeps or advances it.
class VirtualClock final : public Clock {
 public:
  std::int64_t nowMs() const override { return now_; }
  void sleepMs(int ms) override { now_ += ms > 0 ? ms : 0; }
  void advance(std::int64_t ms) { now_ += ms; }

 private:
  std::int64_t now_ = 0;
};

}  // namespace nastrum
