// The read run of the exchange window's read mode: connect, greet with the
// factory number, then read the user constants parameter by parameter or the
// names and desktop as one block, and end with the result line.
#pragma once

#include <functional>

#include <QString>

#include "link/runs/run_context.h"
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

// Reads into `target` and leaves the outcome in the run state: RunDone only
// when the run reached its successful end, RunError the first failing code,
// FactoryNumber and ConnectedKind. For the constants `target`'s DeviceKind
// becomes the identified model. Fields the read does not reach keep their
// values, also the fields of exchanges skipped after a failure or STOP.
void RunDeviceRead(RunContext& ctx, ReadChoice choice, SettingsImage& target, const ReadRunHooks& hooks = {});

}  // namespace nastrum
