// The exchange window's clock runs: read the device's date and time
// (mode 3) and write the image's date and time to the device (mode 4).
#pragma once

#include <optional>

#include <QDateTime>

#include "link/clock/device_clock_time.h"
#include "link/runs/run_context.h"
#include "link/runs/run_outcome.h"

namespace nastrum {

// Reads the device clock. `reading` gets the device's date and time (seconds
// 0) only when the whole read succeeded; the caller hands it to the time page
// (TakeDeviceClock). RunDone only then, RunError the first failing code.
RunOutcome RunClockRead(RunContext& ctx, std::optional<QDateTime>& reading);

// Sets the device clock to what `timeToWrite` gives when the bytes go out,
// after the access check with the settings' password, when the connected
// device is of the image's kind. The device starts its seconds from 0 when
// it takes the time, so the write waits for the turn of the minute unless it
// is just past one: the device then agrees with the source to within the
// time the three writes take. RunDone only when all three writes succeeded.
RunOutcome RunClockWrite(RunContext& ctx, const ClockSource& timeToWrite);

// How long a clock write sent `time` waits for the turn of the minute: none
// within the first kClockLandingMs of a minute, else the rest of it.
constexpr int kClockLandingMs = 1500;
int MsToMinuteTurn(const QDateTime& time);

}  // namespace nastrum
