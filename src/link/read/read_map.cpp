#include "link/read/read_map.h"
#include "model/kind_profile.h"

#include <algorithm>

#include "link/device_real.h"
#include "link/value_formats.h"

namespace nastrum {

namespace {

template <typename Array>
auto& at(Array& array, int i) {
  return array[static_cast<std::size_t>(i)];
}

ReadTarget W(Word& w) { return ReadTarget{&w, nullptr, nullptr, nullptr, nullptr}; }
ReadTarget R(double& r) { return ReadTarget{nullptr, nullptr, &r, nullptr, nullptr}; }
ReadTarget T(ModemText& t) { return ReadTarget{nullptr, nullptr, nullptr, &t, nullptr}; }

SensorRecord& sensor(SettingsImage& im, ReadObject o) { return at(im.sensors, o.k); }
PipelineRecord& pipe(SettingsImage& im, ReadObject o) { return at(im.pipelines, o.k); }
CurrentGenRecord& generator(SettingsImage& im, ReadObject o) { return at(im.currentGenerators, o.k); }
// Logic flag j = 64 (g − 1) + k + 1 is element j − 1.
int flag(ReadObject o) { return 64 * (o.sub - 1) + o.k; }

// clang-format off
const std::vector<ReadBlock> kMap = {
  {ReadFamily::Sensors, 0x00, {
    {1, kAllKinds, ReadConversion::Word, {{0, [](SettingsImage& im, ReadObject o) { return W(sensor(im, o).mainDescriptor); }}}},
    {2, kAllKinds, ReadConversion::Word, {{10, [](SettingsImage& im, ReadObject o) { return W(sensor(im, o).auxDescriptor); }}}},
    {3, kAllKinds, ReadConversion::Real, {
      {1, [](SettingsImage& im, ReadObject o) { return R(sensor(im, o).const1); }},
      {2, [](SettingsImage& im, ReadObject o) { return R(sensor(im, o).const2); }},
      {3, [](SettingsImage& im, ReadObject o) { return R(sensor(im, o).const3); }},
      {4, [](SettingsImage& im, ReadObject o) { return R(sensor(im, o).maxValue); }},
      {5, [](SettingsImage& im, ReadObject o) { return R(sensor(im, o).minValue); }},
      {6, [](SettingsImage& im, ReadObject o) { return R(sensor(im, o).substAboveMax); }},
      {7, [](SettingsImage& im, ReadObject o) { return R(sensor(im, o).substBelowMin); }},
      {8, [](SettingsImage& im, ReadObject o) { return R(sensor(im, o).substOnFault); }},
      {9, [](SettingsImage& im, ReadObject o) { return R(sensor(im, o).monthFactor); }}}},
  }},
  {ReadFamily::Pipelines, 0x80, {
    {4, kAllKinds, ReadConversion::Word, {{0, [](SettingsImage& im, ReadObject o) { return W(pipe(im, o).mainDescriptor); }}}},
    {5, kAllKinds, ReadConversion::Word, {
      {1, [](SettingsImage& im, ReadObject o) { return W(pipe(im, o).flowSensors); }},
      {2, [](SettingsImage& im, ReadObject o) { return W(pipe(im, o).tempSensors); }},
      {3, [](SettingsImage& im, ReadObject o) { return W(pipe(im, o).pressureSensors); }},
      {4, [](SettingsImage& im, ReadObject o) { return W(pipe(im, o).densityCalorLink); }},
      {5, [](SettingsImage& im, ReadObject o) { return W(pipe(im, o).bigPipeRef); }},
      {6, [](SettingsImage& im, ReadObject o) { return W(pipe(im, o).cutoffSource); }}}},
    {5, kAllKinds, ReadConversion::WordFfffAsZero, {
      {7, [](SettingsImage& im, ReadObject o) { return W(pipe(im, o).impurityTariff); }}}},
    {6, kAllKinds, ReadConversion::Real, {
      {8, [](SettingsImage& im, ReadObject o) { return R(pipe(im, o).mainTariff); }},
      {9, [](SettingsImage& im, ReadObject o) { return R(pipe(im, o).nightTariff); }},
      {10, [](SettingsImage& im, ReadObject o) { return R(pipe(im, o).pipeDiameter); }},
      {11, [](SettingsImage& im, ReadObject o) { return R(pipe(im, o).orificeDiameter); }},
      {12, [](SettingsImage& im, ReadObject o) { return R(pipe(im, o).pipeExpansion); }},
      {13, [](SettingsImage& im, ReadObject o) { return R(pipe(im, o).orificeExpansion); }}}},
    {7, kKind2 | kKind3, ReadConversion::Real, {{60, [](SettingsImage& im, ReadObject o) { return R(pipe(im, o).roughness); }}}},
    {8, kAllKinds, ReadConversion::Real, {{15, [](SettingsImage& im, ReadObject o) { return R(pipe(im, o).co2Fraction); }}}},
    {9, kAllKinds, ReadConversion::Real, {
      {16, [](SettingsImage& im, ReadObject o) { return R(pipe(im, o).n2Fraction); }},
      {17, [](SettingsImage& im, ReadObject o) { return R(pipe(im, o).gasCalorific); }},
      {18, [](SettingsImage& im, ReadObject o) { return R(pipe(im, o).gasDensity); }},
      {19, [](SettingsImage& im, ReadObject o) { return R(pipe(im, o).monthFactor); }}}},
  }},
  {ReadFamily::HourArchives, 0x40, {
    {10, kAllKinds, ReadConversion::Word, {
      {10, [](SettingsImage& im, ReadObject o) { return W(at(im.hourArcDesc, o.k)); }},
      {51, [](SettingsImage& im, ReadObject o) { return W(at(im.hourArcPos, o.k)); }},
      {54, [](SettingsImage& im, ReadObject o) { return W(at(im.hourArcNeg, o.k)); }}}},
  }},
  {ReadFamily::DayArchives, 0x40, {
    {11, kAllKinds, ReadConversion::Word, {
      {11, [](SettingsImage& im, ReadObject o) { return W(at(im.dayArcDesc, o.k)); }},
      {52, [](SettingsImage& im, ReadObject o) { return W(at(im.dayArcPos, o.k)); }},
      {55, [](SettingsImage& im, ReadObject o) { return W(at(im.dayArcNeg, o.k)); }}}},
  }},
  {ReadFamily::MonthArchives, 0x40, {
    {12, kAllKinds, ReadConversion::Word, {
      {12, [](SettingsImage& im, ReadObject o) { return W(at(im.monthArcDesc, o.k)); }},
      {53, [](SettingsImage& im, ReadObject o) { return W(at(im.monthArcPos, o.k)); }},
      {56, [](SettingsImage& im, ReadObject o) { return W(at(im.monthArcNeg, o.k)); }}}},
  }},
  {ReadFamily::IntervalArchives, 0x00, {
    {13, kKind2 | kKind3, ReadConversion::Word, {
      {45, [](SettingsImage& im, ReadObject o) { return W(at(im.intervalArcDesc, o.k)); }},
      {46, [](SettingsImage& im, ReadObject o) { return W(at(im.intervalArcPos, o.k)); }},
      {47, [](SettingsImage& im, ReadObject o) { return W(at(im.intervalArcNeg, o.k)); }}}},
  }},
  {ReadFamily::EventsFirst, 0x40, {
    {14, kKind2 | kKind3, ReadConversion::Word, {
      {76, [](SettingsImage& im, ReadObject o) { return W(at(im.eventType, o.k)); }},
      {78, [](SettingsImage& im, ReadObject o) { return W(at(im.eventParam, o.k)); }}}},
  }},
  {ReadFamily::EventsSecond, 0x40, {
    {15, kKind2, ReadConversion::Word, {
      {77, [](SettingsImage& im, ReadObject o) { return W(at(im.eventType, 64 + o.k)); }},
      {79, [](SettingsImage& im, ReadObject o) { return W(at(im.eventParam, 64 + o.k)); }}}},
  }},
  // Table t, value i: (0x40, 81 + t, i − 1); k = i − 1, sub = t.
  {ReadFamily::Tables, 0x40, {
    {16, kAllKinds, ReadConversion::Real, {
      {81, [](SettingsImage& im, ReadObject o) { return R(at(at(im.tableFunctions, o.sub - 1), o.k)); }}}},
  }},
  {ReadFamily::Generators, 0x40, {
    {17, kKind2 | kKind3, ReadConversion::Word, {
      {57, [](SettingsImage& im, ReadObject o) { return W(generator(im, o).paramDescriptor); }},
      {58, [](SettingsImage& im, ReadObject o) { return W(generator(im, o).lawDescriptor); }}}},
    {18, kKind2 | kKind3, ReadConversion::Real, {
      {59, [](SettingsImage& im, ReadObject o) { return R(generator(im, o).scaleEnd); }},
      {62, [](SettingsImage& im, ReadObject o) { return R(generator(im, o).scaleStart); }}}},
  }},
  {ReadFamily::System, 0x00, {
    {19, kAllKinds, ReadConversion::Word, {{0x4102, [](SettingsImage& im, ReadObject) { return W(im.sys(sys::ClockCorrection)); }, u"Коррекция хода часов"}}},
    {20, kAllKinds, ReadConversion::Word, {{0x4302, [](SettingsImage& im, ReadObject) { return W(im.sys(sys::ArchiveWriteMode)); }, u"Способ записи в архивы"}}},
    {21, kAllKinds, ReadConversion::Word, {{0x4202, [](SettingsImage& im, ReadObject) { return W(im.sys(sys::SummerTimeInterval)); }, u"Летнее время, длительность интервалов"}}},
    {22, kAllKinds, ReadConversion::BcdPair, {{0x4002, [](SettingsImage& im, ReadObject) { return W(im.sys(sys::SettlementHourDate)); }, u"Расчетный час и дата"}}},
    {23, kAllKinds, ReadConversion::Word, {{0x4004, [](SettingsImage& im, ReadObject) { return W(im.sys(sys::MainChannelSetup)); }, u"Основной канал связи ИРПС"}}},
    {24, kAllKinds, ReadConversion::Word, {{0x4005, [](SettingsImage& im, ReadObject) { return W(im.sys(sys::MainChannelBaud)); }, u"Базовая скорость обмена по ИРПС"}}},
    {25, kKind2 | kKind3, ReadConversion::Word, {
      {0x4104, [](SettingsImage& im, ReadObject) { return W(im.sys(sys::AuxChannelSetup)); }},
      {0x4105, [](SettingsImage& im, ReadObject) { return W(im.sys(sys::AuxChannelBaud)); }}}},
    {26, kKind2 | kKind3, ReadConversion::Word, {
      {0x4009, [](SettingsImage& im, ReadObject) { return W(im.sys(sys::BatteryControl)); }},
      {0x4109, [](SettingsImage& im, ReadObject) { return W(im.sys(sys::SpecialFunctions)); }}}},
    {27, kAllKinds, ReadConversion::Real, {
      {0x4010, [](SettingsImage& im, ReadObject) { return R(im.defaultValues.coldSourceTemp); }},
      {0x4110, [](SettingsImage& im, ReadObject) { return R(im.defaultValues.carrierTemp); }},
      {0x4210, [](SettingsImage& im, ReadObject) { return R(im.defaultValues.carrierPressure); }},
      {0x4310, [](SettingsImage& im, ReadObject) { return R(im.defaultValues.atmPressure); }}}},
    {28, kKind1, ReadConversion::Text128, {{0xAF00, [](SettingsImage& im, ReadObject) { return T(im.modemInitMain); }}},
     ReadSource::Memory},
    {29, kKind2, ReadConversion::Text128, {{0x404B, [](SettingsImage& im, ReadObject) { return T(im.modemInitMain); }}}},
    {30, kKind3, ReadConversion::Text128, {{0xAB80, [](SettingsImage& im, ReadObject) { return T(im.modemInitMain); }}},
     ReadSource::Memory},
    {30, kKind3, ReadConversion::Text128, {{0x404B, [](SettingsImage& im, ReadObject) { return T(im.modemInitAux); }}}},
  }},
  // Flag j of group g: (0x40, base + g, k); k = flag within the group, sub = g.
  {ReadFamily::LogicFlags, 0x40, {
    {31, kKind2, ReadConversion::Word, {{31, [](SettingsImage& im, ReadObject o) { return W(at(im.logicLaw, flag(o))); }}}},
    {32, kKind2, ReadConversion::Word, {{35, [](SettingsImage& im, ReadObject o) { return W(at(im.logicParam, flag(o))); }}}},
    {33, kKind2, ReadConversion::LogicK1, {{39, [](SettingsImage& im, ReadObject o) {
      ReadTarget t = W(at(im.logicK1, flag(o)));
      t.logicParam = &at(im.logicParam, flag(o));
      return t;
    }}}},
    {34, kKind2, ReadConversion::Word, {{43, [](SettingsImage& im, ReadObject o) { return W(at(im.logicK2, flag(o))); }}}},
    // The times belong to group 1 only; their numbers do not move with g.
    {35, kKind2, ReadConversion::DecimalPair, {
      {48, [](SettingsImage& im, ReadObject o) { return W(at(im.logicT1, o.k)); }},
      {49, [](SettingsImage& im, ReadObject o) { return W(at(im.logicT2, o.k)); }}},
     ReadSource::Param, true},
  }},
  {ReadFamily::Regulators, 0x40, {
    {36, kKind3, ReadConversion::Word, {
      {32, [](SettingsImage& im, ReadObject o) { return W(at(im.logicLaw, o.k)); }},
      {36, [](SettingsImage& im, ReadObject o) { return W(at(im.logicParam, o.k)); }}}},
    {37, kKind3, ReadConversion::RegulatorReal, {{40, [](SettingsImage& im, ReadObject o) {
      return ReadTarget{&at(im.logicT1, o.k), &at(im.logicT2, o.k), nullptr, nullptr, nullptr};
    }}}},
  }},
};
// clang-format on

std::uint8_t KindBit(int kind) { return static_cast<std::uint8_t>(1 << kind); }

bool IsClockParam(Word param) {
  const Word p = param & 0xFFFF;
  return p == 0x4015 || p == 0x4016 || p == 0x4017;
}

}  // namespace

const std::vector<ReadBlock>& ConstantsReadMap() { return kMap; }

std::vector<ReadObject> ObjectsOf(ReadFamily family, int kind) {
  const KindProfile& n = kindProfile(kind);
  std::vector<ReadObject> out;
  auto run = [&out](int count, int sub = 0) {
    for (int k = 0; k < count; ++k) out.push_back({k, sub});
  };
  switch (family) {
    case ReadFamily::Sensors: run(n.sensors); break;
    case ReadFamily::Pipelines: run(n.pipelines); break;
    case ReadFamily::HourArchives: run(n.hourArchives); break;
    case ReadFamily::DayArchives: run(n.dayArchives); break;
    case ReadFamily::MonthArchives: run(n.monthArchives); break;
    case ReadFamily::IntervalArchives: run(n.intervalArchives); break;
    case ReadFamily::EventsFirst: run(std::min(n.events, 64)); break;
    case ReadFamily::EventsSecond: run(std::max(n.events - 64, 0)); break;
    case ReadFamily::Tables:
      for (int t = 1; t <= n.tables; ++t) run(kTablePoints - 1, t);
      break;
    case ReadFamily::Generators: run(n.generators); break;
    case ReadFamily::System: run(1); break;
    case ReadFamily::LogicFlags:
      if (n.hasLogicFlags)
        for (int g = 1; g <= 4; ++g) run(64, g);
      break;
    case ReadFamily::Regulators: run(n.regulators); break;
  }
  return out;
}

int ByteCount(ReadConversion conversion) {
  switch (conversion) {
    case ReadConversion::Real:
    case ReadConversion::LogicK1:
    case ReadConversion::RegulatorReal:
      return 4;
    case ReadConversion::Text128:
      return 128;
    default:
      return 2;
  }
}

void StoreReadValue(ReadConversion conversion, const QByteArray& bytes, const ReadTarget& target) {
  switch (conversion) {
    case ReadConversion::Word:
      *target.word = WordFromBytes(bytes);
      break;
    case ReadConversion::WordFfffAsZero: {
      const std::uint16_t w = WordFromBytes(bytes);
      *target.word = w == 0xFFFF ? 0 : w;
      break;
    }
    case ReadConversion::Real:
      *target.real = DecodeDeviceReal(bytes);
      break;
    case ReadConversion::DecimalPair:
      *target.word = DecimalPairFromBytes(bytes);
      break;
    case ReadConversion::BcdPair:
      *target.word = BcdPairFromBytes(bytes);
      break;
    case ReadConversion::Text128:
      for (int i = 0; i < 128; ++i)
        (*target.text)[static_cast<std::size_t>(i)] = i < bytes.size() ? static_cast<std::uint8_t>(bytes[i]) : 0;
      break;
    case ReadConversion::LogicK1:
      *target.word = IsClockParam(*target.logicParam) ? DecimalPairFromBytes(bytes.left(2)) : WordFromBytes(bytes.left(2));
      break;
    case ReadConversion::RegulatorReal: {
      const DeviceRealBytes b = EncodeDeviceReal(DecodeDeviceReal(bytes));
      *target.word = b[0] * 256 + b[1];
      *target.word2 = b[2] * 256 + b[3];
      break;
    }
  }
}

std::vector<ReadStep> PlanConstantsRead(int kind, SettingsImage& image) {
  std::vector<ReadStep> steps;
  const std::uint8_t bit = KindBit(kind);
  for (const ReadBlock& block : kMap) {
    const std::vector<ReadObject> objects = ObjectsOf(block.family, kind);
    for (const ReadObject& object : objects) {
      for (const ReadRow& row : block.rows) {
        if ((row.kinds & bit) == 0) continue;
        if (row.firstSubOnly && object.sub != 1) continue;
        for (const ReadParam& param : row.params) {
          ReadStep s;
          s.source = row.source;
          s.size = ByteCount(row.conversion);
          s.conversion = row.conversion;
          s.target = param.target(image, object);
          s.row = row.row;
          s.family = block.family;
          s.object = object;
          s.label = param.label;
          if (block.family == ReadFamily::System) {
            s.address = static_cast<std::uint16_t>(param.number);
          } else {
            const int number = param.number + (row.firstSubOnly ? 0 : object.sub);
            s.address = static_cast<std::uint16_t>(((block.group | object.k) & 0xFF) << 8 | (number & 0xFF));
          }
          steps.push_back(s);
        }
      }
    }
  }
  return steps;
}

int ReadProgressMaximum(int modelCode) {
  return isValidDeviceKind(modelCode) ? kindProfile(modelCode).readProgressMax : 0;
}

QString ReadSectionLabel(const ReadStep& step) {
  switch (step.family) {
    case ReadFamily::IntervalArchives:
      return QStringLiteral("Расширенный архив интервала № ") + QString::number(step.object.k);
    case ReadFamily::EventsFirst:
      return QStringLiteral("чтение архива событий 1 часть");
    case ReadFamily::Tables:
      return QStringLiteral("чтение таблиц");
    case ReadFamily::Generators:
      return QStringLiteral("чтение генераторов тока");
    case ReadFamily::Regulators:
      return QStringLiteral("Регулятор № ") + QString::number(step.object.k);
    case ReadFamily::System:
      return step.label ? QString::fromUtf16(step.label) : QString();
    default:
      return {};
  }
}

}  // namespace nastrum
