#include "sim/device_font.h"

#include <array>
#include <cstdint>

namespace nastrum::sim {
namespace {

constexpr int kNameBytes = 16;

// Device code -> cp1251 character; 0 means the code shows nothing.
std::array<std::uint8_t, 256> buildFont() {
  std::array<std::uint8_t, 256> f{};
  const std::uint8_t low[8] = {0xE3, 0xE7, 0xEB, 0xED, 0xF2, 0xF9, 0xFC, 0xFF};  // г з л н т щ ь я
  for (int i = 0; i < 8; ++i) f[static_cast<std::size_t>(i)] = low[i];
  for (int c = 0x20; c <= 0x5B; ++c) f[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(c);
  f[0x55] = 'V';
  f[0x56] = 'U';
  for (int c = 0x5D; c <= 0x5F; ++c) f[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(c);
  f[0x60] = 0xDC;  // Ь
  for (int c = 0x61; c <= 0x7D; ++c) f[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(c);
  f[0xA5] = 0x95;  // •
  f[0xAE] = 0xFD;  // э
  f[0xBF] = 0xD3;  // У
  f[0xD1] = 0xF7;  // ч
  f[0xD6] = 0xDD;  // Э
  f[0xDE] = 0xB0;  // °
  f[0xE2] = 0xE2;  // в
  f[0xE5] = 0xE1;  // б
  f[0xF5] = 0xE9;  // й
  f[0xF9] = 0xF6;  // ц
  return f;
}

const std::array<std::uint8_t, 256>& font() {
  static const auto table = buildFont();
  return table;
}

// cp1251 letter -> device code of a glyph that looks the same; 0 = none.
std::uint8_t lookAlike(std::uint8_t ch) {
  switch (ch) {
    case 0xC0: return 0x41;  // А
    case 0xC2: return 0x42;  // В
    case 0xC5: return 0x45;  // Е
    case 0xCA: return 0x4B;  // К
    case 0xCC: return 0x4D;  // М
    case 0xCD: return 0x48;  // Н
    case 0xCE: return 0x4F;  // О
    case 0xD0: return 0x50;  // Р
    case 0xD1: return 0x43;  // С
    case 0xD2: return 0x54;  // Т
    case 0xD5: return 0x58;  // Х
    case 0xDC: return 0x62;  // Ь
    case 0xDB: return 0x62;  // Ы (then a bar)
    case 0xE0: return 0x61;  // а
    case 0xE4: return 0x67;  // д
    case 0xE5: return 0x65;  // е
    case 0xE6: return 0x2A;  // ж
    case 0xE8: return 0x75;  // и
    case 0xEA: return 0x6B;  // к
    case 0xEC: return 0x6D;  // м
    case 0xEE: return 0x6F;  // о
    case 0xEF: return 0x6E;  // п
    case 0xF0: return 0x70;  // р
    case 0xF1: return 0x63;  // с
    case 0xF3: return 0x79;  // у
    case 0xF5: return 0x78;  // х
    case 0xF8: return 0x77;  // ш
    case 0xFA: return 0x27;  // ъ
    case 0xFB: return 0x06;  // ы (then a bar)
    default: return 0;
  }
}

// The highest device code that shows the cp1251 character, or -1.
int codeFor(std::uint8_t ch) {
  const auto& f = font();
  for (int c = 255; c >= 0; --c)
    if (f[static_cast<std::size_t>(c)] == ch && ch != 0) return c;
  return -1;
}

}  // namespace

QByteArray encodeDeviceName(const QByteArray& cp1251, char pad) {
  QByteArray out(kNameBytes, pad);
  int pos = 0;
  auto put = [&](int code) {
    if (pos < kNameBytes && code >= 0) out[pos] = static_cast<char>(code);
    ++pos;
  };
  for (char c : cp1251) {
    const auto ch = static_cast<std::uint8_t>(c);
    if (ch == '|') {
      put('|');
      continue;
    }
    if (const std::uint8_t alike = lookAlike(ch)) {
      put(alike);
      if (ch == 0xFB || ch == 0xDB) put('|');
      continue;
    }
    put(codeFor(ch));
  }
  return out;
}

QByteArray decodeDeviceName(const QByteArray& deviceBytes) {
  QByteArray text;
  const auto& f = font();
  for (qsizetype i = 0; i < deviceBytes.size() && i < kNameBytes; ++i) {
    const auto code = static_cast<std::uint8_t>(deviceBytes[i]);
    const bool barNext = i + 1 < deviceBytes.size() && deviceBytes[i + 1] == '|';
    if (barNext && code == 0x62) {
      text.append(static_cast<char>(0xDB));  // Ы
      ++i;
    } else if (barNext && code == 0x06) {
      text.append(static_cast<char>(0xFB));  // ы
      ++i;
    } else if (f[code] != 0) {
      text.append(static_cast<char>(f[code]));
    }
  }
  return text.left(kNameBytes);
}

}  // namespace nastrum::sim
