// The settings image: every setting of one device, laid out as the device and
// the .bfm/.nam files know it.
//
// Indexing: C++ arrays are 0-based, so element n is "slot n + 1" / "record n + 1"
// of the device documentation, and equals the object number the user interface
// shows and that descriptors store as references (sensor reference 5 ==
// sensors[5]).
//
// Words are 32-bit signed slots; most hold a 16-bit code of which only the low
// 16 bits matter. Reals are IEEE 754 doubles. Both are stored little-endian.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include <QByteArray>

namespace nastrum {

using Word = std::int32_t;

// The device kinds this program serves. The image keeps the kind as the word
// it stores (a file may carry any value); turn it into a DeviceKind through
// deviceKindOf, which says when the word names no kind.
enum class DeviceKind : Word {
  Minimal = 1,     // ОРВИК 5 "минимальный"
  Expandable = 2,  // ОРВИК 5 "расширяемый"
  Large = 3,       // ОРВИК 9
};

constexpr std::array<DeviceKind, 3> kDeviceKinds{DeviceKind::Minimal, DeviceKind::Expandable, DeviceKind::Large};

constexpr Word toWord(DeviceKind kind) { return static_cast<Word>(kind); }
std::optional<DeviceKind> deviceKindOf(Word stored);
bool isValidDeviceKind(Word kind);

struct SensorRecord {
  Word number = 0;          // record index 1..64
  Word mainDescriptor = 0;  // "Описатель датчика основной"
  Word auxDescriptor = 0;   // "Описатель датчика дополнительный"
  Word rtdStandard = 0;
  double const1 = 0;
  double const2 = 0;
  double const3 = 0;
  double maxValue = 0;
  double minValue = 0;
  double substAboveMax = 0;
  double substBelowMin = 0;
  double substOnFault = 0;
  double monthFactor = 0;
};

struct PipelineRecord {
  Word number = 0;  // record index 1..16
  Word mainDescriptor = 0x0000;
  Word flowSensors = 0x0000;
  Word tempSensors = 0x4040;
  Word pressureSensors = 0x4040;
  Word densityCalorLink = 0x4040;
  Word bigPipeRef = 0x0040;
  Word cutoffSource = 0x8040;
  Word impurityTariff = 0x0000;
  double pipeDiameter = 0;
  double orificeDiameter = 0;
  double pipeExpansion = 0;
  double orificeExpansion = 0;
  double roughness = 0;
  double co2Fraction = 0;
  double n2Fraction = 0;
  double gasCalorific = 0;
  double gasDensity = 0;
  double monthFactor = 1.0;
  double mainTariff = 1.0;
  double nightTariff = 1.0;
};

// The 19 words of the system block, by index.
namespace sys {
enum : int {
  TimeHHMM = 0,
  DateDDMM = 1,
  DateYear = 2,
  ClockCorrection = 3,
  ArchiveWriteMode = 4,
  SummerTimeInterval = 5,
  SettlementHourDate = 6,
  MainChannelSetup = 7,
  MainChannelBaud = 8,
  AuxChannelSetup = 9,
  AuxChannelBaud = 10,
  PrivilegedMark = 11,
  BatteryControl = 12,
  SpecialFunctions = 13,
  PasswordPresent = 14,
  CheckErrorsMark = 15,
  Reserved16 = 16,
  Reserved17 = 17,
  DevicePassword = 18,
  Count = 19,
};
}  // namespace sys

struct CurrentGenRecord {
  Word paramDescriptor = 0;  // "Описатель параметра"
  Word lawDescriptor = 0;    // "Описатель закона"
  double scaleEnd = 0;       // "Конец шкалы"
  double scaleStart = 0;     // "Начало шкалы"
};

struct DefaultValueSet {
  double coldSourceTemp = 5.0;    // °C
  double carrierTemp = 65.0;      // °C
  double carrierPressure = 0.6;   // MPa
  double atmPressure = 735.0;     // mm Hg
};

// One name: a length byte 0..16 and up to 16 characters in code page 1251.
struct NameSlot {
  static constexpr int kMaxLength = 16;
  std::uint8_t length = 0;
  std::array<char, kMaxLength> chars{};

  QByteArray bytes() const;             // the cp1251 characters, length clamped to 16
  void setBytes(const QByteArray& cp1251);  // truncates to 16, zero-fills the rest
  void clear() { *this = NameSlot{}; }
  bool isEmpty() const { return length == 0; }
  bool operator==(const NameSlot&) const = default;
};

using ModemText = std::array<std::uint8_t, 128>;  // text up to byte 13, then zeros

constexpr int kSensorCount = 64;
constexpr int kPipelineCount = 16;
constexpr int kTableCount = 10;
constexpr int kTablePoints = 17;
constexpr int kGeneratorCount = 8;

// The names region: the whole content of the .nam file.
struct NamesRegion {
  std::array<NameSlot, 64> sensorNames{};
  std::array<NameSlot, 16> pipelineNames{};
  std::array<NameSlot, 32> hourArcNames{};
  std::array<std::uint8_t, 17> hourArcSpare{};
  std::array<NameSlot, 64> dayArcNames{};
  std::array<NameSlot, 64> monthArcNames{};
  std::array<NameSlot, 13> intervalArcNames{};
  std::array<std::uint8_t, 17> intervalArcSpare{};
  std::array<NameSlot, 16> desktopNames{};
  std::array<Word, 16> desktopParams{};
  std::array<std::uint8_t, 1600> reserved{};
};

struct SettingsImage {
  Word deviceKind = 2;
  std::array<SensorRecord, kSensorCount> sensors{};
  std::array<PipelineRecord, kPipelineCount> pipelines{};

  std::array<Word, 32> hourArcDesc{}, hourArcPos{}, hourArcNeg{};
  std::array<Word, 64> dayArcDesc{}, dayArcPos{}, dayArcNeg{};
  std::array<Word, 63> monthArcDesc{}, monthArcPos{}, monthArcNeg{};
  std::array<Word, 13> intervalArcDesc{}, intervalArcPos{}, intervalArcNeg{};
  Word eventPrefixWord = 0xFF00;
  std::array<Word, 128> eventType{}, eventParam{};
  std::array<Word, 256> logicLaw{}, logicParam{}, logicK1{}, logicK2{};
  std::array<Word, 64> logicT1{}, logicT2{};

  std::array<Word, sys::Count> systemBlock{};
  std::array<std::array<double, kTablePoints>, kTableCount> tableFunctions{};
  std::array<CurrentGenRecord, kGeneratorCount> currentGenerators{};
  DefaultValueSet defaultValues{};
  std::array<Word, 12> reservedPairs{};
  ModemText modemInitMain{};
  ModemText modemInitAux{};  // kind 3 only; stored inside logicK2 in the file

  NamesRegion names{};

  Word& sys(int index) { return systemBlock[static_cast<std::size_t>(index)]; }
  Word sys(int index) const { return systemBlock[static_cast<std::size_t>(index)]; }
};

}  // namespace nastrum
