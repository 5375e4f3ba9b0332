// The exchange window's clock runs: read the device's date and time
// (mode 3) and write the image's date and time to the device (mode 4).
#pragma once

#include <optional>

#include <QDateTime>

#include "link/runs/run_context.h"
#include "link/runs/run_outcome.h"

namespace nastrum {

// Reads the device clock. `reading` gets the device's date and time (seconds
// 0) only when the whole read succeeded; the caller hands it to the time page
// (TakeDeviceClock). RunDone only then, RunError the first failing code.
RunOutcome RunClockRead(RunContext& ctx, std::optional<QDateTime>& reading);

// Writes TimeHHMM, DateDDMM and DateYear of the workspace image after the
// access check with the settings' password, when the connected device is of
// the image's kind. RunDone only when all three writes succeeded.
RunOutcome RunClockWrite(RunContext& ctx);

}  // namespace nastrum
