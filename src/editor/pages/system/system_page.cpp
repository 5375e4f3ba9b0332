#include "editor/pages/system/system_page.h"

#include <algorithm>
#include <cstdlib>

#include "descriptors/system_codes.h"
#include "model/hex_text.h"
#include "model/kind_profile.h"
#include "model/real_text.h"

namespace nastrum {

namespace {

int Digit(Word word, int position) { return (word >> (12 - 4 * position)) & 0xF; }  // position 0 = D1
Word WithDigit(Word word, int position, int digit) {
  const int shift = 12 - 4 * position;
  return (word & ~(0xF << shift)) | ((digit & 0xF) << shift);
}

int SignedDigits(Word word, int first) {
  const int magnitude = Digit(word, first + 1);
  return Digit(word, first) != 0 ? -magnitude : magnitude;
}
Word WithSignedDigits(Word word, int first, int seconds) {
  seconds = std::clamp(seconds, -15, 15);
  word = WithDigit(word, first, seconds < 0 ? 1 : 0);
  return WithDigit(word, first + 1, std::abs(seconds));
}

}  // namespace

SystemPage::SystemPage(Workspace& workspace, MessagePresenter& presenter, QChar separator)
    : workspace_(workspace), presenter_(presenter), separator_(separator) {}

// --- Clock correction ------------------------------------------------------

int SystemPage::hourlyCorrection() const { return SignedDigits(sys(sys::ClockCorrection), 0); }
int SystemPage::dailyCorrection() const { return SignedDigits(sys(sys::ClockCorrection), 2); }

void SystemPage::setHourlyCorrection(int seconds) {
  const ImageChanges::Scope edit = changes_.scope();
  sys(sys::ClockCorrection) = WithSignedDigits(sys(sys::ClockCorrection), 0, seconds);
}

void SystemPage::setDailyCorrection(int seconds) {
  const ImageChanges::Scope edit = changes_.scope();
  sys(sys::ClockCorrection) = WithSignedDigits(sys(sys::ClockCorrection), 2, seconds);
}

// --- Summer time and interval ---------------------------------------------

bool SystemPage::summerTime() const {
  const int d1 = Digit(sys(sys::SummerTimeInterval), 0);
  return d1 >= 1 && d1 <= 7;
}
bool SystemPage::aprilSwitch() const { return Digit(sys(sys::SummerTimeInterval), 0) != 3; }
bool SystemPage::septemberSwitch() const { return Digit(sys(sys::SummerTimeInterval), 1) == 9; }

void SystemPage::setSummerTime(bool on) {
  const ImageChanges::Scope edit = changes_.scope();
  Word& w = sys(sys::SummerTimeInterval);
  w = ((on ? 0x3A : 0x00) << 8) | (w & 0xFF);
}

void SystemPage::setAprilSwitch(bool april) {
  const ImageChanges::Scope edit = changes_.scope();
  sys(sys::SummerTimeInterval) = WithDigit(sys(sys::SummerTimeInterval), 0, april ? 4 : 3);
}

void SystemPage::setSeptemberSwitch(bool september) {
  const ImageChanges::Scope edit = changes_.scope();
  sys(sys::SummerTimeInterval) = WithDigit(sys(sys::SummerTimeInterval), 1, september ? 9 : 0xA);
}

std::optional<int> SystemPage::intervalIndex() const {
  return system_codes::intervals().indexOfCode(sys(sys::SummerTimeInterval) & 0xFF);
}

void SystemPage::setInterval(int index) {
  const ImageChanges::Scope edit = changes_.scope();
  const ChoiceList& list = system_codes::intervals();
  if (index < 0 || index >= list.size()) return;
  Word& w = sys(sys::SummerTimeInterval);
  w = (w & ~0xFF) | list.at(index).code;
}

// --- Archive write modes and settlement ------------------------------------

int SystemPage::dailyArchiveMode() const { return Digit(sys(sys::ArchiveWriteMode), 0) != 0 ? 1 : 0; }
int SystemPage::monthlyArchiveMode() const { return Digit(sys(sys::ArchiveWriteMode), 1) != 0 ? 1 : 0; }

void SystemPage::setDailyArchiveMode(int mode) {
  const ImageChanges::Scope edit = changes_.scope();
  sys(sys::ArchiveWriteMode) = WithDigit(sys(sys::ArchiveWriteMode), 0, mode != 0 ? 1 : 0);
}

void SystemPage::setMonthlyArchiveMode(int mode) {
  const ImageChanges::Scope edit = changes_.scope();
  sys(sys::ArchiveWriteMode) = WithDigit(sys(sys::ArchiveWriteMode), 1, mode != 0 ? 1 : 0);
}

int SystemPage::settlementHour() const { return sys(sys::SettlementHourDate) / 100; }
int SystemPage::settlementDate() const { return sys(sys::SettlementHourDate) % 100; }

int SystemPage::setSettlementHour(int hour) {
  const ImageChanges::Scope edit = changes_.scope();
  if (hour < 0) hour = 23;
  if (hour > 23) hour = 0;
  sys(sys::SettlementHourDate) = hour * 100 + settlementDate();
  return hour;
}

int SystemPage::setSettlementDate(int date) {
  const ImageChanges::Scope edit = changes_.scope();
  if (date < 1) date = 31;
  if (date > 31) date = 1;
  sys(sys::SettlementHourDate) = settlementHour() * 100 + date;
  return date;
}

// --- Default values and password -------------------------------------------

QString SystemPage::defaultValueText(int index) const {
  const DefaultValueSet& d = workspace_.image.defaultValues;
  const std::array<double, 4> values{d.coldSourceTemp, d.carrierTemp, d.carrierPressure, d.atmPressure};
  return FormatReal8(values.at(static_cast<std::size_t>(index)), separator_);
}

void SystemPage::setDefaultValue(int index, const QString& text) {
  const ImageChanges::Scope edit = changes_.scope();
  DefaultValueSet& d = workspace_.image.defaultValues;
  const std::array<double*, 4> fields{&d.coldSourceTemp, &d.carrierTemp, &d.carrierPressure, &d.atmPressure};
  if (index < 0 || index >= static_cast<int>(fields.size())) return;
  double& field = *fields[static_cast<std::size_t>(index)];
  if (text.trimmed().isEmpty()) {
    field = 0;
  } else if (const std::optional<double> v = readRealText(text, separator_)) {
    field = *v;
  }
}

QString SystemPage::passwordText() const {
  return sys(sys::PasswordPresent) == 1 ? HexWord(sys(sys::DevicePassword)) : QStringLiteral("0000");
}

void SystemPage::setPassword(const QString& hexText) {
  const ImageChanges::Scope edit = changes_.scope();
  sys(sys::PasswordPresent) = 1;
  sys(sys::DevicePassword) = hexText.isEmpty() ? 0 : HexToInt(hexText).value_or(0) & 0xFFFF;
}

// --- Current generators ------------------------------------------------------

namespace {
bool Present(const CurrentGenRecord& g) {
  const int high = (g.lawDescriptor >> 8) & 0xFF;
  return high != 0x00 && high != 0xFF;
}
}  // namespace

GeneratorView SystemPage::generatorView() const {
  const CurrentGenRecord& g = workspace_.image.currentGenerators[static_cast<std::size_t>(generator_)];
  GeneratorView v;
  v.present = Present(g);
  v.describesAddress = (g.lawDescriptor & 0xFF) != 0x00;
  v.fourToTwenty = Digit(g.lawDescriptor, 0) != 0;
  v.parameter = HexWord(g.paramDescriptor);
  v.scaleEnd = FormatReal8(g.scaleEnd, separator_);
  v.scaleStart = FormatReal8(g.scaleStart, separator_);
  return v;
}

bool SystemPage::anyGeneratorPresent() const {
  for (const CurrentGenRecord& g : workspace_.image.currentGenerators)
    if (Present(g)) return true;
  return false;
}

bool SystemPage::showGenerator(int n) {
  if (n < 0) n = kGeneratorCount - 1;
  if (n >= kGeneratorCount) n = 0;
  generator_ = n;
  if (kindProfile(kind()).generators == 0) return false;
  // The bit tells the device to drive its generators: it follows them, so
  // the last generator removed takes the bit with it.
  return putFunction(SpecialFunction::CurrentGenerator, anyGeneratorPresent());
}

void SystemPage::setGeneratorPresent(bool present) {
  const ImageChanges::Scope edit = changes_.scope();
  CurrentGenRecord& g = workspace_.image.currentGenerators[static_cast<std::size_t>(generator_)];
  g = CurrentGenRecord{};
  if (present) g.lawDescriptor = 0x0100;
  showGenerator(generator_);
}

void SystemPage::setGeneratorDescribesAddress(bool address) {
  const ImageChanges::Scope edit = changes_.scope();
  Word& law = workspace_.image.currentGenerators[static_cast<std::size_t>(generator_)].lawDescriptor;
  law = (law & ~0xFF) | (address ? 0x11 : 0x00);
}

void SystemPage::setGeneratorRange(bool fourToTwenty) {
  const ImageChanges::Scope edit = changes_.scope();
  Word& law = workspace_.image.currentGenerators[static_cast<std::size_t>(generator_)].lawDescriptor;
  law = (law & 0xFF) | ((fourToTwenty ? 0x10 : 0x01) << 8);
}

void SystemPage::setGeneratorParameter(const QString& hexText) {
  const ImageChanges::Scope edit = changes_.scope();
  workspace_.image.currentGenerators[static_cast<std::size_t>(generator_)].paramDescriptor =
      hexText.isEmpty() ? 0 : HexToInt(hexText).value_or(0) & 0xFFFF;
}

void SystemPage::setGeneratorScaleEnd(const QString& text) {
  const ImageChanges::Scope edit = changes_.scope();
  workspace_.image.currentGenerators[static_cast<std::size_t>(generator_)].scaleEnd =
      ParseNumber(text, separator_, presenter_);
}

void SystemPage::setGeneratorScaleStart(const QString& text) {
  const ImageChanges::Scope edit = changes_.scope();
  workspace_.image.currentGenerators[static_cast<std::size_t>(generator_)].scaleStart =
      ParseNumber(text, separator_, presenter_);
}

}  // namespace nastrum
