// The link options that every device subcommand of nastrum-cli takes: the
// port, the speed, the line, the protocol and the network, as the exchange
// window sets them.
#pragma once

#include <optional>

#include <QString>

#include "link/runs/exchange_settings.h"

namespace nastrum::cli {

struct LinkOptions {
  ExchangeSettings settings;
  std::optional<int> networkNumber;
  bool portGiven = false;
};

// Takes `option` with its `value` when it is a link option. Nothing when it
// is not one; an empty string when it was taken; else the complaint.
std::optional<QString> TakeLinkOption(const QString& option, const QString& value, LinkOptions& o);

// After the last option: the port is required and the network number is
// applied. Empty, or the complaint.
QString FinishLinkOptions(LinkOptions& o);

// The options as the help lists them.
QString LinkOptionsUsage();

}  // namespace nastrum::cli
