// The device's electronic key and password, checked before the names are
// read, before a write and before the clock is set.
#pragma once

#include <cstdint>
#include <optional>

#include <QString>

#include "link/runs/run_context.h"

namespace nastrum {

struct AccessCheckOptions {
  // The status word when the run has read it already; otherwise it is read here.
  std::optional<std::uint16_t> status;
  // The write run logs the read-back and the sent digits in the diagnostic mode.
  bool logDigitsInSpyMode = false;
};

// Returns 0 when the device accepted `password`; 1 (after the refusal's log
// line) when the key is missing or the password is refused; the stop code
// when STOP was pressed; otherwise the code of the failing exchange.
int CheckAccess(RunContext& ctx, const QString& password, const AccessCheckOptions& options = {});

}  // namespace nastrum
