// nastrum-cli read: the device read of the exchange window, headless.
#pragma once

#include "app/cli/cli_command.h"

namespace nastrum::cli {

CliCommand readCommand();

}  // namespace nastrum::cli
