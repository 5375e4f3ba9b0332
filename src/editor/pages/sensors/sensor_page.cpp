#include "editor/pages/sensors/sensor_page.h"

#include <algorithm>
#include <cmath>

#include "descriptors/descriptor_digits.h"
#include "descriptors/name_rule.h"
#include "descriptors/sensor_edit.h"
#include "descriptors/sensor_show.h"
#include "model/hex_text.h"
#include "model/kind_profile.h"
#include "model/message_catalogue.h"
#include "model/real_text.h"

namespace nastrum {

namespace {

constexpr int kNotANumberMessage = 1;
constexpr int kNegativeValueMessage = 8;
constexpr int kNoTemperatureSensorsMessage = 45;

}  // namespace

SensorPage::SensorPage(Workspace& workspace, MessagePresenter& presenter, QChar separator)
    : workspace_(workspace), presenter_(presenter), separator_(separator) {}

// --- Navigation ------------------------------------------------------------

int SensorPage::sensorCount() const { return kindProfile(workspace_.image.deviceKind).sensors; }

std::optional<int> SensorPage::numberFromText(const QString& text) const {
  bool ok = false;
  const long long n = text.trimmed().toLongLong(&ok);
  if (!ok) {
    ShowMessageCode(presenter_, kNotANumberMessage);
    return std::nullopt;
  }
  if (n < 0) return sensorCount() - 1;
  if (n >= sensorCount()) return 0;
  return static_cast<int>(n);
}

void SensorPage::show(int n) {
  current_ = std::clamp(n, 0, sensorCount() - 1);
  repairSensorOnShow(workspace_.image, current_);
  const SensorView v = view();
  error_ = v.family == SensorFamily::Invalid || (v.family == SensorFamily::Conditional && !v.conversion);
}

// --- What the controls show --------------------------------------------------

const SensorRecord& SensorPage::record() const {
  return workspace_.image.sensors[static_cast<std::size_t>(current_)];
}

SensorRecord& SensorPage::rec() { return workspace_.image.sensors[static_cast<std::size_t>(current_)]; }

SensorView SensorPage::view() const { return decodeSensor(record(), kind()); }

QString SensorPage::realText(double value) const { return FormatReal8(value, separator_); }

namespace {

// The field of a record that a real control edits; works for const and
// mutable records alike.
template <typename Record>
auto& realField(Record& s, SensorReal which) {
  switch (which) {
    case SensorReal::Const1: return s.const1;
    case SensorReal::Const2: return s.const2;
    case SensorReal::Const3: return s.const3;
    case SensorReal::MaxValue: return s.maxValue;
    case SensorReal::MinValue: return s.minValue;
    case SensorReal::SubstAboveMax: return s.substAboveMax;
    case SensorReal::SubstBelowMin: return s.substBelowMin;
    case SensorReal::SubstOnFault: return s.substOnFault;
    case SensorReal::MonthFactor: break;
  }
  return s.monthFactor;
}

}  // namespace

double& SensorPage::realRef(SensorReal which) { return realField(rec(), which); }

double SensorPage::real(SensorReal which) const { return realField(record(), which); }

QString SensorPage::name() const {
  return nameText(workspace_.image.names.sensorNames[static_cast<std::size_t>(current_)]);
}

void SensorPage::edited(const QString& written) { lastWritten_ = written; }

void SensorPage::editedDescriptor() { edited(HexWord(record().mainDescriptor & 0xFFFF)); }

void SensorPage::editedReal(double value) { edited(realText(value)); }

bool SensorPage::confirm(const ReferenceList& refs) {
  if (refs.empty()) return true;
  const Reference& first = refs.front();
  if (ShowMessageCode(presenter_, first.message, QString::number(first.holder)) != AnswerYes) return false;
  removeReferences(workspace_.image, refs);
  return true;
}

bool SensorPage::confirmChange(SensorChangeKind kind, int value) {
  return confirm(sensorChangeReferences(workspace_.image, current_, {kind, value}));
}

// --- Family and analog choices -------------------------------------------------

bool SensorPage::chooseFamily(int familyChoice) {
  const ImageChanges::Scope edit = changes_.scope();
  const SensorView v = view();
  if (error_ && familyChoice != ChooseAbsent) {
    repairFamilyDigit(rec(), familyChoice, kind());
    editedDescriptor();
    show(current_);
    return true;
  }
  if (!error_ && familyChoiceOf(v.family) == familyChoice) return true;
  if (!confirmChange(SensorChangeKind::Family, familyChoice)) return false;
  applyFamily(rec(), familyChoice, kind());
  editedDescriptor();
  show(current_);
  return true;
}

void SensorPage::chooseStorage(bool withStorage) {
  const ImageChanges::Scope edit = changes_.scope();
  applyStorage(rec(), withStorage);
  editedDescriptor();
}

bool SensorPage::chooseQuantity(int quantity) {
  const ImageChanges::Scope edit = changes_.scope();
  if (view().quantity == quantity) return true;
  if (!confirmChange(SensorChangeKind::Quantity, quantity)) return false;
  applyQuantity(rec(), quantity);
  editedDescriptor();
  return true;
}

bool SensorPage::choosePressureKind(int absolute) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!confirmChange(SensorChangeKind::PressureKind, absolute)) return false;
  applyPressureKind(rec(), absolute);
  editedDescriptor();
  return true;
}

void SensorPage::choosePressureUnit(int unitCode) {
  const ImageChanges::Scope edit = changes_.scope();
  applyPressureUnit(rec(), unitCode);
  editedDescriptor();
}

void SensorPage::chooseTap(int tapCode) {
  const ImageChanges::Scope edit = changes_.scope();
  applyTap(rec(), tapCode);
  editedDescriptor();
}

void SensorPage::chooseDiffUnit(int unitCode) {
  const ImageChanges::Scope edit = changes_.scope();
  applyDiffUnit(rec(), unitCode);
  editedDescriptor();
}

bool SensorPage::chooseFlowKind(int flowKind) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!confirmChange(SensorChangeKind::FlowKind, flowKind)) return false;
  applyFlowKind(rec(), flowKind, kind());
  editedDescriptor();
  return true;
}

void SensorPage::choosePulseWeight(int code) {
  const ImageChanges::Scope edit = changes_.scope();
  applyPulseWeight(rec(), code);
  editedDescriptor();
}

void SensorPage::chooseTemperatureKind(int temperatureKind, int sub) {
  const ImageChanges::Scope edit = changes_.scope();
  applyTemperatureKind(rec(), temperatureKind, sub);
  editedDescriptor();
}

void SensorPage::chooseRtd(int rtdD3) { chooseTemperatureKind(Rtd, rtdD3); }

void SensorPage::chooseRtdStandard(int rtdStandard) {
  const ImageChanges::Scope edit = changes_.scope();
  applyRtdStandard(rec(), rtdStandard);
  editedReal(record().const2);
}

void SensorPage::chooseThermocouple(int d3) {
  const ImageChanges::Scope edit = changes_.scope();
  applyThermocoupleType(rec(), d3);
  editedDescriptor();
}

void SensorPage::chooseSignal(int signal) {
  const ImageChanges::Scope edit = changes_.scope();
  applySignal(rec(), signal);
  editedDescriptor();
}

void SensorPage::chooseFault(int code) {
  const ImageChanges::Scope edit = changes_.scope();
  applyFault(rec(), code, kind());
  editedDescriptor();
}

// --- Connection ------------------------------------------------------------------

bool SensorPage::chooseChannel(const QString& module, const QString& pair, bool filtered) {
  const ImageChanges::Scope edit = changes_.scope();
  const SensorFamily family = view().family;
  const auto code = channelCode(kind(), family, module, pair, filtered);
  if (!code) return false;
  // The module choice writes a pulse sensor's family digit; terminals and the
  // bounce filter of the module shown leave it (and its storage flag) alone.
  const auto shown = view().channel;
  const bool moduleChosen = !shown || shown->module != module;
  int moduleD1 = 0;
  if (isPulseFamily(family) && moduleChosen)
    for (const ChannelModule& m : channelModules(kind(), family))
      if (m.name == module) moduleD1 = m.pulseD1;
  applyChannel(rec(), *code, moduleD1);
  edited(HexWord(record().auxDescriptor & 0xFFFF));
  return true;
}

bool SensorPage::chooseCutoff(std::optional<ChannelPlace> place) {
  const ImageChanges::Scope edit = changes_.scope();
  int code = kNoCutoff;
  if (place) {
    if (place->module.isEmpty()) {
      code = defaultCutoffCode(kind());
    } else {
      const auto found = cutoffCode(kind(), place->module, place->pair);
      if (!found) return false;
      code = *found;
    }
  }
  applyCutoff(rec(), code);
  edited(HexWord(record().auxDescriptor & 0xFFFF));
  return true;
}

// --- Reals -----------------------------------------------------------------------

void SensorPage::setReal(SensorReal which, const QString& text) {
  const ImageChanges::Scope edit = changes_.scope();
  const double empty = which == SensorReal::MonthFactor ? 1.0 : 0.0;
  const double value = text.trimmed().isEmpty() ? empty : ParseNumber(text, separator_, presenter_);
  realRef(which) = value;
  editedReal(value);
}

bool SensorPage::setColdJunctionPresent(bool present) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!present) {
    applyColdJunction(rec(), std::nullopt);
    editedReal(record().const2);
    return true;
  }
  const auto candidates = coldJunctionCandidates(workspace_.image, current_);
  if (candidates.empty()) {
    ShowMessageCode(presenter_, kNoTemperatureSensorsMessage);
    return false;
  }
  chooseColdJunction(candidates.front());
  return true;
}

void SensorPage::chooseColdJunction(int sensor) {
  const ImageChanges::Scope edit = changes_.scope();
  applyColdJunction(rec(), sensor);
  editedReal(record().const2);
}

bool SensorPage::setLiquidColumn(const QString& density, const QString& height, bool belowPipe) {
  const ImageChanges::Scope edit = changes_.scope();
  auto read = [this](const QString& t) {
    return t.trimmed().isEmpty() ? 0.0 : ParseNumber(t, separator_, presenter_);
  };
  const double rho = read(density), h = read(height);
  if (rho < 0 || h < 0) {
    // The stored constant stays: a rejected entry must not lose it.
    ShowMessageCode(presenter_, kNegativeValueMessage);
    return false;
  }
  const bool mpa = (digitOf(record().mainDescriptor, 3) & 8) != 0;
  rec().const2 = liquidColumnConst2(rho, h, mpa, belowPipe);
  editedReal(record().const2);
  return true;
}

void SensorPage::setPipeSide(bool belowPipe) {
  const ImageChanges::Scope edit = changes_.scope();
  const double magnitude = std::fabs(record().const2);
  rec().const2 = belowPipe ? -magnitude : magnitude;
  editedReal(record().const2);
}

void SensorPage::setCharacteristic(const QString& gmin, const QString& fmin, const QString& gmax,
                                   const QString& fmax) {
  const ImageChanges::Scope edit = changes_.scope();
  auto read = [this](const QString& t) {
    return t.trimmed().isEmpty() ? 0.0 : ParseNumber(t, separator_, presenter_);
  };
  const double g0 = read(gmin), f0 = read(fmin), g1 = read(gmax), f1 = read(fmax);
  SensorRecord& s = rec();
  s.const1 = g0;
  s.const3 = f0;
  s.const2 = storedFrequencySlope(g0, f0, g1, f1);
  editedReal(s.const2);
}

// --- Conditional sensors -------------------------------------------------------------

bool SensorPage::chooseConversion(int conversion) {
  const ImageChanges::Scope edit = changes_.scope();
  if (error_) {
    repairConversion(rec(), conversion);
    editedDescriptor();
    show(current_);
    return true;
  }
  const auto current = view().conversion;
  if (current == conversion) return true;
  if (!confirmChange(SensorChangeKind::Conversion, conversion)) return false;
  if (isArithmetic(conversion) && !(current && isArithmetic(*current))) {
    // A parameter number or table reference left in the words would read as
    // a sign, a cutoff or a formula: start from the arithmetic defaults.
    SensorRecord& s = rec();
    s.auxDescriptor = defaultAuxDescriptor(ChooseConditional, kind());
    s.const1 = s.const2 = s.const3 = 0;
  }
  const auto& table0 = workspace_.image.tableFunctions[0];
  applyConversion(rec(), conversion, kind(), isVariableStep(table0));
  editedDescriptor();
  return true;
}

void SensorPage::chooseConditionalStorage(int d2) {
  const ImageChanges::Scope edit = changes_.scope();
  applyConditionalStorage(rec(), d2);
  editedDescriptor();
}

void SensorPage::chooseSignStorage(int a1) {
  const ImageChanges::Scope edit = changes_.scope();
  applySignStorage(rec(), a1);
  edited(HexWord(record().auxDescriptor & 0xFFFF));
}

Term SensorPage::term(int index) const {
  const SensorRecord& s = record();
  return decodeTerm(index == 0 ? s.const1 : index == 1 ? s.const2 : s.const3);
}

void SensorPage::storeTerm(int index, const Term& t) {
  const ImageChanges::Scope edit = changes_.scope();
  applyTerm(rec(), index, t);
  editedReal(encodeTerm(t));
}

void SensorPage::setTermPresent(int index, bool present) {
  const ImageChanges::Scope edit = changes_.scope();
  Term t;
  t.present = present;  // a new term starts as "+", number 0, weight 0
  storeTerm(index, t);
}

void SensorPage::setTermNegative(int index, bool negative) {
  const ImageChanges::Scope edit = changes_.scope();
  Term t = term(index);
  if (!t.present) return;
  t.negative = negative;
  storeTerm(index, t);
}

bool SensorPage::setTermNumber(int index, const QString& text) {
  const ImageChanges::Scope edit = changes_.scope();
  Term t = term(index);
  if (!t.present) return false;
  bool ok = true;
  const int number = text.trimmed().isEmpty() ? 0 : text.trimmed().toInt(&ok);
  const bool sensorSource = digitOf(record().mainDescriptor, 3) == SumSensors;
  const int message = ok ? termNumberMessage(sensorSource, number) : (sensorSource ? 48 : 47);
  t.number = message == 0 ? number : 0;
  storeTerm(index, t);
  if (message != 0) ShowMessageCode(presenter_, message);
  return message == 0;
}

bool SensorPage::setTermWeight(int index, const QString& text) {
  const ImageChanges::Scope edit = changes_.scope();
  Term t = term(index);
  if (!t.present) return false;
  const double weight = text.trimmed().isEmpty() ? 0.0 : ParseNumber(text, separator_, presenter_);
  const int message = termWeightMessage(weight);
  t.weight = message == 0 ? weight : 0.0;
  storeTerm(index, t);
  if (message != 0) ShowMessageCode(presenter_, message);
  return message == 0;
}

bool SensorPage::setParameterNumber(const QString& hexText) {
  const ImageChanges::Scope edit = changes_.scope();
  const QString text = hexText.trimmed();
  if (text.size() > 4) return false;
  for (QChar c : text)
    if (!c.isDigit() && !(c.toUpper() >= u'A' && c.toUpper() <= u'F')) return false;
  // An emptied field stores 0, as the real fields do, so the field never
  // reads blank over a number the image still holds.
  const auto number = text.isEmpty() ? std::optional<Word>(0) : HexToInt(text.toUpper());
  if (!number) return false;
  applyParameterNumber(rec(), static_cast<int>(*number));
  edited(HexWord(record().auxDescriptor & 0xFFFF));
  return true;
}

// --- Table functions ---------------------------------------------------------------

std::optional<TableRef> SensorPage::tableRef() const { return decodeTableRef(record().const1, kind()); }

bool SensorPage::tableHasVariableStep() const {
  const auto ref = tableRef();
  return ref && isVariableStep(workspace_.image.tableFunctions[static_cast<std::size_t>(ref->table)]);
}

void SensorPage::chooseTable(int table) {
  const ImageChanges::Scope edit = changes_.scope();
  if (table < 0 || table >= tableCount(kind())) return;
  const auto& values = workspace_.image.tableFunctions[static_cast<std::size_t>(table)];
  rec().const1 = encodeTableRef({table, isVariableStep(values)});
  editedReal(record().const1);
}

bool SensorPage::chooseTableStep(bool variableStep) {
  const ImageChanges::Scope edit = changes_.scope();
  const auto ref = tableRef();
  if (!ref) return false;
  const auto& values = workspace_.image.tableFunctions[static_cast<std::size_t>(ref->table)];
  if (isVariableStep(values) == variableStep) return true;
  if (!AskYesNo(presenter_, tableStepQuestion(functionalSensorsOnTable(workspace_.image, ref->table, current_))))
    return false;
  applyTableStep(workspace_.image, current_, ref->table, variableStep);
  editedReal(record().const1);
  return true;
}

double SensorPage::tableValue(int index) const {
  const auto ref = tableRef();
  if (!ref || index < 0 || index >= kTablePoints) return 0;
  return workspace_.image.tableFunctions[static_cast<std::size_t>(ref->table)][static_cast<std::size_t>(index)];
}

void SensorPage::setTableValue(int index, const QString& text) {
  const ImageChanges::Scope edit = changes_.scope();
  const auto ref = tableRef();
  if (!ref || index < 0 || index >= kVariableStepIndex) return;
  const double value = text.trimmed().isEmpty() ? 0.0 : ParseNumber(text, separator_, presenter_);
  image().tableFunctions[static_cast<std::size_t>(ref->table)][static_cast<std::size_t>(index)] = value;
  editedReal(value);
}

// --- Name -------------------------------------------------------------------------------

void SensorPage::setName(const QString& text) {
  const ImageChanges::Scope edit = changes_.scope();
  storeName(image().names.sensorNames[static_cast<std::size_t>(current_)], text);
  edited(nameForSlot(text));
}

// --- Copy and paste ----------------------------------------------------------------------

void SensorPage::copy() {
  const SensorRecord& s = record();
  buffer_ = {workspace_.image.deviceKind, s.number, s.mainDescriptor, s.auxDescriptor,
             {s.const1, s.const2, s.const3, s.maxValue, s.minValue, s.substAboveMax, s.substBelowMin,
              s.substOnFault, s.monthFactor}};
}

bool SensorPage::canPaste() const {
  return buffer_.mainDescriptor != 0 && buffer_.kind == workspace_.image.deviceKind;
}

bool SensorPage::paste() {
  const ImageChanges::Scope edit = changes_.scope();
  if (!canPaste() || buffer_.number == record().number) return false;
  if (view().family == SensorFamily::Absent) {
    // An empty sensor may still be named by archives: the family change asks.
    if (!confirmChange(SensorChangeKind::Family, ChooseAbsent)) return false;
    applyFamily(rec(), ChooseAbsent, kind());
  }
  SensorRecord& s = rec();
  s.mainDescriptor = buffer_.mainDescriptor;
  s.auxDescriptor = buffer_.auxDescriptor;
  const auto& r = buffer_.reals;
  s.const1 = r[0];
  s.const2 = r[1];
  s.const3 = r[2];
  s.maxValue = r[3];
  s.minValue = r[4];
  s.substAboveMax = r[5];
  s.substBelowMin = r[6];
  s.substOnFault = r[7];
  s.monthFactor = r[8];
  editedDescriptor();
  show(current_);
  return true;
}

}  // namespace nastrum
