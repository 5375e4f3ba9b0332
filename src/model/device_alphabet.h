// The device's name alphabet: which characters its display can show and the
// one-byte device code of each. Names travel to the device in these codes, and
// the editor's name fields refuse what the display cannot show.
#pragma once

#include <optional>

#include <QChar>
#include <QString>

namespace nastrum {

// The character the device shows for `code`, or nullopt when the code shows
// nothing (DeviceCharTable).
std::optional<QChar> deviceCharFor(int code);

// The device code whose character is `ch` (the highest when several match),
// or nullopt. Look-alike substitution is not applied here.
std::optional<int> deviceCodeFor(QChar ch);

// The code of the look-alike glyph the device uses for a Cyrillic letter it
// has no glyph of (LookAlikeTable), or nullopt. "ы" and "Ы" map to their first
// code; the device writes a "|" (0x7C) after it.
std::optional<int> lookAlikeCodeFor(QChar ch);

// True for "ы" and "Ы": the device writes each as a look-alike and a bar,
// so they take two places of a name.
bool isTwoPlaceLetter(QChar ch);

// True when the device can show `ch` in a name, directly or by a look-alike.
bool isDeviceShowable(QChar ch);

}  // namespace nastrum
