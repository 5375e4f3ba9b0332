// What showing the desktop entries 0..14 in turn does to the list before a
// write to the device: each absent entry with a present one above it pulls
// the entries above it down one place. Two adjacent absent entries below a
// present one are closed one per showing, so one gap of such a pair stays.
#pragma once

#include "model/settings_image.h"

namespace nastrum {

// Returns whether any entry moved.
bool stepDesktopEntries(NamesRegion& names);

}  // namespace nastrum
