// The rule every name field follows (sensors, pipelines, archives, desktop):
// a name takes at most 16 places of the device's display, "ы" and "Ы" take two
// (the device writes a look-alike and a bar), "|" and characters the device
// cannot show are refused.
#pragma once

#include <QChar>
#include <QString>

#include "model/settings_image.h"

namespace nastrum {

constexpr int kNamePlaces = 16;

// Places the name takes on the device.
int namePlaces(const QString& name);

// The field's maximum length in characters for the name it holds:
// 16 less one for every "ы" or "Ы".
int nameMaxLength(const QString& name);

// Whether a typed character may enter a name.
bool isNameCharAllowed(QChar ch);

// Whether the field may take `text` (every character allowed, places fit).
bool isNameAcceptable(const QString& text);

// What a name slot stores for the field's text: the text cut to 16 characters.
QString nameForSlot(const QString& text);

// The text of a name slot (code page 1251 in the image).
QString nameText(const NameSlot& slot);
// Stores a name field's text in its slot, cut to 16 characters.
void storeName(NameSlot& slot, const QString& text);

}  // namespace nastrum
