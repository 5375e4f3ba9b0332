// A descriptor word seen as the four hexadecimal digits D1..D4 the device
// gives meaning to, and the rebuilding of a word after one digit changes.
#pragma once

#include <QString>

#include "model/settings_image.h"

namespace nastrum {

// Descriptors are 16-bit codes kept in 32-bit slots; only the low 16 bits are
// read, so a stray high bit can never shift the digits.
class DescriptorDigits {
 public:
  explicit DescriptorDigits(Word word) : value_(static_cast<unsigned>(word) & 0xFFFFu) {}

  int value() const { return static_cast<int>(value_); }
  // D1..D4, position 1 is the most significant digit.
  int digit(int position) const { return static_cast<int>((value_ >> (4 * (4 - position))) & 0xFu); }
  int d1() const { return digit(1); }
  int d2() const { return digit(2); }
  int d3() const { return digit(3); }
  int d4() const { return digit(4); }
  int pair12() const { return static_cast<int>(value_ >> 8); }
  int pair34() const { return static_cast<int>(value_ & 0xFFu); }
  bool bit(int n) const { return n >= 0 && n < 16 && ((value_ >> n) & 1u) != 0; }

  // The four upper-case digits, as every check text shows a descriptor.
  QString text() const { return QStringLiteral("%1").arg(value_, 4, 16, QLatin1Char('0')).toUpper(); }

  Word withDigit(int position, int digit) const;
  Word withPair12(int pair) const { return static_cast<Word>((value_ & 0x00FFu) | ((static_cast<unsigned>(pair) & 0xFFu) << 8)); }
  Word withPair34(int pair) const { return static_cast<Word>((value_ & 0xFF00u) | (static_cast<unsigned>(pair) & 0xFFu)); }
  Word withoutBit(int n) const { return static_cast<Word>(value_ & ~(1u << n)); }

 private:
  unsigned value_;
};

inline Word DescriptorDigits::withDigit(int position, int digit) const {
  const unsigned shift = 4u * static_cast<unsigned>(4 - position);
  return static_cast<Word>((value_ & ~(0xFu << shift)) | ((static_cast<unsigned>(digit) & 0xFu) << shift));
}

// A real constant read as an object number: only whole numbers count, so any
// fraction or a value out of int range reads as "no number".
bool wholeNumber(double value, int& number);

}  // namespace nastrum
