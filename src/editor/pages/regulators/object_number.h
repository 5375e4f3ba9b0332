// The object-number boxes of the regulator and desktop pages: a typed number
// wraps round its range, and text that is no number is refused with a message.
#pragma once

#include <optional>

#include <QString>

#include "model/message_presenter.h"

namespace nastrum {

// One step past either end of lowest..highest reaches the other end.
int wrapped(int value, int lowest, int highest);

// The number typed into a box: nothing for an empty box; for text that is no
// number, message `notANumberMessage` and nothing.
std::optional<int> typedObjectNumber(const QString& text, MessagePresenter& presenter, int notANumberMessage);

}  // namespace nastrum
