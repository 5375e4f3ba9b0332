#include "editor/pages/regulators/logic_flag_page.h"

#include "descriptors/descriptor_digits.h"
#include "descriptors/sensor_constants.h"
#include "model/hex_text.h"
#include "model/kind_profile.h"
#include "model/real_text.h"

namespace nastrum {

namespace {

Word withCombination(Word law, int combination) { return (law & ~0x3000) | ((combination & 3) << 12); }

}  // namespace

LogicFlagPage::LogicFlagPage(Workspace& workspace, MessagePresenter& presenter, QChar separator)
    : ws_(workspace), presenter_(presenter), separator_(separator) {}

int LogicFlagPage::select(int typed) {
  const ImageChanges::Scope edit = changes_.scope();
  number_ = wrapped(typed, 0, kLogicFlagCount - 1);
  syncRegulatorsFlag();
  return *number_;
}

LogicFlagView LogicFlagPage::view() const {
  if (!number_) return LogicFlagView{};
  return viewLogicFlag(ws_.image, *number_, separator_);
}

Word& LogicFlagPage::law() { return ws_.image.logicLaw[static_cast<std::size_t>(*number_)]; }
Word& LogicFlagPage::param() { return ws_.image.logicParam[static_cast<std::size_t>(*number_)]; }
Word& LogicFlagPage::k1() { return ws_.image.logicK1[static_cast<std::size_t>(*number_)]; }
Word& LogicFlagPage::k2() { return ws_.image.logicK2[static_cast<std::size_t>(*number_)]; }

bool LogicFlagPage::shown() const {
  return number_ && isFlagDescribed(ws_.image.logicLaw[static_cast<std::size_t>(*number_)]);
}

bool LogicFlagPage::hasDelays() const { return *number_ < kDelayedFlagCount; }


void LogicFlagPage::clearOperands() {
  param() = k1() = k2() = 0;
  if (hasDelays()) {
    ws_.image.logicT1[static_cast<std::size_t>(*number_)] = 0;
    ws_.image.logicT2[static_cast<std::size_t>(*number_)] = 0;
  }
}

void LogicFlagPage::setPresent(bool present) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!number_) return;
  law() = present ? 0x0100 : 0;
  clearOperands();
  syncRegulatorsFlag();
}

void LogicFlagPage::chooseOutputKind(bool secondary) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!shown()) return;
  law() = withLowByte(withBit(law(), kSecondaryOutputBit, secondary), 0);
}

int LogicFlagPage::setOutput(int typed) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!shown()) return 0;
  const int highest = bitOfWord(law(), kSecondaryOutputBit) ? kHighestSecondaryFlag : kHighestControlOutput;
  const int output = wrapped(typed, 0, highest);
  law() = withLowByte(law(), output);
  return output;
}

void LogicFlagPage::chooseCombination(int combination) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!shown()) return;
  law() = withCombination(law(), combination);
}

void LogicFlagPage::chooseLawType(bool logical) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!shown()) return;
  // Bit 15 (the output kind) and the output number stay; bits 14..12 clear.
  law() = withDigit(law() & 0x8FFF, 2, logical ? 4 : 1);
  clearOperands();
}

void LogicFlagPage::setLawCode(int code, bool oneBit) {
  const LawFamily before = lawFamily(law());
  law() = withDigit(withBit(law(), kOneBitLawBit, oneBit), 2, code);
  const LawFamily after = lawFamily(law());
  // The operand X moves with the law: against Xср it lives in LogicK1, else
  // in LogicParam. The words that changed meaning start empty.
  if (before == after) return;
  if (after == LawFamily::AgainstMean) {
    const Word operand = before == LawFamily::AgainstK1 || before == LawFamily::LogicalByte ? param() : 0;
    param() = kMeanIsParameter;
    k1() = operand;
    k2() = 0;
  } else if (before == LawFamily::AgainstMean) {
    param() = k1();
    k1() = k2() = 0;
  } else {
    k1() = k2() = 0;
  }
}

void LogicFlagPage::chooseOperandKind(bool byAddress) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!shown() || lawFamily(law()) == LawFamily::OneBit) return;
  setLawCode(lawCodeFor(listCodeOf(digitOf(law(), 2)), byAddress), false);
}

void LogicFlagPage::chooseOneBit(bool oneBit) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!shown()) return;
  setLawCode(4, oneBit);
  // "Байтовый" starts from operand 0, no shift and an empty mask.
  param() = k1() = k2() = 0;
}

void LogicFlagPage::chooseLaw(int lawListCode) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!shown()) return;
  const bool oneBit = lawFamily(law()) == LawFamily::OneBit;
  setLawCode(oneBit ? lawListCode : lawCodeFor(lawListCode, lawByAddress(law())), oneBit);
}

void LogicFlagPage::setOperandText(const QString& hex) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!shown()) return;
  const std::optional<Word> value = HexToInt(hex);
  if (!value) return;
  const Word operand = *value & 0xFFFF;
  switch (lawFamily(law())) {
    case LawFamily::AgainstMean: k1() = operand; break;
    case LawFamily::AgainstK1: {
      const ClockOperand before = clockOperand(param());
      const ClockOperand after = clockOperand(operand);
      param() = operand;
      // K1 holds a real, a time, a date or a year: a change of kind starts it afresh.
      if (before != after) {
        k1() = clockPreset(after);
        k2() = 0;
      }
      break;
    }
    default: param() = operand; break;
  }
}

void LogicFlagPage::setMeanOperandText(const QString& hex) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!shown()) return;
  const std::optional<Word> value = HexToInt(hex);
  if (!value) return;
  k2() = *value & 0xFFFF;
}

void LogicFlagPage::chooseMeanFunction(bool function) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!shown()) return;
  param() = function ? meanFunctionWord(0, isVariableStep(ws_.image.tableFunctions[0]), 1) : kMeanIsParameter;
}

void LogicFlagPage::chooseTable(int table) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!shown() || table < 0 || table >= kTableCount) return;
  const bool variable = isVariableStep(ws_.image.tableFunctions[static_cast<std::size_t>(table)]);
  int points = digitOf(param(), 4);
  const int most = variable ? kMostPointsVariableStep : kMostPointsConstantStep;
  if (points < 1 || points > most) points = 1;
  param() = meanFunctionWord(table, variable, points);
}

int LogicFlagPage::setPoints(int typed) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!shown()) return 0;
  const bool variable = digitOf(param(), 2) == 1;
  const int points = wrapped(typed, 1, variable ? kMostPointsVariableStep : kMostPointsConstantStep);
  param() = withDigit(param(), 4, points);
  return points;
}

void LogicFlagPage::setK1Text(const QString& text) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!shown()) return;
  if (text.trimmed().isEmpty()) {
    k1() = k2() = 0;
  } else {
    const auto [high, low] = deviceRealWords(ParseNumber(text, separator_, presenter_));
    k1() = high;
    k2() = low;
  }
}

DecimalPair LogicFlagPage::setClockPair(int first, int second) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!shown()) return {};
  const bool date = clockOperand(param()) == ClockOperand::Date;
  const DecimalPair pair = date ? DecimalPair{wrapped(first, 1, 31), wrapped(second, 1, 12)}
                                : DecimalPair{wrapped(first, 0, 23), wrapped(second, 0, 59)};
  k1() = joinDecimalPair(pair.first, pair.second);
  return pair;
}

int LogicFlagPage::setYear(int typed) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!shown()) return 0;
  const int year = wrapped(typed, kFirstYear, kLastYear);
  k1() = year;
  return year;
}

void LogicFlagPage::chooseShift(int shift) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!shown()) return;
  k1() = withDigit(k1(), 2, shift);
}

void LogicFlagPage::tickMask(int box, bool ticked) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!shown() || box < 0 || box > 7) return;
  k1() = withBit(k1(), 7 - box, ticked);
}

void LogicFlagPage::tickReference(int box, bool ticked) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!shown() || box < 0 || box > 7) return;
  k2() = withBit(k2(), 7 - box, ticked);
}

DecimalPair LogicFlagPage::setOperateDelay(int minutes, int seconds) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!shown() || !hasDelays()) return {};
  const DecimalPair pair{wrapped(minutes, 0, 59), wrapped(seconds, 0, 59)};
  ws_.image.logicT1[static_cast<std::size_t>(*number_)] = joinDecimalPair(pair.first, pair.second);
  return pair;
}

DecimalPair LogicFlagPage::setReleaseDelay(int minutes, int seconds) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!shown() || !hasDelays()) return {};
  const DecimalPair pair{wrapped(minutes, 0, 59), wrapped(seconds, 0, 59)};
  ws_.image.logicT2[static_cast<std::size_t>(*number_)] = joinDecimalPair(pair.first, pair.second);
  return pair;
}

void LogicFlagPage::syncRegulatorsFlag() {
  const ImageChanges::Scope edit = changes_.scope();
  if (!kindProfile(ws_.image.deviceKind).hasLogicFlags) return;  // the large model's regulators keep it there
  Word& word = ws_.image.sys(sys::SpecialFunctions);
  const bool on = anyFlagDescribed(ws_.image);
  if (bitOfWord(word, kRegulatorsFlagBit) == on) return;
  word = withBit(word, kRegulatorsFlagBit, on);
}

}  // namespace nastrum
