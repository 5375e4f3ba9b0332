#include "descriptors/pipeline_edit.h"

#include "descriptors/descriptor_digits.h"
#include "descriptors/kind_codes.h"
#include "descriptors/sensor_channels.h"

namespace nastrum {

namespace {

void setMain(PipelineRecord& p, int k, int v) { p.mainDescriptor = withDigit(p.mainDescriptor, k, v); }

void resetCodes(PipelineRecord& p) {
  p.tempSensors = p.pressureSensors = p.densityCalorLink = 0x4040;
  p.bigPipeRef = 0x0040;
  p.cutoffSource = 0x8040;
  p.impurityTariff = 0;
}

}  // namespace

void applyMedium(PipelineRecord& p, int medium, int kind) {
  p.mainDescriptor = newPipelineDescriptor(medium);
  resetCodes(p);
  if (isWaterOrSteam(medium)) p.densityCalorLink = 0;
  if (medium == NaturalGas) p.impurityTariff = 0x4040;
  if (medium == TechnicalGas && kindCodes(kind).technicalGasProperties) p.co2Fraction = p.n2Fraction = p.gasCalorific = 0;
}

void applySwitchOff(PipelineRecord& p) {
  const Word number = p.number;
  p = PipelineRecord{};
  p.number = number;
  p.mainTariff = p.nightTariff = 0;
  p.monthFactor = 1.0;
}

void applyHeatOption(PipelineRecord& p, int bit, bool set) {
  const int d2 = digitOf(p.mainDescriptor, 2);
  setMain(p, 2, set ? (d2 | (1 << bit)) : (d2 & ~(1 << bit)));
}

void applyGasUnit(PipelineRecord& p, int d2) { setMain(p, 2, d2); }

void applyCorrection(PipelineRecord& p, bool on) {
  const int d3 = digitOf(p.mainDescriptor, 3);
  setMain(p, 3, on ? (d3 | 1) : (d3 & ~1));
}

void applyCalibration(PipelineRecord& p, int code) {
  setMain(p, 3, (digitOf(p.mainDescriptor, 3) & ~8) | (code & 8));
}

void applyPayment(PipelineRecord& p, const Payment& pay, int kind) {
  const int medium = pipelineMedium(p.mainDescriptor).value_or(PipeOff);
  setMain(p, 4, encodePayment(pay, medium, kind));
  if (!pay.paid) p.mainTariff = 0;
  if (paymentResetsTariffHours(medium, kind)) {
    p.impurityTariff = 0;
    p.nightTariff = 0;
  }
}

void applyTariffHour(PipelineRecord& p, bool night, int hour) {
  const int b = encodeTariffHour(hour);
  p.impurityTariff = night ? withLowByte(p.impurityTariff, b) : withHighByte(p.impurityTariff, b);
}

int flowRoleRefusal(int medium, int kind, FlowRole role) {
  const bool electricity = kindCodes(kind).electricityCarrier && medium == OtherCarrier;
  return (electricity && role == FlowRole::DiffPressure) ? 69 : 0;
}

void applyFlowRole(PipelineRecord& p, FlowRole role) {
  if (role == FlowRole::FromPipeline) {
    p.pipeDiameter = 0;  // the share of the source's flow
    p.flowSensors = 0x8000;
  } else {
    p.bigPipeRef = 0x0040;
    p.flowSensors = 0x4040;
  }
  if (role != FlowRole::DiffPressure) applyCalibration(p, 0);
}

void applyFlowSensor(PipelineRecord& p, FlowRole role, std::optional<int> sensor) {
  if (!sensor) {
    p.flowSensors = 0x4040;
    return;
  }
  p.flowSensors = withHighByte(p.flowSensors, *sensor);
  if (role == FlowRole::FlowSensor) {
    p.flowSensors = withLowByte(p.flowSensors, kNoReference);
    p.bigPipeRef = withOverflow(p.bigPipeRef, std::nullopt);
  }
}

void applyFlowSource(PipelineRecord& p, std::optional<int> source) { p.flowSensors = encodeFlowSource(source); }

void applyRoleByte(PipelineRecord& p, PipelineRole role, int byte) { setRoleByte(p, role, byte); }

void applyPipelineCutoff(PipelineRecord& p, int code) { p.cutoffSource = withHighByte(p.cutoffSource, code); }

std::optional<int> pipelineCutoffCode(const PipelineRecord& p) {
  const int code = highByte(p.cutoffSource);
  if (code == kNoCutoff) return std::nullopt;
  return code;
}

int temperatureSourceRefusal(const PipelineRecord& p, bool computed) {
  return computed && isPressureComputed(p) ? 18 : 0;
}

int pressureSourceRefusal(const PipelineRecord& p, bool computed) {
  return computed && isTemperatureComputed(p) ? 19 : 0;
}

void applyTemperatureSource(PipelineRecord& p, bool computed) { p.tempSensors = computed ? 0xFFFF : 0x4040; }

void applyPressureSource(PipelineRecord& p, bool computed, int mediumChoice) {
  p.pressureSensors = computed ? 0xFF40 : withHighByte(p.pressureSensors, mediumChoice);
}

void applyLink(SettingsImage& image, int p, int q, bool linked) {
  auto& holder = image.pipelines[static_cast<std::size_t>(p)];
  holder.densityCalorLink = withLink(holder.densityCalorLink, q, linked);
  if (linked) image.pipelines[static_cast<std::size_t>(q)].densityCalorLink = 0;
}

bool applyShowRepairs(PipelineRecord& p, int kind) {
  const auto medium = pipelineMedium(p.mainDescriptor);
  if (!medium || *medium == PipeOff) return false;
  bool changed = false;
  auto repair = [&changed](double& v, bool bad) {
    if (bad && v != 0) {
      v = 0;
      changed = true;
    }
  };
  if (decodeFlowSource(p.flowSensors) || digitOf(p.flowSensors, 1) == 0x8)
    repair(p.pipeDiameter, !(p.pipeDiameter >= 0 && p.pipeDiameter <= 1));
  if (*medium == NaturalGas) {
    repair(p.co2Fraction, !(p.co2Fraction >= 0 && p.co2Fraction <= 100));
    repair(p.n2Fraction, !(p.n2Fraction >= 0 && p.n2Fraction <= 100));
  }
  if (isGas(*medium)) repair(p.nightTariff, !(p.nightTariff >= 0 && p.nightTariff <= 1));
  const int d4 = digitOf(p.mainDescriptor, 4);
  if (!isValidPaymentDigit(d4, *medium, kind)) {
    setMain(p, 4, repairedPaymentDigit(p.mainTariff));
    changed = true;
  }
  if (*medium == NaturalGas) {
    for (PipelineRole role : {PipelineRole::TempMeasure, PipelineRole::TempInlet,
                              PipelineRole::PressureMedium, PipelineRole::PressureAtm}) {
      const int b = roleByte(p, role);
      if (b == kPipeConstant1 || b == kPipeConstant2) {
        setRoleByte(p, role, kNoReference);
        changed = true;
      }
    }
  }
  return changed;
}

}  // namespace nastrum
