// Words of the logic arrays and of the desktop list.
#include <gtest/gtest.h>

#include "descriptors/desktop_params.h"
#include "descriptors/logic_words.h"
#include "descriptors/name_rule.h"
#include "model/device_real.h"

namespace nastrum {
namespace {

TEST(LogicWords, DeviceRealAcrossTwoWords) {
  EXPECT_DOUBLE_EQ(realOfWords(0x8140, 0x0000), 1.0);
  EXPECT_DOUBLE_EQ(realOfWords(0xFFFF, 0xFFFF), DeviceRealLimit);
  EXPECT_DOUBLE_EQ(realOfWords(0, 0), 0.0);
  EXPECT_EQ(deviceRealWords(1.0), std::make_pair(Word{0x8140}, Word{0}));
  EXPECT_EQ(deviceRealWords(1e12), std::make_pair(Word{0xFFFF}, Word{0xFFFF}));
  for (double x : {-2.5, 0.125, 735.0, 12345.5}) {
    const auto [high, low] = deviceRealWords(x);
    EXPECT_DOUBLE_EQ(realOfWords(high, low), x) << x;
  }
}

TEST(LogicWords, LawFamiliesFromTheLawWord) {
  struct Case {
    Word law;
    LawFamily family;
    bool byAddress;
  };
  for (const Case& c : {Case{0x0100, LawFamily::AgainstK1, false}, Case{0x0A05, LawFamily::AgainstK1, true},
                        Case{0x0E00, LawFamily::AgainstMean, true}, Case{0x0700, LawFamily::AgainstMean, false},
                        Case{0x0D00, LawFamily::LogicalByte, true}, Case{0x4600, LawFamily::OneBit, false},
                        Case{0x4100, LawFamily::Unknown, false}, Case{0x0300, LawFamily::Unknown, false},
                        Case{0x0B00, LawFamily::Unknown, true}, Case{0x8800, LawFamily::Unknown, false}}) {
    EXPECT_EQ(lawFamily(c.law), c.family) << std::hex << c.law;
    EXPECT_EQ(lawByAddress(c.law), c.byAddress) << std::hex << c.law;
  }
  for (Word absent : {0x0000, 0xF012, 0xF100, 0xFC00, 0xFFFF}) EXPECT_FALSE(isFlagDescribed(absent));
  EXPECT_TRUE(isFlagDescribed(0x0100));
}

TEST(LogicWords, DecimalPairsAndTerminals) {
  EXPECT_EQ(splitDecimalPair(705).first, 7);
  EXPECT_EQ(splitDecimalPair(705).second, 5);
  EXPECT_EQ(splitDecimalPair(2512).first, 25);
  EXPECT_EQ(splitDecimalPair(30).first, 0);
  EXPECT_EQ(splitDecimalPair(30).second, 30);
  EXPECT_EQ(joinDecimalPair(2, 5), 205);
  EXPECT_EQ(controlOutputModule(0), "МВ1");
  EXPECT_EQ(controlOutputContacts(63), "+9    -10");
  EXPECT_EQ(controlOutputModule(63), "МВ16");
  EXPECT_EQ(regulatorOutputModule(26), "МУ7");
  EXPECT_EQ(regulatorOutputTerminals(26), "+10    -11                    +9     -12");
}

TEST(DesktopWords, WordsOfTheThreeGroups) {
  EXPECT_EQ(desktopWord(DesktopGroup::Measurement, 20, 0x14), 0x1414);
  EXPECT_EQ(desktopWord(DesktopGroup::Calculation, 11, 0x2D), 0x8B2D);
  EXPECT_EQ(desktopWord(DesktopGroup::Control, 0, 0x400E), 0x400E);
  struct Case {
    Word word;
    std::optional<DesktopGroup> group;
    int number;
    int item;
  };
  for (const Case& c : {Case{0x1414, DesktopGroup::Measurement, 20, 0x14}, Case{0x3F0F, DesktopGroup::Measurement, 63, 0x0F},
                        Case{0x8B2D, DesktopGroup::Calculation, 11, 0x2D}, Case{0x433D, DesktopGroup::Control, 0, 0x433D},
                        Case{0xFFFF, std::nullopt, 0, 0}, Case{0x5010, std::nullopt, 0, 0}}) {
    EXPECT_EQ(desktopGroupOf(c.word), c.group) << std::hex << c.word;
    if (!c.group) continue;
    EXPECT_EQ(desktopNumberOf(*c.group, c.word), c.number);
    EXPECT_EQ(desktopItemCodeOf(*c.group, c.word), c.item);
    EXPECT_TRUE(desktopItems(*c.group).containsCode(c.item));
  }
  EXPECT_EQ(desktopItems(DesktopGroup::Measurement).size(), 15);
  EXPECT_EQ(desktopItems(DesktopGroup::Calculation).size(), 39);
  EXPECT_EQ(desktopItems(DesktopGroup::Control).size(), 18);
  EXPECT_FALSE(desktopItems(DesktopGroup::Calculation).containsCode(0x10));
}

// Names entries from a pattern: a letter is a present entry named so, "-" an
// absent one (word 0xFFFF, as an empty entry reads from the device).
NamesRegion desktopOf(const QString& pattern) {
  NamesRegion names;
  for (int n = 0; n < kDesktopEntryCount; ++n) {
    const auto i = static_cast<std::size_t>(n);
    const QChar c = n < pattern.size() ? pattern[n] : u'-';
    names.desktopParams[i] = 0xFFFF;
    if (c != u'-') {
      storeName(names.desktopNames[i], QString(c));
      names.desktopParams[i] = 0x0010 + n;
    }
  }
  return names;
}

TEST(DesktopSteps, MovedEntriesKeepTheirWordsAndTheLastBecomesEmpty) {
  NamesRegion names = desktopOf(QStringLiteral("A-CDEFGHIJKLMNOP"));
  ASSERT_TRUE(closeDesktopGap(names, 1));
  EXPECT_EQ(names.desktopParams[1], 0x0012);
  EXPECT_EQ(names.desktopParams[14], 0x001F);
  EXPECT_TRUE(names.desktopNames[15].isEmpty());
  EXPECT_EQ(names.desktopParams[15], 0);
  EXPECT_FALSE(closeDesktopGap(names, 0)) << "a present entry is no gap";
}

}  // namespace
}  // namespace nastrum
