#include <gtest/gtest.h>

#include "model/hex_text.h"

using namespace nastrum;

TEST(HexWord, PadsToFourUpperCaseDigits) {
  EXPECT_EQ(HexWord(0x4040), QStringLiteral("4040"));
  EXPECT_EQ(HexWord(0), QStringLiteral("0000"));
  EXPECT_EQ(HexWord(0xab), QStringLiteral("00AB"));
  EXPECT_EQ(HexWord(0x12345), QStringLiteral("12345"));
  EXPECT_EQ(HexWord(-1), QStringLiteral("FFFFFFFF"));
}

TEST(HexToInt, ReadsDigitsSpacesAndRefusesTheRest) {
  struct Case {
    const char* text;
    std::optional<Word> value;
  };
  const Case cases[] = {
      {"40 0", 0x4000},  {"", 0},          {"4040", 0x4040}, {"ffFF", 0xFFFF},  {"  ", 0},
      {"FFFFFFFF", -1},  {"0000FFFFFFFF", -1},               {"12G4", std::nullopt},
      {"-1", std::nullopt}, {"0x10", std::nullopt},          {"100000000", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(HexToInt(QString::fromLatin1(c.text)), c.value) << c.text;
  for (Word w : {0, 0x40, 0x8040, 0xFFFF, 0x7FFFFFFF, -2}) EXPECT_EQ(HexToInt(HexWord(w)), w);
}

TEST(HexToBits, FourBitsPerUpperCaseDigitOnly) {
  EXPECT_EQ(HexToBits(QStringLiteral("8001")), QStringLiteral("1000000000000001"));
  EXPECT_EQ(HexToBits(QStringLiteral("F0")), QStringLiteral("11110000"));
  EXPECT_EQ(HexToBits(QStringLiteral("a1")), QStringLiteral("0001"));  // lower case contributes nothing
  EXPECT_EQ(HexToBits(QString()), QString());
}

TEST(BitsToInt, GroupsOfFourFromTheLeft) {
  struct Case {
    const char* bits;
    Word value;
  };
  const Case cases[] = {
      {"1010", 10},
      {"00010010", 0x1200},
      {"000100100011", 0x1230},
      {"1000000000000001", 0x8001},
      {"11111111111111111111", 0xFFFF},  // a fifth group is ignored
      {"0001001", 0x1000},               // a short last group is ignored
      {"0001x0100011", 0x1030},          // a group with another character counts 0
      {"", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(BitsToInt(QString::fromLatin1(c.bits)), c.value) << c.bits;
}

TEST(BitText, ClearingBitZeroOfAMask) {
  QString bits = HexToBits(HexWord(0x8001));
  bits[15] = QLatin1Char('0');
  EXPECT_EQ(BitsToInt(bits), 0x8000);
  EXPECT_EQ(withBit(0x8001, 0, false), 0x8000);
  EXPECT_EQ(withBit(0x0000, 15, true), 0x8000);
  EXPECT_EQ(withBit(0x1234, 16, true), 0x1234);
  EXPECT_TRUE(bitOfWord(0x0004, 2));
  EXPECT_FALSE(bitOfWord(0x0004, 3));
}

TEST(Bits3ToInt, BinaryAndPackedModes) {
  const char* texts[] = {"000", "001", "010", "011", "100", "101", "110", "111", "2", "0101", "01x"};
  const int mode0[] = {0, 1, 2, 3, 4, 5, 6, 7, 0, 0, 0};
  const int mode1[] = {0, 1, 0, 2, 3, 4, 5, 6, 0, 0, 0};
  for (std::size_t i = 0; i < std::size(texts); ++i) {
    EXPECT_EQ(Bits3ToInt(QString::fromLatin1(texts[i]), 0), mode0[i]) << texts[i];
    EXPECT_EQ(Bits3ToInt(QString::fromLatin1(texts[i]), 1), mode1[i]) << texts[i];
  }
}
