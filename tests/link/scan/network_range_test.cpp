// The numbers a scan may be asked to try.
#include <gtest/gtest.h>

#include "link/scan/network_range.h"

namespace nastrum::test {
namespace {

TEST(NetworkRange, TheFullRangeIsWhatTheProtocolAddresses) {
  ExchangeSettings s;
  EXPECT_EQ(FullNetworkRange(s).last, 127);
  ChooseProtocol(s, LinkProtocol::Ft12);
  EXPECT_EQ(FullNetworkRange(s).first, 1);
  EXPECT_EQ(FullNetworkRange(s).last, 254);
}

TEST(NetworkRange, ParsesOneNumberOrARangeWithinTheProtocol) {
  const NetworkRange full{1, 127};
  struct Case {
    const char* text;
    int first, last;  // 0, 0: refused
  } const cases[] = {
      {"1-32", 1, 32}, {"5", 5, 5}, {" 7 - 9 ", 7, 9}, {"127", 127, 127},
      {"0-5", 0, 0}, {"1-128", 0, 0}, {"9-3", 0, 0}, {"1-2-3", 0, 0}, {"", 0, 0}, {"a-b", 0, 0}, {"-4", 0, 0},
  };
  for (const Case& c : cases) {
    const auto range = ParseNetworkRange(QString::fromLatin1(c.text), full);
    if (c.first == 0) {
      EXPECT_FALSE(range.has_value()) << c.text;
    } else {
      ASSERT_TRUE(range.has_value()) << c.text;
      EXPECT_EQ(range->first, c.first) << c.text;
      EXPECT_EQ(range->last, c.last) << c.text;
    }
  }
}

TEST(NetworkRange, SettingsForANumberAddressThatDevice) {
  ExchangeSettings s;  // traditional, network off
  const ExchangeSettings at9 = SettingsForNumber(s, 9);
  EXPECT_TRUE(NeedsNetworkSelect(at9));
  EXPECT_EQ(ChosenAddress(at9), 9);
  ChooseProtocol(s, LinkProtocol::Ft11);
  const ExchangeSettings ft = SettingsForNumber(s, 200);
  EXPECT_EQ(MakeLinkSetup(ft).address, 200);
  EXPECT_FALSE(NeedsNetworkSelect(ft));
}

}  // namespace
}  // namespace nastrum::test
