// The subcommands nastrum-cli knows, in the order the help lists them.
#pragma once

#include <vector>

#include "app/cli/cli_command.h"

namespace nastrum::cli {

std::vector<CliCommand> cliCommands();

}  // namespace nastrum::cli
