#include "descriptors/desktop_steps.h"

#include "descriptors/desktop_params.h"

namespace nastrum {

bool CloseDesktopGaps(NamesRegion& names) {
  bool movedAny = false;
  for (int pass = 0; pass < kDesktopEntryCount; ++pass) {
    bool moved = false;
    for (int entry = 0; entry < kDesktopEntryCount - 1; ++entry) moved = closeDesktopGap(names, entry) || moved;
    if (!moved) break;
    movedAny = true;
  }
  return movedAny;
}

}  // namespace nastrum
