// The run-level retry around every parameter exchange of a run, on top of the
// link layer's own attempts.
#pragma once

#include <functional>

#include "link/runs/run_context.h"
#include "link/serial_port.h"

namespace nastrum {

// Pause slices while waiting after a failed attempt: the user's "СТОП" is
// seen within one slice, so no further exchange starts after it.
constexpr int kRetryPauseSliceMs = kIdleSliceMs;

// Runs `attempt` up to `SpinEdit2` times until it returns 0. No attempt is
// made once STOP was pressed (a run stopped before the first attempt gets
// the stop code); pending input is let through after every attempt, and a
// failed attempt is followed by the `SpinEdit1` pause.
int RetryExchange(RunContext& ctx, const std::function<int()>& attempt);

// Waits `ms` on the run's clock in slices, letting input through; returns
// early when STOP was pressed.
void PauseWatchingStop(RunContext& ctx, int ms);

}  // namespace nastrum
