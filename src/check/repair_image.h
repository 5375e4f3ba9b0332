// The automatic correction: mends every repairable error of the last check.
#pragma once

#include "check/check_result.h"
#include "model/settings_image.h"

namespace nastrum {

// Applies the repair of every repairable row of `last` to the image. Each
// repair rebuilds its word from the four hex digits, changing exactly the
// digits the row's text announced. Rows of other checks are ignored.
//
// A repair can uncover another repairable error (a flow taken from another
// pipeline becomes the pipeline's own flow sensor, which then must not have a
// sub-range sensor); the correction checks again and repairs those too, so a
// corrected image leaves no row the user would have to correct twice. The
// repairs only ever write fixed digits, so a few rounds always settle.
void RepairImage(SettingsImage& image, const CheckResult& last);

}  // namespace nastrum
