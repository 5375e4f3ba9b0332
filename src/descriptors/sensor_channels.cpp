#include "descriptors/sensor_channels.h"

#include "descriptors/kind_codes.h"

namespace nastrum {

namespace {

template <typename Modules>
std::optional<ChannelPlace> findPlace(const Modules& modules, int code, bool filtered) {
  for (const auto& m : modules)
    for (std::size_t i = 0; i < m.codes.size(); ++i)
      if (m.codes[i] == code) return ChannelPlace{m.name, m.pairs[static_cast<int>(i)], filtered};
  return std::nullopt;
}

bool inSet(const std::bitset<256>& set, int code) {
  return code >= 0 && code < static_cast<int>(set.size()) && set.test(static_cast<std::size_t>(code));
}

}  // namespace

std::vector<ChannelModule> channelModules(int kind, SensorFamily family) {
  const FamilyChannels* c = kindCodes(kind).channels(family);
  return c ? c->offered : std::vector<ChannelModule>{};
}

std::optional<int> channelCode(int kind, SensorFamily family, const QString& moduleName,
                               const QString& pair, bool filtered) {
  for (const auto& m : channelModules(kind, family)) {
    if (m.name != moduleName) continue;
    const int i = static_cast<int>(m.pairs.indexOf(pair));
    if (i < 0) return std::nullopt;
    return m.codes[static_cast<std::size_t>(i)] | (filtered && m.filterable ? kBounceFilter : 0);
  }
  return std::nullopt;
}

bool isValidChannel(int kind, SensorFamily family, int code) {
  const FamilyChannels* c = kindCodes(kind).channels(family);
  return c && inSet(c->valid, code);
}

std::optional<ChannelPlace> decodeChannel(int kind, SensorFamily family, int code) {
  if (!isValidChannel(kind, family, code)) return std::nullopt;
  const FamilyChannels& c = *kindCodes(kind).channels(family);
  if (c.bounceBit) return findPlace(c.decode, code & ~kBounceFilter, (code & kBounceFilter) != 0);
  return findPlace(c.decode, code, false);
}

QString channelRangeText(int kind, SensorFamily family, const ChannelPlace& place) {
  const FamilyChannels* c = kindCodes(kind).channels(family);
  if (!c) return {};
  for (const auto& m : c->ranged)
    if (m.name == place.module)
      return place.filtered && m.filterable ? m.filteredRangeText : m.rangeText;
  return {};
}

std::vector<ChannelModule> cutoffModules(int kind) { return kindCodes(kind).cutoffOffered; }

std::optional<int> cutoffCode(int kind, const QString& moduleName, const QString& pair) {
  for (const auto& m : kindCodes(kind).cutoffOffered) {
    if (m.name != moduleName) continue;
    const int i = static_cast<int>(m.pairs.indexOf(pair));
    if (i < 0) return std::nullopt;
    return m.codes[static_cast<std::size_t>(i)];
  }
  return std::nullopt;
}

int defaultCutoffCode(int kind) { return kindCodes(kind).cutoffOffered.front().codes.front(); }

bool isValidCutoff(int kind, int code) {
  return code == kNoCutoff || (code >= 0 && code <= kindCodes(kind).cutoffMax);
}

std::optional<ChannelPlace> decodeCutoff(int kind, int code) {
  if (code == kNoCutoff || !isValidCutoff(kind, code)) return std::nullopt;
  return findPlace(kindCodes(kind).cutoffDecode, code, false);
}

}  // namespace nastrum
