#include "check/real_display.h"

#include <cmath>

namespace nastrum {

// Placeholder until the display codec is shared: a real reads as 64 when it
// rounds to 64 in the eight-character display (five places after the point).
bool displaysAsNoOperand(double value) { return std::fabs(value - 64.0) < 5e-6; }

}  // namespace nastrum
