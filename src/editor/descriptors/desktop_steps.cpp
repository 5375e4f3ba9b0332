#include "editor/descriptors/desktop_steps.h"

#include "editor/descriptors/desktop_params.h"

namespace nastrum {

bool stepDesktopEntries(NamesRegion& names) {
  bool moved = false;
  for (int entry = 0; entry < kDesktopEntryCount - 1; ++entry)
    if (!desktopEntryPresent(names, entry)) moved = closeDesktopGap(names, entry) || moved;
  return moved;
}

}  // namespace nastrum
