// nastrum-cli map FILE.bfm N [--page P|all] [--format text|csv|html|odt|pdf]
// [--out PATH]: one programming map of a settings pair.
#pragma once

#include "app/cli/cli_command.h"

namespace nastrum::cli {

CliCommand mapCommand();

}  // namespace nastrum::cli
