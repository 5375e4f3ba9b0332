// The words of the logic arrays (LogicLaw, LogicParam, LogicK1, LogicK2,
// LogicT1, LogicT2): the logic flags of the expandable model and the
// threshold regulators of the large model. Element n of each array belongs to
// flag or regulator n, counting from 0.
#pragma once

#include <utility>

#include <QString>

#include "descriptors/choice_list.h"
#include "model/settings_image.h"

namespace nastrum {

// Flags 0..254; element 255 of the arrays is no flag. Flags 0..63 have delays.
constexpr int kLogicFlagCount = 255;
constexpr int kDelayedFlagCount = 64;
constexpr int kRegulatorCount = 64;
// Bit of SpecialFunctions behind the system page's "Регуляторы".
constexpr int kRegulatorsFlagBit = 12;

// --- Logic flags ---------------------------------------------------------------

// LogicLaw bits.
constexpr int kSecondaryOutputBit = 15;  // "Вторичный признак"
constexpr int kOneBitLawBit = 14;        // "Однобитовый"
constexpr int kHighestControlOutput = 127;
constexpr int kHighestSecondaryFlag = 254;
// Law codes (D2) step by this for "Адрес внешней памяти".
constexpr int kAddressLawOffset = 8;

// A flag is described unless its law's high byte is 00, F0, F1, FC or FF.
bool isFlagDescribed(Word law);
bool anyFlagDescribed(const SettingsImage& image);

// The law families of the page.
enum class LawFamily { AgainstK1, AgainstMean, LogicalByte, OneBit, Unknown };

// The family of a law word (bit 14 and D2); Unknown for a code the page has no
// item for.
LawFamily lawFamily(Word law);
// Whether D2 names the operand by "Адрес внешней памяти" (D2 above 8).
bool lawByAddress(Word law);

// The law lists of the page; the code is the law code with "Параметр".
ChoiceList arithmeticLaws();  // X against K1 and against Xср
ChoiceList byteLaws();
ChoiceList oneBitLaws();
ChoiceList outputCombinations();  // bits 13..12
ChoiceList outputKinds();         // bit 15: "Регулятор", "Вторичный признак"
ChoiceList shiftChoices();        // "нет", "1".."7"
ChoiceList lawTypes();            // 0 "Арифметический", 1 "Логический"
ChoiceList operandKinds();        // 0 "Параметр", 1 "Адрес внешней памяти"
ChoiceList byteWidths();          // 0 "Байтовый", 1 "Однобитовый"
ChoiceList meanKinds();           // 0 "Параметр", 1 "Функция"

// The law code of a list code with the operand kind ("Однобитовый" laws have
// no address form).
int lawCodeFor(int listCode, bool byAddress);
// The list code of a law code (D2 less 8 for an address).
int listCodeOf(int lawCode);

// The switching operands of a law against K1.
enum class ClockOperand { None, Time, Date, Year };
ClockOperand clockOperand(Word param);  // 4015, 4016, 4017
// What LogicK1 holds when a switching operand is typed: 0:0, day 1 month 1, 2000.
Word clockPreset(ClockOperand op);
constexpr int kFirstYear = 1991;
constexpr int kLastYear = 2050;

// A decimal pair: minutes × 100 + seconds, hours × 100 + minutes, day × 100 +
// month. The decimal text splits into its last two digits and the rest.
struct DecimalPair {
  int first = 0;
  int second = 0;
};
DecimalPair splitDecimalPair(Word stored);
Word joinDecimalPair(int first, int second);

// "Функция" of a law against Xср: LogicParam D1 = table, D2 = step kind, D4 = points.
constexpr Word kMeanIsParameter = 0xF000;
constexpr int kMostPointsConstantStep = 14;
constexpr int kMostPointsVariableStep = 8;
Word meanFunctionWord(int table, bool variableStep, int points);

// Module and contacts of control output o (0..63): "МВ1".."МВ16", "+3    -4" …
QString controlOutputModule(int output);
QString controlOutputContacts(int output);

// --- Regulators of the large model -------------------------------------------------

// Law high bytes: 01 "Прямой", 02 "Обратный"; 09 and 0A with "Адрес внешней памяти".
bool isRegulatorPresent(Word law);  // high byte neither 00 nor FF
bool anyRegulatorPresent(const SettingsImage& image);
bool isRegulatorLawKnown(Word law);  // high byte 01, 02, 09 or 0A
ChoiceList regulatorLaws();  // 1 "Прямой", 2 "Обратный"
int regulatorLawByte(bool inverse, bool byAddress);
constexpr int kHighestRegulatorOutput = 63;
// Module and terminals of regulator output o: "МУ1".."МУ16" …
QString regulatorOutputModule(int output);
QString regulatorOutputTerminals(int output);

// --- Device reals split across two words -------------------------------------------

// The four bytes of a device real as its high and low word.
std::pair<Word, Word> deviceRealWords(double value);
double realOfWords(Word high, Word low);

}  // namespace nastrum
