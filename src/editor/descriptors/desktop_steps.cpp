#include "editor/descriptors/desktop_steps.h"

namespace nastrum {

namespace {

std::size_t at(int entry) { return static_cast<std::size_t>(entry); }

}  // namespace

bool DesktopEntryPresent(const NamesRegion& names, int entry) { return !names.desktopNames[at(entry)].isEmpty(); }

bool CloseDesktopGap(NamesRegion& names, int entry) {
  if (entry < 0 || entry >= kDesktopEntryCount - 1) return false;
  if (DesktopEntryPresent(names, entry) || !DesktopEntryPresent(names, entry + 1)) return false;
  for (int e = entry; e < kDesktopEntryCount - 1; ++e) {
    names.desktopNames[at(e)].setBytes(names.desktopNames[at(e + 1)].bytes());
    names.desktopParams[at(e)] = names.desktopParams[at(e + 1)];
  }
  names.desktopNames[at(kDesktopEntryCount - 1)].clear();
  names.desktopParams[at(kDesktopEntryCount - 1)] = 0;
  return true;
}

void CloseDesktopGaps(NamesRegion& names) {
  // One pass leaves the first of two neighbouring gaps open; at most 15 passes close them all.
  for (int pass = 0; pass < kDesktopEntryCount; ++pass) {
    bool moved = false;
    for (int entry = 0; entry < kDesktopEntryCount - 1; ++entry) moved = CloseDesktopGap(names, entry) || moved;
    if (!moved) return;
  }
}

}  // namespace nastrum
