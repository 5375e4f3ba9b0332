#include "link/params/param_map.h"

#include <algorithm>

#include "model/device_real.h"
#include "link/value_formats.h"
#include "model/kind_profile.h"

namespace nastrum {

namespace {

template <typename Array>
auto& at(Array& array, int i) {
  return array[static_cast<std::size_t>(i)];
}

ParamTarget W(Word& w) { return ParamTarget{&w, nullptr, nullptr, nullptr, nullptr}; }
ParamTarget R(double& r) { return ParamTarget{nullptr, nullptr, &r, nullptr, nullptr}; }
ParamTarget T(ModemText& t) { return ParamTarget{nullptr, nullptr, nullptr, &t, nullptr}; }

SensorRecord& sensor(SettingsImage& im, ParamObject o) { return at(im.sensors, o.k); }
PipelineRecord& pipe(SettingsImage& im, ParamObject o) { return at(im.pipelines, o.k); }
CurrentGenRecord& generator(SettingsImage& im, ParamObject o) { return at(im.currentGenerators, o.k); }
// Logic flag j = 64 (g − 1) + k + 1 is element j − 1.
int flag(ParamObject o) { return 64 * (o.sub - 1) + o.k; }

ParamTarget generatorParam(SettingsImage& im, ParamObject o) { return W(generator(im, o).paramDescriptor); }

// clang-format off
const std::vector<ParamBlock> kMap = {
  {ParamFamily::Sensors, 0x00, {
    {1, kAllKinds, ParamConversion::Word, {{0, [](SettingsImage& im, ParamObject o) { return W(sensor(im, o).mainDescriptor); }}}},
    {2, kAllKinds, ParamConversion::Word, {{10, [](SettingsImage& im, ParamObject o) { return W(sensor(im, o).auxDescriptor); }}}},
    {3, kAllKinds, ParamConversion::Real, {
      {1, [](SettingsImage& im, ParamObject o) { return R(sensor(im, o).const1); }},
      {2, [](SettingsImage& im, ParamObject o) { return R(sensor(im, o).const2); }},
      {3, [](SettingsImage& im, ParamObject o) { return R(sensor(im, o).const3); }},
      {4, [](SettingsImage& im, ParamObject o) { return R(sensor(im, o).maxValue); }},
      {5, [](SettingsImage& im, ParamObject o) { return R(sensor(im, o).minValue); }},
      {6, [](SettingsImage& im, ParamObject o) { return R(sensor(im, o).substAboveMax); }},
      {7, [](SettingsImage& im, ParamObject o) { return R(sensor(im, o).substBelowMin); }},
      {8, [](SettingsImage& im, ParamObject o) { return R(sensor(im, o).substOnFault); }},
      {9, [](SettingsImage& im, ParamObject o) { return R(sensor(im, o).monthFactor); }}}},
  }},
  {ParamFamily::Pipelines, 0x80, {
    {4, kAllKinds, ParamConversion::Word, {{0, [](SettingsImage& im, ParamObject o) { return W(pipe(im, o).mainDescriptor); }}}},
    {5, kAllKinds, ParamConversion::Word, {
      {1, [](SettingsImage& im, ParamObject o) { return W(pipe(im, o).flowSensors); }},
      {2, [](SettingsImage& im, ParamObject o) { return W(pipe(im, o).tempSensors); }},
      {3, [](SettingsImage& im, ParamObject o) { return W(pipe(im, o).pressureSensors); }},
      {4, [](SettingsImage& im, ParamObject o) { return W(pipe(im, o).densityCalorLink); }},
      {5, [](SettingsImage& im, ParamObject o) { return W(pipe(im, o).bigPipeRef); }},
      {6, [](SettingsImage& im, ParamObject o) { return W(pipe(im, o).cutoffSource); }}}},
    {5, kAllKinds, ParamConversion::WordFfffAsZero, {
      {7, [](SettingsImage& im, ParamObject o) { return W(pipe(im, o).impurityTariff); }}}},
    {6, kAllKinds, ParamConversion::Real, {
      {8, [](SettingsImage& im, ParamObject o) { return R(pipe(im, o).mainTariff); }},
      {9, [](SettingsImage& im, ParamObject o) { return R(pipe(im, o).nightTariff); }},
      {10, [](SettingsImage& im, ParamObject o) { return R(pipe(im, o).pipeDiameter); }},
      {11, [](SettingsImage& im, ParamObject o) { return R(pipe(im, o).orificeDiameter); }},
      {12, [](SettingsImage& im, ParamObject o) { return R(pipe(im, o).pipeExpansion); }},
      {13, [](SettingsImage& im, ParamObject o) { return R(pipe(im, o).orificeExpansion); }}}},
    {7, kKind2 | kKind3, ParamConversion::Real, {{60, [](SettingsImage& im, ParamObject o) { return R(pipe(im, o).roughness); }}}},
    {8, kAllKinds, ParamConversion::Real, {{15, [](SettingsImage& im, ParamObject o) { return R(pipe(im, o).co2Fraction); }}}},
    {9, kAllKinds, ParamConversion::Real, {
      {16, [](SettingsImage& im, ParamObject o) { return R(pipe(im, o).n2Fraction); }},
      {17, [](SettingsImage& im, ParamObject o) { return R(pipe(im, o).gasCalorific); }},
      {18, [](SettingsImage& im, ParamObject o) { return R(pipe(im, o).gasDensity); }},
      {19, [](SettingsImage& im, ParamObject o) { return R(pipe(im, o).monthFactor); }}}},
  }},
  {ParamFamily::HourArchives, 0x40, {
    {10, kAllKinds, ParamConversion::Word, {
      {10, [](SettingsImage& im, ParamObject o) { return W(at(im.hourArcDesc, o.k)); }},
      {51, [](SettingsImage& im, ParamObject o) { return W(at(im.hourArcPos, o.k)); }},
      {54, [](SettingsImage& im, ParamObject o) { return W(at(im.hourArcNeg, o.k)); }}}},
  }},
  {ParamFamily::DayArchives, 0x40, {
    {11, kAllKinds, ParamConversion::Word, {
      {11, [](SettingsImage& im, ParamObject o) { return W(at(im.dayArcDesc, o.k)); }},
      {52, [](SettingsImage& im, ParamObject o) { return W(at(im.dayArcPos, o.k)); }},
      {55, [](SettingsImage& im, ParamObject o) { return W(at(im.dayArcNeg, o.k)); }}}},
  }},
  {ParamFamily::MonthArchives, 0x40, {
    {12, kAllKinds, ParamConversion::Word, {
      {12, [](SettingsImage& im, ParamObject o) { return W(at(im.monthArcDesc, o.k)); }},
      {53, [](SettingsImage& im, ParamObject o) { return W(at(im.monthArcPos, o.k)); }},
      {56, [](SettingsImage& im, ParamObject o) { return W(at(im.monthArcNeg, o.k)); }}}},
  }},
  {ParamFamily::IntervalArchives, 0x00, {
    {13, kKind2 | kKind3, ParamConversion::Word, {
      {45, [](SettingsImage& im, ParamObject o) { return W(at(im.intervalArcDesc, o.k)); }},
      {46, [](SettingsImage& im, ParamObject o) { return W(at(im.intervalArcPos, o.k)); }},
      {47, [](SettingsImage& im, ParamObject o) { return W(at(im.intervalArcNeg, o.k)); }}}},
  }},
  {ParamFamily::EventsFirst, 0x40, {
    {14, kKind2 | kKind3, ParamConversion::Word, {
      {76, [](SettingsImage& im, ParamObject o) { return W(at(im.eventType, o.k)); }},
      {78, [](SettingsImage& im, ParamObject o) { return W(at(im.eventParam, o.k)); }}}},
  }},
  {ParamFamily::EventsSecond, 0x40, {
    {15, kKind2, ParamConversion::Word, {
      {77, [](SettingsImage& im, ParamObject o) { return W(at(im.eventType, 64 + o.k)); }},
      {79, [](SettingsImage& im, ParamObject o) { return W(at(im.eventParam, 64 + o.k)); }}}},
  }},
  // Table t, value i: (0x40, 81 + t, i − 1); k = i − 1, sub = t.
  {ParamFamily::Tables, 0x40, {
    {16, kAllKinds, ParamConversion::Real, {
      {81, [](SettingsImage& im, ParamObject o) { return R(at(at(im.tableFunctions, o.sub - 1), o.k)); }}}},
  }},
  // The device takes a generator's law before its parameter, and reports them the other way round.
  {ParamFamily::Generators, 0x40, {
    {17, kKind2 | kKind3, ParamConversion::Word, {
      {57, generatorParam, nullptr, nullptr, kReadOnly},
      {58, [](SettingsImage& im, ParamObject o) { return W(generator(im, o).lawDescriptor); }, nullptr, u"Генератор тока № "},
      {57, generatorParam, nullptr, nullptr, kWriteOnly}}},
    {18, kKind2 | kKind3, ParamConversion::Real, {
      {59, [](SettingsImage& im, ParamObject o) { return R(generator(im, o).scaleEnd); }},
      {62, [](SettingsImage& im, ParamObject o) { return R(generator(im, o).scaleStart); }}}},
  }},
  {ParamFamily::System, 0x00, {
    {19, kAllKinds, ParamConversion::Word, {{0x4102, [](SettingsImage& im, ParamObject) { return W(im.sys(sys::ClockCorrection)); },
      u"Коррекция хода часов", u"Коррекция хода часов "}}},
    {20, kAllKinds, ParamConversion::Word, {{0x4302, [](SettingsImage& im, ParamObject) { return W(im.sys(sys::ArchiveWriteMode)); },
      u"Способ записи в архивы", u"Способ записи в архив "}}},
    {21, kAllKinds, ParamConversion::Word, {{0x4202, [](SettingsImage& im, ParamObject) { return W(im.sys(sys::SummerTimeInterval)); },
      u"Летнее время, длительность интервалов", u"Летнее время, длительность интервала "}}},
    {22, kAllKinds, ParamConversion::BcdPair, {{0x4002, [](SettingsImage& im, ParamObject) { return W(im.sys(sys::SettlementHourDate)); },
      u"Расчетный час и дата", u"Расчетный час и дата "}}},
    {23, kAllKinds, ParamConversion::Word, {{0x4004, [](SettingsImage& im, ParamObject) { return W(im.sys(sys::MainChannelSetup)); },
      u"Основной канал связи ИРПС", u"Основной канал связи ИРПС "}}},
    {24, kAllKinds, ParamConversion::Word, {{0x4005, [](SettingsImage& im, ParamObject) { return W(im.sys(sys::MainChannelBaud)); },
      u"Базовая скорость обмена по ИРПС", u"Базовая скорость обмена по ИРПС "}}},
    {25, kKind2 | kKind3, ParamConversion::Word, {
      {0x4104, [](SettingsImage& im, ParamObject) { return W(im.sys(sys::AuxChannelSetup)); }, nullptr, u"Дополнительный канал связи МПИО "},
      {0x4105, [](SettingsImage& im, ParamObject) { return W(im.sys(sys::AuxChannelBaud)); }, nullptr, u"Базовая скорость обмена МПИО "}}},
    {26, kKind2 | kKind3, ParamConversion::Word, {
      {0x4009, [](SettingsImage& im, ParamObject) { return W(im.sys(sys::BatteryControl)); }, nullptr, u"Контроль аккумулятора "},
      {0x4109, [](SettingsImage& im, ParamObject) { return W(im.sys(sys::SpecialFunctions)); }, nullptr, u"Дополнительный функции "}}},
    {27, kAllKinds, ParamConversion::Real, {
      {0x4010, [](SettingsImage& im, ParamObject) { return R(im.defaultValues.coldSourceTemp); }, nullptr, u"Температура холодного источника "},
      {0x4110, [](SettingsImage& im, ParamObject) { return R(im.defaultValues.carrierTemp); }, nullptr, u"Температура энергоносителя "},
      {0x4210, [](SettingsImage& im, ParamObject) { return R(im.defaultValues.carrierPressure); }, nullptr, u"Давление энергоносителя "},
      {0x4310, [](SettingsImage& im, ParamObject) { return R(im.defaultValues.atmPressure); }, nullptr, u"Атмосферное давление "}}},
    // Written only after the user confirmed the change; never read into the image.
    {0, kAllKinds, ParamConversion::Word, {{0x4008, [](SettingsImage& im, ParamObject) { return W(im.sys(sys::DevicePassword)); },
      nullptr, u"Пароль ", kWriteOnly}},
     ParamSource::Param, false, false, true},
    // The small model's modem string is read from one memory address and written to another.
    {28, kKind1, ParamConversion::Text128, {{0xAF00, [](SettingsImage& im, ParamObject) { return T(im.modemInitMain); },
      nullptr, u"Строка инициализации Hayes-модема ", kBothDirections, 0x2F00}},
     ParamSource::Memory},
    {29, kKind2, ParamConversion::Text128, {{0x404B, [](SettingsImage& im, ParamObject) { return T(im.modemInitMain); },
      nullptr, u"Строка инициализации Hayes-модема "}}},
    // The large model shows its main modem string in memory and takes it as parameter 0x4048.
    {30, kKind3, ParamConversion::Text128, {{0xAB80, [](SettingsImage& im, ParamObject) { return T(im.modemInitMain); },
      nullptr, nullptr, kReadOnly}},
     ParamSource::Memory},
    {30, kKind3, ParamConversion::Text128, {{0x4048, [](SettingsImage& im, ParamObject) { return T(im.modemInitMain); },
      nullptr, u"Строка инициализации Hayes-модема 4048", kWriteOnly}},
     ParamSource::Param, false, true},
    {30, kKind3, ParamConversion::Text128, {{0x404B, [](SettingsImage& im, ParamObject) { return T(im.modemInitAux); },
      nullptr, u"Строка инициализации Hayes-модема 404B "}},
     ParamSource::Param, false, true},
  }},
  // Flag j of group g: (0x40, base + g, k); k = flag within the group, sub = g.
  {ParamFamily::LogicFlags, 0x40, {
    {31, kKind2, ParamConversion::Word, {{31, [](SettingsImage& im, ParamObject o) { return W(at(im.logicLaw, flag(o))); }}}},
    {32, kKind2, ParamConversion::Word, {{35, [](SettingsImage& im, ParamObject o) { return W(at(im.logicParam, flag(o))); }}}},
    {33, kKind2, ParamConversion::LogicK1, {{39, [](SettingsImage& im, ParamObject o) {
      ParamTarget t = W(at(im.logicK1, flag(o)));
      t.logicParam = &at(im.logicParam, flag(o));
      return t;
    }}}},
    {34, kKind2, ParamConversion::Word, {{43, [](SettingsImage& im, ParamObject o) { return W(at(im.logicK2, flag(o))); }}}},
    // The times belong to group 1 only; their numbers do not move with g.
    {35, kKind2, ParamConversion::DecimalPair, {
      {48, [](SettingsImage& im, ParamObject o) { return W(at(im.logicT1, o.k)); }},
      {49, [](SettingsImage& im, ParamObject o) { return W(at(im.logicT2, o.k)); }}},
     ParamSource::Param, true},
  }},
  {ParamFamily::Regulators, 0x40, {
    {36, kKind3, ParamConversion::Word, {
      {32, [](SettingsImage& im, ParamObject o) { return W(at(im.logicLaw, o.k)); }},
      {36, [](SettingsImage& im, ParamObject o) { return W(at(im.logicParam, o.k)); }}}},
    {37, kKind3, ParamConversion::RegulatorReal, {{40, [](SettingsImage& im, ParamObject o) {
      return ParamTarget{&at(im.logicT1, o.k), &at(im.logicT2, o.k), nullptr, nullptr, nullptr};
    }}}},
  }},
};
// clang-format on

bool IsClockParam(Word param) {
  const Word p = param & 0xFFFF;
  return p == 0x4015 || p == 0x4016 || p == 0x4017;
}

QByteArray PairBytes(const std::optional<BytePair>& pair, bool* ok) {
  if (!pair) {
    *ok = false;
    return {};
  }
  return ToByteArray(*pair);
}

}  // namespace

const std::vector<ParamBlock>& SettingsParamMap() { return kMap; }

const std::vector<ParamFamily>& ReadFamilyOrder() {
  static const std::vector<ParamFamily> order = {
      ParamFamily::Sensors,      ParamFamily::Pipelines,        ParamFamily::HourArchives, ParamFamily::DayArchives,
      ParamFamily::MonthArchives, ParamFamily::IntervalArchives, ParamFamily::EventsFirst,  ParamFamily::EventsSecond,
      ParamFamily::Tables,       ParamFamily::Generators,       ParamFamily::System,       ParamFamily::LogicFlags,
      ParamFamily::Regulators};
  return order;
}

const std::vector<ParamFamily>& WriteFamilyOrder() {
  static const std::vector<ParamFamily> order = {
      ParamFamily::Sensors,     ParamFamily::Tables,        ParamFamily::Pipelines,        ParamFamily::HourArchives,
      ParamFamily::DayArchives, ParamFamily::MonthArchives, ParamFamily::IntervalArchives, ParamFamily::EventsFirst,
      ParamFamily::EventsSecond, ParamFamily::Generators,   ParamFamily::System,           ParamFamily::LogicFlags,
      ParamFamily::Regulators};
  return order;
}

const ParamBlock& BlockOf(ParamFamily family) {
  return *std::find_if(kMap.begin(), kMap.end(), [family](const ParamBlock& b) { return b.family == family; });
}

std::vector<ParamObject> ObjectsOf(ParamFamily family, int kind) {
  const KindProfile& n = kindProfile(kind);
  std::vector<ParamObject> out;
  auto run = [&out](int count, int sub = 0) {
    for (int k = 0; k < count; ++k) out.push_back({k, sub});
  };
  switch (family) {
    case ParamFamily::Sensors: run(n.sensors); break;
    case ParamFamily::Pipelines: run(n.pipelines); break;
    case ParamFamily::HourArchives: run(n.hourArchives); break;
    case ParamFamily::DayArchives: run(n.dayArchives); break;
    case ParamFamily::MonthArchives: run(n.monthArchives); break;
    case ParamFamily::IntervalArchives: run(n.intervalArchives); break;
    case ParamFamily::EventsFirst: run(std::min(n.events, 64)); break;
    case ParamFamily::EventsSecond: run(std::max(n.events - 64, 0)); break;
    case ParamFamily::Tables:
      for (int t = 1; t <= n.tables; ++t) run(kTablePoints - 1, t);
      break;
    case ParamFamily::Generators: run(n.generators); break;
    case ParamFamily::System: run(1); break;
    case ParamFamily::LogicFlags:
      if (n.hasLogicFlags)
        for (int g = 1; g <= 4; ++g) run(64, g);
      break;
    case ParamFamily::Regulators: run(n.regulators); break;
  }
  return out;
}

std::uint16_t AddressOf(const ParamBlock& block, const ParamRow& row, int number, ParamObject object) {
  if (block.family == ParamFamily::System) return static_cast<std::uint16_t>(number);
  const int n = number + (row.firstSubOnly ? 0 : object.sub);
  return static_cast<std::uint16_t>(((block.group | object.k) & 0xFF) << 8 | (n & 0xFF));
}

int ReadByteCount(ParamConversion conversion) {
  switch (conversion) {
    case ParamConversion::Real:
    case ParamConversion::LogicK1:
    case ParamConversion::RegulatorReal:
      return 4;
    case ParamConversion::Text128:
      return 128;
    default:
      return 2;
  }
}

void StoreReadValue(ParamConversion conversion, const QByteArray& bytes, const ParamTarget& target) {
  switch (conversion) {
    case ParamConversion::Word:
      *target.word = WordFromBytes(bytes);
      break;
    case ParamConversion::WordFfffAsZero: {
      const std::uint16_t w = WordFromBytes(bytes);
      *target.word = w == 0xFFFF ? 0 : w;
      break;
    }
    case ParamConversion::Real:
      *target.real = DecodeDeviceReal(bytes);
      break;
    case ParamConversion::DecimalPair:
      *target.word = DecimalPairFromBytes(bytes);
      break;
    case ParamConversion::BcdPair:
      *target.word = BcdPairFromBytes(bytes);
      break;
    case ParamConversion::Text128:
      for (int i = 0; i < 128; ++i)
        (*target.text)[static_cast<std::size_t>(i)] = i < bytes.size() ? static_cast<std::uint8_t>(bytes[i]) : 0;
      break;
    case ParamConversion::LogicK1:
      *target.word = IsClockParam(*target.logicParam) ? DecimalPairFromBytes(bytes.left(2)) : WordFromBytes(bytes.left(2));
      break;
    case ParamConversion::RegulatorReal: {
      const DeviceRealBytes b = EncodeDeviceReal(DecodeDeviceReal(bytes));
      *target.word = b[0] * 256 + b[1];
      *target.word2 = b[2] * 256 + b[3];
      break;
    }
  }
}

QByteArray EncodeWriteValue(ParamConversion conversion, const ParamTarget& target, bool* ok) {
  *ok = true;
  switch (conversion) {
    case ParamConversion::Word:
    case ParamConversion::WordFfffAsZero:
      return WordToBytes(*target.word);
    case ParamConversion::Real:
      return DeviceRealToByteArray(EncodeDeviceReal(*target.real));
    case ParamConversion::DecimalPair:
      return PairBytes(DecimalPairToBytes(*target.word), ok);
    case ParamConversion::BcdPair:
      return PairBytes(BcdPairToBytes(*target.word), ok);
    case ParamConversion::Text128:
      return QByteArray(reinterpret_cast<const char*>(target.text->data()), static_cast<qsizetype>(target.text->size()));
    case ParamConversion::LogicK1:
      return IsClockParam(*target.logicParam) ? PairBytes(DecimalPairToBytes(*target.word), ok) : WordToBytes(*target.word);
    case ParamConversion::RegulatorReal: {
      // The two words are the device real's four bytes as read; they are
      // written again as the real they stand for.
      const QByteArray raw = WordToBytes(*target.word) + WordToBytes(*target.word2);
      return DeviceRealToByteArray(EncodeDeviceReal(DecodeDeviceReal(raw)));
    }
  }
  return {};
}

}  // namespace nastrum
