// A write of only what changed: of the items a write would send, those whose
// bytes differ from what the device holds (its backup), with the items that
// travel together kept whole.
#pragma once

#include <vector>

#include "link/write/write_map.h"

namespace nastrum {

// The items of `planned` whose bytes differ from the same item of `held` (the
// plan of the same kind and groups for the device's image), in the map's
// order. A bundle goes whole when any of its items differs; the password,
// which the device never reads back, goes whenever it was planned.
std::vector<WriteStep> ChangedSteps(const std::vector<WriteStep>& planned, const std::vector<WriteStep>& held);

// The groups in which `image` would send bytes other than `held` holds.
WriteGroups DifferingGroups(int kind, const SettingsImage& image, const SettingsImage& held);

// The items the progress bar counts: every one but the password.
int CountedItems(const std::vector<WriteStep>& steps);

}  // namespace nastrum
