#include "link/scan/network_range.h"

#include <QStringList>

namespace nastrum {

NetworkRange FullNetworkRange(const ExchangeSettings& s) { return {1, NetworkMaximum(s)}; }

std::optional<NetworkRange> ParseNetworkRange(const QString& text, const NetworkRange& full) {
  const QStringList ends = text.trimmed().split(QLatin1Char('-'));
  if (ends.size() > 2) return std::nullopt;
  bool firstOk = false;
  bool lastOk = false;
  NetworkRange range;
  range.first = ends.front().trimmed().toInt(&firstOk);
  range.last = ends.back().trimmed().toInt(&lastOk);
  if (!firstOk || !lastOk || range.first > range.last) return std::nullopt;
  if (!full.contains(range.first) || !full.contains(range.last)) return std::nullopt;
  return range;
}

ExchangeSettings SettingsForNumber(const ExchangeSettings& s, int number) {
  ExchangeSettings own = s;
  if (own.protocol == LinkProtocol::Traditional) SetNetwork(own, true);
  SetNetworkNumber(own, number);
  return own;
}

}  // namespace nastrum
