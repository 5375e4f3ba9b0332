// The network numbers a scan tries: a closed range within what the link
// protocol can address.
#pragma once

#include <optional>

#include <QString>

#include "link/runs/exchange_settings.h"

namespace nastrum {

struct NetworkRange {
  int first = 1;
  int last = kTraditionalNetworkMax;

  int count() const { return last - first + 1; }
  bool contains(int number) const { return number >= first && number <= last; }
};

// Every number the protocol of `s` can address: 1 … 127 traditional,
// 1 … 254 with the frame protocols. Number 0 addresses no device of its own.
NetworkRange FullNetworkRange(const ExchangeSettings& s);

// "5" or "1-32"; nothing when the text is no range or leaves `full`.
std::optional<NetworkRange> ParseNetworkRange(const QString& text, const NetworkRange& full);

// `s` addressing the device with network number `number`, as the exchange
// window would after the user ticked "Сеть:" and chose that number.
ExchangeSettings SettingsForNumber(const ExchangeSettings& s, int number);

}  // namespace nastrum
