#include "editor/pages/regulators/object_number.h"

namespace nastrum {

int wrapped(int value, int lowest, int highest) {
  if (value < lowest) return highest;
  if (value > highest) return lowest;
  return value;
}

}  // namespace nastrum
