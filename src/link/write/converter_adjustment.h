// The adjustment made to the image before every write: an analog temperature
// sensor with a normalising converter is written as the linear-scale
// quantity the device computes it with.
#pragma once

#include "model/settings_image.h"

namespace nastrum {

// Sensors 1 … N of the image's kind: a main descriptor D1 47 D4 with D1 of 9
// or 1 becomes D1 50 D4. Returns how many sensors changed; the editor's
// `Modified` is not the adjustment's business.
int AdjustConverters(SettingsImage& image);

}  // namespace nastrum
