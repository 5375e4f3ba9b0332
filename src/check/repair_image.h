// The automatic correction: mends every repairable error of the last check.
#pragma once

#include "check/check_result.h"
#include "model/settings_image.h"

namespace nastrum {

// Applies the repair of every repairable row of `last` to the image. Each
// repair rebuilds its word from the four hex digits, changing exactly the
// digits the row's text announced. Rows of other checks are ignored.
void RepairImage(SettingsImage& image, const CheckResult& last);

}  // namespace nastrum
