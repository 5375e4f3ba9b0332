// The one map between the device's settings parameters and the fields of the
// settings image, walked by the read run and the write run alike. It is data:
// blocks of objects (sensors, pipelines, …), each with rows of parameter
// numbers and the field each one stands for, the conversion of its bytes and
// the directions it is used in. The read and the write plans (read_map.h,
// write_map.h) turn it into the exchanges of one device kind.
#pragma once

#include <cstdint>
#include <vector>

#include <QByteArray>

#include "model/settings_image.h"

namespace nastrum {

// How the bytes of one parameter stand for a field.
enum class ParamConversion {
  Word,            // two bytes, high first
  WordFfffAsZero,  // a word; FF FF (nothing set) is read as 0
  Real,            // the device real, as a double
  DecimalPair,     // byte0 × 100 + byte1
  BcdPair,         // two BCD bytes; FF counts as 0
  Text128,         // 128 raw bytes (the modem strings)
  LogicK1,         // a word, or a decimal pair when the flag watches the clock; read as four bytes
  RegulatorReal,   // a device real, kept in the image as its two words
};

enum class ParamSource { Param, Memory };

// The objects a block walks.
enum class ParamFamily {
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
struct ParamObject {
  int k = 0;
  int sub = 0;
};

// Where one parameter's value lives in an image.
struct ParamTarget {
  Word* word = nullptr;
  Word* word2 = nullptr;  // RegulatorReal: LogicT2
  double* real = nullptr;
  ModemText* text = nullptr;
  const Word* logicParam = nullptr;  // LogicK1: the flag's parameter, which decides the form
};

using TargetOf = ParamTarget (*)(SettingsImage&, ParamObject);

// Which runs use an entry.
enum ParamDirections : std::uint8_t {
  kReadOnly = 1 << 0,
  kWriteOnly = 1 << 1,
  kBothDirections = kReadOnly | kWriteOnly,
};

struct ParamEntry {
  // Parameter number (the object's `sub` is added for tables and logic
  // flags); a full address for the System family; a memory address for
  // memory rows.
  int number;
  TargetOf target;
  const char16_t* readLabel = nullptr;   // shown in the diagnostic mode while read
  const char16_t* writeLabel = nullptr;  // logged in the diagnostic mode before it is written
  std::uint8_t directions = kBothDirections;
  int writeNumber = -1;  // where a write goes when that is not `number` (the kind 1 modem string)
};

constexpr std::uint8_t kKind1 = 1 << 1;
constexpr std::uint8_t kKind2 = 1 << 2;
constexpr std::uint8_t kKind3 = 1 << 3;
constexpr std::uint8_t kAllKinds = kKind1 | kKind2 | kKind3;

constexpr std::uint8_t KindBit(int kind) { return static_cast<std::uint8_t>(1 << kind); }

struct ParamRow {
  int row;  // the row of the read map, for diagnostics and tests
  std::uint8_t kinds;
  ParamConversion conversion;
  std::vector<ParamEntry> params;
  ParamSource source = ParamSource::Param;
  bool firstSubOnly = false;  // only for sub 1 (the times of logic group 1), numbers fixed
  bool sentOnce = false;      // written once per attempt instead of twice (the kind 3 modem strings)
  bool password = false;      // written only when the user confirmed a new password
};

struct ParamBlock {
  ParamFamily family;
  std::uint8_t group;  // ORed with k on the wire
  std::vector<ParamRow> rows;
};

// Every block; inside a block the rows in the order both runs use.
const std::vector<ParamBlock>& SettingsParamMap();

// The blocks in the order the read walks them, and the order the write does
// (the tables go with the sensors there).
const std::vector<ParamFamily>& ReadFamilyOrder();
const std::vector<ParamFamily>& WriteFamilyOrder();
const ParamBlock& BlockOf(ParamFamily family);

// The objects of `family` a device of `kind` has, in walking order.
std::vector<ParamObject> ObjectsOf(ParamFamily family, int kind);

// The parameter address of `entry` for `object`: (group OR k) high, number low,
// or the full address of a System entry.
std::uint16_t AddressOf(const ParamBlock& block, const ParamRow& row, int number, ParamObject object);

// Bytes a read of this conversion asks for.
int ReadByteCount(ParamConversion conversion);

// Stores the bytes read for one parameter into its field(s).
void StoreReadValue(ParamConversion conversion, const QByteArray& bytes, const ParamTarget& target);

// The bytes a write sends for the field(s); false in `ok` when the value
// cannot be carried by the parameter (a pair beyond two bytes).
QByteArray EncodeWriteValue(ParamConversion conversion, const ParamTarget& target, bool* ok);

}  // namespace nastrum
