// Digit access to 16-bit descriptor codes. A descriptor is handled as four
// upper-case hexadecimal digits D1 D2 D3 D4 (D1 most significant); its high
// byte is D1 D2 and its low byte D3 D4. Replacing digits keeps only the low
// 16 bits, as the device stores them.
#pragma once

#include "model/settings_image.h"

namespace nastrum {

// Digit k (1..4) of the word's four-digit text.
constexpr int digitOf(Word w, int k) { return (w >> (4 * (4 - k))) & 0xF; }

// The word with digit k (1..4) replaced by v (0..15).
constexpr Word withDigit(Word w, int k, int v) {
  const int shift = 4 * (4 - k);
  return ((w & 0xFFFF) & ~(0xF << shift)) | ((v & 0xF) << shift);
}

constexpr int highByte(Word w) { return (w >> 8) & 0xFF; }
constexpr int lowByte(Word w) { return w & 0xFF; }
constexpr Word makeWord(int high, int low) { return ((high & 0xFF) << 8) | (low & 0xFF); }
constexpr Word withHighByte(Word w, int b) { return makeWord(b, lowByte(w)); }
constexpr Word withLowByte(Word w, int b) { return makeWord(highByte(w), b); }

// A sensor or pipeline reference byte that names nothing.
constexpr int kNoReference = 0x40;

}  // namespace nastrum
