// The automatic correction: mends the repairable errors of the last check.
#pragma once

#include "check/check_result.h"
#include "model/settings_image.h"

namespace nastrum {

// Applies the repair of every repairable row of `last` to the image, once.
// Each repair rebuilds its word from the four hex digits, changing exactly the
// digits the row's text announced. Rows of other checks are ignored.
//
// A repair can uncover another repairable error (a flow taken from another
// pipeline becomes the pipeline's own flow sensor, which then must not have a
// big pipe). That one is not mended here: the user approved the rows shown,
// so the check that follows shows the new row and offers the correction again.
void RepairImage(SettingsImage& image, const CheckResult& last);

}  // namespace nastrum
