// nastrum-cli diff A.bfm B.bfm | diff A.bfm --device --port …: the fields in
// which two settings pairs, or a pair and a device, differ.
#pragma once

#include "app/cli/cli_command.h"

namespace nastrum::cli {

CliCommand diffCommand();

}  // namespace nastrum::cli
