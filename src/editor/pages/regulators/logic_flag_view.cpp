#include "editor/pages/regulators/logic_flag_view.h"

#include "descriptors/descriptor_digits.h"
#include "model/hex_text.h"
#include "model/real_text.h"

namespace nastrum {

namespace {

std::array<bool, 8> byteBoxes(Word word) {
  std::array<bool, 8> boxes{};
  for (int box = 0; box < 8; ++box) boxes[static_cast<std::size_t>(box)] = bitOfWord(word, 7 - box);
  return boxes;
}

}  // namespace

LogicFlagView viewLogicFlag(const SettingsImage& image, int number, QChar separator) {
  const auto n = static_cast<std::size_t>(number);
  LogicFlagView v;
  v.number = number;
  const Word law = image.logicLaw[n];
  v.present = isFlagDescribed(law);
  if (!v.present) return v;

  const Word param = image.logicParam[n];
  const Word k1 = image.logicK1[n];
  const Word k2 = image.logicK2[n];

  v.secondaryOutput = bitOfWord(law, kSecondaryOutputBit);
  v.output = lowByte(law);
  v.outputMaximum = v.secondaryOutput ? kHighestSecondaryFlag : kHighestControlOutput;
  v.outputCaption = v.secondaryOutput ? QStringLiteral("№ вторичного признака:") : QStringLiteral("№ управляющего выхода");
  v.showTerminals = !v.secondaryOutput && v.output < 64;
  if (v.showTerminals) {
    v.module = controlOutputModule(v.output);
    v.contacts = controlOutputContacts(v.output);
  }
  v.combination = (law >> 12) & 3;

  v.family = lawFamily(law);
  v.oneBit = v.family == LawFamily::OneBit;
  v.logical = v.oneBit || v.family == LawFamily::LogicalByte;
  v.byAddress = lawByAddress(law);
  v.lawListCode = v.oneBit ? digitOf(law, 2) : listCodeOf(digitOf(law, 2));

  switch (v.family) {
    case LawFamily::AgainstMean:
      v.operandText = HexWord(k1);
      v.meanOperandText = HexWord(k2);
      v.meanIsFunction = (param & 0xFFFF) != kMeanIsParameter;
      if (v.meanIsFunction) {
        v.table = digitOf(param, 1);
        v.points = digitOf(param, 4);
        const bool variable = digitOf(param, 2) == 1;
        v.pointsMaximum = variable ? kMostPointsVariableStep : kMostPointsConstantStep;
      }
      break;
    case LawFamily::LogicalByte:
      v.operandText = HexWord(param);
      v.shift = digitOf(k1, 2) <= 7 ? digitOf(k1, 2) : 0;
      v.mask = byteBoxes(k1);
      v.reference = byteBoxes(k2);
      break;
    case LawFamily::AgainstK1:
    case LawFamily::OneBit:
    case LawFamily::Unknown:
      v.operandText = HexWord(param);
      v.clock = v.family == LawFamily::AgainstK1 ? clockOperand(param) : ClockOperand::None;
      if (v.clock == ClockOperand::Year)
        v.year = k1 & 0xFFFF;
      else if (v.clock != ClockOperand::None)
        v.clockPair = splitDecimalPair(k1);
      else if (v.family == LawFamily::AgainstK1)
        v.k1Text = (k1 == 0 && k2 == 0) ? QStringLiteral("0") : FormatReal8(realOfWords(k1, k2), separator);
      break;
  }

  v.hasDelays = number < kDelayedFlagCount;
  if (v.hasDelays) {
    v.operateDelay = splitDecimalPair(image.logicT1[n]);
    v.releaseDelay = splitDecimalPair(image.logicT2[n]);
  }
  return v;
}

}  // namespace nastrum
