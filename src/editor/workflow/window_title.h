// The main window's caption: it always names the device kind and the file.
#pragma once

#include <QString>

#include "model/settings_image.h"

namespace nastrum {

// The device kind as captions name it: "ОРВИК минимальный", "ОРВИК 9".
QString kindName(Word kind);

// The caption while no image is loaded; also the program's name in message boxes.
QString programTitle();

enum class TitleSource {
  File,        // made by hand, opened or saved
  DeviceRead,  // taken over from a device read and not yet saved under a name
};

// The caption for an image of `kind` kept at `settingsPath` (the .bfm path;
// the caption shows it without its last four characters).
QString windowTitle(Word kind, const QString& settingsPath, TitleSource source = TitleSource::File);

}  // namespace nastrum
