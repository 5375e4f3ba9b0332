// The one description of the settings image's fields: each field's name, its
// type and listing form, the device kinds that use it, the record that holds
// it, and a reference to its value. The .bfm/.nam codec, the field listing of
// dump and diff, test images, the hex view and the maps all walk this one
// description, so a field is named and placed exactly once.
//
// visitImageFields() hands every field to a visitor in file order: first the
// settings record (.bfm), then ModemInitAux (which has no place of its own),
// then the names record (.nam). imageFields() gives the same fields as a list
// of references into one image, with their byte offsets. The order below is
// the byte layout of the files: a field is added or moved here and nowhere
// else, and the file round-trip tests hold the layout to the files.
#pragma once

#include <cstdint>
#include <span>
#include <variant>
#include <vector>

#include <QString>

#include "model/kind_profile.h"
#include "model/settings_image.h"

namespace nastrum {

// How a field is shown in listings. Its storage type follows from it.
enum class FieldKind {
  Number,      // a word read as a decimal number (record numbers, dates, flags)
  Code,        // a word read as a hexadecimal code: "0x4040"
  Real,        // a double
  Name,        // a name slot: a length byte and 16 characters of code page 1251
  DeviceText,  // a 128-byte modem string in the device's form
  Bytes,       // spare bytes
};

enum class FieldType { Word, Real, Name, Bytes };

constexpr FieldType fieldType(FieldKind kind) {
  switch (kind) {
    case FieldKind::Number:
    case FieldKind::Code:
      return FieldType::Word;
    case FieldKind::Real:
      return FieldType::Real;
    case FieldKind::Name:
      return FieldType::Name;
    default:
      return FieldType::Bytes;
  }
}

// Where a field is stored in the file pair.
enum class FieldHome {
  SettingsRecord,  // the .bfm record
  NamesRecord,     // the .nam record
  Elsewhere,       // ModemInitAux: kind 3 keeps it in LogicK2 slots 1..128
};

// The device kinds that give a field meaning: a set of kinds 1..3.
class KindSet {
 public:
  constexpr KindSet() = default;
  static constexpr KindSet all() { return KindSet(0b111); }
  // The kinds whose profile counts `index` among its `count(profile)` objects.
  template <class Count>
  static KindSet within(int index, Count&& count) {
    KindSet set;
    for (DeviceKind kind : kDeviceKinds)
      if (index < count(kindProfile(kind))) set.bits_ |= bit(kind);
    return set;
  }
  // The kinds whose profile has `fact`.
  template <class Fact>
  static KindSet where(Fact&& fact) {
    return within(0, [&](const KindProfile& p) { return fact(p) ? 1 : 0; });
  }
  constexpr bool contains(DeviceKind kind) const { return (bits_ & bit(kind)) != 0; }
  bool contains(Word kind) const {
    const auto named = deviceKindOf(kind);
    return named && contains(*named);
  }
  constexpr KindSet operator&(KindSet other) const { return KindSet(static_cast<std::uint8_t>(bits_ & other.bits_)); }
  constexpr bool empty() const { return bits_ == 0; }
  constexpr bool operator==(const KindSet&) const = default;

 private:
  constexpr explicit KindSet(std::uint8_t bits) : bits_(bits) {}
  static constexpr std::uint8_t bit(DeviceKind kind) { return static_cast<std::uint8_t>(1u << (toWord(kind) - 1)); }
  std::uint8_t bits_ = 0;
};

// A field's name in parts, turned into text only when asked:
// group[index][index2].member, such as "Sensors[0].MainDescriptor",
// "TableFunctions[3][16]", "SystemBlock.MainChannelBaud", "SensorNames[5]".
// Records and slots are numbered as the user interface numbers them, from 0.
struct FieldName {
  const char* group = "";
  int index = -1;
  int index2 = -1;
  const char* member = nullptr;

  QString path() const;
};

struct FieldInfo {
  FieldName name;
  FieldKind kind = FieldKind::Number;
  KindSet kinds;
  FieldHome home = FieldHome::SettingsRecord;

  FieldType type() const { return fieldType(kind); }
  bool usedBy(Word deviceKind) const { return kinds.contains(deviceKind); }
  bool usedBy(DeviceKind deviceKind) const { return kinds.contains(deviceKind); }
};

// Byte size of a field of each type in its record.
constexpr int kWordFieldSize = 4;
constexpr int kRealFieldSize = 8;
constexpr int kNameFieldSize = 1 + NameSlot::kMaxLength;

// The name of system word `index` ("MainChannelBaud"), and whether listings
// show it as a decimal number rather than a code.
const char* systemWordName(int index);
bool systemWordIsNumber(int index);

namespace detail {

template <class Image, class Visit>
void visitSettingsRecordFields(Image& image, Visit& v) {
  using K = FieldKind;
  const FieldHome home = FieldHome::SettingsRecord;
  v.word(FieldInfo{{"DeviceKind"}, K::Number, KindSet::all(), home}, image.deviceKind);

  for (int i = 0; i < kSensorCount; ++i) {
    auto& s = image.sensors[static_cast<std::size_t>(i)];
    const KindSet kinds = KindSet::within(i, [](const KindProfile& p) { return p.sensors; });
    const auto info = [&](const char* member, K kind) {
      return FieldInfo{{"Sensors", i, -1, member}, kind, kinds, home};
    };
    v.word(info("Number", K::Number), s.number);
    v.word(info("MainDescriptor", K::Code), s.mainDescriptor);
    v.word(info("AuxDescriptor", K::Code), s.auxDescriptor);
    v.word(info("RtdStandard", K::Code), s.rtdStandard);
    v.real(info("Const1", K::Real), s.const1);
    v.real(info("Const2", K::Real), s.const2);
    v.real(info("Const3", K::Real), s.const3);
    v.real(info("MaxValue", K::Real), s.maxValue);
    v.real(info("MinValue", K::Real), s.minValue);
    v.real(info("SubstAboveMax", K::Real), s.substAboveMax);
    v.real(info("SubstBelowMin", K::Real), s.substBelowMin);
    v.real(info("SubstOnFault", K::Real), s.substOnFault);
    v.real(info("MonthFactor", K::Real), s.monthFactor);
  }

  const KindSet roughnessKinds = KindSet::where([](const KindProfile& p) { return p.pipeRoughness; });
  for (int i = 0; i < kPipelineCount; ++i) {
    auto& r = image.pipelines[static_cast<std::size_t>(i)];
    const KindSet kinds = KindSet::within(i, [](const KindProfile& p) { return p.pipelines; });
    const auto info = [&](const char* member, K kind) {
      return FieldInfo{{"Pipelines", i, -1, member}, kind, kinds, home};
    };
    v.word(info("Number", K::Number), r.number);
    v.word(info("MainDescriptor", K::Code), r.mainDescriptor);
    v.word(info("FlowSensors", K::Code), r.flowSensors);
    v.word(info("TempSensors", K::Code), r.tempSensors);
    v.word(info("PressureSensors", K::Code), r.pressureSensors);
    v.word(info("DensityCalorLink", K::Code), r.densityCalorLink);
    v.word(info("BigPipeRef", K::Code), r.bigPipeRef);
    v.word(info("CutoffSource", K::Code), r.cutoffSource);
    v.word(info("ImpurityTariff", K::Code), r.impurityTariff);
    v.real(info("PipeDiameter", K::Real), r.pipeDiameter);
    v.real(info("OrificeDiameter", K::Real), r.orificeDiameter);
    v.real(info("PipeExpansion", K::Real), r.pipeExpansion);
    v.real(info("OrificeExpansion", K::Real), r.orificeExpansion);
    // Kind 1 stores the real but never uses it: the field stays in the record.
    v.real(FieldInfo{{"Pipelines", i, -1, "Roughness"}, K::Real, kinds & roughnessKinds, home}, r.roughness);
    v.real(info("CO2Fraction", K::Real), r.co2Fraction);
    v.real(info("N2Fraction", K::Real), r.n2Fraction);
    v.real(info("GasCalorific", K::Real), r.gasCalorific);
    v.real(info("GasDensity", K::Real), r.gasDensity);
    v.real(info("MonthFactor", K::Real), r.monthFactor);
    v.real(info("MainTariff", K::Real), r.mainTariff);
    v.real(info("NightTariff", K::Real), r.nightTariff);
  }

  // A word array whose slots 1..count(profile) each kind uses.
  const auto codes = [&](const char* group, auto& array, auto count) {
    for (int i = 0; i < static_cast<int>(array.size()); ++i)
      v.word(FieldInfo{{group, i}, K::Code, KindSet::within(i, count), home}, array[static_cast<std::size_t>(i)]);
  };
  const auto hours = [](const KindProfile& p) { return p.hourArchives; };
  const auto days = [](const KindProfile& p) { return p.dayArchives; };
  const auto months = [](const KindProfile& p) { return p.monthArchives; };
  const auto intervals = [](const KindProfile& p) { return p.intervalArchives; };
  const auto events = [](const KindProfile& p) { return p.events; };
  const auto logicFlags = [](const KindProfile& p) { return p.logicFlags; };
  // K1 and K2 are logic constants only where the kind has logic flags; kind 3
  // leaves K1 unused and keeps ModemInitAux in K2.
  const auto logicConstants = [](const KindProfile& p) { return p.hasLogicFlags ? p.logicFlags : 0; };
  const auto logicTimes = [](const KindProfile& p) { return p.logicTimes; };
  codes("HourArcDesc", image.hourArcDesc, hours);
  codes("HourArcPos", image.hourArcPos, hours);
  codes("HourArcNeg", image.hourArcNeg, hours);
  codes("DayArcDesc", image.dayArcDesc, days);
  codes("DayArcPos", image.dayArcPos, days);
  codes("DayArcNeg", image.dayArcNeg, days);
  codes("MonthArcDesc", image.monthArcDesc, months);
  codes("MonthArcPos", image.monthArcPos, months);
  codes("MonthArcNeg", image.monthArcNeg, months);
  codes("IntervalArcDesc", image.intervalArcDesc, intervals);
  codes("IntervalArcPos", image.intervalArcPos, intervals);
  codes("IntervalArcNeg", image.intervalArcNeg, intervals);
  v.word(FieldInfo{{"EventPrefixWord"}, K::Code, KindSet(), home}, image.eventPrefixWord);  // carried, never read
  codes("EventType", image.eventType, events);
  codes("EventParam", image.eventParam, events);
  codes("LogicLaw", image.logicLaw, logicFlags);
  codes("LogicParam", image.logicParam, logicFlags);
  codes("LogicK1", image.logicK1, logicConstants);
  codes("LogicK2", image.logicK2, logicConstants);
  codes("LogicT1", image.logicT1, logicTimes);
  codes("LogicT2", image.logicT2, logicTimes);

  for (int i = 0; i < sys::Count; ++i) {
    KindSet kinds = KindSet::all();
    switch (i) {
      case sys::AuxChannelSetup:
      case sys::AuxChannelBaud:
        kinds = KindSet::where([](const KindProfile& p) { return p.hasAuxChannel; });
        break;
      case sys::BatteryControl:
        kinds = KindSet::where([](const KindProfile& p) { return p.hasBatteryControl; });
        break;
      case sys::SpecialFunctions:
        kinds = KindSet::where([](const KindProfile& p) { return p.hasSpecialFunctions; });
        break;
      case sys::Reserved16:
      case sys::Reserved17:
        kinds = KindSet();
        break;
      default:
        break;
    }
    const K kind = systemWordIsNumber(i) ? K::Number : K::Code;
    v.word(FieldInfo{{"SystemBlock", -1, -1, systemWordName(i)}, kind, kinds, home},
           image.systemBlock[static_cast<std::size_t>(i)]);
  }

  for (int t = 0; t < kTableCount; ++t) {
    const KindSet kinds = KindSet::within(t, [](const KindProfile& p) { return p.tables; });
    for (int k = 0; k < kTablePoints; ++k)
      v.real(FieldInfo{{"TableFunctions", t, k}, K::Real, kinds, home},
             image.tableFunctions[static_cast<std::size_t>(t)][static_cast<std::size_t>(k)]);
  }

  for (int i = 0; i < kGeneratorCount; ++i) {
    auto& g = image.currentGenerators[static_cast<std::size_t>(i)];
    const KindSet kinds = KindSet::within(i, [](const KindProfile& p) { return p.generators; });
    const auto info = [&](const char* member, K kind) {
      return FieldInfo{{"CurrentGenerators", i, -1, member}, kind, kinds, home};
    };
    v.word(info("ParamDescriptor", K::Code), g.paramDescriptor);
    v.word(info("LawDescriptor", K::Code), g.lawDescriptor);
    v.real(info("ScaleEnd", K::Real), g.scaleEnd);
    v.real(info("ScaleStart", K::Real), g.scaleStart);
  }

  const auto defaultValue = [&](const char* member, auto& value) {
    v.real(FieldInfo{{"DefaultValues", -1, -1, member}, K::Real, KindSet::all(), home}, value);
  };
  defaultValue("ColdSourceTemp", image.defaultValues.coldSourceTemp);
  defaultValue("CarrierTemp", image.defaultValues.carrierTemp);
  defaultValue("CarrierPressure", image.defaultValues.carrierPressure);
  defaultValue("AtmPressure", image.defaultValues.atmPressure);
  codes("ReservedPairs", image.reservedPairs, [](const KindProfile&) { return 0; });
  v.bytes(FieldInfo{{"ModemInitMain"}, K::DeviceText, KindSet::all(), home}, std::span(image.modemInitMain));
}

template <class Names, class Visit>
void visitNamesRecordFields(Names& names, Visit& v) {
  using K = FieldKind;
  const FieldHome home = FieldHome::NamesRecord;
  const auto nameSlots = [&](const char* group, auto& array, auto count) {
    for (int i = 0; i < static_cast<int>(array.size()); ++i)
      v.name(FieldInfo{{group, i}, K::Name, KindSet::within(i, count), home}, array[static_cast<std::size_t>(i)]);
  };
  const auto spare = [&](const char* group, auto& array) {
    v.bytes(FieldInfo{{group}, K::Bytes, KindSet(), home}, std::span(array));
  };
  nameSlots("SensorNames", names.sensorNames, [](const KindProfile& p) { return p.sensors; });
  nameSlots("PipelineNames", names.pipelineNames, [](const KindProfile& p) { return p.pipelines; });
  nameSlots("HourArcNames", names.hourArcNames, [](const KindProfile& p) { return p.hourArchives; });
  spare("HourArcNamesSpare", names.hourArcSpare);
  nameSlots("DayArcNames", names.dayArcNames, [](const KindProfile& p) { return p.dayArchives; });
  nameSlots("MonthArcNames", names.monthArcNames, [](const KindProfile& p) { return p.monthArchives; });
  nameSlots("IntervalArcNames", names.intervalArcNames, [](const KindProfile& p) { return p.intervalArchives; });
  spare("IntervalArcNamesSpare", names.intervalArcSpare);
  nameSlots("DesktopNames", names.desktopNames, [](const KindProfile& p) { return p.desktopEntries; });
  for (int i = 0; i < static_cast<int>(names.desktopParams.size()); ++i) {
    const KindSet kinds = KindSet::within(i, [](const KindProfile& p) { return p.desktopEntries; });
    v.word(FieldInfo{{"DesktopParams", i}, K::Number, kinds, home}, names.desktopParams[static_cast<std::size_t>(i)]);
  }
  spare("NamesReserved", names.reserved);
}

}  // namespace detail

// Hands every field of the settings record to `v`, in file order. The
// visitor has word(const FieldInfo&, W&), real(const FieldInfo&, R&),
// name(const FieldInfo&, N&) and bytes(const FieldInfo&, std::span<B>), where
// the references are const when `image` is.
template <class Image, class Visit>
void visitSettingsRecordFields(Image& image, Visit&& v) {
  detail::visitSettingsRecordFields(image, v);
}

// The same for the names record.
template <class Names, class Visit>
void visitNamesRecordFields(Names& names, Visit&& v) {
  detail::visitNamesRecordFields(names, v);
}

// Every field of the image: the settings record, ModemInitAux, the names.
template <class Image, class Visit>
void visitImageFields(Image& image, Visit&& v) {
  detail::visitSettingsRecordFields(image, v);
  const KindSet auxKinds = KindSet::where([](const KindProfile& p) { return p.hasAuxModemText; });
  v.bytes(FieldInfo{{"ModemInitAux"}, FieldKind::DeviceText, auxKinds, FieldHome::Elsewhere},
          std::span(image.modemInitAux));
  detail::visitNamesRecordFields(image.names, v);
}

// One field of one image, with its place in its record.
struct ImageField {
  using Value = std::variant<Word*, double*, NameSlot*, std::span<std::uint8_t>>;

  FieldInfo info;
  int offset = -1;  // byte offset in its record; -1 for a field stored elsewhere
  int size = 0;     // bytes in its record
  Value value;

  QString path() const { return info.name.path(); }
  // Where the value lives in its image: what pointers into the image match.
  const void* address() const;
};

// Every field of `image` in the order of visitImageFields, bound to `image`
// for reading and writing; the references live as long as `image`.
std::vector<ImageField> imageFields(SettingsImage& image);

}  // namespace nastrum
