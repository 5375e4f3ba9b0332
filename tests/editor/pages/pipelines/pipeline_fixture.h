// A workspace with a fresh image of one kind and a few sensors and pipelines
// made by hand, for the pipeline page tests.
#pragma once

#include "model/settings_image.h"
#include "model/workspace.h"
#include "support/fresh_image.h"

namespace nastrum::test {

inline SensorRecord& sensor(SettingsImage& im, int n) { return im.sensors[static_cast<std::size_t>(n)]; }
inline PipelineRecord& pipeline(SettingsImage& im, int n) { return im.pipelines[static_cast<std::size_t>(n)]; }

// Sensor main descriptors of the families the pipeline roles take.
enum : Word {
  kAnalogPressure = 0x1100,
  kAbsolutePressure = 0x1110,
  kAnalogDiffPressure = 0x1200,
  kAnalogFlow = 0x1300,
  kAnalogTemperature = 0x1400,
  kAnalogLinear = 0x1500,
  kPulseSensor = 0xB300,
};

inline Workspace workspaceOf(Word kind) {
  Workspace ws;
  ws.image = testing::freshImage(kind);
  return ws;
}

// A water pipeline as a new one is made: no links of its own.
inline void makeWater(SettingsImage& im, int p) {
  pipeline(im, p).mainDescriptor = 0x1200;
  pipeline(im, p).flowSensors = 0x4040;
  pipeline(im, p).densityCalorLink = 0;
}

}  // namespace nastrum::test
