// nastrum-cli new --kind K FILE.bfm [--force]: a fresh settings pair.
#pragma once

#include "app/cli/cli_command.h"

namespace nastrum::cli {

CliCommand newCommand();

}  // namespace nastrum::cli
