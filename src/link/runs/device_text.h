// The device's own character set for the names it shows, and the
// translation of names (Windows-1251 text) to and from it.
#pragma once

#include <cstdint>
#include <optional>

#include <QByteArray>

namespace nastrum {

constexpr int kDeviceNameLength = 16;
constexpr int kEncodedTextLength = 32;
constexpr std::uint8_t kNamePad = 0x20;
constexpr char kBar = '|';

// DeviceCharTable: the Windows-1251 character of a device code, if it has one.
std::optional<char> DeviceCharacter(std::uint8_t code);
// LookAlikeTable: the device code of the glyph that stands in for a Cyrillic
// letter the device cannot show (given as its Windows-1251 byte).
std::optional<std::uint8_t> LookAlikeCode(char cp1251);

// Text of up to 16 characters -> 32 device bytes, pad where a character has
// no code; "ы" and "Ы" take two bytes (a look-alike and a bar).
QByteArray EncodeDeviceText(const QByteArray& cp1251, std::uint8_t pad = kNamePad);
// 16 device bytes -> text of at most 16 characters; codes without a
// character give nothing, so a free slot of 0xFF reads back empty.
QByteArray DecodeDeviceText(const QByteArray& deviceBytes);

}  // namespace nastrum
