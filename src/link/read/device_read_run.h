// The read run of the exchange window's read mode: connect, greet with the
// factory number, then read the user constants parameter by parameter or the
// names and desktop as one block, and end with the result line.
#pragma once

#include <functional>

#include <QString>

#include "link/runs/run_context.h"
#include "link/runs/run_outcome.h"
#include "model/settings_image.h"

namespace nastrum {

// `RadioGroup1`: what to read.
enum class ReadChoice : int {
  Constants = 0,  // "Константы пользователя"
  Names = 1,      // "Имена и рабочий стол"
};

struct ReadRunHooks {
  // In the diagnostic mode: the section being read, for the main window's
  // diagnostic field. May be empty.
  std::function<void(const QString&)> showSection;
};

// Reads into `target` and returns how the run ended: done only when it
// reached its successful end, otherwise the first failing code (the stop code
// after "СТОП"). Leaves FactoryNumber and ConnectedKind in the run state. For
// the constants `target`'s DeviceKind becomes the identified model. Fields
// the read does not reach keep their values, also the fields of exchanges
// skipped after a failure or STOP.
RunOutcome RunDeviceRead(RunContext& ctx, ReadChoice choice, SettingsImage& target, const ReadRunHooks& hooks = {});

}  // namespace nastrum
