// Descriptor words as hexadecimal text and masks as bit text.
//
// Hex text: upper-case digits, digit 1 the most significant. Bit text: "0" and
// "1", character 1 is bit 15 and character 16 is bit 0 of a sixteen-character
// text, so bit n is character 16 - n.
#pragma once

#include <optional>

#include <QString>

#include "model/settings_image.h"

namespace nastrum {

// Upper-case hex, left-padded with zeros to four digits; larger values take
// more digits. A negative word shows its 32-bit pattern (FFFFFFFF for -1).
QString HexWord(Word value);

// Spaces read as "0"; an empty text is 0. Fails on any other non-hex
// character and on values beyond 32 bits; eight digits above 7FFFFFFF give
// the word with that bit pattern, so HexToInt(HexWord(w)) == w.
std::optional<Word> HexToInt(const QString& text);

// Four bit characters per digit "0".."9", "A".."F"; any other character
// (lower-case letters included) contributes nothing.
QString HexToBits(const QString& hex);

// Groups of four from the left, at most four groups, a short last group
// ignored; a group that is not a bit pattern counts 0. A four-character text
// gives its single digit (0..15), anything else the sum weighted from digit 1.
Word BitsToInt(const QString& bits);

// Three bit characters to a code: mode 0 reads them as binary, mode 1 is the
// sensor page's packed form that skips "010". Anything else gives 0.
int Bits3ToInt(const QString& bits, int mode);

// Bit n (0..15) of a mask word, read and changed the way the pages do it
// (HexWord, HexToBits, character 16 - n, BitsToInt); the result keeps only the
// low 16 bits. A bit outside 0..15 reads false and changes nothing.
bool bitOfWord(Word word, int bit);
Word withBit(Word word, int bit, bool set);

}  // namespace nastrum
