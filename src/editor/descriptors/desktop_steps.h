// The desktop list of the large model keeps its entries without gaps: an
// absent entry (empty name) followed by a present one is closed by moving the
// later entries down. The desktop page does it when it shows an entry; a
// write does it for the whole list before the names go to the device.
#pragma once

#include "model/settings_image.h"

namespace nastrum {

constexpr int kDesktopEntryCount = 16;

// An entry is present while its name is not empty.
bool DesktopEntryPresent(const NamesRegion& names, int entry);

// Shown entry `entry` (0 … 15) absent and the next one present: entries
// entry + 1 … 15 move down one place (name and word) and entry 15 becomes
// empty with word 0. Returns whether anything moved.
bool CloseDesktopGap(NamesRegion& names, int entry);

// Before a write: the entries shown 0 … 14 in turn, repeated until no gap
// is left, so that every present entry sits in one run from entry 0.
void CloseDesktopGaps(NamesRegion& names);

}  // namespace nastrum
