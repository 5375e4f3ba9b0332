// What "scan" and "backup" share: the link options without a single
// device's number, --networks, and the scan of the line itself.
#pragma once

#include <vector>

#include "app/cli/cli_command.h"
#include "link/runs/exchange_settings.h"
#include "link/runs/run_context.h"
#include "link/scan/network_scan.h"

namespace nastrum::cli {

// The link options of linkOptions() but --network, followed by --networks.
std::vector<CliOption> scanOptions();

// Fills `s` and `range` from the options; an empty string when they are good,
// else the complaint. Without --networks the range is every number the
// protocol addresses.
QString parseScanOptions(const CliArgs& args, ExchangeSettings& s, NetworkRange& range);

// Scans the line of ctx.settings over `range`: every number that answered is
// logged on stderr (through the observer) as it comes.
ScanReport scanLine(RunContext& ctx, const NetworkRange& range);

// "number<TAB>kind<TAB>factory number<TAB>version" of a found device.
QString deviceLine(const ProbeResult& device);

}  // namespace nastrum::cli
