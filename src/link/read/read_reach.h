// The fields of the settings image a device read fills, in the order of
// imageFields(): what a comparison with the device may compare. Fields the
// read does not reach keep whatever the image held, so comparing them would
// report differences the device never had.
#pragma once

#include <vector>

namespace nastrum {

// The user constants of a device of `kind` (1 … 3), with the kind word itself.
std::vector<bool> ConstantsReadReach(int kind);
// The names and the desktop of a device of `kind`.
std::vector<bool> NamesReadReach(int kind);

}  // namespace nastrum
