// nastrum-cli clock: read or set a device's clock, as the time page does.
#pragma once

#include "app/cli/cli_command.h"

namespace nastrum::cli {

CliCommand clockCommand();

}  // namespace nastrum::cli
