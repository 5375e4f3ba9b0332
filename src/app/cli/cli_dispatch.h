// Picks the subcommand named by the first argument and runs it.
#pragma once

#include <vector>

#include "app/cli/cli_command.h"

namespace nastrum::cli {

// `args` are the arguments after the program name. No arguments, or an
// unknown command, is bad input; "help" (or --help, -h) lists the commands,
// "help COMMAND" describes one, as "COMMAND --help" does.
int runCli(const QStringList& args, CliIo& io, const std::vector<CliCommand>& commands);

}  // namespace nastrum::cli
