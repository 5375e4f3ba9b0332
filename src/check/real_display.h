// Reals compared the way the editor shows them.
#pragma once

namespace nastrum {

// True when the eight-character display of `value` reads the same as that of
// 64, the constant that marks an unused operand of an arithmetic sensor.
bool displaysAsNoOperand(double value);

}  // namespace nastrum
