// nastrum-cli backup: every device of a shared line saved as a pair of its own.
#pragma once

#include "app/cli/cli_command.h"

namespace nastrum::cli {

CliCommand backupCommand();

}  // namespace nastrum::cli
