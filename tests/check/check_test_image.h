// Hand-made images for the check tests: a fresh image of a kind with one
// valid pulse flow sensor and one valid water pipeline measuring with it.
#pragma once

#include "model/settings_image.h"
#include "support/fresh_image.h"

namespace nastrum::testing {

inline void setSensor(SettingsImage& image, int n, Word main, Word aux = 0x0000, double monthFactor = 1.0) {
  SensorRecord& s = image.sensors[static_cast<std::size_t>(n)];
  s.mainDescriptor = main;
  s.auxDescriptor = aux;
  s.monthFactor = monthFactor;
}

// Water pipeline n measured by sensor `flowSensor`, nothing else referenced.
inline void setWaterPipeline(SettingsImage& image, int n, int flowSensor = 0) {
  PipelineRecord& p = image.pipelines[static_cast<std::size_t>(n)];
  p.mainDescriptor = 0x1000;
  p.flowSensors = (flowSensor << 8) | 0x40;
  p.tempSensors = 0x4040;
  p.pressureSensors = 0x4040;
  p.densityCalorLink = 0x0000;
  p.bigPipeRef = 0x0040;
  p.cutoffSource = 0x8040;
  p.impurityTariff = 0x0000;
  p.monthFactor = 1.0;
}

// Natural gas pipeline n measured by sensor 0.
inline void setGasPipeline(SettingsImage& image, int n) {
  setWaterPipeline(image, n);
  PipelineRecord& p = image.pipelines[static_cast<std::size_t>(n)];
  p.mainDescriptor = 0x4500;
  p.densityCalorLink = 0x4040;
  p.impurityTariff = 0x4040;
}

// Kind `kind` with a pulse sensor 0 (kind 3: its counting type C) and water pipeline 0.
inline SettingsImage meteredImage(Word kind) {
  SettingsImage image = freshImage(kind);
  setSensor(image, 0, kind == 3 ? 0xC300 : 0x2300);
  setWaterPipeline(image, 0);
  return image;
}

}  // namespace nastrum::testing
