// The desktop list of the large model keeps its entries without gaps. The
// desktop page closes one gap as an entry is shown (closeDesktopGap in
// desktop_params.h); before the names go to the device every gap is closed.
#pragma once

#include "model/settings_image.h"

namespace nastrum {

// The entries shown 0 … 14 in turn, repeated until no gap is left, so that
// every present entry sits in one run from entry 0. Showing them once, as the
// device's own list would, leaves the first of two neighbouring gaps open.
// Returns whether anything moved.
bool CloseDesktopGaps(NamesRegion& names);

}  // namespace nastrum
