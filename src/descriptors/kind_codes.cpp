#include "descriptors/kind_codes.h"

#include <initializer_list>

namespace nastrum {

namespace {

QStringList pairs(std::initializer_list<const char*> texts) {
  QStringList out;
  for (const char* t : texts) out << QString::fromUtf8(t);
  return out;
}

ChannelModule module(const QString& name, const QStringList& p, int base) {
  ChannelModule m;
  m.name = name;
  m.pairs = p;
  for (int i = 0; i < p.size(); ++i) m.codes.push_back(base + i);
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

// The small model's modules; the minimal model has the first of each only.
std::vector<ChannelModule> smallAnalogModules(bool expandable) {
  std::vector<ChannelModule> list;
  list.push_back(module(QStringLiteral("МИ1"), smallMiPairs(), 0x00));
  list.push_back(module(QStringLiteral("МИ2"), smallMiPairs().mid(0, 3), 0x04));
  if (expandable)
    for (int k = 1; k <= 8; ++k)
      list.push_back(module(QStringLiteral("МКН%1").arg(k), mknPairs(), 8 + 6 * (k - 1)));
  return list;
}

std::vector<ChannelModule> mvvModules() {
  std::vector<ChannelModule> list;
  for (int k = 1; k <= 2; ++k) {
    auto m = module(QStringLiteral("МВВ%1").arg(k), mvvPairs(), 8 * (k - 1));
    m.pulseD1 = 0xA;
    m.rangeText = kHz70;
    list.push_back(m);
  }
  return list;
}

std::vector<ChannelModule> smallMchvModules(bool expandable, bool pulse) {
  std::vector<ChannelModule> list;
  auto m1 = module(QStringLiteral("МЧВ1"), smallMchvPairs(), 0x00);
  m1.rangeText = kHz1000;
  if (pulse) {
    m1.pulseD1 = 0xB;
    m1.filterable = true;
    m1.filteredRangeText = kHz70;
  }
  list.push_back(m1);
  if (expandable) {
    for (int k = 2; k <= 4; ++k) {
      auto m = module(QStringLiteral("МЧВ%1").arg(k), smallMchvPairs(), 0x10 * (k - 1));
      if (pulse) m.pulseD1 = 0xB;
      m.rangeText = kKHz10;
      list.push_back(m);
    }
  }
  return list;
}

// The pulse list of the small model mixes МВВ (expandable only) and МЧВ modules.
std::vector<ChannelModule> smallPulseModules(bool expandable) {
  std::vector<ChannelModule> list = expandable ? mvvModules() : std::vector<ChannelModule>{};
  for (auto& m : smallMchvModules(expandable, true)) list.push_back(m);
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

// Decoding keeps "МЧВ2 - 8х" for its upper half: "МЧВ3" is searched first.
std::vector<ChannelModule> largeDecodeOrder(bool pulse) {
  auto list = largeCountingModules(pulse);
  std::swap(list[3], list[4]);
  return list;
}

// Every code of the modules, with the bounce bit where a module filters.
std::bitset<256> codesOf(const std::vector<ChannelModule>& modules) {
  std::bitset<256> set;
  for (const auto& m : modules)
    for (int code : m.codes) {
      set.set(static_cast<std::size_t>(code));
      if (m.filterable) set.set(static_cast<std::size_t>(code | 0x80));
    }
  return set;
}

std::bitset<256> codeRange(int from, int to) {
  std::bitset<256> set;
  for (int code = from; code <= to; ++code) set.set(static_cast<std::size_t>(code));
  return set;
}

std::vector<ChannelModule> largeCutoffDecode() {
  std::vector<ChannelModule> list;
  // "МИ" is shown for 00..03 but not offered.
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

std::vector<ChannelModule> largeCutoffOffered() {
  auto list = largeCutoffDecode();
  list.erase(list.begin());     // "МИ"
  std::swap(list[2], list[3]);  // МЧВ1, МЧВ2 - 4х, МЧВ2 - 8х, МЧВ3
  return list;
}

std::vector<ChannelModule> mvvCutoffModules() {
  std::vector<ChannelModule> list;
  for (int k = 1; k <= 8; ++k) list.push_back(module(QStringLiteral("МВВ%1").arg(k), mvvPairs(), 8 * (k - 1)));
  return list;
}

// The descriptors a new sensor starts with, by FamilyChoice: absent, analog,
// pulse, frequency, conditional.
constexpr std::array<Word, 5> newMain(int pulseDigit) {
  return {0, 0x9101, static_cast<Word>((pulseDigit << 12) | 0x350), 0xC350, 0x8000};
}
constexpr std::array<Word, 5> newAux(Word conditional) { return {0, 0x0080, 0x0080, 0x0080, conditional}; }

KindCodes minimalCodes() {
  KindCodes k{};
  k.kind = DeviceKind::Minimal;
  k.smallModelFamilyDigits = true;
  k.pulseFamilyDigit = 0xB;
  k.newMain = newMain(0xB);
  k.newAux = newAux(0x1000);
  k.pulsesPerUnitBit = false;
  k.flowKind3IsLiquid = true;
  k.threeRadiusTap = false;
  k.serialInputSensors = false;
  k.analogConst3Caption = "Константа 3";
  k.currentAnalogClearsConst3 = true;
  k.repairsMvvChannelOnShow = true;

  k.analog.offered = smallAnalogModules(false);
  k.analog.decode = smallAnalogModules(true);
  k.analog.valid = codesOf(k.analog.offered);
  k.pulseMvv.offered = k.pulseMchv.offered = smallPulseModules(false);
  k.pulseMvv.decode = mvvModules();
  // Old files keep МВВ pulse codes of any module: terminal pairs 0..3 count.
  for (int code = 0; code <= 0xFF; ++code)
    if ((code & 0xF) <= 3) k.pulseMvv.valid.set(static_cast<std::size_t>(code));
  k.pulseMchv.decode = smallMchvModules(true, true);
  k.pulseMchv.valid = codesOf(k.pulseMchv.offered);
  k.pulseMchv.bounceBit = true;
  k.pulseMvv.ranged = k.pulseMchv.ranged = smallPulseModules(true);
  k.frequency.offered = smallMchvModules(false, false);
  k.frequency.decode = k.frequency.ranged = smallMchvModules(true, false);
  k.frequency.valid = codesOf(k.frequency.offered);

  k.cutoffOffered = k.cutoffDecode = {module(QStringLiteral("МЧВ"), pairs({"+3    -4", "+5    -6", "+7    -8", "+9   -10"}), 0x00)};
  k.cutoffMax = 3;
  k.stopChannelWrongFrom = 4;
  k.stopChannelWrongTo = 127;

  k.electricityCarrier = false;
  k.technicalGasProperties = false;
  k.gasHumidity = true;
  k.gasCompositionSensors = false;

  k.mainChannelFixedLoop = false;
  k.auxChannelModemOnly = false;
  k.slaveOrFaultsBit = 4;
  k.slaveOrFaultsCaption = "Чтение ведомого ОРВИК";
  k.eventArchiveCaption = "Архив событий";
  k.telesignalling = true;
  return k;
}

KindCodes expandableCodes() {
  KindCodes k{};
  k.kind = DeviceKind::Expandable;
  k.smallModelFamilyDigits = true;
  k.pulseFamilyDigit = 0xA;
  k.newMain = newMain(0xA);
  k.newAux = newAux(0x1000);
  k.pulsesPerUnitBit = false;
  k.flowKind3IsLiquid = true;
  k.threeRadiusTap = false;
  k.serialInputSensors = true;
  k.analogConst3Caption = "Cопротив. измерительного резистора,Ом";
  k.currentAnalogClearsConst3 = false;
  k.repairsMvvChannelOnShow = false;

  k.analog.offered = k.analog.decode = smallAnalogModules(true);
  k.analog.valid = codesOf(k.analog.offered);
  k.pulseMvv.offered = k.pulseMchv.offered = smallPulseModules(true);
  k.pulseMvv.decode = mvvModules();
  k.pulseMvv.valid = codesOf(k.pulseMvv.decode);
  k.pulseMchv.decode = smallMchvModules(true, true);
  k.pulseMchv.valid = codesOf(k.pulseMchv.decode);
  k.pulseMchv.bounceBit = true;
  k.pulseMvv.ranged = k.pulseMchv.ranged = smallPulseModules(true);
  k.frequency.offered = k.frequency.decode = k.frequency.ranged = smallMchvModules(true, false);
  k.frequency.valid = codesOf(k.frequency.offered);

  k.cutoffOffered = k.cutoffDecode = mvvCutoffModules();
  k.cutoffMax = 0x3F;
  k.stopChannelWrongFrom = 64;
  k.stopChannelWrongTo = 127;

  k.electricityCarrier = false;
  k.technicalGasProperties = false;
  k.gasHumidity = true;
  k.gasCompositionSensors = true;

  k.mainChannelFixedLoop = true;
  k.auxChannelModemOnly = false;
  k.slaveOrFaultsBit = 4;
  k.slaveOrFaultsCaption = "Чтение ведомого ОРВИК";
  k.eventArchiveCaption = "Архив событий";
  k.telesignalling = true;
  return k;
}

KindCodes largeCodes() {
  KindCodes k{};
  k.kind = DeviceKind::Large;
  k.smallModelFamilyDigits = false;
  k.pulseFamilyDigit = 0xB;
  k.newMain = newMain(0xB);
  k.newAux = newAux(0);
  k.pulsesPerUnitBit = true;
  k.flowKind3IsLiquid = false;
  k.threeRadiusTap = true;
  k.serialInputSensors = true;
  k.analogConst3Caption = "Смещение сигнала датчика, мВ";
  k.currentAnalogClearsConst3 = false;
  k.repairsMvvChannelOnShow = false;

  k.analog.offered.push_back(module(QStringLiteral("МИ"), largeAnalogPairs(), 0x00));
  for (int m = 1; m <= 7; ++m)
    k.analog.offered.push_back(module(QStringLiteral("МКН%1").arg(m), largeAnalogPairs(), 8 * m));
  k.analog.decode = k.analog.offered;
  k.analog.valid = codesOf(k.analog.offered);
  k.pulseMvv.offered = k.pulseMchv.offered = largeCountingModules(true);
  // No МВВ family on this model; its codes still read as the small model's.
  k.pulseMvv.decode = mvvModules();
  k.pulseMvv.valid = codeRange(0, 0x0F);
  k.pulseMvv.ranged = k.pulseMchv.ranged = largeCountingModules(true);
  k.pulseMchv.decode = largeDecodeOrder(true);
  k.pulseMchv.valid = codesOf(k.pulseMchv.offered);
  k.pulseMchv.bounceBit = true;
  k.frequency.offered = k.frequency.ranged = largeCountingModules(false);
  k.frequency.decode = largeDecodeOrder(false);
  k.frequency.valid = codesOf(k.frequency.offered);

  k.cutoffOffered = largeCutoffOffered();
  k.cutoffDecode = largeCutoffDecode();
  k.cutoffMax = 0x7F;
  k.stopChannelWrongFrom = 129;
  k.stopChannelWrongTo = 255;

  k.electricityCarrier = true;
  k.technicalGasProperties = true;
  k.gasHumidity = false;
  k.gasCompositionSensors = true;

  k.mainChannelFixedLoop = false;
  k.auxChannelModemOnly = true;
  k.slaveOrFaultsBit = 10;
  k.slaveOrFaultsCaption = "Отказы датч.в арх.событ.";
  k.eventArchiveCaption = "Архив событий общего вида";
  k.telesignalling = false;
  return k;
}

}  // namespace

const FamilyChannels* KindCodes::channels(SensorFamily family) const {
  switch (family) {
    case SensorFamily::Analog: return &analog;
    case SensorFamily::PulseMvv: return &pulseMvv;
    case SensorFamily::PulseMchv: return &pulseMchv;
    case SensorFamily::Frequency: return &frequency;
    default: return nullptr;
  }
}

const KindCodes& kindCodes(DeviceKind kind) {
  static const KindCodes minimal = minimalCodes();
  static const KindCodes expandable = expandableCodes();
  static const KindCodes large = largeCodes();
  switch (kind) {
    case DeviceKind::Minimal: return minimal;
    case DeviceKind::Expandable: return expandable;
    case DeviceKind::Large: return large;
  }
  return expandable;
}

const KindCodes& kindCodes(Word kind) { return kindCodes(deviceKindOf(kind).value_or(DeviceKind::Expandable)); }

}  // namespace nastrum
