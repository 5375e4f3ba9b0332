// A device read for a subcommand that needs the device's settings in memory
// only: the run logs on stderr as "read" does, and nothing is written.
#pragma once

#include <memory>

#include "app/cli/cli_command.h"
#include "link/read/device_read_run.h"
#include "link/runs/exchange_settings.h"

namespace nastrum::cli {

struct DeviceImage {
  std::unique_ptr<SettingsImage> image;  // null when the read failed; the reason is on stderr
  Word factoryNumber = 0;
};

// Reads the constants (or, with ReadChoice::Names, the names into a copy of
// `base`) of the device on the link of `settings`.
DeviceImage readDeviceImage(const QString& command, const ExchangeSettings& settings, ReadChoice choice,
                            const SettingsImage& base, CliIo& io);

}  // namespace nastrum::cli
