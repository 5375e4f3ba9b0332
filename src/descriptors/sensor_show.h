// The repairs the sensor page stores when it shows a sensor: an empty sensor
// becomes the empty record, an invalid channel code 00, an unusable
// cold-junction reference "none", a table number out of range 0, and the
// forced values of the constants. Showing never sets Modified; the page only
// learns whether the record changed.
#pragma once

#include "descriptors/choice_list.h"
#include "model/settings_image.h"

namespace nastrum {

bool repairSensorOnShow(SettingsImage& image, int n);

// "№ табличной  функции:": "0".."3" on kind 1, "0".."9" otherwise.
ChoiceList tableNumberChoices(int kind);

}  // namespace nastrum
