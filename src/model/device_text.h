// The modem initialisation strings: the device keeps them as 128 bytes of
// code page 1251 text in which each carriage return (byte 13) ends a line, the
// last line included, followed by zero bytes. The edit boxes show each
// carriage return as "*".
#pragma once

#include <QString>

#include "model/settings_image.h"

namespace nastrum {

constexpr int kDeviceTextMaxChars = 126;

// Bytes up to the first zero (at most 128); byte 13 shows as "*". The final
// carriage return, which only terminates the text, is not shown. A text that
// lacks it keeps its last character.
QString DeviceTextToEdit(const ModemText& buffer);

// "*" becomes byte 13, the text is terminated by byte 13 and zero-filled.
// Texts longer than 126 characters are cut to 126 so the terminator fits.
ModemText EditToDeviceText(const QString& text);

}  // namespace nastrum
