// nastrum-cli check FILE.bfm [--report PATH] [--fix OUT.bfm]: the settings
// check of a file pair, its report, and the automatic correction.
#pragma once

#include "app/cli/cli_command.h"

namespace nastrum::cli {

// Exit 0 when the check is clean, 1 when it found errors (after --fix: errors
// the correction left), 2 on bad input or a file that cannot be written.
CliCommand checkCommand();
int runCheckCommand(const QStringList& args, CliIo& io);

}  // namespace nastrum::cli
