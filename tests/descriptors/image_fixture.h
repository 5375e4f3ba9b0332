// Small hand-made images for the descriptor tests.
#pragma once

#include "model/settings_image.h"
#include "support/fresh_image.h"

namespace nastrum::test {

using ::nastrum::testing::freshImage;

inline SensorRecord& sensor(SettingsImage& im, int n) { return im.sensors[static_cast<std::size_t>(n)]; }
inline PipelineRecord& pipeline(SettingsImage& im, int n) { return im.pipelines[static_cast<std::size_t>(n)]; }

}  // namespace nastrum::test
