// The object-number boxes of the regulator and desktop pages take digits only;
// a number one step past either end of the range reaches the other end.
#pragma once

namespace nastrum {

// One step past either end of lowest..highest reaches the other end.
int wrapped(int value, int lowest, int highest);

}  // namespace nastrum
