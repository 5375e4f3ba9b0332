// A configured plant for the expandable model, what a newcomer sees first:
// two heating circuits and a hot-water line with their temperature, pressure
// and flow sensors, hourly, daily, monthly and interval archives, two events
// and names for everything. It passes every rule of the settings check.
#pragma once

#include "model/settings_image.h"

namespace nastrum::sim {

SettingsImage demoPlantImage();

}  // namespace nastrum::sim
