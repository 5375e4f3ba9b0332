// Which interval archive slots the extended hourly archives leave free.
#pragma once

#include <QString>

#include "model/editor_state.h"
#include "model/message_presenter.h"
#include "model/settings_image.h"

namespace nastrum {

// True when neither hourly archive paired with interval slot `slot` (0-based)
// is extended. Slots the kind does not have are never free.
bool IntervalSlotFree(const SettingsImage& image, int slot);

// As above, for the archive page: a slot that is not free is explained with
// message 44 naming its two hourly archives, unless the program itself is
// filling controls (SuppressEvents, which the check sets around its calls).
bool IntervalSlotFree(const SettingsImage& image, const EditorState& editor, MessagePresenter& presenter, int slot);

// The two hourly archive numbers paired with the slot, as message 44 names
// them ("8,9"); empty for a slot that does not exist.
QString intervalSlotHourPair(int slot);

}  // namespace nastrum
