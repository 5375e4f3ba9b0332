// A small configured plant for the map tests: sensors, pipelines of several
// media, archives of every family, current generators, logic flags and
// regulators, each in a shape one of the maps has a rule for.
#pragma once

#include "model/kind_profile.h"
#include "support/fresh_image.h"

namespace nastrum::testing {

inline SensorRecord& sensorAt(SettingsImage& image, int n) { return image.sensors[static_cast<std::size_t>(n)]; }
inline PipelineRecord& pipelineAt(SettingsImage& image, int n) { return image.pipelines[static_cast<std::size_t>(n)]; }

inline SettingsImage mapPlant(Word kind) {
  SettingsImage image = freshImage(kind);
  const KindProfile& profile = kindProfile(kind);
  // Sensors: 0 analog flow, 1 differential pressure, 2 and 3 RTD temperatures,
  // 4 a thermocouple with its cold junction on sensor 3, 5 pressure, 6 atmospheric pressure.
  const Word descriptors[] = {0x1300, 0x1200, 0x1400, 0x1400, 0x1440, 0x1100, 0x1110};
  for (int n = 0; n < 7; ++n) {
    SensorRecord& s = sensorAt(image, n);
    s.mainDescriptor = descriptors[n];
    s.auxDescriptor = 0x0100 + n;
    s.const1 = n + 0.5;
    s.const2 = n == 4 ? 3.0 : 0.25;
    s.maxValue = 100.0 * (n + 1);
    s.minValue = -1.0;
    s.monthFactor = 1.0;
  }
  sensorAt(image, profile.sensors - 1).mainDescriptor = 0x9400;  // the family's last sensor

  PipelineRecord& water = pipelineAt(image, 0);
  water.mainDescriptor = 0x1200;
  water.flowSensors = 0x0040;
  water.tempSensors = 0x0203;
  water.pressureSensors = 0x0506;
  water.bigPipeRef = 0x0002;
  water.pipeDiameter = 0.1;
  PipelineRecord& orifice = pipelineAt(image, 1);
  orifice.mainDescriptor = 0x3000;
  orifice.flowSensors = 0x0107;
  orifice.tempSensors = 0x04FF;
  orifice.pressureSensors = 0x4140;
  PipelineRecord& gas = pipelineAt(image, 2);
  gas.mainDescriptor = 0x4000;
  gas.flowSensors = 0x8040;  // from pipeline 0
  gas.tempSensors = 0x4040;
  gas.densityCalorLink = 0x0B40;
  pipelineAt(image, profile.pipelines - 1).mainDescriptor = 0x7000;

  image.hourArcDesc[0] = 0x1100;
  image.hourArcPos[0] = 0x0001;
  image.hourArcNeg[0] = 0x0002;
  image.hourArcDesc[1] = 0x0040;
  image.hourArcPos[1] = 0x0003;
  image.dayArcDesc[2] = 0x1240;
  image.dayArcPos[2] = 0x0003;
  image.monthArcDesc[static_cast<std::size_t>(profile.monthArchives - 1)] = 0x1440;
  if (profile.intervalArchives > 0) {
    image.intervalArcDesc[static_cast<std::size_t>(profile.intervalArchives - 1)] = 0x1140;
    image.intervalArcPos[static_cast<std::size_t>(profile.intervalArchives - 1)] = 0x0005;
  }

  image.currentGenerators[0] = {0x4001, 0x0100, 20.0, 4.0};
  image.currentGenerators[1] = {0x4001, 0xFF00, 20.0, 4.0};
  image.sys(sys::SettlementHourDate) = 930;
  image.sys(sys::ClockCorrection) = 0x0012;

  if (profile.hasLogicFlags) {
    image.logicLaw[3] = 0x0101;
    image.logicParam[3] = 0x4015;
    image.logicK1[3] = 705;
    image.logicT1[3] = 130;
    image.logicLaw[70] = 0x0101;
    image.logicParam[70] = 0x4015;
    image.logicK1[70] = 705;
    image.logicLaw[71] = 0xF000;
  }
  if (profile.regulators > 0) {
    image.logicLaw[2] = 0x0201;
    image.logicParam[2] = 0x4102;
    image.logicT1[2] = 0x8140;
    image.logicT2[2] = 0x0000;
  }
  return image;
}

}  // namespace nastrum::testing
