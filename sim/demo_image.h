// A plausible configured plant for the small expandable model, for
// demonstrations and tests: temperature, pressure and flow sensors on a
// supply and a return pipeline, a few archives and their names.
#pragma once

#include "model/settings_image.h"

namespace nastrum::sim {

SettingsImage demoPlantImage();

}  // namespace nastrum::sim
