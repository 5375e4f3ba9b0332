// The real-valued fields of the pipeline page: which record field each one
// edits, how it is shown and which entries it refuses.
#pragma once

#include <QChar>
#include <QString>

#include "model/settings_image.h"

namespace nastrum {

enum class PipelineReal {
  PipeDiameter,      // "Диаметр трубопровода", or the share "Доля расхода:"
  OrificeDiameter,
  PipeExpansion,
  OrificeExpansion,
  Roughness,
  GasCalorific,      // natural gas: "Калорийность газа в НУ:"
  GasDensity,        // gas: "Плотность газа в НУ, кг/м3:"
  CO2,               // natural gas: CO2 fraction, %
  N2,                // natural gas: N2 fraction, %
  Humidity,          // natural gas, kinds 1 and 2: NightTariff shown in percent
  Compressibility,   // technical gas: CO2Fraction
  Viscosity,         // technical gas: N2Fraction
  Adiabatic,         // technical gas: GasCalorific
  Constant1,         // water, steam, technical liquid: GasCalorific
  Constant2,         // water, steam, technical liquid: GasDensity
  MonthFactor,
  MainTariff,
  NightTariff,
};

// The record field a page field edits.
double& realField(PipelineRecord& p, PipelineReal field);
double realField(const PipelineRecord& p, PipelineReal field);

// The text a field shows for the record (general text or the eight-character form).
QString realText(const PipelineRecord& p, PipelineReal field, QChar separator);

// Whether a field takes a sign ("-") as well as digits and the separator.
bool realIsSigned(PipelineReal field);

// The catalogue message an entered value gets (0: accepted). `share` says
// that PipeDiameter holds the share of another pipeline's flow.
int realEntryMessage(PipelineReal field, double value, bool share);

}  // namespace nastrum
