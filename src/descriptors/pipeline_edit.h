// Encoding: each choice of the pipeline page applied to a PipelineRecord.
// Reference questions are asked by the page before (see pipeline_references.h).
#pragma once

#include <optional>

#include "descriptors/descriptor_digits.h"
#include "descriptors/pipeline_roles.h"

namespace nastrum {

// A new medium: the new-pipeline codes (FlowSensors keeps its value).
void applyMedium(PipelineRecord& p, int medium, int kind);
// "трубопровод отключен".
void applySwitchOff(PipelineRecord& p);

void applyHeatOption(PipelineRecord& p, int bit, bool set);  // water, steam D2 bits 0, 1, 2
void applyGasUnit(PipelineRecord& p, int d2);                 // natural gas D2 5 / 7
void applyCorrection(PipelineRecord& p, bool on);             // D3 bit 0
void applyCalibration(PipelineRecord& p, int code);           // D3 bit 3 (0 / 8)
// Payment choice; resets tariff hours and the night tariff where the medium
// has them, and "Нет" zeroes MainTariff.
void applyPayment(PipelineRecord& p, const Payment& pay, int kind);
void applyTariffHour(PipelineRecord& p, bool nightTariff, int hour);  // high: day, low: night

// Refusal of a flow role (69: electricity on kind 3 takes no differential
// pressure), 0 when allowed.
int flowRoleRefusal(int medium, int kind, FlowRole role);
void applyFlowRole(PipelineRecord& p, FlowRole role);
// A flow or differential-pressure sensor (nullopt: "нет").
void applyFlowSensor(PipelineRecord& p, FlowRole role, std::optional<int> sensor);
void applyFlowSource(PipelineRecord& p, std::optional<int> source);
// Any other role: a sensor number, kNoReference, a pipeline constant.
void applyRoleByte(PipelineRecord& p, PipelineRole role, int byte);
// "Условие отключения трубопров.:": a cutoff code of the sensor tables, kNoCutoff for "Нет".
void applyPipelineCutoff(PipelineRecord& p, int code);
std::optional<int> pipelineCutoffCode(const PipelineRecord& p);  // nullopt for "Нет"

// Saturated steam: computed temperature (18) / pressure (19) refusals.
int temperatureSourceRefusal(const PipelineRecord& p, bool computed);
int pressureSourceRefusal(const PipelineRecord& p, bool computed);
void applyTemperatureSource(PipelineRecord& p, bool computed);
// Back to "измеряется" writes `mediumChoice` (the list's current byte) high.
void applyPressureSource(PipelineRecord& p, bool computed, int mediumChoice = kNoReference);

// Conditional link of q to p (the page asked linkRefusal first).
void applyLink(SettingsImage& image, int p, int q, bool linked);

// The repairs made when a pipeline is shown. Returns whether anything changed.
bool applyShowRepairs(PipelineRecord& p, int kind);

}  // namespace nastrum
