#include <gtest/gtest.h>

#include "check_test_image.h"
#include "rule_case.h"

namespace nastrum::testing {
namespace {

Flag S(int code) { return {CheckGroup::System, code - 601, code}; }  // each system rule is its own object
Flag G(int object, int code) { return {CheckGroup::CurrentGenerator, object, code}; }
Flag F(int object, int code) { return {CheckGroup::RegulatorFlag, object, code}; }

RuleCase word(std::string name, int index, Word value, std::vector<Flag> expected, Word kind = 2) {
  return {std::move(name), kind,
          [index, value](SettingsImage& image) {
            image = meteredImage(image.deviceKind);
            image.sys(index) = value;
          },
          std::move(expected)};
}

RuleCase generator(std::string name, Word law, double start, double end, std::vector<Flag> expected, Word kind = 2) {
  return {std::move(name), kind,
          [=](SettingsImage& image) {
            image = meteredImage(image.deviceKind);
            image.currentGenerators[3] = {0, law, end, start};
          },
          std::move(expected)};
}

RuleCase flag(std::string name, Word law, std::vector<Flag> expected, Word kind = 3) {
  return {std::move(name), kind,
          [law](SettingsImage& image) {
            image = meteredImage(image.deviceKind);
            image.logicLaw[5] = law;
          },
          std::move(expected)};
}

class SystemRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(SystemRules, FlagsExactlyTheBrokenRules) {
  const RuleCase& c = GetParam();
  SettingsImage image = freshImage(c.kind);
  c.setup(image);
  EXPECT_EQ(flagsOf(evaluateRules(image, false)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Words, SystemRules,
    ::testing::Values(
        word("SummerTime601WrongMonth", sys::SummerTimeInterval, 0x1A05, {S(601)}),
        word("SummerTime601F", sys::SummerTimeInterval, 0xFF05, {S(601)}),
        word("SummerTime601LetterMonth", sys::SummerTimeInterval, 0xB905, {S(601)}),
        word("SummerTime601NoSwitchingPasses", sys::SummerTimeInterval, 0x0005, {}),
        word("SummerTime601AprilSeptemberPasses", sys::SummerTimeInterval, 0x4905, {}),
        word("Interval602Seven", sys::SummerTimeInterval, 0x3A07, {S(602)}),
        word("Interval602ThirtyPasses", sys::SummerTimeInterval, 0x3A1D, {}),
        word("BothHalvesOfTheWord", sys::SummerTimeInterval, 0x2A00, {S(601), S(602)}),
        word("Settlement603Hour24", sys::SettlementHourDate, 2400, {S(603)}),
        word("Settlement603LastHourFirstDayPasses", sys::SettlementHourDate, 2301, {}),
        word("Settlement603DayZero", sys::SettlementHourDate, 2300, {S(603)}),
        word("Settlement603Day32", sys::SettlementHourDate, 532, {S(603)}),
        word("Settlement603Day31Passes", sys::SettlementHourDate, 31, {}),
        word("Settlement603Negative", sys::SettlementHourDate, -101, {S(603)}),
        word("Settlement603FiveDigits", sys::SettlementHourDate, 10101, {S(603)}),
        word("MainBaud604", sys::MainChannelBaud, 0x0961, {S(604)}),
        word("MainBaud604SlowestPasses", sys::MainChannelBaud, 0x0030, {}),
        word("AuxBaud605Kind2", sys::AuxChannelBaud, 0x0961, {S(605)}),
        word("AuxBaud605NotKind3", sys::AuxChannelBaud, 0x0961, {}, 3),
        word("Network606", sys::MainChannelSetup, 0x8000, {S(606)}),
        word("Network606At127Passes", sys::MainChannelSetup, 0x7FFF, {}),
        word("Network607Kind3", sys::AuxChannelSetup, 0x8000, {S(607)}, 3),
        word("Network607NotKind1", sys::AuxChannelSetup, 0x8000, {}, 1),
        word("Battery608NotBatteryVoltage", sys::BatteryControl, 0x0000, {S(608)}),
        word("Battery608BeyondSensorsPasses", sys::BatteryControl, 0x4000, {}),
        RuleCase{"Battery608VoltageSensorPasses", 2,
                 [](SettingsImage& image) {
                   image = meteredImage(2);
                   setSensor(image, 9, 0x1000);
                   image.sys(sys::BatteryControl) = 0x0903;
                 },
                 {}}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    GeneratorsAndFlags, SystemRules,
    ::testing::Values(
        generator("Type701", 0x1100, 0, 1, {G(3, 701)}),
        generator("Type701FirstDigitZeroPasses", 0x0500, 0, 1, {}),
        generator("Type701SecondDigitZeroPasses", 0x5000, 0, 1, {}),
        generator("Type701SkipsScale702", 0x1100, 2, 1, {G(3, 701)}),
        generator("Scale702", 0x0000, 2, 1, {G(3, 702)}),
        generator("Scale702EqualPasses", 0x0000, 1, 1, {}),
        generator("Kind1HasNoGenerators", 0x1100, 2, 1, {}, 1),
        flag("Flag801", 0x0300, {F(5, 801)}),
        flag("Flag801APasses", 0x0A07, {}),
        flag("Flag801OnlyKind3", 0x0300, {}, 2)),
    caseName);

TEST(GeneratorRules, AWorkingLawSetsBit13OfSpecialFunctions) {
  for (const Word law : {0x1000, 0x0100}) {
    SettingsImage image = meteredImage(2);
    image.currentGenerators[0].lawDescriptor = law;
    evaluateRules(image, false);
    EXPECT_EQ(image.sys(sys::SpecialFunctions), 0x2000) << law;
  }
  for (const Word law : {0x0000, 0xFF00, 0x1100}) {  // none, none, flagged by 701
    SettingsImage image = meteredImage(2);
    image.currentGenerators[0].lawDescriptor = law;
    evaluateRules(image, false);
    EXPECT_EQ(image.sys(sys::SpecialFunctions), 0) << law;
  }
}

}  // namespace
}  // namespace nastrum::testing
