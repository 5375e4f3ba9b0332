#include <gtest/gtest.h>

#include <map>

#include "check_test_image.h"
#include "descriptors/archive_words.h"
#include "rule_case.h"

namespace nastrum::testing {
namespace {

Flag H(int object, int code) { return {CheckGroup::HourArchive, object, code}; }
Flag I(int object, int code) { return {CheckGroup::IntervalArchive, object, code}; }
Flag D(int object, int code) { return {CheckGroup::DayArchive, object, code}; }
Flag M(int object, int code) { return {CheckGroup::MonthArchive, object, code}; }

// A metered image with an analog temperature sensor 1 that archives can name;
// sensor 5 and pipeline 3 stay unused.
SettingsImage archiveImage(Word kind) {
  SettingsImage image = meteredImage(kind);
  setSensor(image, 1, 0x1400);
  return image;
}

RuleCase archives(std::string name, std::function<void(SettingsImage&)> change, std::vector<Flag> expected, Word kind = 2) {
  return {std::move(name), kind,
          [change](SettingsImage& image) {
            image = archiveImage(image.deviceKind);
            change(image);
          },
          std::move(expected)};
}

class ArchiveRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(ArchiveRules, FlagsExactlyTheBrokenRules) {
  const RuleCase& c = GetParam();
  SettingsImage image = freshImage(c.kind);
  c.setup(image);
  EXPECT_EQ(flagsOf(evaluateRules(image, false)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Hourly, ArchiveRules,
    ::testing::Values(
        archives("ValidArchivesPass", [](SettingsImage& i) {
          i.hourArcDesc[0] = 0x0101;                     // sensor 1
          i.hourArcDesc[1] = 0x0180;                     // difference of sensors 1 and 0
          i.hourArcPos[1] = 0x0001;
          i.hourArcNeg[1] = 0x0000;
          i.hourArcDesc[2] = 0x0200;                     // flow of pipeline 0
          i.hourArcDesc[3] = 0x0480;                     // heat sum of pipeline 0
          i.hourArcPos[3] = 0x0001;
          i.hourArcDesc[4] = 0x8040;                     // extended parameter archive
          i.hourArcDesc[5] = 0x1800;                     // continuation of 0 at level 1
          i.hourArcDesc[6] = 0xFF00;                     // not working
        }, {}),
        archives("Type210UnknownKindDigitEndsTheArchive", [](SettingsImage& i) { i.hourArcDesc[3] = 0x0350; }, {H(3, 210)}),
        archives("Type210ParameterWithLevel", [](SettingsImage& i) { i.hourArcDesc[3] = 0x4040; }, {H(3, 210)}),
        archives("Type210ParameterOperandWithLevel", [](SettingsImage& i) { i.hourArcDesc[3] = 0x1005; }, {H(3, 210)}),
        archives("Type210SensorLevelReadAsZero", [](SettingsImage& i) { i.hourArcDesc[3] = 0x3101; }, {H(3, 210)}),
        archives("Extension211Kind1AboveSeven", [](SettingsImage& i) { i.hourArcDesc[8] = 0x8101; }, {H(8, 211)}, 1),
        archives("Extension211Kind1SevenPasses", [](SettingsImage& i) { i.hourArcDesc[7] = 0x8101; }, {}, 1),
        archives("Extension211FreeSlotPasses", [](SettingsImage& i) { i.hourArcDesc[8] = 0x8101; }, {}),
        archives("Extension211FirstSlotWorking", [](SettingsImage& i) {
          i.hourArcDesc[8] = 0x8101;
          i.intervalArcDesc[0] = 0x0101;
        }, {H(8, 211)}),
        archives("Extension211SecondSlotHighByte", [](SettingsImage& i) {
          i.hourArcDesc[9] = 0x8101;
          i.intervalArcDesc[1] = 0x0101;
        }, {H(9, 211)}),
        archives("Extension211Kind3BeyondRange", [](SettingsImage& i) { i.hourArcDesc[26] = 0x8101; }, {H(26, 211)}, 3),
        // A continuation with first digit 8 is an extension like any other word.
        archives("Extension211ContinuationKind1AboveSeven", [](SettingsImage& i) { i.hourArcDesc[8] = 0x8805; },
                 {H(8, 211), H(8, 217)}, 1),
        archives("Extension211ContinuationMeetsAWorkingIntervalArchive", [](SettingsImage& i) {
          i.hourArcDesc[10] = 0x8840;
          i.intervalArcDesc[1] = 0x0101;
        }, {H(10, 211), H(10, 217)}),
        archives("Extension211ContinuationWithAFreeSlotOnlyHasNoLevel", [](SettingsImage& i) { i.hourArcDesc[8] = 0x8840; },
                 {H(8, 217)}),
        archives("Sensor212BeyondSensors", [](SettingsImage& i) { i.hourArcDesc[3] = 0x0150; }, {H(3, 212)}),
        archives("Sensor212Kind1Sixteen", [](SettingsImage& i) { i.hourArcDesc[3] = 0x0110; }, {H(3, 212)}, 1),
        archives("Sensor213Unused", [](SettingsImage& i) { i.hourArcDesc[3] = 0x0105; }, {H(3, 213)}),
        archives("Difference214SameSensors", [](SettingsImage& i) {
          i.hourArcDesc[3] = 0x0180;
          i.hourArcPos[3] = i.hourArcNeg[3] = 0x0001;
        }, {H(3, 214)}),
        archives("Difference215NoX1", [](SettingsImage& i) {
          i.hourArcDesc[3] = 0x0180;
          i.hourArcPos[3] = 0x0040;
          i.hourArcNeg[3] = 0x0001;
        }, {H(3, 215)}),
        archives("Difference216UnusedX2", [](SettingsImage& i) {
          i.hourArcDesc[3] = 0x0180;
          i.hourArcPos[3] = 0x0001;
          i.hourArcNeg[3] = 0x0005;
        }, {H(3, 216)}),
        archives("Level217Zero", [](SettingsImage& i) { i.hourArcDesc[3] = 0x0800; }, {H(3, 217)}),
        archives("Level217Nine", [](SettingsImage& i) { i.hourArcDesc[3] = 0x9800; }, {H(3, 217)}),
        archives("Head218Unattached", [](SettingsImage& i) { i.hourArcDesc[3] = 0x9840; }, {H(3, 218)}),
        archives("Head218BeyondArchives", [](SettingsImage& i) { i.hourArcDesc[3] = 0x1820; }, {H(3, 218)}),
        archives("Head219IsAContinuation", [](SettingsImage& i) {
          i.hourArcDesc[4] = 0x0101;
          i.hourArcDesc[3] = 0x1804;
          i.hourArcDesc[5] = 0x1803;
        }, {H(5, 219)}),
        archives("Head220NotWorking", [](SettingsImage& i) { i.hourArcDesc[5] = 0x1803; }, {H(5, 220)}),
        archives("Head220ParameterHeadPasses", [](SettingsImage& i) {
          i.hourArcDesc[3] = 0x0040;
          i.hourArcDesc[5] = 0x1803;
        }, {}),
        archives("Head221Extended", [](SettingsImage& i) {
          i.hourArcDesc[3] = 0x8101;
          i.hourArcDesc[5] = 0x1803;
        }, {H(5, 221)}),
        archives("Pipeline223BeyondPipelines", [](SettingsImage& i) { i.hourArcDesc[3] = 0x0210; }, {H(3, 223)}),
        archives("Pipeline223Kind1Four", [](SettingsImage& i) { i.hourArcDesc[3] = 0x0404; }, {H(3, 223)}, 1),
        archives("Pipeline224Unused", [](SettingsImage& i) { i.hourArcDesc[3] = 0x0203; }, {H(3, 224)}),
        archives("Sum225InvalidMedium", [](SettingsImage& i) {
          setWaterPipeline(i, 2);
          i.pipelines[2].mainDescriptor = 0x6000;
          i.hourArcDesc[3] = 0x0280;
          i.hourArcPos[3] = 0x0005;
        }, {{CheckGroup::Pipeline, 2, 110}, H(3, 225)}),
        archives("Sum227UnusedInNegative", [](SettingsImage& i) {
          i.hourArcDesc[3] = 0x0480;
          i.hourArcPos[3] = 0x0001;
          i.hourArcNeg[3] = 0x0008;
        }, {H(3, 227)})),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Interval, ArchiveRules,
    ::testing::Values(
        archives("Type310SensorHeadMustBeLevelZero", [](SettingsImage& i) { i.intervalArcDesc[3] = 0x8101; }, {I(3, 310)}),
        archives("Sensor312BeyondSensors", [](SettingsImage& i) { i.intervalArcDesc[3] = 0x0150; }, {I(3, 312)}),
        archives("Head318Kind2Twelve", [](SettingsImage& i) {
          i.intervalArcDesc[12] = 0x0101;
          i.intervalArcDesc[3] = 0x180C;
        }, {}),
        archives("Head318Kind3Twelve", [](SettingsImage& i) { i.intervalArcDesc[3] = 0x180C; }, {I(3, 318)}, 3),
        archives("Head320NotWorking", [](SettingsImage& i) { i.intervalArcDesc[3] = 0x1805; }, {I(3, 320)}),
        archives("Duplicate322", [](SettingsImage& i) {
          i.intervalArcDesc[0] = 0x0101;
          i.intervalArcDesc[3] = i.intervalArcDesc[4] = 0x1800;
        }, {I(3, 322)}),
        archives("Slot328TakenByEvents", [](SettingsImage& i) {
          i.intervalArcDesc[12] = 0x0101;
          i.eventType[0] = 0x0100;
        }, {I(12, 328)}),
        archives("Slot328Kind3EventsPass", [](SettingsImage& i) {
          i.intervalArcDesc[11] = 0x0101;
          i.eventType[0] = 0x0100;
        }, {}, 3),
        archives("Slot328OnlyWhenInUse", [](SettingsImage& i) {
          i.hourArcDesc[8] = 0x8101;
          i.intervalArcDesc[0] = 0x0041;  // high byte 00, third digit 4
        }, {I(0, 328)}),
        archives("Slot328NotInUsePasses", [](SettingsImage& i) {
          i.hourArcDesc[8] = 0x8101;
          i.intervalArcDesc[0] = 0x0031;
        }, {})),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    DailyMonthly, ArchiveRules,
    ::testing::Values(
        archives("Type410UnknownKindDigit", [](SettingsImage& i) { i.dayArcDesc[3] = 0x0350; }, {D(3, 410)}),
        archives("Type410ContinuationPasses", [](SettingsImage& i) {
          i.dayArcDesc[2] = 0x0101;
          i.dayArcDesc[3] = 0x1002;
          i.dayArcDesc[4] = 0x1040;
        }, {}),
        archives("Type410ParameterLevel", [](SettingsImage& i) { i.dayArcDesc[3] = 0x2040; }, {D(3, 410)}),
        archives("Head418BeyondArchives", [](SettingsImage& i) { i.dayArcDesc[3] = 0x1050; }, {D(3, 418)}),
        archives("Head418Kind1ThirtyTwo", [](SettingsImage& i) { i.dayArcDesc[3] = 0x1020; }, {D(3, 418)}, 1),
        archives("Head420NotAHead", [](SettingsImage& i) { i.dayArcDesc[3] = 0x1005; }, {D(3, 420)}),
        archives("Head420ParameterHeadPasses", [](SettingsImage& i) {
          i.dayArcDesc[5] = 0x0040;
          i.dayArcDesc[3] = 0x1005;
        }, {}),
        archives("Head420ReadsTheHeadAsTheTypeRuleLeavesIt", [](SettingsImage& i) {
          i.dayArcDesc[3] = 0x1005;
          i.dayArcDesc[5] = 0x8101;  // level digit reset to 0 by 410, after archive 3
        }, {D(5, 410)}),
        archives("Head429SecondContinuation", [](SettingsImage& i) {
          i.dayArcDesc[2] = 0x0101;
          i.dayArcDesc[3] = 0x1002;
          i.dayArcDesc[6] = 0x1002;
        }, {D(6, 429)}),
        archives("Sum425OnlyUnusedPipelines", [](SettingsImage& i) {
          setWaterPipeline(i, 2);
          i.pipelines[2].mainDescriptor = 0x6000;
          i.dayArcDesc[3] = 0x0880;
          i.dayArcPos[3] = 0x000D;
        }, {{CheckGroup::Pipeline, 2, 110}, D(3, 425)}),
        archives("Pipeline423PaymentItem", [](SettingsImage& i) { i.dayArcDesc[3] = 0x0810; }, {D(3, 423)}),
        archives("Type510LevelTenNotADailyContinuation", [](SettingsImage& i) { i.monthArcDesc[3] = 0x1040; }, {M(3, 510)}),
        archives("Sensor512LastMonthlyOfKind3", [](SettingsImage& i) { i.monthArcDesc[62] = 0x0150; }, {M(62, 512)}, 3),
        archives("Monthly32NotCheckedOnKind1", [](SettingsImage& i) { i.monthArcDesc[32] = 0x0350; }, {}, 1),
        archives("Difference514SameSensors", [](SettingsImage& i) {
          i.monthArcDesc[3] = 0x0180;
          i.monthArcPos[3] = i.monthArcNeg[3] = 0x0001;
        }, {M(3, 514)})),
    caseName);

TEST(ArchiveRules, DuplicateLevelsKeepTheFirstAndCloseTheGaps) {
  SettingsImage image = archiveImage(2);
  image.hourArcDesc[3] = 0x0101;
  image.hourArcDesc[5] = 0x2803;
  image.hourArcDesc[6] = 0x2803;
  image.hourArcDesc[7] = 0x5803;
  image.hourArcDesc[9] = 0x4803;

  const CheckResult result = evaluateRules(image, false);

  ASSERT_EQ(flagsOf(result), std::vector<Flag>{H(5, 222)});
  EXPECT_EQ(result.errors[0].listed, QList<int>{6});
  EXPECT_EQ(image.hourArcDesc[6], 0);
  EXPECT_EQ(image.hourArcDesc[5], 0x1803);
  EXPECT_EQ(image.hourArcDesc[9], 0x2803);
  EXPECT_EQ(image.hourArcDesc[7], 0x3803);
  EXPECT_TRUE(evaluateRules(image, false).clean());
}

// The levels the check leaves on the continuation words of one family.
struct LevelCase {
  std::string name;
  Word kind;
  ArchiveFamily family;
  std::map<int, Word> before;  // descriptors set on an archive image
  std::map<int, Word> after;   // the same descriptors after the check
};
std::ostream& operator<<(std::ostream& os, const LevelCase& c) { return os << c.name; }

class Renumbering : public ::testing::TestWithParam<LevelCase> {};

TEST_P(Renumbering, TouchesOnlyContinuationsOfAnArchiveOfTheFamily) {
  const LevelCase& c = GetParam();
  SettingsImage image = archiveImage(c.kind);
  for (const auto& [n, word] : c.before) setArchiveWords(image, c.family, n, {word, 0, 0});

  evaluateRules(image, false);

  for (const auto& [n, word] : c.after) EXPECT_EQ(archiveWords(image, c.family, n).desc, word) << "archive " << n;
}

INSTANTIATE_TEST_SUITE_P(
    Levels, Renumbering,
    ::testing::Values(
        LevelCase{"HourlyHeadBeyondTheArchivesKeepsItsLevels", 2, ArchiveFamily::Hourly,
                  {{3, 0x1840}, {5, 0x1840}}, {{3, 0x1840}, {5, 0x1840}}},
        LevelCase{"HourlyHeadByteFFKeepsItsLevels", 1, ArchiveFamily::Hourly,
                  {{3, 0x38FF}, {5, 0x58FF}}, {{3, 0x38FF}, {5, 0x58FF}}},
        LevelCase{"IntervalHeadBeyondKind2", 2, ArchiveFamily::Interval,
                  {{2, 0x380D}, {4, 0x180D}}, {{2, 0x380D}, {4, 0x180D}}},
        LevelCase{"IntervalHeadBeyondKind3", 3, ArchiveFamily::Interval,
                  {{2, 0x180C}, {4, 0x180C}}, {{2, 0x180C}, {4, 0x180C}}},
        // A head that names an archive is renumbered even when it does not work.
        LevelCase{"HourlyHeadNotWorkingIsRenumbered", 2, ArchiveFamily::Hourly,
                  {{4, 0x2812}, {6, 0x5812}}, {{4, 0x1812}, {6, 0x2812}}},
        LevelCase{"IntervalLastArchiveOfKind2IsAHead", 2, ArchiveFamily::Interval,
                  {{12, 0x0101}, {2, 0x380C}}, {{2, 0x180C}}}),
    [](const ::testing::TestParamInfo<LevelCase>& info) { return info.param.name; });

TEST(ArchiveRules, RenumberingNeverGoesBeyondTheSeventhLevel) {
  SettingsImage image = archiveImage(2);
  // Nine continuations of a head that does not work: 220 on each, so no
  // duplicate is cleared.
  for (std::size_t n = 10; n < 19; ++n) image.hourArcDesc[n] = 0x7803;

  evaluateRules(image, false);

  for (std::size_t n = 10; n < 17; ++n) EXPECT_EQ(image.hourArcDesc[n], static_cast<Word>(((n - 9) << 12) | 0x0803)) << n;
  EXPECT_EQ(image.hourArcDesc[17], 0x7803);
  EXPECT_EQ(image.hourArcDesc[18], 0x7803);
}

TEST(ArchiveRules, DailyAndMonthlyTypeRulesRepairTheWordAtOnce) {
  SettingsImage image = archiveImage(2);
  image.dayArcDesc[3] = 0x0350;
  image.dayArcDesc[4] = 0x2101;
  image.monthArcDesc[3] = 0x1040;
  image.hourArcDesc[3] = 0x3101;  // hourly: read as level 0, kept as it is

  evaluateRules(image, false);

  EXPECT_EQ(image.dayArcDesc[3], 0);
  EXPECT_EQ(image.dayArcDesc[4], 0x0101);
  EXPECT_EQ(image.monthArcDesc[3], 0);
  EXPECT_EQ(image.hourArcDesc[3], 0x3101);
}

TEST(ArchiveRules, APipelineWithBothSignsLeavesTheNegativePart) {
  SettingsImage image = archiveImage(2);
  setWaterPipeline(image, 1);
  for (auto* family : {&image.hourArcDesc[0], &image.dayArcDesc[0], &image.monthArcDesc[0], &image.intervalArcDesc[0]})
    *family = 0x0280;
  image.hourArcPos[0] = image.dayArcPos[0] = image.monthArcPos[0] = image.intervalArcPos[0] = 0x0003;
  image.hourArcNeg[0] = image.dayArcNeg[0] = image.monthArcNeg[0] = image.intervalArcNeg[0] = 0x0002;

  const CheckResult result = evaluateRules(image, false);

  EXPECT_EQ(flagsOf(result), (std::vector<Flag>{H(0, 226), I(0, 326), D(0, 426), M(0, 526)}));
  EXPECT_EQ(result.errors[0].listed, QList<int>{1});
  EXPECT_EQ(image.hourArcNeg[0], 0);
  EXPECT_EQ(image.dayArcNeg[0], 0);
  EXPECT_EQ(image.monthArcNeg[0], 0);
  EXPECT_EQ(image.intervalArcNeg[0], 0x0002);  // the interval rule only reports
}

}  // namespace
}  // namespace nastrum::testing
