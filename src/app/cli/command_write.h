// nastrum-cli write: the write run of the exchange window, headless.
#pragma once

#include "app/cli/cli_command.h"

namespace nastrum::cli {

CliCommand writeCommand();
int runWrite(const QStringList& args, CliIo& io);

}  // namespace nastrum::cli
