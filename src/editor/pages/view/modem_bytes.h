// The modem initialisation strings as the view mode shows them: each byte as
// two hex digits and a space, up to and including the first zero byte.
#pragma once

#include <optional>

#include <QString>

#include "model/settings_image.h"

namespace nastrum {

// "41 54 0D 00 " for the text "AT" and its carriage return.
QString modemBytesText(const ModemText& bytes);

// Reads hex pairs separated by spaces (at most 128 bytes; what follows is
// zero-filled). Nothing when a pair is not hex or there are too many bytes.
std::optional<ModemText> readModemBytes(const QString& text);

}  // namespace nastrum
