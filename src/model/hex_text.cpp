#include "model/hex_text.h"

#include <cstdint>

namespace nastrum {

namespace {

int hexDigitValue(QChar c) {
  const char16_t u = c.unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  if (u >= 'a' && u <= 'f') return u - 'a' + 10;
  return -1;
}

// "0001".."1111" give 1..15; "0000" and anything else 0.
int bitGroupValue(QStringView group) {
  int value = 0;
  for (QChar c : group) {
    if (c != QLatin1Char('0') && c != QLatin1Char('1')) return 0;
    value = value * 2 + (c == QLatin1Char('1') ? 1 : 0);
  }
  return value;
}

}  // namespace

QString HexWord(Word value) {
  return QString::number(static_cast<std::uint32_t>(value), 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

std::optional<Word> HexToInt(const QString& text) {
  std::uint64_t value = 0;
  for (QChar c : text) {
    const int digit = c == QLatin1Char(' ') ? 0 : hexDigitValue(c);
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<std::uint64_t>(digit);
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  return static_cast<Word>(static_cast<std::uint32_t>(value));
}

QString HexToBits(const QString& hex) {
  QString bits;
  bits.reserve(hex.size() * 4);
  for (QChar c : hex) {
    const char16_t u = c.unicode();
    const bool isDigit = (u >= '0' && u <= '9') || (u >= 'A' && u <= 'F');
    if (!isDigit) continue;
    const int v = hexDigitValue(c);
    for (int b = 3; b >= 0; --b) bits.append(((v >> b) & 1) ? QLatin1Char('1') : QLatin1Char('0'));
  }
  return bits;
}

Word BitsToInt(const QString& bits) {
  if (bits.size() == 4) return bitGroupValue(bits);
  Word sum = 0;
  for (int k = 0; k < 4 && (k + 1) * 4 <= bits.size(); ++k)
    sum += bitGroupValue(QStringView(bits).mid(k * 4, 4)) << (4 * (3 - k));
  return sum;
}

int Bits3ToInt(const QString& bits, int mode) {
  static constexpr int kPacked[8] = {0, 1, 0, 2, 3, 4, 5, 6};
  if (bits.size() != 3) return 0;
  int value = 0;
  for (QChar c : bits) {
    if (c != QLatin1Char('0') && c != QLatin1Char('1')) return 0;
    value = value * 2 + (c == QLatin1Char('1') ? 1 : 0);
  }
  return mode == 1 ? kPacked[value] : value;
}

bool bitOfWord(Word word, int bit) {
  if (bit < 0 || bit > 15) return false;
  const QString bits = HexToBits(HexWord(word & 0xFFFF));
  return bits[15 - bit] == QLatin1Char('1');
}

Word withBit(Word word, int bit, bool set) {
  if (bit < 0 || bit > 15) return word;
  QString bits = HexToBits(HexWord(word & 0xFFFF));
  bits[15 - bit] = set ? QLatin1Char('1') : QLatin1Char('0');
  return BitsToInt(bits);
}

}  // namespace nastrum
