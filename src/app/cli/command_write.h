// nastrum-cli write: the write run of the exchange window, headless.
#pragma once

#include "app/cli/cli_command.h"

namespace nastrum::cli {

CliCommand writeCommand();

}  // namespace nastrum::cli
