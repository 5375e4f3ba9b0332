// The small formula of a large-model summation sensor (D1 8, D3 0..3 on
// kind 3): three operands, each combined with a constant, and two combining
// steps. The operations and the result sign live in the sensor's
// AuxDescriptor (the arithmetic code), each operand with its constant in one
// of Const1..Const3. This file turns a sensor into what the arithmetic
// window shows, the window back into the sensor, and the window into its
// formula text.
#pragma once

#include <array>
#include <vector>

#include <QChar>
#include <QString>
#include <QStringList>

#include "descriptors/choice_list.h"
#include "model/settings_image.h"

namespace nastrum {

constexpr int kNoOperand = -1;  // the operand list shows "нет"

// Operation codes of a term (3 bits).
enum ArithOperation : int {
  OpNone = 0,          // "нет": the operand itself
  OpConstMinus = 1,    // "A - X"
  OpConstOnly = 2,     // "A"
  OpConstDivided = 3,  // "A / X"
  OpPlus = 4,          // "X + A"
  OpMinus = 5,         // "X - A"
  OpTimes = 6,         // "X * A"
  OpDivided = 7,       // "X / A"
};

// Combining codes (3 bits); 2 is not used and reads as "нет (конец)".
enum ArithCombining : int {
  CombineEnd = 0,
  CombineSecondMinusFirst = 1,
  CombineSecondByFirst = 3,
  CombinePlus = 4,
  CombineMinus = 5,
  CombineTimes = 6,
  CombineDivided = 7,
};

struct ArithTermState {
  int operation = OpNone;
  int operand = kNoOperand;          // sensor or pipeline number
  QString constant = QStringLiteral("0");  // the constant field's text
  bool operator==(const ArithTermState&) const = default;
};

// What the window shows.
struct ArithState {
  bool absolute = false;  // "Абсолютное значение"
  std::array<ArithTermState, 3> terms{};
  int combine12 = CombineEnd;  // "Операция (1?2):"
  int combine43 = CombineEnd;  // "Операция (4?3):"
  bool operator==(const ArithState&) const = default;
};

// List items: the operations of term 0..2 (X/A, Y/B, Z/C), the combining
// steps (0: "Операция (1?2):", 1: "Операция (4?3):"), the result sign.
ChoiceList arithOperationChoices(int term);
ChoiceList arithCombiningChoices(int step);
ChoiceList arithSignChoices();  // 0 keeps the sign, 1 absolute value

// Operands are pipelines for the three pipeline sources (D3 1..3).
bool arithUsesPipelines(const SensorRecord& sensor);
// The numbers an operand list offers after "нет": described sensors other
// than `sensor`, or described pipelines, in number order.
std::vector<int> arithOperandNumbers(const SettingsImage& image, int sensor, bool pipelines);

// The window filled from a sensor.
ArithState arithStateOf(const SensorRecord& sensor, QChar separator);
// The window filled from sensor `sensor` of the image. "нет" stores 0, as
// sensor or pipeline 0 does: an operand 0 the lists do not offer (a new
// formula, sensor 0 editing itself, no pipeline 0) reads as "нет".
ArithState arithStateOf(const SettingsImage& image, int sensor, QChar separator);
// The corrections every change in the window makes: a constant field that
// is not a real becomes "0", and so does one of magnitude one or more beside
// an operation other than the constant alone.
void normaliseArithConstants(ArithState& state, QChar separator);
// "R = " is not included: the formula F alone.
QString arithFormula(const ArithState& state, QChar separator);
Word arithCode(const ArithState& state);
// Writes AuxDescriptor and Const1..Const3 of the sensor.
void storeArithState(SensorRecord& sensor, const ArithState& state, QChar separator);

// The sensor page's summary: "ИТОГ:  R = " + F and one line per operand.
QStringList arithSummaryLines(const ArithState& state, bool pipelines, QChar separator);

}  // namespace nastrum
