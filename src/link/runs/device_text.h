// Names in the device's own characters: the translation of a name slot's
// Windows-1251 text to the bytes of the device's names area and back, on the
// device alphabet of the model library.
#pragma once

#include <cstdint>

#include <QByteArray>

namespace nastrum {

constexpr int kDeviceNameLength = 16;
constexpr int kEncodedTextLength = 32;
constexpr std::uint8_t kNamePad = 0x20;

// Text of up to 16 characters -> 32 device bytes. Letters the device has no
// glyph of take a look-alike ("ы" and "Ы" a look-alike and a bar); a
// character the device cannot show at all leaves the pad byte.
QByteArray EncodeDeviceText(const QByteArray& cp1251, std::uint8_t pad = kNamePad);
// Device bytes (the first 16 count) -> text of at most 16 characters; codes
// without a character give nothing, so a free slot of 0xFF reads back empty.
QByteArray DecodeDeviceText(const QByteArray& deviceBytes);

}  // namespace nastrum
