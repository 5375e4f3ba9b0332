// The device's display alphabet: how names are stored in its names area.
// Names in the settings image are code page 1251 bytes; the device keeps 16
// bytes per name in its own character codes.
#pragma once

#include <QByteArray>

namespace nastrum::sim {

// Up to 16 cp1251 characters to 16 device bytes, padded with `pad`. Cyrillic
// letters that have a Latin look-alike are stored as that glyph; "ы" and "Ы"
// take two places (a letter and a bar); characters the device cannot show
// are left as the pad byte.
QByteArray encodeDeviceName(const QByteArray& cp1251, char pad = 0x20);

// 16 device bytes back to cp1251; codes without a character are dropped.
QByteArray decodeDeviceName(const QByteArray& deviceBytes);

}  // namespace nastrum::sim
