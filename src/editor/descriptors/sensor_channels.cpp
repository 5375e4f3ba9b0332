#include "editor/descriptors/sensor_channels.h"

namespace nastrum {

// The kind comparisons in this file are rules about one kind's codes (what a
// digit means on that model); what a kind has and how many is asked of
// kindProfile().

namespace {

QStringList pairs(std::initializer_list<const char*> texts) {
  QStringList out;
  for (const char* t : texts) out << QString::fromUtf8(t);
  return out;
}

std::vector<int> run(int base, int count) {
  std::vector<int> out;
  for (int i = 0; i < count; ++i) out.push_back(base + i);
  return out;
}

ChannelModule module(const QString& name, const QStringList& p, int base) {
  ChannelModule m;
  m.name = name;
  m.pairs = p;
  m.codes = run(base, static_cast<int>(p.size()));
  return m;
}

const QString kHz70 = QStringLiteral("Входная частота от 0 до 70 Гц");
const QString kHz1000 = QStringLiteral("Входная частота от 0 до 1000 Гц");
const QString kKHz10 = QStringLiteral("Входная частота от 0 до 10 кГц");
const QString kHz5000 = QStringLiteral("Входная частота от 0 до 5000 Гц");

// Terminal pairs of the small model's modules.
QStringList smallMiPairs() { return pairs({"+3    -4", "+5    -6", "+7    -8", "+9    -10"}); }
QStringList mknPairs() {
  return pairs({"+1    -2", "+3    -4", "+5    -6", "+7    -8", "+9    -10", "+11  -12"});
}
QStringList mvvPairs() {
  return pairs({"+3    -12", "+4    -12", "+5    -12", "+6    -12", "+7    -11", "+8    -11",
                "+9    -11", "+10  -11"});
}
QStringList smallMchvPairs() { return smallMiPairs(); }

// Terminal pairs of the large model's modules.
QStringList largeAnalogPairs() {
  return pairs({"+1     -2", "+3     -4", "+5     -6", "+7     -8", "+9    -10", "+11  -12",
                "+13  -14", "+15  -16"});
}
QStringList largeLowPairs() { return pairs({"+2     -1", "+4     -3", "+6     -5", "+8     -7"}); }
QStringList largeHighPairs() { return pairs({"+10    -9", "+12  -11", "+14  -13", "+16  -15"}); }

std::vector<ChannelModule> analogModules(int kind) {
  std::vector<ChannelModule> list;
  if (kind == 3) {
    list.push_back(module(QStringLiteral("МИ"), largeAnalogPairs(), 0x00));
    for (int k = 1; k <= 7; ++k)
      list.push_back(module(QStringLiteral("МКН%1").arg(k), largeAnalogPairs(), 8 * k));
    return list;
  }
  list.push_back(module(QStringLiteral("МИ1"), smallMiPairs(), 0x00));
  list.push_back(module(QStringLiteral("МИ2"), smallMiPairs().mid(0, 3), 0x04));
  if (kind == 2)
    for (int k = 1; k <= 8; ++k)
      list.push_back(module(QStringLiteral("МКН%1").arg(k), mknPairs(), 8 + 6 * (k - 1)));
  return list;
}

// Pulse modules of the small model; kind 1 offers МЧВ1 only.
std::vector<ChannelModule> smallPulseModules(int kind) {
  std::vector<ChannelModule> list;
  if (kind == 2) {
    for (int k = 1; k <= 2; ++k) {
      auto m = module(QStringLiteral("МВВ%1").arg(k), mvvPairs(), 8 * (k - 1));
      m.pulseD1 = 0xA;
      m.rangeText = kHz70;
      list.push_back(m);
    }
  }
  auto m1 = module(QStringLiteral("МЧВ1"), smallMchvPairs(), 0x00);
  m1.pulseD1 = 0xB;
  m1.filterable = true;
  m1.rangeText = kHz1000;
  m1.filteredRangeText = kHz70;
  list.push_back(m1);
  if (kind == 2) {
    for (int k = 2; k <= 4; ++k) {
      auto m = module(QStringLiteral("МЧВ%1").arg(k), smallMchvPairs(), 0x10 * (k - 1));
      m.pulseD1 = 0xB;
      m.rangeText = kKHz10;
      list.push_back(m);
    }
  }
  return list;
}

std::vector<ChannelModule> smallFrequencyModules(int kind) {
  std::vector<ChannelModule> list;
  auto m1 = module(QStringLiteral("МЧВ1"), smallMchvPairs(), 0x00);
  m1.rangeText = kHz1000;
  list.push_back(m1);
  if (kind == 2) {
    for (int k = 2; k <= 4; ++k) {
      auto m = module(QStringLiteral("МЧВ%1").arg(k), smallMchvPairs(), 0x10 * (k - 1));
      m.rangeText = kKHz10;
      list.push_back(m);
    }
  }
  return list;
}

// The large model's frequency-input modules, in the order offered.
std::vector<ChannelModule> largeCountingModules(bool pulse) {
  std::vector<ChannelModule> list;
  list.push_back(module(QStringLiteral("МЧВ0"), largeHighPairs(), 0x00));
  list.push_back(module(QStringLiteral("МЧВ1"), largeLowPairs(), 0x10));
  list.push_back(module(QStringLiteral("МЧВ2 - 4х"), largeLowPairs(), 0x20));
  ChannelModule eight = module(QStringLiteral("МЧВ2 - 8х"), largeLowPairs() + largeHighPairs(), 0x20);
  eight.codes = {0x20, 0x21, 0x22, 0x23, 0x30, 0x31, 0x32, 0x33};
  list.push_back(eight);
  list.push_back(module(QStringLiteral("МЧВ3"), largeLowPairs(), 0x30));
  for (auto& m : list) {
    m.filterable = pulse;
    m.rangeText = kHz5000;
    if (pulse) m.filteredRangeText = kHz70;
  }
  return list;
}

// Search order for decoding: a code two modules share shows the first module
// here, which keeps "МЧВ2 - 8х" for its upper half only when nothing else fits.
template <typename Modules>
std::optional<ChannelPlace> findPlace(const Modules& modules, int code, bool filtered) {
  for (const auto& m : modules)
    for (std::size_t i = 0; i < m.codes.size(); ++i)
      if (m.codes[i] == code) return ChannelPlace{m.name, m.pairs[static_cast<int>(i)], filtered};
  return std::nullopt;
}

std::vector<ChannelModule> largeDecodeOrder(bool pulse) {
  auto list = largeCountingModules(pulse);
  std::swap(list[3], list[4]);  // "МЧВ3" before "МЧВ2 - 8х"
  return list;
}

// Every pulse module the small model knows, for decoding stored codes.
std::vector<ChannelModule> smallPulseDecode(SensorFamily family) {
  std::vector<ChannelModule> out;
  for (const auto& m : smallPulseModules(2))
    if ((family == SensorFamily::PulseMvv) == (m.pulseD1 == 0xA)) out.push_back(m);
  return out;
}

bool inAny(int code, std::initializer_list<int> bases, int count) {
  for (int b : bases)
    if (code >= b && code < b + count) return true;
  return false;
}

}  // namespace

std::vector<ChannelModule> channelModules(int kind, SensorFamily family) {
  switch (family) {
    case SensorFamily::Analog:
      return analogModules(kind);
    case SensorFamily::PulseMvv:
    case SensorFamily::PulseMchv:
      return kind == 3 ? largeCountingModules(true) : smallPulseModules(kind);
    case SensorFamily::Frequency:
      return kind == 3 ? largeCountingModules(false) : smallFrequencyModules(kind);
    default:
      return {};
  }
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
  switch (family) {
    case SensorFamily::Analog:
      if (kind == 1) return code >= 0 && code <= 6;
      if (kind == 2) return code >= 0 && code <= 0x37 && code != 7;
      return code >= 0 && code <= 0x3F;
    case SensorFamily::PulseMchv:
      if (kind == 1) return inAny(code, {0x00, 0x80}, 4);
      if (kind == 2) return inAny(code, {0x00, 0x80, 0x10, 0x20, 0x30}, 4);
      return inAny(code & 0x7F, {0x00, 0x10, 0x20, 0x30}, 4) && code <= 0xFF;
    case SensorFamily::PulseMvv:
      if (kind == 1) return code >= 0 && code <= 0xFF && (code & 0xF) <= 3;
      return code >= 0 && code <= 0x0F;
    case SensorFamily::Frequency:
      if (kind == 1) return code >= 0 && code <= 3;
      return inAny(code, {0x00, 0x10, 0x20, 0x30}, 4);
    default:
      return false;
  }
}

std::optional<ChannelPlace> decodeChannel(int kind, SensorFamily family, int code) {
  if (!isValidChannel(kind, family, code)) return std::nullopt;
  switch (family) {
    case SensorFamily::Analog:
      return findPlace(analogModules(kind == 1 ? 2 : kind), code, false);
    case SensorFamily::PulseMvv:
      return findPlace(smallPulseDecode(family), code, false);
    case SensorFamily::PulseMchv: {
      const bool filtered = (code & kBounceFilter) != 0;
      if (kind == 3) return findPlace(largeDecodeOrder(true), code & 0x7F, filtered);
      return findPlace(smallPulseDecode(family), code & 0x7F, filtered);
    }
    case SensorFamily::Frequency:
      if (kind == 3) return findPlace(largeDecodeOrder(false), code, false);
      return findPlace(smallFrequencyModules(2), code, false);
    default:
      return std::nullopt;
  }
}

QString channelRangeText(int kind, SensorFamily family, const ChannelPlace& place) {
  std::vector<ChannelModule> modules;
  if (kind == 3) {
    modules = largeCountingModules(isPulseFamily(family));
  } else if (isPulseFamily(family)) {
    modules = smallPulseModules(2);
  } else if (family == SensorFamily::Frequency) {
    modules = smallFrequencyModules(2);
  }
  for (const auto& m : modules)
    if (m.name == place.module)
      return place.filtered && m.filterable ? m.filteredRangeText : m.rangeText;
  return {};
}

namespace {

std::vector<ChannelModule> cutoffDecodeModules(int kind) {
  std::vector<ChannelModule> list;
  if (kind == 1) {
    list.push_back(module(QStringLiteral("МЧВ"),
                          pairs({"+3    -4", "+5    -6", "+7    -8", "+9   -10"}), 0x00));
    return list;
  }
  if (kind == 2) {
    for (int k = 1; k <= 8; ++k)
      list.push_back(module(QStringLiteral("МВВ%1").arg(k), mvvPairs(), 8 * (k - 1)));
    return list;
  }
  // Large model, in display order: "МИ" is shown for 00..03 but not offered.
  list.push_back(module(QStringLiteral("МИ"), largeHighPairs(), 0x00));
  list.push_back(module(QStringLiteral("МЧВ1"), largeLowPairs(), 0x04));
  list.push_back(module(QStringLiteral("МЧВ2 - 4х"), largeLowPairs(), 0x08));
  list.push_back(module(QStringLiteral("МЧВ3"), largeLowPairs(), 0x0C));
  list.push_back(module(QStringLiteral("МЧВ2 - 8х"), largeLowPairs() + largeHighPairs(), 0x08));
  for (int k = 3; k <= 8; ++k)
    list.push_back(module(QStringLiteral("МДВ%1").arg(k), largeLowPairs() + largeHighPairs(), 8 * (k - 1)));
  const QStringList mu = pairs({"+2     -3", "+6     -7", "+10   -11", "+11   -15"});
  for (int k = 1; k <= 16; ++k)
    list.push_back(module(QStringLiteral("МУ%1").arg(k), mu, 0x40 + 4 * (k - 1)));
  return list;
}

}  // namespace

std::vector<ChannelModule> cutoffModules(int kind) {
  auto list = cutoffDecodeModules(kind);
  if (kind == 3) {
    list.erase(list.begin());           // "МИ"
    std::swap(list[2], list[3]);        // offered: МЧВ1, МЧВ2 - 4х, МЧВ2 - 8х, МЧВ3
  }
  return list;
}

std::optional<int> cutoffCode(int kind, const QString& moduleName, const QString& pair) {
  for (const auto& m : cutoffModules(kind)) {
    if (m.name != moduleName) continue;
    const int i = static_cast<int>(m.pairs.indexOf(pair));
    if (i < 0) return std::nullopt;
    return m.codes[static_cast<std::size_t>(i)];
  }
  return std::nullopt;
}

int defaultCutoffCode(int kind) { return cutoffModules(kind).front().codes.front(); }

bool isValidCutoff(int kind, int code) {
  if (code == kNoCutoff) return true;
  if (kind == 1) return code >= 0 && code <= 3;
  if (kind == 2) return code >= 0 && code <= 0x3F;
  return code >= 0 && code <= 0x7F;
}

std::optional<ChannelPlace> decodeCutoff(int kind, int code) {
  if (code == kNoCutoff || !isValidCutoff(kind, code)) return std::nullopt;
  return findPlace(cutoffDecodeModules(kind), code, false);
}

}  // namespace nastrum
