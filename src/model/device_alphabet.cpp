#include "model/device_alphabet.h"

#include <array>

namespace nastrum {

namespace {

struct CodeChar {
  int code;
  char16_t ch;
};

// Codes outside the plain ASCII run; 0x20..0x7D are filled in by charTable().
constexpr CodeChar kSpecialCodes[] = {
    {0x00, u'г'}, {0x01, u'з'}, {0x02, u'л'}, {0x03, u'н'}, {0x04, u'т'},
    {0x05, u'щ'}, {0x06, u'ь'}, {0x07, u'я'}, {0x60, u'Ь'}, {0xA5, u'•'},
    {0xAE, u'э'}, {0xBF, u'У'}, {0xD1, u'ч'}, {0xD6, u'Э'}, {0xDE, u'°'},
    {0xE2, u'в'}, {0xE5, u'б'}, {0xF5, u'й'}, {0xF9, u'ц'},
};

constexpr CodeChar kLookAlikes[] = {
    {0x41, u'А'}, {0x42, u'В'}, {0x45, u'Е'}, {0x4B, u'К'}, {0x4D, u'М'},
    {0x48, u'Н'}, {0x4F, u'О'}, {0x50, u'Р'}, {0x43, u'С'}, {0x54, u'Т'},
    {0x58, u'Х'}, {0x62, u'Ь'}, {0x61, u'а'}, {0x67, u'д'}, {0x65, u'е'},
    {0x2A, u'ж'}, {0x75, u'и'}, {0x6B, u'к'}, {0x6D, u'м'}, {0x6F, u'о'},
    {0x6E, u'п'}, {0x70, u'р'}, {0x63, u'с'}, {0x79, u'у'}, {0x78, u'х'},
    {0x77, u'ш'}, {0x27, u'ъ'}, {0x06, u'ы'}, {0x62, u'Ы'},
};

// code -> character, 0 where the code shows nothing.
const std::array<char16_t, 256>& charTable() {
  static const std::array<char16_t, 256> table = [] {
    std::array<char16_t, 256> t{};
    for (int c = 0x20; c <= 0x7D; ++c) {
      if (c == 0x5C || c == 0x60) continue;  // no backslash; 0x60 is "Ь"
      t[static_cast<std::size_t>(c)] = static_cast<char16_t>(c);
    }
    // The device's U and V glyphs sit swapped against ASCII.
    t[0x55] = u'V';
    t[0x56] = u'U';
    for (const auto& e : kSpecialCodes) t[static_cast<std::size_t>(e.code)] = e.ch;
    return t;
  }();
  return table;
}

}  // namespace

std::optional<QChar> deviceCharFor(int code) {
  if (code < 0 || code > 0xFF) return std::nullopt;
  const char16_t ch = charTable()[static_cast<std::size_t>(code)];
  if (ch == 0) return std::nullopt;
  return QChar(ch);
}

std::optional<int> deviceCodeFor(QChar ch) {
  const auto& t = charTable();
  for (int code = 0xFF; code >= 0; --code) {
    const char16_t c = t[static_cast<std::size_t>(code)];
    if (c != 0 && c == ch.unicode()) return code;
  }
  return std::nullopt;
}

std::optional<int> lookAlikeCodeFor(QChar ch) {
  for (const auto& e : kLookAlikes)
    if (e.ch == ch.unicode()) return e.code;
  return std::nullopt;
}

bool isTwoPlaceLetter(QChar ch) { return ch == u'ы' || ch == u'Ы'; }

bool isDeviceShowable(QChar ch) {
  return lookAlikeCodeFor(ch).has_value() || deviceCodeFor(ch).has_value();
}

}  // namespace nastrum
