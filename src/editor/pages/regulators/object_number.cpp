#include "editor/pages/regulators/object_number.h"

#include "model/message_catalogue.h"

namespace nastrum {

int wrapped(int value, int lowest, int highest) {
  if (value < lowest) return highest;
  if (value > highest) return lowest;
  return value;
}

std::optional<int> typedObjectNumber(const QString& text, MessagePresenter& presenter, int notANumberMessage) {
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) return std::nullopt;
  bool ok = false;
  const int typed = trimmed.toInt(&ok);
  if (!ok) {
    ShowMessageCode(presenter, notANumberMessage);
    return std::nullopt;
  }
  return typed;
}

}  // namespace nastrum
