#include "editor/pages/pipelines/pipeline_page.h"

#include "descriptors/descriptor_digits.h"
#include "descriptors/name_rule.h"
#include "descriptors/pipeline_edit.h"
#include "descriptors/pipeline_references.h"
#include "descriptors/sensor_channels.h"
#include "model/kind_profile.h"
#include "model/message_catalogue.h"
#include "model/real_text.h"

namespace nastrum {

PipelinePageRules::PipelinePageRules(Workspace& workspace, MessagePresenter& presenter, QChar separator, QObject* parent)
    : QObject(parent), workspace_(workspace), presenter_(presenter), separator_(separator) {}

int PipelinePageRules::lastNumber() const { return kindProfile(workspace_.image.deviceKind).pipelines - 1; }

void PipelinePageRules::showPipeline(int n) {
  if (n < 0) n = lastNumber();
  if (n > lastNumber()) n = 0;
  current_ = n;
  chosenFlowRole_.reset();
  hiddenMediumPressure_.reset();
  emit changed();
}

bool PipelinePageRules::showNumberText(const QString& text) {
  bool ok = false;
  const int n = text.trimmed().toInt(&ok);
  if (!ok) {
    ShowMessageCode(presenter_, 15);
    return false;
  }
  showPipeline(n);
  return true;
}

PipelineRecord& PipelinePageRules::record() { return workspace_.image.pipelines[static_cast<std::size_t>(current_)]; }
const PipelineRecord& PipelinePageRules::record() const {
  return workspace_.image.pipelines[static_cast<std::size_t>(current_)];
}

int PipelinePageRules::medium() const { return pipelineMedium(record().mainDescriptor).value_or(PipeOff); }

PipelineView PipelinePageRules::prepareView() {
  // The kind may have changed under the page (a new image): stay in range.
  if (current_ > lastNumber()) current_ = 0;
  applyShowRepairs(record(), workspace_.image.deviceKind);
  return view();
}

PipelineView PipelinePageRules::view() const {
  return pipelineView(workspace_.image, current_, separator_, chosenFlowRole_);
}

FlowRole PipelinePageRules::flowRole() const { return shownFlowRole(workspace_.image, current_, chosenFlowRole_); }

void PipelinePageRules::edited() {
  emit changed();
}

bool PipelinePageRules::askReferences(const ReferenceList& refs) {
  if (refs.empty()) return true;
  const Reference& first = refs.front();
  if (ShowMessageCode(presenter_, first.message, QString::number(first.holder)) != AnswerYes) return false;
  removeReferences(workspace_.image, refs);
  return true;
}

bool PipelinePageRules::switchOff() {
  if (!askReferences(pipelineMediumChangeReferences(workspace_.image, current_, PipeOff))) return false;
  applySwitchOff(record());
  return true;
}

bool PipelinePageRules::chooseMedium(int newMedium) {
  const ImageChanges::Scope edit = changes_.scope();
  PipelineRecord& p = record();
  const auto old = pipelineMedium(p.mainDescriptor);
  if (!old) {  // shown as "ОШИБКА": only the medium digit is put right
    p.mainDescriptor = repairMediumDigit(p.mainDescriptor, newMedium);
    edited();
    return true;
  }
  if (newMedium == *old) return true;
  if (newMedium == PipeOff) {
    if (!switchOff()) return false;
  } else {
    if (!askReferences(pipelineMediumChangeReferences(workspace_.image, current_, newMedium))) return false;
    applyMedium(p, newMedium, workspace_.image.deviceKind);
    // A switched-off pipeline's flow word 0000 would name sensor 0 as the new
    // pipeline's flow sensor: a new pipeline starts with none.
    if (*old == PipeOff) applyFlowRole(p, FlowRole::FlowSensor);
  }
  chosenFlowRole_.reset();
  hiddenMediumPressure_.reset();
  edited();
  return true;
}

void PipelinePageRules::setName(const QString& text) {
  const ImageChanges::Scope edit = changes_.scope();
  storeName(workspace_.image.names.pipelineNames[static_cast<std::size_t>(current_)], text);
  edited();
}

void PipelinePageRules::setHeatOption(int bit, bool set) {
  const ImageChanges::Scope edit = changes_.scope();
  applyHeatOption(record(), bit, set);
  edited();
}

void PipelinePageRules::setGasUnit(int d2) {
  const ImageChanges::Scope edit = changes_.scope();
  applyGasUnit(record(), d2);
  edited();
}

void PipelinePageRules::setCorrection(bool on) {
  const ImageChanges::Scope edit = changes_.scope();
  applyCorrection(record(), on);
  edited();
}

void PipelinePageRules::setCalibration(int code) {
  const ImageChanges::Scope edit = changes_.scope();
  applyCalibration(record(), code);
  edited();
}

void PipelinePageRules::setPayment(const Payment& payment) {
  const ImageChanges::Scope edit = changes_.scope();
  // The payment shown chosen again: its tariff hours and night tariff stay.
  const int kind = workspace_.image.deviceKind;
  if (encodePayment(payment, medium(), kind) == digitOf(record().mainDescriptor, 4)) return;
  applyPayment(record(), payment, kind);
  edited();
}

void PipelinePageRules::setTariffHour(bool night, int hour) {
  const ImageChanges::Scope edit = changes_.scope();
  applyTariffHour(record(), night, hour);
  edited();
}

bool PipelinePageRules::chooseFlowRole(FlowRole role) {
  const ImageChanges::Scope edit = changes_.scope();
  if (const int refusal = flowRoleRefusal(medium(), workspace_.image.deviceKind, role)) {
    ShowMessageCode(presenter_, refusal);
    return false;
  }
  // The role shown chosen again keeps its sensors, share and overflow.
  if (role == flowRole()) return true;
  applyFlowRole(record(), role);
  chosenFlowRole_ = role;
  edited();
  return true;
}

void PipelinePageRules::chooseFlowItem(std::optional<int> item) {
  const ImageChanges::Scope edit = changes_.scope();
  const FlowRole role = flowRole();
  if (role == FlowRole::FromPipeline)
    applyFlowSource(record(), item);
  else
    applyFlowSensor(record(), role, item);
  edited();
}

void PipelinePageRules::chooseRoleByte(PipelineRole role, int byte) {
  const ImageChanges::Scope edit = changes_.scope();
  applyRoleByte(record(), role, byte);
  edited();
}

void PipelinePageRules::chooseOverflow(std::optional<int> pipeline) {
  const ImageChanges::Scope edit = changes_.scope();
  record().bigPipeRef = withOverflow(record().bigPipeRef, pipeline);
  edited();
}

void PipelinePageRules::setCutoffPresent(bool present) {
  const ImageChanges::Scope edit = changes_.scope();
  if (present == pipelineCutoffCode(record()).has_value()) return;  // keeps the terminals chosen
  applyPipelineCutoff(record(), present ? defaultCutoffCode(workspace_.image.deviceKind) : kNoCutoff);
  edited();
}

void PipelinePageRules::chooseCutoffPlace(const QString& module, const QString& pair) {
  const ImageChanges::Scope edit = changes_.scope();
  const int kind = workspace_.image.deviceKind;
  auto code = cutoffCode(kind, module, pair);
  if (!code) {  // a new module: its first terminals
    for (const ChannelModule& m : cutoffModules(kind))
      if (m.name == module && !m.pairs.isEmpty()) code = cutoffCode(kind, module, m.pairs.first());
  }
  if (!code) return;
  applyPipelineCutoff(record(), *code);
  edited();
}

bool PipelinePageRules::setTemperatureComputed(bool computed) {
  const ImageChanges::Scope edit = changes_.scope();
  if (const int refusal = temperatureSourceRefusal(record(), computed)) {
    ShowMessageCode(presenter_, refusal);
    return false;
  }
  if (computed == isTemperatureComputed(record())) return true;  // keeps the sensors shown
  applyTemperatureSource(record(), computed);
  edited();
  return true;
}

bool PipelinePageRules::setPressureComputed(bool computed) {
  const ImageChanges::Scope edit = changes_.scope();
  if (const int refusal = pressureSourceRefusal(record(), computed)) {
    ShowMessageCode(presenter_, refusal);
    return false;
  }
  PipelineRecord& p = record();
  if (computed == isPressureComputed(p)) return true;  // keeps the sensors shown
  int mediumChoice = kNoReference;
  if (computed) {
    if (!isPressureComputed(p)) hiddenMediumPressure_ = roleByte(p, PipelineRole::PressureMedium);
  } else {
    // The list shows again with what it held, if it can still offer that
    // (another page may have changed the sensor meanwhile).
    const int held = hiddenMediumPressure_.value_or(kNoReference);
    if (held != kComputed && isRoleByteValid(workspace_.image, current_, PipelineRole::PressureMedium, held))
      mediumChoice = held;
    hiddenMediumPressure_.reset();
  }
  applyPressureSource(p, computed, mediumChoice);
  edited();
  return true;
}

bool PipelinePageRules::setLink(int q, bool linked) {
  const ImageChanges::Scope edit = changes_.scope();
  if (q == current_ || q < 0 || q > lastNumber()) return false;
  if (linked) {
    if (const int refusal = linkRefusal(workspace_.image, current_, q)) {
      ShowMessageCode(presenter_, refusal, QString::number(current_));
      return false;
    }
  }
  applyLink(workspace_.image, current_, q, linked);
  edited();
  return true;
}

bool PipelinePageRules::enterReal(PipelineReal field, const QString& text) {
  const ImageChanges::Scope edit = changes_.scope();
  const QString trimmed = text.trimmed();
  if (field == PipelineReal::MonthFactor && trimmed == QStringLiteral("-")) return true;  // a sign still being typed
  double value = ParseNumber(text, separator_, presenter_);
  const bool share = flowRole() == FlowRole::FromPipeline;
  const int message = realEntryMessage(field, value, share);
  if (message != 0) {
    ShowMessageCode(presenter_, message);
    value = 0;
  }
  PipelineRecord& p = record();
  switch (field) {
    case PipelineReal::Humidity: p.nightTariff = humidityFromPercent(value); break;
    case PipelineReal::MonthFactor: p.monthFactor = storedMonthFactor(value); break;
    default: realField(p, field) = value; break;
  }
  edited();
  return message == 0;
}

void PipelinePageRules::copy() {
  clipboard_ = record();
  copiedFrom_ = current_;
  copiedKind_ = workspace_.image.deviceKind;
}

bool PipelinePageRules::canPaste() const {
  return (clipboard_.mainDescriptor & 0xFFFF) != 0 && copiedKind_ == workspace_.image.deviceKind;
}

bool PipelinePageRules::paste() {
  const ImageChanges::Scope edit = changes_.scope();
  if (!canPaste() || copiedFrom_ == current_) return false;
  if (!isActivePipeline(record().mainDescriptor) && pipelineMedium(record().mainDescriptor)) {
    if (!switchOff()) return false;
  }
  PipelineRecord& p = record();
  PipelineRecord pasted = clipboard_;
  pasted.number = p.number;
  pasted.pressureSensors = p.pressureSensors;
  // What pointed from the copied pipeline at this one would point at itself.
  if (isWaterOrSteam(pipelineMedium(pasted.mainDescriptor).value_or(PipeOff)))
    pasted.densityCalorLink = withLink(pasted.densityCalorLink, current_, false);
  if (decodeFlowSource(pasted.flowSensors) == current_) pasted.flowSensors = encodeFlowSource(std::nullopt);
  if (decodeOverflow(pasted.bigPipeRef) == current_) pasted.bigPipeRef = withOverflow(pasted.bigPipeRef, std::nullopt);
  p = pasted;
  chosenFlowRole_.reset();
  edited();
  return true;
}

}  // namespace nastrum
