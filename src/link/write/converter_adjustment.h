// The adjustment made to the image before every write: an analog temperature
// sensor with a normalising converter is written as the linear-scale
// quantity the device computes it with.
#pragma once

#include <vector>

#include "link/runs/run_context.h"
#include "model/settings_image.h"

namespace nastrum {

// One sensor's main descriptor as the adjustment changed it; `sensor` counts from 0.
struct ConverterChange {
  int sensor = 0;
  Word before = 0;
  Word after = 0;
};

// Sensors 1 … N of the image's kind: a main descriptor D1 47 D4 with D1 of 9
// or 1 becomes D1 50 D4. Returns the sensors changed; the editor's
// `Modified` is not the adjustment's business.
std::vector<ConverterChange> AdjustConverters(SettingsImage& image);

// Adjusts the workspace's image and logs every sensor it changed: the user
// typed the code the log names, and the device gets the other.
void AdjustConvertersTelling(RunContext& ctx);

}  // namespace nastrum
