#include "check/real_display.h"

#include "model/real_text.h"

namespace nastrum {

// The separator does not matter: both sides are shown with the same one.
bool displaysAsNoOperand(double value) {
  static const QString kNoOperand = FormatReal8(64.0, QLatin1Char('.'));
  return FormatReal8(value, QLatin1Char('.')) == kNoOperand;
}

}  // namespace nastrum
