// nastrum-cli new --kind K FILE.bfm [--force]: a fresh settings pair.
#pragma once

#include "app/cli/cli_command.h"

namespace nastrum::cli {

CliCommand newCommand();
int runNew(const QStringList& args, CliIo& io);

}  // namespace nastrum::cli
