// The sensors a pipeline uses: which byte of which code holds each role, what
// a stored byte means, which sensors qualify for a role, the pipelines a flow
// can be taken from, and the conditional-link mask.
#pragma once

#include <optional>
#include <vector>

#include "descriptors/choice_list.h"
#include "descriptors/pipeline_codes.h"

namespace nastrum {

// What a sensor byte names.
enum class SensorByteKind { Sensor, NoneOrDefault, Constant1, Constant2, Computed, Invalid };
struct SensorByte {
  SensorByteKind kind = SensorByteKind::Invalid;
  int sensor = -1;  // with Sensor
};
SensorByte decodeSensorByte(int byte);
constexpr int kPipeConstant1 = 0x41;  // the pipeline's GasCalorific
constexpr int kPipeConstant2 = 0x42;  // the pipeline's GasDensity
constexpr int kComputed = 0xFF;       // saturated steam: computed from the other quantity

enum class PipelineRole {
  FlowSensor,      // FlowSensors high, "Датчик расхода"
  DiffMain,        // FlowSensors high, "Датчик перепада давления"
  DiffSub,         // FlowSensors low
  TempMeasure,     // TempSensors high
  TempInlet,       // TempSensors low
  PressureMedium,  // PressureSensors high
  PressureAtm,     // PressureSensors low
  Density,         // DensityCalorLink high (natural gas)
  Calorific,       // DensityCalorLink low (natural gas)
  ColdSource,      // BigPipeRef low (water, steam)
  ReturnPressure,  // CutoffSource low (water, steam counted against another pipeline)
  Humidity,        // CutoffSource low (natural gas, kinds 1, 2)
  CO2,             // ImpurityTariff high (natural gas, kinds 2, 3)
  N2,              // ImpurityTariff low
};

int roleByte(const PipelineRecord& p, PipelineRole role);
void setRoleByte(PipelineRecord& p, PipelineRole role, int byte);

// How the flow is measured.
enum class FlowRole { FlowSensor, DiffPressure, FromPipeline };
ChoiceList flowRoleChoices();  // codes are FlowRole values
FlowRole flowRoleOf(const SettingsImage& image, int pipeline);

// Roles pipeline `p` uses for its medium, kind, options and flow role.
std::vector<PipelineRole> rolesUsed(const SettingsImage& image, int pipeline);

// Whether sensor `s` may serve in `role` of pipeline `pipeline`.
bool sensorQualifies(const SettingsImage& image, int pipeline, PipelineRole role, int sensor);
// Qualified sensors in ascending order (within the kind's count).
std::vector<int> qualifiedSensors(const SettingsImage& image, int pipeline, PipelineRole role);
// The role's list as the page shows it: sensor numbers in decimal, then "нет" (code 40).
ChoiceList roleSensorChoices(const SettingsImage& image, int pipeline, PipelineRole role);
// The "Константы" choice of a role (40, 41, 42), empty where the role has none.
ChoiceList roleConstantChoices(PipelineRole role, int medium);
// Whether a stored byte can be shown in its role; false shows "ОШИБКА".
bool isRoleByteValid(const SettingsImage& image, int pipeline, PipelineRole role, int byte);
// Roles of pipeline `p` in which it refers to sensor `s`.
std::vector<PipelineRole> rolesReferringTo(const SettingsImage& image, int pipeline, int sensor);

// Saturated steam: "Температура" / "Давление" "измеряется" or computed.
ChoiceList temperatureSourceChoices();  // 0 "измеряется", 1 "вычисл. по давлению"
ChoiceList pressureSourceChoices();     // 0 "измеряется", 1 "вычисл. по температуре"
bool isTemperatureComputed(const PipelineRecord& p);
bool isPressureComputed(const PipelineRecord& p);

// Pipelines a flow can be taken from, or the overflow can go to: every other
// active pipeline whose own flow is not taken from another pipeline.
std::vector<int> flowSourcePipelines(const SettingsImage& image, int self);
ChoiceList flowSourceChoices(const SettingsImage& image, int self);  // decimal numbers, "нет"
// FlowSensors of a flow taken from another pipeline: the source, nullopt for none.
std::optional<int> decodeFlowSource(Word flowSensors);
Word encodeFlowSource(std::optional<int> source);  // 8n40, 8000 for none
// BigPipeRef high byte: 00 none, 1n pipeline n.
std::optional<int> decodeOverflow(Word bigPipeRef);
Word withOverflow(Word bigPipeRef, std::optional<int> pipeline);

// Conditional links (water and steam): bit q of the DensityCalorLink mask.
bool isLinked(Word mask, int q);
Word withLink(Word mask, int q, bool linked);
// Whether some other active water or steam pipeline links `p`.
bool isConditionallyLinked(const SettingsImage& image, int p);
// The catalogue message refusing to link q to p (21 or 20), 0 when allowed.
int linkRefusal(const SettingsImage& image, int p, int q);

}  // namespace nastrum
