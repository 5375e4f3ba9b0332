#include "editor/pages/pipelines/pipeline_reals.h"

#include "descriptors/pipeline_codes.h"
#include "model/real_text.h"

namespace nastrum {

double& realField(PipelineRecord& p, PipelineReal field) {
  switch (field) {
    case PipelineReal::PipeDiameter: return p.pipeDiameter;
    case PipelineReal::OrificeDiameter: return p.orificeDiameter;
    case PipelineReal::PipeExpansion: return p.pipeExpansion;
    case PipelineReal::OrificeExpansion: return p.orificeExpansion;
    case PipelineReal::Roughness: return p.roughness;
    case PipelineReal::CO2:
    case PipelineReal::Compressibility: return p.co2Fraction;
    case PipelineReal::N2:
    case PipelineReal::Viscosity: return p.n2Fraction;
    case PipelineReal::GasCalorific:
    case PipelineReal::Adiabatic:
    case PipelineReal::Constant1: return p.gasCalorific;
    case PipelineReal::GasDensity:
    case PipelineReal::Constant2: return p.gasDensity;
    case PipelineReal::MonthFactor: return p.monthFactor;
    case PipelineReal::MainTariff: return p.mainTariff;
    case PipelineReal::Humidity:
    case PipelineReal::NightTariff: return p.nightTariff;
  }
  return p.monthFactor;
}

double realField(const PipelineRecord& p, PipelineReal field) {
  return realField(const_cast<PipelineRecord&>(p), field);
}

namespace {

// Dimensions and fractions are shown in full; money and constants in eight characters.
bool showsGeneralText(PipelineReal field) {
  switch (field) {
    case PipelineReal::PipeDiameter:
    case PipelineReal::OrificeDiameter:
    case PipelineReal::PipeExpansion:
    case PipelineReal::OrificeExpansion:
    case PipelineReal::Roughness:
    case PipelineReal::CO2:
    case PipelineReal::N2:
    case PipelineReal::Compressibility:
    case PipelineReal::Viscosity:
    case PipelineReal::Humidity: return true;
    default: return false;
  }
}

}  // namespace

QString realText(const PipelineRecord& p, PipelineReal field, QChar separator) {
  if (field == PipelineReal::Humidity) return GeneralRealText(humidityToPercent(p.nightTariff), separator);
  const double v = realField(p, field);
  return showsGeneralText(field) ? GeneralRealText(v, separator) : FormatReal8(v, separator);
}

bool realIsSigned(PipelineReal field) {
  switch (field) {
    case PipelineReal::Roughness:
    case PipelineReal::CO2:
    case PipelineReal::N2:
    case PipelineReal::Humidity:
    case PipelineReal::Compressibility:
    case PipelineReal::Viscosity:
    case PipelineReal::Adiabatic: return false;
    default: return true;
  }
}

int realEntryMessage(PipelineReal field, double value, bool share) {
  switch (field) {
    case PipelineReal::PipeDiameter: return share ? shareMessage(value) : positiveMessage(value);
    case PipelineReal::CO2:
    case PipelineReal::N2: return gasFractionMessage(value);
    case PipelineReal::Humidity: return humidityMessage(value);
    case PipelineReal::OrificeDiameter:
    case PipelineReal::GasCalorific:
    case PipelineReal::GasDensity:
    case PipelineReal::Compressibility:
    case PipelineReal::Viscosity:
    case PipelineReal::Adiabatic:
    case PipelineReal::MainTariff:
    case PipelineReal::NightTariff: return positiveMessage(value);
    default: return 0;
  }
}

}  // namespace nastrum
