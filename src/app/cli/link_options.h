// The link options that every device subcommand of nastrum-cli takes: the
// port, the speed, the line, the protocol, the network and the password, as
// the exchange window sets them.
#pragma once

#include <vector>

#include <QString>

#include "app/cli/cli_command.h"
#include "link/runs/exchange_settings.h"

namespace nastrum::cli {

// The options as a subcommand declares them (--port is required).
std::vector<CliOption> LinkCliOptions();

// Fills `s` from the parsed arguments; empty when they are good, else the
// complaint. The protocol is chosen first: choosing it resets the network,
// which --network then sets.
QString ParseLinkOptions(const CliArgs& args, ExchangeSettings& s);

}  // namespace nastrum::cli
