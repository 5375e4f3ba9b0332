// Reading a settings pair for a subcommand, with one clear line when it fails,
// and the rule for the name of a pair a subcommand writes.
#pragma once

#include <memory>

#include "app/cli/cli_command.h"
#include "model/settings_image.h"

namespace nastrum::cli {

// The image of the pair at `path`, or null after one line on stderr. A
// missing names file is only noted: the names are then empty.
std::unique_ptr<SettingsImage> loadSettings(const QString& command, const QString& path, CliIo& io);

// Empty when `path` may name a settings file to write, else the complaint.
// The names file is the settings path with its last four characters
// replaced, so the path must end in the extension.
QString settingsPathComplaint(const QString& path);

}  // namespace nastrum::cli
