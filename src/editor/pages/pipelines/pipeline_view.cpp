#include "editor/pages/pipelines/pipeline_view.h"

#include <algorithm>

#include "descriptors/descriptor_digits.h"
#include "descriptors/kind_codes.h"
#include "descriptors/name_rule.h"
#include "descriptors/pipeline_codes.h"
#include "descriptors/pipeline_edit.h"
#include "descriptors/sensor_channels.h"
#include "descriptors/sensor_hint.h"
#include "model/kind_profile.h"

namespace nastrum {

const RoleView& PipelineView::role(PipelineRole r) const {
  const auto it = std::find(kSensorPageRoles.begin(), kSensorPageRoles.end(), r);
  return roles[static_cast<std::size_t>(it - kSensorPageRoles.begin())];
}

namespace {

ListView listOf(ChoiceList choices, int code) {
  ListView v;
  v.visible = true;
  v.choices = std::move(choices);
  v.index = v.choices.indexOfCode(code).value_or(-1);
  v.error = v.index < 0;
  return v;
}

// A list of sensors by number: each item hints at the sensor's name and quantity.
ListView sensorListOf(const SettingsImage& image, ChoiceList choices, int code) {
  return listOf(withSensorHints(image, choices), code);
}

bool contains(const std::vector<PipelineRole>& roles, PipelineRole r) {
  return std::find(roles.begin(), roles.end(), r) != roles.end();
}

RoleView roleView(const SettingsImage& image, int n, PipelineRole role, int medium) {
  RoleView v;
  const PipelineRecord& rec = image.pipelines[static_cast<std::size_t>(n)];
  const int byte = roleByte(rec, role);
  v.sensors = sensorListOf(image, roleSensorChoices(image, n, role), byte);
  const ChoiceList constants = roleConstantChoices(role, medium);
  if (!constants.isEmpty()) {
    const bool constant = byte == kNoReference || byte == kPipeConstant1 || byte == kPipeConstant2;
    v.constants = listOf(constants, constant ? byte : kNoReference);
    v.constants.error = false;
    if (constant) {
      v.sensors.index = v.sensors.choices.indexOfCode(kNoReference).value_or(-1);
      v.sensors.error = false;
    }
  }
  // A computed quantity of saturated steam hides its lists; it is not an error.
  if (byte == kComputed && isRoleByteValid(image, n, role, byte)) v.sensors.error = false;
  return v;
}

void showReal(PipelineView& v, const PipelineRecord& rec, PipelineReal f, QChar separator) {
  RealView& r = v.real(f);
  r.visible = true;
  r.text = realText(rec, f, separator);
}

void describeFlow(PipelineView& v, const SettingsImage& image, int n, int medium, QChar sep,
                  std::optional<FlowRole> chosen) {
  const PipelineRecord& rec = image.pipelines[static_cast<std::size_t>(n)];
  const int kind = image.deviceKind;
  const FlowRole role = shownFlowRole(image, n, chosen);
  // Electricity measures only its flow with a flow sensor.
  const bool electricity = kindCodes(kind).electricityCarrier && medium == OtherCarrier;
  v.flowRole = listOf(flowRoleChoices(), static_cast<int>(role));
  v.flowRole.visible = !electricity;
  v.diameterCaption = QStringLiteral("Диаметр трубопровода");
  switch (role) {
    case FlowRole::FlowSensor:
      v.flowListCaption = electricity ? QStringLiteral("№ датчика") : QStringLiteral("№ датчика расхода");
      v.flowList = sensorListOf(image, roleSensorChoices(image, n, PipelineRole::FlowSensor), highByte(rec.flowSensors));
      if (!electricity) showReal(v, rec, PipelineReal::PipeDiameter, sep);
      break;
    case FlowRole::DiffPressure:
      v.flowListCaption = QStringLiteral("№ дат. основн. диапазона");
      v.flowList = sensorListOf(image, roleSensorChoices(image, n, PipelineRole::DiffMain), highByte(rec.flowSensors));
      v.diffSubList = sensorListOf(image, roleSensorChoices(image, n, PipelineRole::DiffSub), lowByte(rec.flowSensors));
      v.calibration = listOf(calibrationChoices(), digitOf(rec.mainDescriptor, 3) & 8);
      showReal(v, rec, PipelineReal::PipeDiameter, sep);
      for (PipelineReal f : {PipelineReal::OrificeDiameter, PipelineReal::PipeExpansion, PipelineReal::OrificeExpansion})
        showReal(v, rec, f, sep);
      if (kindProfile(kind).pipeRoughness) showReal(v, rec, PipelineReal::Roughness, sep);
      {
        ChoiceList targets = numberChoices(flowSourcePipelines(image, n), kNoReference);
        const auto overflow = decodeOverflow(rec.bigPipeRef);
        const int high = highByte(rec.bigPipeRef);
        v.overflow = listOf(std::move(targets), overflow ? *overflow : (high == 0 ? kNoReference : -1));
      }
      break;
    case FlowRole::FromPipeline: {
      v.flowListCaption = QStringLiteral("Расход из трубопров. №");
      const auto source = decodeFlowSource(rec.flowSensors);
      const bool none = rec.flowSensors == 0x8000;
      v.flowList = listOf(flowSourceChoices(image, n), source ? *source : (none ? kNoReference : -1));
      v.diameterCaption = QStringLiteral("Доля расхода:");
      showReal(v, rec, PipelineReal::PipeDiameter, sep);
      break;
    }
  }
}

void describePayment(PipelineView& v, const PipelineRecord& rec, int medium, int kind, QChar sep) {
  const auto pay = decodePayment(digitOf(rec.mainDescriptor, 4), medium, kind);
  v.payment = listOf(paymentChoices(), pay ? (pay->paid ? 1 : 0) : -1);
  if (!pay || !pay->paid) return;
  showReal(v, rec, PipelineReal::MainTariff, sep);
  if (showsPaymentType(medium, kind)) v.paymentType = listOf(paymentTypeChoices(), pay->type);
  if (showsTariff(medium, kind)) v.tariff = listOf(tariffChoices(), pay->doubleTariff ? 1 : 0);
  if (!pay->doubleTariff) return;
  showReal(v, rec, PipelineReal::NightTariff, sep);
  const int day = highByte(rec.impurityTariff), night = lowByte(rec.impurityTariff);
  for (auto [list, byte] : {std::pair{&v.dayHour, day}, std::pair{&v.nightHour, night}}) {
    *list = listOf(tariffHourChoices(), byte);
    if (byte == kNoTariffHour) list->error = false;  // no hour chosen yet
  }
}

void describeCutoff(PipelineView& v, const PipelineRecord& rec, int kind) {
  const auto code = pipelineCutoffCode(rec);
  v.cutoff = listOf(correctionChoices(), code ? 1 : 0);  // "Есть" / "Нет"
  if (!code) return;
  ChoiceList modules;
  const auto all = cutoffModules(kind);
  for (std::size_t i = 0; i < all.size(); ++i) modules.add(static_cast<int>(i), all[i].name);
  const auto place = decodeCutoff(kind, *code);
  v.cutoffModule = listOf(modules, place ? modules.codeOfText(place->module).value_or(-1) : -1);
  v.cutoffPair.visible = true;
  if (v.cutoffModule.index >= 0) {
    ChoiceList pairs;
    const QStringList& names = all[static_cast<std::size_t>(v.cutoffModule.index)].pairs;
    for (int i = 0; i < names.size(); ++i) pairs.add(i, names[i]);
    v.cutoffPair = listOf(pairs, pairs.codeOfText(place->pair).value_or(-1));
  }
}

void describeLinks(PipelineView& v, const SettingsImage& image, int n) {
  const PipelineRecord& rec = image.pipelines[static_cast<std::size_t>(n)];
  v.linksVisible = true;
  // The caption warns of a pipeline that links others while it is linked
  // itself, which message 20 refuses to make.
  v.linkedByAnother = (rec.densityCalorLink & 0xFFFF) != 0 && isConditionallyLinked(image, n);
  const int count = kindProfile(image.deviceKind).pipelines;
  for (int q = 0; q < count; ++q)
    v.links.push_back({q == 0 ? QStringLiteral("№0") : QString::number(q), isLinked(rec.densityCalorLink, q), q != n});
}

}  // namespace

FlowRole shownFlowRole(const SettingsImage& image, int n, std::optional<FlowRole> chosen) {
  const FlowRole role = flowRoleOf(image, n);
  const Word flow = image.pipelines[static_cast<std::size_t>(n)].flowSensors;
  if (chosen == FlowRole::DiffPressure && role == FlowRole::FlowSensor && highByte(flow) == kNoReference)
    return FlowRole::DiffPressure;
  return role;
}

PipelineView pipelineView(const SettingsImage& image, int n, QChar sep, std::optional<FlowRole> chosenFlowRole) {
  PipelineView v;
  const int kind = image.deviceKind;
  const PipelineRecord& rec = image.pipelines[static_cast<std::size_t>(n)];
  v.number = n;
  v.lastNumber = kindProfile(kind).pipelines - 1;
  v.name = nameText(image.names.pipelineNames[static_cast<std::size_t>(n)]);
  v.nameMaxLength = nameMaxLength(v.name);
  const auto medium = pipelineMedium(rec.mainDescriptor);
  v.medium = listOf(mediumChoices(kind), medium.value_or(-1));
  if (!medium || *medium == PipeOff) return v;
  v.active = true;
  const Word main = rec.mainDescriptor;

  if (isWaterOrSteam(*medium)) {
    const int d2 = digitOf(main, 2);
    v.heatReference = listOf(heatReferenceChoices(), d2 & 4);
    v.flowUnit = listOf(flowUnitChoices(), d2 & 1);
    v.heatUnit = listOf(heatUnitChoices(), d2 & 2);
    describeLinks(v, image, n);
  }
  if (*medium == NaturalGas) {
    v.gasUnit = listOf(gasUnitChoices(), digitOf(main, 2));
    for (PipelineReal f : {PipelineReal::GasCalorific, PipelineReal::CO2, PipelineReal::N2})
      showReal(v, rec, f, sep);
    if (contains(rolesUsed(image, n), PipelineRole::Humidity)) showReal(v, rec, PipelineReal::Humidity, sep);
  }
  if (isGas(*medium)) showReal(v, rec, PipelineReal::GasDensity, sep);
  if (*medium == TechnicalGas && kindCodes(kind).technicalGasProperties)
    for (PipelineReal f : {PipelineReal::Compressibility, PipelineReal::Viscosity, PipelineReal::Adiabatic})
      showReal(v, rec, f, sep);
  if (isWaterOrSteam(*medium) || *medium == TechnicalLiquid)
    for (PipelineReal f : {PipelineReal::Constant1, PipelineReal::Constant2}) showReal(v, rec, f, sep);

  v.correction = listOf(correctionChoices(), digitOf(main, 3) & 1);
  describeFlow(v, image, n, *medium, sep, chosenFlowRole);
  describePayment(v, rec, *medium, kind, sep);
  describeCutoff(v, rec, kind);
  const bool electricity = kindCodes(kind).electricityCarrier && *medium == OtherCarrier;
  v.monthFactorCaption = electricity ? QStringLiteral("Коэффициент пересчета")
                                     : QStringLiteral("Коэффициент пересчета трубопровода");
  showReal(v, rec, PipelineReal::MonthFactor, sep);

  if (*medium == SaturatedSteam) {
    v.temperatureSource = listOf(temperatureSourceChoices(), isTemperatureComputed(rec) ? 1 : 0);
    v.pressureSource = listOf(pressureSourceChoices(), isPressureComputed(rec) ? 1 : 0);
  }
  const auto used = rolesUsed(image, n);
  for (std::size_t i = 0; i < kSensorPageRoles.size(); ++i) {
    const PipelineRole role = kSensorPageRoles[i];
    if (!contains(used, role)) continue;
    const bool hiddenByComputed =
        ((role == PipelineRole::TempMeasure || role == PipelineRole::TempInlet) && isTemperatureComputed(rec) &&
         *medium == SaturatedSteam) ||
        (role == PipelineRole::PressureMedium && isPressureComputed(rec) && *medium == SaturatedSteam);
    if (hiddenByComputed) continue;
    v.roles[i] = roleView(image, n, role, *medium);
  }
  return v;
}

}  // namespace nastrum
