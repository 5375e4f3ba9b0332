// The exchange window's link settings as nastrum-cli options, shared by the
// commands that talk to a device (read, clock).
#pragma once

#include <vector>

#include "app/cli/cli_command.h"
#include "link/runs/exchange_settings.h"

namespace nastrum::cli {

// --port (required), --baud, --line, --protocol, --crc, --channel, --network,
// --attempts, --pause, in the order the help lists them.
std::vector<CliOption> linkOptions();
// --password HHHH.
CliOption passwordOption(const QString& help);

// Fills `s` from the link options given; an empty string when they are good,
// else the complaint. The protocol is chosen first: choosing it resets the
// network, which --network then sets.
QString parseLinkOptions(const CliArgs& args, ExchangeSettings& s);
// Sets `s.password` from --password when given.
QString parsePasswordOption(const CliArgs& args, ExchangeSettings& s);

}  // namespace nastrum::cli
