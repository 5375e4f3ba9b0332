// nastrum-cli scan: which devices answer on a shared line.
#pragma once

#include "app/cli/cli_command.h"

namespace nastrum::cli {

CliCommand scanCommand();

}  // namespace nastrum::cli
