#include "link/runs/device_text.h"

#include <array>
#include <utility>

namespace nastrum {

namespace {

constexpr char kSmallYery = static_cast<char>(0xFB);  // ы
constexpr char kCapitalYery = static_cast<char>(0xDB);  // Ы
constexpr std::uint8_t kSmallSoftSignCode = 0x06;  // "ь", with a bar it reads "ы"
constexpr std::uint8_t kSmallBCode = 0x62;         // "b", with a bar it reads "Ы"
constexpr std::uint8_t kBarCode = 0x7C;

// Device code -> Windows-1251 byte; -1 where the device shows nothing.
constexpr std::array<int, 256> kDeviceChars = {
    0xE3, 0xE7, 0xEB, 0xED, 0xF2, 0xF9, 0xFC, 0xFF,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,  // 0x00
      -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,  // 0x10
    0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2A, 0x2B, 0x2C, 0x2D, 0x2E, 0x2F,  // 0x20
    0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F,  // 0x30
    0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A, 0x4B, 0x4C, 0x4D, 0x4E, 0x4F,  // 0x40
    0x50, 0x51, 0x52, 0x53, 0x54, 0x56, 0x55, 0x57, 0x58, 0x59, 0x5A, 0x5B,   -1, 0x5D, 0x5E, 0x5F,  // 0x50
    0xDC, 0x61, 0x62, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6A, 0x6B, 0x6C, 0x6D, 0x6E, 0x6F,  // 0x60
    0x70, 0x71, 0x72, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7A, 0x7B, 0x7C, 0x7D,   -1,   -1,  // 0x70
      -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,  // 0x80
      -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,  // 0x90
      -1,   -1,   -1,   -1,   -1, 0x95,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1, 0xFD,   -1,  // 0xA0
      -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1, 0xD3,  // 0xB0
      -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,  // 0xC0
      -1, 0xF7,   -1,   -1,   -1,   -1, 0xDD,   -1,   -1,   -1,   -1,   -1,   -1,   -1, 0xB0,   -1,  // 0xD0
      -1,   -1, 0xE2,   -1,   -1, 0xE1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,  // 0xE0
      -1,   -1,   -1,   -1,   -1, 0xE9,   -1,   -1,   -1, 0xF6,   -1,   -1,   -1,   -1,   -1,   -1,  // 0xF0
};

constexpr std::array<std::pair<std::uint8_t, std::uint8_t>, 29> kLookAlikes = {{
    {0xC0, 0x41},  // А
    {0xC2, 0x42},  // В
    {0xC5, 0x45},  // Е
    {0xCA, 0x4B},  // К
    {0xCC, 0x4D},  // М
    {0xCD, 0x48},  // Н
    {0xCE, 0x4F},  // О
    {0xD0, 0x50},  // Р
    {0xD1, 0x43},  // С
    {0xD2, 0x54},  // Т
    {0xD5, 0x58},  // Х
    {0xDC, 0x62},  // Ь
    {0xE0, 0x61},  // а
    {0xE4, 0x67},  // д
    {0xE5, 0x65},  // е
    {0xE6, 0x2A},  // ж
    {0xE8, 0x75},  // и
    {0xEA, 0x6B},  // к
    {0xEC, 0x6D},  // м
    {0xEE, 0x6F},  // о
    {0xEF, 0x6E},  // п
    {0xF0, 0x70},  // р
    {0xF1, 0x63},  // с
    {0xF3, 0x79},  // у
    {0xF5, 0x78},  // х
    {0xF8, 0x77},  // ш
    {0xFA, 0x27},  // ъ
    {0xFB, 0x06},  // ы
    {0xDB, 0x62},  // Ы
}};

// Windows-1251 byte -> the highest device code showing it, or -1.
std::array<int, 256> BuildCodeOfCharacter() {
  std::array<int, 256> codes;
  codes.fill(-1);
  for (int code = 0; code < 256; ++code)
    if (kDeviceChars[static_cast<std::size_t>(code)] >= 0)
      codes[static_cast<std::size_t>(kDeviceChars[static_cast<std::size_t>(code)])] = code;
  return codes;
}

}  // namespace

std::optional<char> DeviceCharacter(std::uint8_t code) {
  const int c = kDeviceChars[code];
  if (c < 0) return std::nullopt;
  return static_cast<char>(c);
}

std::optional<std::uint8_t> LookAlikeCode(char cp1251) {
  for (const auto& [letter, code] : kLookAlikes)
    if (static_cast<char>(letter) == cp1251) return code;
  return std::nullopt;
}

QByteArray EncodeDeviceText(const QByteArray& cp1251, std::uint8_t pad) {
  static const std::array<int, 256> kCodeOf = BuildCodeOfCharacter();
  QByteArray shown;
  for (const char c : cp1251.left(kDeviceNameLength)) {
    if (c == kBar) {
      shown.append(c);
      continue;
    }
    const auto lookAlike = LookAlikeCode(c);
    if (!lookAlike) {
      shown.append(c);
      continue;
    }
    shown.append(*DeviceCharacter(*lookAlike));
    if (c == kSmallYery || c == kCapitalYery) shown.append(kBar);
  }
  QByteArray out(kEncodedTextLength, static_cast<char>(pad));
  for (int i = 0; i < shown.size() && i < kEncodedTextLength; ++i) {
    const int code = kCodeOf[static_cast<std::uint8_t>(shown[i])];
    if (code >= 0) out[i] = static_cast<char>(code);
  }
  return out;
}

QByteArray DecodeDeviceText(const QByteArray& deviceBytes) {
  const QByteArray bytes = deviceBytes.left(kDeviceNameLength);
  QByteArray text;
  for (int i = 0; i < bytes.size(); ++i) {
    const auto code = static_cast<std::uint8_t>(bytes[i]);
    const bool barFollows = i + 1 < bytes.size() && static_cast<std::uint8_t>(bytes[i + 1]) == kBarCode;
    if (barFollows && (code == kSmallBCode || code == kSmallSoftSignCode)) {
      text.append(code == kSmallBCode ? kCapitalYery : kSmallYery);
      ++i;
      continue;
    }
    if (const auto c = DeviceCharacter(code)) text.append(*c);
  }
  return text.left(kDeviceNameLength);
}

}  // namespace nastrum
