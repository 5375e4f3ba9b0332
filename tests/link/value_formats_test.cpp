#include <gtest/gtest.h>

#include "link/value_formats.h"
#include "scripted_line.h"

using namespace nastrum;
using nastrum::test::bytes;

TEST(ValueFormats, WordsHighByteFirst) {
  EXPECT_EQ(WordFromBytes(bytes("12 34")), 0x1234);
  EXPECT_EQ(WordFromBytes(bytes("FF FF")), 65535);
  EXPECT_EQ(WordToBytes(0x1234), bytes("12 34"));
  EXPECT_EQ(WordToBytes(0x7FFF1234), bytes("12 34"));  // the low 16 bits of the field
  EXPECT_EQ(WordToBytes(-1), bytes("FF FF"));
}

TEST(ValueFormats, DecimalPairs) {
  EXPECT_EQ(DecimalPairFromBytes(bytes("0E 1E")), 1430);
  EXPECT_EQ(DecimalPairFromBytes(bytes("14 0A")), 2010);
  EXPECT_EQ(ToByteArray(*DecimalPairToBytes(1430)), bytes("0E 1E"));
  EXPECT_EQ(ToByteArray(*DecimalPairToBytes(0)), bytes("00 00"));
  EXPECT_FALSE(DecimalPairToBytes(-1));
  // Whatever a read gives writes back to the bytes it came from.
  EXPECT_EQ(ToByteArray(*DecimalPairToBytes(DecimalPairFromBytes(bytes("FF FF")))), bytes("FF FF"));
  EXPECT_EQ(ToByteArray(*DecimalPairToBytes(DecimalPairFromBytes(bytes("FF 64")))), bytes("FF 64"));
  EXPECT_FALSE(DecimalPairToBytes(25756));
}

TEST(ValueFormats, BcdPairs) {
  EXPECT_EQ(BcdPairFromBytes(bytes("23 15")), 2315);
  EXPECT_EQ(BcdPairFromBytes(bytes("FF 15")), 15);
  EXPECT_EQ(BcdPairFromBytes(bytes("09 FF")), 900);
  EXPECT_EQ(BcdPairFromBytes(bytes("1A 01")), 1);  // not BCD: counts as 0
  EXPECT_EQ(ToByteArray(*BcdPairToBytes(2315)), bytes("23 15"));
  EXPECT_EQ(ToByteArray(*BcdPairToBytes(901)), bytes("09 01"));
  EXPECT_EQ(ToByteArray(*BcdPairToBytes(7)), bytes("00 07"));
  EXPECT_FALSE(BcdPairToBytes(10000));
  EXPECT_FALSE(BcdPairToBytes(-5));
}

TEST(ValueFormats, StatusWordBits) {
  EXPECT_TRUE(StatusWord{0x8000}.keyMissing());
  EXPECT_FALSE(StatusWord{0x7FFF}.keyMissing());
  EXPECT_TRUE(StatusWord{0x0008}.stopped());
  EXPECT_FALSE(StatusWord{0x0018}.stopped());
  EXPECT_EQ(StatusWord{0x0000}.workingState(), StatusWord::kWorking);
  EXPECT_TRUE(StatusWord{0x0009}.inReprogramming());
  EXPECT_TRUE(StatusWord{0x0003}.leftReprogramming());
  EXPECT_FALSE(StatusWord{0x0002}.inReprogramming());
}
