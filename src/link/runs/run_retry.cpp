#include "link/runs/run_retry.h"

#include <algorithm>

#include "link/runs/run_codes.h"

namespace nastrum {

void PauseWatchingStop(RunContext& ctx, int ms) {
  while (ms > 0 && !ctx.stopped()) {
    const int slice = std::min(ms, kRetryPauseSliceMs);
    ctx.clock().sleepMs(slice);
    ms -= slice;
    ctx.observer.pumpEvents();
  }
}

int RetryExchange(RunContext& ctx, const std::function<int()>& attempt) {
  int result = run_code::kStoppedByUser;
  const int attempts = std::max(1, ctx.settings.attempts);
  for (int i = 0; i < attempts && !ctx.stopped(); ++i) {
    result = attempt();
    ctx.observer.pumpEvents();
    if (result == run_code::kOk) break;
    PauseWatchingStop(ctx, ctx.settings.pauseSeconds * 1000);
  }
  return result;
}

}  // namespace nastrum
