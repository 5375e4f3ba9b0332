// The map of a constants read: which device parameter fills which field of
// the settings image, with its conversion, in the order the device is read.
// It is data: blocks of objects (sensors, pipelines, …), each with rows of
// parameter numbers and the field each one fills. PlanConstantsRead turns it
// into the list of exchanges for one device kind.
#pragma once

#include <cstdint>
#include <vector>

#include <QByteArray>
#include <QString>

#include "model/settings_image.h"

namespace nastrum {

// How the bytes of one parameter become a field.
enum class ReadConversion {
  Word,            // two bytes, high first
  WordFfffAsZero,  // a word; FF FF (nothing set) is kept as 0
  Real,            // the device real, as a double
  DecimalPair,     // byte0 × 100 + byte1
  BcdPair,         // two BCD bytes; FF counts as 0
  Text128,         // 128 raw bytes (the modem strings)
  LogicK1,         // four bytes: a word of the first two, or a decimal pair when the flag watches the clock
  RegulatorReal,   // a device real, encoded again and kept as two words
};

enum class ReadSource { Param, Memory };

// The objects a block walks.
enum class ReadFamily {
  Sensors,
  Pipelines,
  HourArchives,
  DayArchives,
  MonthArchives,
  IntervalArchives,
  EventsFirst,   // events 1 … 64
  EventsSecond,  // events 65 … 128 (kind 2)
  Tables,
  Generators,
  System,  // single parameters named by their full address
  LogicFlags,
  Regulators,
};

// One object of a family: k counts from 0; `sub` is the table number (1 …)
// or the logic group (1 … 4), otherwise 0.
struct ReadObject {
  int k = 0;
  int sub = 0;
};

// Where one parameter's value lands in the target image.
struct ReadTarget {
  Word* word = nullptr;
  Word* word2 = nullptr;  // RegulatorReal: LogicT2
  double* real = nullptr;
  ModemText* text = nullptr;
  const Word* logicParam = nullptr;  // LogicK1: the flag's parameter, read just before
};

using TargetOf = ReadTarget (*)(SettingsImage&, ReadObject);

struct ReadParam {
  // Parameter number (the object's `sub` is added for tables and logic
  // flags); a full address for the System family; a memory address for
  // memory reads.
  int number;
  TargetOf target;
  const char16_t* label = nullptr;  // the item's name, shown in the diagnostic mode
};

constexpr std::uint8_t kKind1 = 1 << 1;
constexpr std::uint8_t kKind2 = 1 << 2;
constexpr std::uint8_t kKind3 = 1 << 3;
constexpr std::uint8_t kAllKinds = kKind1 | kKind2 | kKind3;

struct ReadRow {
  int row;  // the row of the map, for diagnostics and tests
  std::uint8_t kinds;
  ReadConversion conversion;
  std::vector<ReadParam> params;
  ReadSource source = ReadSource::Param;
  bool firstSubOnly = false;  // only for sub 1 (the times of logic group 1), numbers fixed
};

struct ReadBlock {
  ReadFamily family;
  std::uint8_t group;  // ORed with k on the wire
  std::vector<ReadRow> rows;
};

// Rows 1 to 37 in reading order.
const std::vector<ReadBlock>& ConstantsReadMap();

// The objects of `family` a device of `kind` has, in reading order.
std::vector<ReadObject> ObjectsOf(ReadFamily family, int kind);

// Bytes one parameter of this conversion carries.
int ByteCount(ReadConversion conversion);

// Stores the bytes read for one parameter into its field(s).
void StoreReadValue(ReadConversion conversion, const QByteArray& bytes, const ReadTarget& target);

// One exchange of a constants read.
struct ReadStep {
  ReadSource source = ReadSource::Param;
  std::uint16_t address = 0;  // parameter (high byte group OR index) or memory address
  int size = 0;
  ReadConversion conversion = ReadConversion::Word;
  ReadTarget target;
  int row = 0;
  ReadFamily family = ReadFamily::System;
  ReadObject object;
  const char16_t* label = nullptr;
};

// Every exchange of a constants read of `kind` (1 … 3), with targets in `image`.
std::vector<ReadStep> PlanConstantsRead(int kind, SettingsImage& image);

// The progress bar's maximum for the identified model (0 when unknown).
int ReadProgressMaximum(int modelCode);

// What the diagnostic mode shows while `step` is read; empty for none.
QString ReadSectionLabel(const ReadStep& step);

}  // namespace nastrum
