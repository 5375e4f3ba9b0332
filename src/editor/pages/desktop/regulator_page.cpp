#include "editor/pages/desktop/regulator_page.h"

#include <tuple>

#include "descriptors/descriptor_digits.h"
#include "descriptors/logic_words.h"
#include "editor/pages/regulators/logic_flag_page.h"
#include "model/hex_text.h"
#include "model/kind_profile.h"
#include "model/real_text.h"

namespace nastrum {

namespace {

std::size_t at(int n) { return static_cast<std::size_t>(n); }

bool isInverseLaw(Word law) { return highByte(law) == 0x02 || highByte(law) == 0x0A; }
bool isAddressLaw(Word law) { return highByte(law) == 0x09 || highByte(law) == 0x0A; }

}  // namespace

RegulatorPage::RegulatorPage(Workspace& workspace, MessagePresenter& presenter, QChar separator)
    : ws_(workspace), presenter_(presenter), separator_(separator) {}

int RegulatorPage::select(int typed) {
  const ImageChanges::Scope edit = changes_.scope();
  number_ = wrapped(typed, 0, kRegulatorCount - 1);
  if (!hasRegulators()) return *number_;
  // A law the page has no item for becomes "Прямой" with "Параметр".
  if (isRegulatorPresent(law()) && !isRegulatorLawKnown(law())) {
    law() = withHighByte(law(), 0x01);
  }
  syncRegulatorsFlag();
  return *number_;
}

RegulatorView RegulatorPage::view() const {
  RegulatorView v;
  if (!number_) return v;
  const int n = *number_;
  v.number = n;
  const Word lawWord = ws_.image.logicLaw[at(n)];
  v.present = isRegulatorPresent(lawWord);
  if (!v.present) return v;
  v.inverse = isInverseLaw(lawWord);
  v.byAddress = isAddressLaw(lawWord);
  v.output = lowByte(lawWord);
  v.module = regulatorOutputModule(v.output);
  v.terminals = regulatorOutputTerminals(v.output);
  v.operandText = HexWord(ws_.image.logicParam[at(n)]);
  const Word high = ws_.image.logicT1[at(n)];
  const Word low = ws_.image.logicT2[at(n)];
  v.k1Text = (high == 0 && low == 0) ? QStringLiteral("0") : FormatReal8(realOfWords(high, low), separator_);
  return v;
}

bool RegulatorPage::hasRegulators() const { return kindProfile(ws_.image.deviceKind).regulators > 0; }
bool RegulatorPage::shown() const { return number_ && isRegulatorPresent(ws_.image.logicLaw[at(*number_)]); }
Word& RegulatorPage::law() { return ws_.image.logicLaw[at(*number_)]; }

void RegulatorPage::setPresent(bool present) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!number_) return;
  const int n = *number_;
  law() = present ? 0x0100 : 0;
  ws_.image.logicParam[at(n)] = ws_.image.logicT1[at(n)] = ws_.image.logicT2[at(n)] = 0;
  syncRegulatorsFlag();
}

void RegulatorPage::setLawByte(bool inverse, bool byAddress) {
  const ImageChanges::Scope edit = changes_.scope();
  law() = withHighByte(law(), regulatorLawByte(inverse, byAddress));
}

void RegulatorPage::chooseInverse(bool inverse) {
  const ImageChanges::Scope edit = changes_.scope();
  if (shown()) setLawByte(inverse, isAddressLaw(law()));
}

void RegulatorPage::chooseByAddress(bool byAddress) {
  const ImageChanges::Scope edit = changes_.scope();
  if (shown()) setLawByte(isInverseLaw(law()), byAddress);
}

int RegulatorPage::setOutput(int typed) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!shown()) return 0;
  const int output = wrapped(typed, 0, kHighestRegulatorOutput);
  law() = withLowByte(law(), output);
  return output;
}

void RegulatorPage::setOperandText(const QString& hex) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!shown()) return;
  const std::optional<Word> value = HexToInt(hex);
  if (!value) return;
  ws_.image.logicParam[at(*number_)] = *value & 0xFFFF;
}

void RegulatorPage::setK1Text(const QString& text) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!shown()) return;
  Word high = 0;
  Word low = 0;
  if (!text.trimmed().isEmpty()) std::tie(high, low) = deviceRealWords(ParseNumber(text, separator_, presenter_));
  ws_.image.logicT1[at(*number_)] = high;
  ws_.image.logicT2[at(*number_)] = low;
}

void RegulatorPage::syncRegulatorsFlag() {
  const ImageChanges::Scope edit = changes_.scope();
  if (!hasRegulators()) return;  // the logic flag page keeps it there
  Word& word = ws_.image.sys(sys::SpecialFunctions);
  const bool on = anyRegulatorPresent(ws_.image);
  if (bitOfWord(word, kRegulatorsFlagBit) == on) return;
  word = withBit(word, kRegulatorsFlagBit, on);
}

}  // namespace nastrum
