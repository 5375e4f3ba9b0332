#include "descriptors/pipeline_roles.h"
#include "model/kind_profile.h"

#include "descriptors/descriptor_digits.h"
#include "descriptors/kind_codes.h"
#include "descriptors/sensor_codes.h"

namespace nastrum {

namespace {

const PipelineRecord& pipe(const SettingsImage& image, int p) {
  return image.pipelines[static_cast<std::size_t>(p)];
}

int mediumOf(const SettingsImage& image, int p) {
  return pipelineMedium(pipe(image, p).mainDescriptor).value_or(PipeOff);
}

bool isAnalog(Word m) {
  const int d1 = digitOf(m, 1);
  return d1 == 0x1 || d1 == 0x9;
}

bool isSerialInput(Word m) { return digitOf(m, 1) == 0x8 && digitOf(m, 3) == SerialInput; }

bool isLinearOrSerial(Word m) { return (isAnalog(m) && digitOf(m, 2) == OtherLinear) || isSerialInput(m); }

bool usesMeasuredQuantities(int medium) {
  return (medium >= Water && medium <= TechnicalGas) || medium == TechnicalLiquid;
}

}  // namespace

SensorByte decodeSensorByte(int byte) {
  if (byte >= 0 && byte <= 0x3F) return {SensorByteKind::Sensor, byte};
  switch (byte) {
    case kNoReference: return {SensorByteKind::NoneOrDefault, -1};
    case kPipeConstant1: return {SensorByteKind::Constant1, -1};
    case kPipeConstant2: return {SensorByteKind::Constant2, -1};
    case kComputed: return {SensorByteKind::Computed, -1};
    default: return {SensorByteKind::Invalid, -1};
  }
}

int roleByte(const PipelineRecord& p, PipelineRole role) {
  switch (role) {
    case PipelineRole::FlowSensor:
    case PipelineRole::DiffMain: return highByte(p.flowSensors);
    case PipelineRole::DiffSub: return lowByte(p.flowSensors);
    case PipelineRole::TempMeasure: return highByte(p.tempSensors);
    case PipelineRole::TempInlet: return lowByte(p.tempSensors);
    case PipelineRole::PressureMedium: return highByte(p.pressureSensors);
    case PipelineRole::PressureAtm: return lowByte(p.pressureSensors);
    case PipelineRole::Density: return highByte(p.densityCalorLink);
    case PipelineRole::Calorific: return lowByte(p.densityCalorLink);
    case PipelineRole::ColdSource: return lowByte(p.bigPipeRef);
    case PipelineRole::ReturnPressure:
    case PipelineRole::Humidity: return lowByte(p.cutoffSource);
    case PipelineRole::CO2: return highByte(p.impurityTariff);
    case PipelineRole::N2: return lowByte(p.impurityTariff);
  }
  return kNoReference;
}

void setRoleByte(PipelineRecord& p, PipelineRole role, int b) {
  switch (role) {
    case PipelineRole::FlowSensor:
    case PipelineRole::DiffMain: p.flowSensors = withHighByte(p.flowSensors, b); break;
    case PipelineRole::DiffSub: p.flowSensors = withLowByte(p.flowSensors, b); break;
    case PipelineRole::TempMeasure: p.tempSensors = withHighByte(p.tempSensors, b); break;
    case PipelineRole::TempInlet: p.tempSensors = withLowByte(p.tempSensors, b); break;
    case PipelineRole::PressureMedium: p.pressureSensors = withHighByte(p.pressureSensors, b); break;
    case PipelineRole::PressureAtm: p.pressureSensors = withLowByte(p.pressureSensors, b); break;
    case PipelineRole::Density: p.densityCalorLink = withHighByte(p.densityCalorLink, b); break;
    case PipelineRole::Calorific: p.densityCalorLink = withLowByte(p.densityCalorLink, b); break;
    case PipelineRole::ColdSource: p.bigPipeRef = withLowByte(p.bigPipeRef, b); break;
    case PipelineRole::ReturnPressure:
    case PipelineRole::Humidity: p.cutoffSource = withLowByte(p.cutoffSource, b); break;
    case PipelineRole::CO2: p.impurityTariff = withHighByte(p.impurityTariff, b); break;
    case PipelineRole::N2: p.impurityTariff = withLowByte(p.impurityTariff, b); break;
  }
}

ChoiceList flowRoleChoices() {
  return {{static_cast<int>(FlowRole::FlowSensor), QStringLiteral("Датчик расхода")},
          {static_cast<int>(FlowRole::DiffPressure), QStringLiteral("Датчик перепада давления")},
          {static_cast<int>(FlowRole::FromPipeline), QStringLiteral("Расход из другого трубопровода")}};
}

FlowRole flowRoleOf(const SettingsImage& image, int p) {
  const Word flow = pipe(image, p).flowSensors;
  if (digitOf(flow, 1) == 0x8) return FlowRole::FromPipeline;
  const int s = highByte(flow);
  if (s < kindProfile(image.deviceKind).sensors) {
    const Word m = image.sensors[static_cast<std::size_t>(s)].mainDescriptor;
    if (isAnalog(m) && digitOf(m, 2) == DiffPressure) return FlowRole::DiffPressure;
  }
  return FlowRole::FlowSensor;
}

std::vector<PipelineRole> rolesUsed(const SettingsImage& image, int p) {
  std::vector<PipelineRole> roles;
  const int medium = mediumOf(image, p);
  if (medium == PipeOff) return roles;
  const int kind = image.deviceKind;
  const Word main = pipe(image, p).mainDescriptor;
  switch (flowRoleOf(image, p)) {
    case FlowRole::FlowSensor: roles.push_back(PipelineRole::FlowSensor); break;
    case FlowRole::DiffPressure:
      roles.push_back(PipelineRole::DiffMain);
      roles.push_back(PipelineRole::DiffSub);
      break;
    case FlowRole::FromPipeline: break;
  }
  if (usesMeasuredQuantities(medium)) {
    roles.insert(roles.end(), {PipelineRole::TempMeasure, PipelineRole::TempInlet,
                               PipelineRole::PressureMedium, PipelineRole::PressureAtm});
  }
  if (medium == NaturalGas) {
    roles.push_back(PipelineRole::Density);
    roles.push_back(PipelineRole::Calorific);
    if (kindCodes(kind).gasHumidity) roles.push_back(PipelineRole::Humidity);
    if (kindCodes(kind).gasCompositionSensors) {
      roles.push_back(PipelineRole::CO2);
      roles.push_back(PipelineRole::N2);
    }
  }
  if (isWaterOrSteam(medium)) {
    roles.push_back(PipelineRole::ColdSource);
    if ((digitOf(main, 2) & 4) != 0) roles.push_back(PipelineRole::ReturnPressure);
  }
  return roles;
}

bool sensorQualifies(const SettingsImage& image, int p, PipelineRole role, int s) {
  if (s < 0 || s >= kindProfile(image.deviceKind).sensors) return false;
  const Word m = image.sensors[static_cast<std::size_t>(s)].mainDescriptor;
  const int kind = image.deviceKind;
  const int d2 = digitOf(m, 2), d3 = digitOf(m, 3);
  switch (role) {
    case PipelineRole::FlowSensor: {
      const SensorFamily f = sensorFamily(m, kind);
      if (f == SensorFamily::Analog) return d2 == Flow;
      if (isCountingFamily(f)) return true;
      return f == SensorFamily::Conditional && d2 <= 3;
    }
    case PipelineRole::DiffMain:
    case PipelineRole::DiffSub: return isAnalog(m) && d2 == DiffPressure;
    case PipelineRole::TempMeasure:
    case PipelineRole::TempInlet: return isAnalog(m) && (d2 == Temperature || d2 == OtherLinear);
    case PipelineRole::PressureMedium:
      return isAnalog(m) && d2 == Pressure && s != lowByte(pipe(image, p).pressureSensors);
    case PipelineRole::PressureAtm:
      return (isAnalog(m) && d2 == Pressure && (d3 == 1 || d3 == 9)) || isLinearOrSerial(m);
    case PipelineRole::Density:
    case PipelineRole::Calorific:
    case PipelineRole::Humidity:
    case PipelineRole::CO2:
    case PipelineRole::N2: return isLinearOrSerial(m);
    case PipelineRole::ColdSource: return isAnalog(m) && d2 == Temperature;
    case PipelineRole::ReturnPressure: return isAnalog(m) && d2 == Pressure;
  }
  return false;
}

std::vector<int> qualifiedSensors(const SettingsImage& image, int p, PipelineRole role) {
  std::vector<int> out;
  const int count = kindProfile(image.deviceKind).sensors;
  for (int s = 0; s < count; ++s)
    if (sensorQualifies(image, p, role, s)) out.push_back(s);
  return out;
}

ChoiceList roleSensorChoices(const SettingsImage& image, int p, PipelineRole role) {
  return numberChoices(qualifiedSensors(image, p, role), kNoReference);
}

ChoiceList roleConstantChoices(PipelineRole role, int medium) {
  const bool offered = isWaterOrSteam(medium) || medium == TechnicalLiquid;
  const QString c1 = QStringLiteral("константа 1"), c2 = QStringLiteral("константа 2");
  switch (role) {
    case PipelineRole::TempMeasure:
      if (!offered) return {};
      return {{kNoReference, QStringLiteral("темпер. энергоносителя")}, {kPipeConstant1, c1}, {kPipeConstant2, c2}};
    case PipelineRole::PressureMedium:
      if (!offered) return {};
      return {{kNoReference, QStringLiteral("давление энергоносителя")}, {kPipeConstant1, c1}, {kPipeConstant2, c2}};
    case PipelineRole::ColdSource:
      return {{kNoReference, QStringLiteral("темп. холодн. источника")}, {kPipeConstant1, c1}, {kPipeConstant2, c2}};
    case PipelineRole::ReturnPressure:
      return {{kNoReference, QStringLiteral("давление энергоносителя")}, {kPipeConstant1, c1}, {kPipeConstant2, c2}};
    default:
      return {};
  }
}

bool isRoleByteValid(const SettingsImage& image, int p, PipelineRole role, int byte) {
  const int medium = mediumOf(image, p);
  const SensorByte b = decodeSensorByte(byte);
  switch (b.kind) {
    case SensorByteKind::Sensor: return sensorQualifies(image, p, role, b.sensor);
    case SensorByteKind::NoneOrDefault: return true;
    case SensorByteKind::Constant1:
    case SensorByteKind::Constant2: return !roleConstantChoices(role, medium).isEmpty();
    case SensorByteKind::Computed:
      return medium == SaturatedSteam &&
             (role == PipelineRole::TempMeasure || role == PipelineRole::TempInlet ||
              role == PipelineRole::PressureMedium);
    case SensorByteKind::Invalid: return false;
  }
  return false;
}

std::vector<PipelineRole> rolesReferringTo(const SettingsImage& image, int p, int s) {
  std::vector<PipelineRole> out;
  const PipelineRecord& rec = pipe(image, p);
  for (PipelineRole role : rolesUsed(image, p))
    if (roleByte(rec, role) == s) out.push_back(role);
  return out;
}

ChoiceList temperatureSourceChoices() {
  return {{0, QStringLiteral("измеряется")}, {1, QStringLiteral("вычисл. по давлению")}};
}

ChoiceList pressureSourceChoices() {
  return {{0, QStringLiteral("измеряется")}, {1, QStringLiteral("вычисл. по температуре")}};
}

bool isTemperatureComputed(const PipelineRecord& p) { return highByte(p.tempSensors) == kComputed; }
bool isPressureComputed(const PipelineRecord& p) { return highByte(p.pressureSensors) == kComputed; }

std::vector<int> flowSourcePipelines(const SettingsImage& image, int self) {
  std::vector<int> out;
  const int count = kindProfile(image.deviceKind).pipelines;
  for (int q = 0; q < count; ++q) {
    if (q == self) continue;
    const PipelineRecord& rec = pipe(image, q);
    if (isActivePipeline(rec.mainDescriptor) && digitOf(rec.flowSensors, 1) != 0x8) out.push_back(q);
  }
  return out;
}

ChoiceList flowSourceChoices(const SettingsImage& image, int self) {
  return numberChoices(flowSourcePipelines(image, self), kNoReference);
}

std::optional<int> decodeFlowSource(Word flow) {
  if (digitOf(flow, 1) != 0x8 || lowByte(flow) != kNoReference) return std::nullopt;
  return digitOf(flow, 2);
}

Word encodeFlowSource(std::optional<int> source) {
  return source ? makeWord(0x80 | (*source & 0xF), kNoReference) : 0x8000;
}

std::optional<int> decodeOverflow(Word big) {
  if (digitOf(big, 1) != 0x1) return std::nullopt;
  return digitOf(big, 2);
}

Word withOverflow(Word big, std::optional<int> pipeline) {
  return withHighByte(big, pipeline ? (0x10 | (*pipeline & 0xF)) : 0x00);
}

bool isLinked(Word mask, int q) { return ((mask >> q) & 1) != 0; }

Word withLink(Word mask, int q, bool linked) {
  return linked ? ((mask | (1 << q)) & 0xFFFF) : (mask & ~(1 << q) & 0xFFFF);
}

bool isConditionallyLinked(const SettingsImage& image, int p) {
  const int count = kindProfile(image.deviceKind).pipelines;
  for (int q = 0; q < count; ++q) {
    if (q == p) continue;
    // Only water and steam words are link masks; the 4040 of other media is not.
    if (isWaterOrSteam(mediumOf(image, q)) && isLinked(pipe(image, q).densityCalorLink, p)) return true;
  }
  return false;
}

int linkRefusal(const SettingsImage& image, int p, int q) {
  if ((pipe(image, q).densityCalorLink & 0xFFFF) != 0) return 21;
  if (isConditionallyLinked(image, p)) return 20;
  return 0;
}

}  // namespace nastrum
