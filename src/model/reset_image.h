// Filling the image with the defaults of a new image.
#pragma once

#include "model/editor_state.h"
#include "model/settings_image.h"

namespace nastrum {

// The defaults of a freshly created image, step by step as the device expects
// them. Slot 256 of the four logic arrays and DeviceKind are left alone.
// Clears CheckFailed and the names clipboard; resets the device-time seconds.
void ResetImage(SettingsImage& image, EditorState& editor);

}  // namespace nastrum
