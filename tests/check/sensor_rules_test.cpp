#include <gtest/gtest.h>

#include "check_test_image.h"
#include "rule_case.h"

namespace nastrum::testing {
namespace {

Flag S(int object, int code) { return {CheckGroup::Sensor, object, code}; }

// Sensor 1 is set on an otherwise fresh image of the kind.
RuleCase one(std::string name, Word kind, Word main, Word aux, std::vector<Flag> expected,
             std::function<void(SensorRecord&)> more = {}) {
  return {std::move(name), kind,
          [=](SettingsImage& image) {
            setSensor(image, 1, main, aux);
            if (more) more(image.sensors[1]);
          },
          std::move(expected)};
}

class SensorRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(SensorRules, FlagsExactlyTheBrokenRules) {
  const RuleCase& c = GetParam();
  SettingsImage image = freshImage(c.kind);
  c.setup(image);
  EXPECT_EQ(flagsOf(evaluateRules(image, false)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SensorRules,
    ::testing::Values(
        one("Type10UnknownFirstDigit", 2, 0x5000, 0, {S(1, 10)}),
        one("Type10PulseNotOnKind3", 3, 0x2300, 0, {S(1, 10)}),
        one("Type10ConstantSensorPasses", 3, 0xF000, 0, {}),
        one("Quantity11AboveFive", 2, 0x1600, 0, {S(1, 11)}),
        one("Quantity11ZeroPassesKind2", 2, 0x1000, 0, {}),
        one("Quantity11ZeroFailsKind1", 1, 0x1000, 0, {S(1, 11)}),
        one("Pressure12Conversion", 2, 0x1120, 0, {S(1, 12)}),
        one("Pressure12ConversionNinePasses", 2, 0x1190, 0, {}),
        one("Differential13OneFailsKind2", 2, 0x1210, 0, {S(1, 13)}),
        one("Differential13OnePassesKind3", 3, 0x1210, 0, {}),
        one("Flow14ThreeFailsKind3", 3, 0x1330, 0, {S(1, 14)}),
        one("Flow14ThreePassesKind2", 2, 0x1330, 0, {}),
        one("ColdJunction15Above64", 2, 0x1440, 0, {S(1, 15)}, [](SensorRecord& s) { s.const2 = 65; }),
        one("ColdJunction15NotWhole", 2, 0x1440, 0, {S(1, 15)}, [](SensorRecord& s) { s.const2 = 2.5; }),
        one("ColdJunction15Kind1Sixteen", 1, 0x1440, 0, {S(1, 15)}, [](SensorRecord& s) { s.const2 = 16; }),
        one("ColdJunction15NoneMarkPasses", 1, 0x1440, 0, {}, [](SensorRecord& s) { s.const2 = 64; }),
        one("ColdJunction16NotTemperature", 2, 0x1440, 0, {S(1, 16)}, [](SensorRecord& s) { s.const2 = 5; }),
        RuleCase{"ColdJunction16TemperaturePasses", 2,
                 [](SettingsImage& image) {
                   setSensor(image, 1, 0x1440);
                   image.sensors[1].const2 = 5;
                   setSensor(image, 5, 0x9400);
                 },
                 {}},
        one("Temperature17Conversion", 2, 0x1420, 0, {S(1, 17)}),
        one("Signal18FourthDigit", 2, 0x1104, 0, {S(1, 18)}),
        one("Signal18ElevenPasses", 2, 0x110B, 0, {}),
        one("Channel19SevenKind2", 2, 0x1100, 0x0700, {S(1, 19)}),
        one("Channel19FiftyFivePasses", 2, 0x1100, 0x3700, {}),
        one("Channel19FiftySixFails", 2, 0x1100, 0x3800, {S(1, 19)}),
        one("Channel19SevenKind1", 1, 0x1100, 0x0700, {S(1, 19)}),
        one("Channel19SixtyThreeKind3", 3, 0x1100, 0x3F00, {}),
        one("Quantity20PulseNotFlow", 2, 0x2140, 0, {S(1, 20)}),
        one("Quantity20And30WithoutFactor", 2, 0x2140, 0, {S(1, 20), S(1, 30)}, [](SensorRecord& s) { s.monthFactor = 0; }),
        one("Conversion21Kind2", 2, 0x3320, 0, {S(1, 21)}),
        one("Conversion21Kind3FrequencyD", 3, 0xB3D0, 0, {}),
        one("Conversion21Kind3CounterD", 3, 0xC3D0, 0, {S(1, 21)}),
        one("PulseChannel22Kind1", 1, 0x2300, 0x0400, {S(1, 22)}),
        one("PulseChannel22NeverKind2", 2, 0x2300, 0x0400, {}),
        one("Channel23Kind2", 2, 0x3300, 0x0400, {S(1, 23)}),
        one("Channel23Kind2InvertedPasses", 2, 0x3300, 0x8300, {}),
        one("Channel23Kind3FrequencyB3", 3, 0xB300, 0xB300, {}),
        one("Channel23Kind3CounterNoInverted", 3, 0xC300, 0x8000, {S(1, 23)}),
        one("MonthFactor30Conditional83", 2, 0x8300, 0, {S(1, 30)}, [](SensorRecord& s) { s.monthFactor = 0; }),
        one("MonthFactor30LimitPasses", 2, 0x2300, 0, {}, [](SensorRecord& s) { s.monthFactor = 8388607; }),
        one("MonthFactor30AboveLimit", 2, 0x2300, 0, {S(1, 30)}, [](SensorRecord& s) { s.monthFactor = 8388608; }),
        one("Conditional24Quantity", 2, 0x8100, 0, {S(1, 24)}),
        one("Conditional25Conversion", 2, 0x8060, 0, {S(1, 25)}),
        one("Conditional25EightFailsKind1", 1, 0x8080, 0, {S(1, 25)}),
        one("Table26Ten", 2, 0x8040, 0, {S(1, 26)}, [](SensorRecord& s) { s.const1 = 10; }),
        one("Table26NinePasses", 2, 0x8040, 0, {}, [](SensorRecord& s) { s.const1 = 9; }),
        one("Table26FourKind1", 1, 0x8040, 0, {S(1, 26)}, [](SensorRecord& s) { s.const1 = 4; }),
        one("Table26Fraction", 2, 0x8040, 0, {S(1, 26)}, [](SensorRecord& s) { s.const1 = 2.25; }),
        one("Table26VariableStepPasses", 2, 0x8040, 0, {}, [](SensorRecord& s) { s.const1 = 9.5; }),
        one("Table26VariableStepTenAndAHalf", 2, 0x8040, 0, {S(1, 26)}, [](SensorRecord& s) { s.const1 = 10.5; }),
        one("Table26VariableStepBelowZero", 2, 0x8040, 0, {S(1, 26)}, [](SensorRecord& s) { s.const1 = -0.5; }),
        one("Table26VariableStepThreePassesKind1", 1, 0x8040, 0, {}, [](SensorRecord& s) { s.const1 = 3.5; }),
        one("Table26VariableStepFourKind1", 1, 0x8040, 0, {S(1, 26)}, [](SensorRecord& s) { s.const1 = 4.5; }),
        one("Pipeline27Sixteen", 2, 0x8010, 0, {S(1, 27)}, [](SensorRecord& s) { s.const3 = 16; }),
        one("Pipeline27FifteenPasses", 2, 0x8010, 0, {}, [](SensorRecord& s) { s.const3 = 15; }),
        one("Pipeline27NoOperandPasses", 2, 0x8010, 0, {}, [](SensorRecord& s) { s.const1 = 64; }),
        one("Pipeline27NegativeSixteen", 2, 0x8010, 0, {S(1, 27)}, [](SensorRecord& s) { s.const2 = -16; }),
        one("Sensor28SixtyFourAndAHalf", 2, 0x8000, 0, {S(1, 28)}, [](SensorRecord& s) { s.const2 = 64.5; }),
        one("Sensor28ShownAs64Passes", 2, 0x8000, 0, {}, [](SensorRecord& s) { s.const2 = 64.000001; }),
        one("Sensor28NotOnKind3", 3, 0x8000, 0, {}, [](SensorRecord& s) { s.const2 = 100; }),
        one("Stop29Kind2SixtyFour", 2, 0x1100, 0x0040, {S(1, 29)}),
        one("Stop29Kind2OneTwentyEightPasses", 2, 0x1100, 0x0080, {}),
        one("Stop29Kind3AboveOneTwentyEight", 3, 0x1100, 0x0081, {S(1, 29)}),
        one("Stop29Kind1Four", 1, 0x1100, 0x0004, {S(1, 29)}),
        one("Stop29NotForConditional", 2, 0x8000, 0x0040, {})),
    caseName);

TEST(SensorChannels, EverySensorOnAChannelThatAnotherUsesIsFlaggedOnce) {
  SettingsImage image = freshImage(2);
  for (int n : {0, 1, 2}) setSensor(image, n, 0x3300, 0x0100);
  EXPECT_EQ(flagsOf(evaluateRules(image, false)), (std::vector<Flag>{S(0, 31), S(1, 31), S(2, 31)}));
}

TEST(SensorChannels, InvertedChannelIsFoldedOnlyOnTheFlaggedSide) {
  SettingsImage image = freshImage(2);
  setSensor(image, 0, 0x3300, 0x8100);  // inverted channel 1
  setSensor(image, 1, 0x3300, 0x0100);
  EXPECT_EQ(flagsOf(evaluateRules(image, false)), (std::vector<Flag>{S(0, 31)}));
}

TEST(SensorChannels, SensorsBeyondTheKindAreNotCompared) {
  SettingsImage image = freshImage(1);
  setSensor(image, 0, 0x3300, 0x0100);
  setSensor(image, 20, 0x3300, 0x0100);  // kind 1 uses sensors 0..15 only
  EXPECT_TRUE(evaluateRules(image, false).clean());
}

TEST(FreshImage, PassesForEveryKind) {
  for (Word kind : {1, 2, 3}) {
    SettingsImage image = freshImage(kind);
    EXPECT_TRUE(evaluateRules(image, false).clean()) << "kind " << kind;
    SettingsImage metered = meteredImage(kind);
    EXPECT_TRUE(evaluateRules(metered, false).clean()) << "metered kind " << kind;
  }
}

}  // namespace
}  // namespace nastrum::testing
