#include "descriptors/logic_words.h"

#include <initializer_list>

#include "descriptors/descriptor_digits.h"
#include "model/device_real.h"
#include "model/hex_text.h"

namespace nastrum {

namespace {

bool oneOf(int v, std::initializer_list<int> set) {
  for (int s : set)
    if (v == s) return true;
  return false;
}

QString moduleName(const char* prefix, int output) {
  return QString::fromUtf8(prefix) + QString::number(output / 4 + 1);
}

}  // namespace

bool isFlagDescribed(Word law) { return !oneOf(highByte(law), {0x00, 0xF0, 0xF1, 0xFC, 0xFF}); }

bool anyFlagDescribed(const SettingsImage& image) {
  for (int n = 0; n < kLogicFlagCount; ++n)
    if (isFlagDescribed(image.logicLaw[static_cast<std::size_t>(n)])) return true;
  return false;
}

LawFamily lawFamily(Word law) {
  const int code = digitOf(law, 2);
  if (bitOfWord(law, kOneBitLawBit)) return oneOf(code, {4, 5, 6, 7}) ? LawFamily::OneBit : LawFamily::Unknown;
  switch (listCodeOf(code)) {
    case 1:
    case 2: return LawFamily::AgainstK1;
    case 6:
    case 7: return LawFamily::AgainstMean;
    case 4:
    case 5: return LawFamily::LogicalByte;
    default: return LawFamily::Unknown;
  }
}

bool lawByAddress(Word law) { return !bitOfWord(law, kOneBitLawBit) && digitOf(law, 2) > kAddressLawOffset; }

ChoiceList arithmeticLaws() {
  return {{1, QStringLiteral("Y=1 при  X >= K1      (^T1),  иначе Y=0    (^T2)")},
          {2, QStringLiteral("Y=1 при  X <= K1      (^T1),  иначе Y=1    (^T2)")},
          {7, QStringLiteral("Y=1 при  X >= Xср    (^T1),  иначе Y=0    (^T2)")},
          {6, QStringLiteral("Y=1 при  X <= Xср    (^T1),  иначе Y=1    (^T2)")}};
}

ChoiceList byteLaws() {
  return {{4, QStringLiteral("Y=1 при  X 'И' K1 <> 0   (^T1),  иначе Y=0  (^T2)")},
          {5, QStringLiteral("Y=1 при  X 'И' K1 <> K2 (^T1),  иначе Y=0  (^T2)")}};
}

ChoiceList oneBitLaws() {
  return {{4, QStringLiteral("Y=1 при  X=1                 (^T1),  иначе Y=0  (^T2)")},
          {5, QStringLiteral("Y=1 при  X=0                 (^T1),  иначе Y=1  (^T2)")},
          {6, QStringLiteral("Y=0 при  X=0 (^T1), иначе Y не измен. (R-вход)")},
          {7, QStringLiteral("Y=1 при  X=1 (^T1), иначе Y не измен. (S-вход)")}};
}

ChoiceList outputCombinations() {
  return {{0, QStringLiteral("Выход управляется только этим признаком")},
          {1, QStringLiteral("признак на выходе объединяется по \"ИЛИ\"")},
          {2, QStringLiteral("признак на выходе объединяется по \"И\"")},
          {3, QStringLiteral("признак является входом RS-триггера")}};
}

ChoiceList outputKinds() { return {{0, QStringLiteral("Регулятор")}, {1, QStringLiteral("Вторичный признак")}}; }

ChoiceList shiftChoices() {
  ChoiceList list{{0, QStringLiteral("нет")}};
  for (int s = 1; s <= 7; ++s) list.add(s, QString::number(s));
  return list;
}

ChoiceList lawTypes() { return {{0, QStringLiteral("Арифметический")}, {1, QStringLiteral("Логический")}}; }
ChoiceList operandKinds() { return {{0, QStringLiteral("Параметр")}, {1, QStringLiteral("Адрес внешней памяти")}}; }
ChoiceList byteWidths() { return {{0, QStringLiteral("Байтовый")}, {1, QStringLiteral("Однобитовый")}}; }
ChoiceList meanKinds() { return {{0, QStringLiteral("Параметр")}, {1, QStringLiteral("Функция")}}; }

int lawCodeFor(int listCode, bool byAddress) { return byAddress ? listCode + kAddressLawOffset : listCode; }
int listCodeOf(int lawCode) { return lawCode > kAddressLawOffset ? lawCode - kAddressLawOffset : lawCode; }

ClockOperand clockOperand(Word param) {
  switch (param & 0xFFFF) {
    case 0x4015: return ClockOperand::Time;
    case 0x4016: return ClockOperand::Date;
    case 0x4017: return ClockOperand::Year;
    default: return ClockOperand::None;
  }
}

Word clockPreset(ClockOperand op) {
  switch (op) {
    case ClockOperand::Date: return joinDecimalPair(1, 1);
    case ClockOperand::Year: return 2000;
    default: return 0;
  }
}

DecimalPair splitDecimalPair(Word stored) {
  const int v = stored & 0xFFFF;
  return {v / 100, v % 100};
}

Word joinDecimalPair(int first, int second) { return first * 100 + second; }

Word meanFunctionWord(int table, bool variableStep, int points) {
  return makeWord((table & 0xF) << 4 | (variableStep ? 1 : 0), points & 0xF);
}

QString controlOutputModule(int output) { return moduleName("МВ", output); }

QString controlOutputContacts(int output) {
  static const char* const contacts[] = {"+3    -4", "+5    -6", "+7    -8", "+9    -10"};
  return QString::fromUtf8(contacts[output % 4]);
}

bool isRegulatorPresent(Word law) { return !oneOf(highByte(law), {0x00, 0xFF}); }

bool anyRegulatorPresent(const SettingsImage& image) {
  for (int n = 0; n < kRegulatorCount; ++n)
    if (isRegulatorPresent(image.logicLaw[static_cast<std::size_t>(n)])) return true;
  return false;
}

bool isRegulatorLawKnown(Word law) { return oneOf(highByte(law), {0x01, 0x02, 0x09, 0x0A}); }

ChoiceList regulatorLaws() { return {{1, QStringLiteral("Прямой")}, {2, QStringLiteral("Обратный")}}; }

int regulatorLawByte(bool inverse, bool byAddress) { return lawCodeFor(inverse ? 2 : 1, byAddress); }

QString regulatorOutputModule(int output) { return moduleName("МУ", output); }

QString regulatorOutputTerminals(int output) {
  static const char* const terminals[] = {
      "+2     -3                      +1     -4", "+6     -7                      +5     -8",
      "+10    -11                    +9     -12", "+14    -15                    +13    -16"};
  return QString::fromUtf8(terminals[output % 4]);
}

std::pair<Word, Word> deviceRealWords(double value) {
  const DeviceRealBytes b = EncodeDeviceReal(value);
  return {makeWord(b[0], b[1]), makeWord(b[2], b[3])};
}

double realOfWords(Word high, Word low) {
  const DeviceRealBytes b{static_cast<std::uint8_t>(highByte(high)), static_cast<std::uint8_t>(lowByte(high)),
                          static_cast<std::uint8_t>(highByte(low)), static_cast<std::uint8_t>(lowByte(low))};
  return DecodeDeviceReal(b);
}

}  // namespace nastrum
