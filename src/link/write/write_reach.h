// The fields of the settings image a write of some groups sends, in the order
// of imageFields(): what a comparison of the device with what will be sent
// compares.
#pragma once

#include <vector>

#include "link/write/write_map.h"

namespace nastrum {

// The fields `groups` of a write of `kind` (1 … 3) send, the password not among them.
std::vector<bool> WriteReach(int kind, const WriteGroups& groups);

}  // namespace nastrum
