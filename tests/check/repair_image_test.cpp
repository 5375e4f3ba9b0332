#include <gtest/gtest.h>

#include <random>

#include "check/repair_image.h"
#include "check_test_image.h"
#include "random_image.h"
#include "rule_case.h"

namespace nastrum::testing {
namespace {

// One repairable error on a metered kind-2 image and the word its repair writes.
struct RepairCase {
  std::string name;
  int code;
  std::function<void(SettingsImage&)> breakIt;
  std::function<Word(const SettingsImage&)> word;
  Word repaired;
};
std::ostream& operator<<(std::ostream& os, const RepairCase& c) { return os << c.name; }

class Repairs : public ::testing::TestWithParam<RepairCase> {};

TEST_P(Repairs, WriteTheAnnouncedWordAndLeaveNothingRepairable) {
  const RepairCase& c = GetParam();
  SettingsImage image = meteredImage(2);
  setSensor(image, 1, 0x1400);
  c.breakIt(image);
  const CheckResult found = evaluateRules(image, false);
  ASSERT_TRUE(std::any_of(found.errors.begin(), found.errors.end(),
                          [&](const CheckError& e) { return e.code == c.code && e.repairable; }))
      << "rule " << c.code << " not flagged as repairable";

  RepairImage(image, found);

  EXPECT_EQ(c.word(image), c.repaired);
  EXPECT_FALSE(evaluateRules(image, false).checkFailed());
}

Word sensor3Main(const SettingsImage& i) { return i.sensors[3].mainDescriptor; }
Word pipe3Flow(const SettingsImage& i) { return i.pipelines[3].flowSensors; }

INSTANTIATE_TEST_SUITE_P(
    EveryCorrection, Repairs,
    ::testing::Values(
        RepairCase{"Sensor20", 20, [](SettingsImage& i) { setSensor(i, 3, 0x2140, 0x0100); }, sensor3Main, 0x2340},
        RepairCase{"Pipeline141", 141, [](SettingsImage& i) {
                     setWaterPipeline(i, 3);
                     setWaterPipeline(i, 5);
                     i.pipelines[5].densityCalorLink = 0;
                     i.pipelines[3].densityCalorLink = 0x0028;
                   }, [](const SettingsImage& i) { return i.pipelines[3].densityCalorLink; }, 0x0020},
        RepairCase{"Pipeline127", 127, [](SettingsImage& i) {
                     setWaterPipeline(i, 3);
                     i.pipelines[3].flowSensors = 0x8540;
                   }, pipe3Flow, 0x0540},
        RepairCase{"Pipeline140", 140, [](SettingsImage& i) {
                     setWaterPipeline(i, 3);
                     i.pipelines[3].flowSensors = 0x8007;
                   }, pipe3Flow, 0x8040},
        RepairCase{"Pipeline125", 125, [](SettingsImage& i) {
                     setWaterPipeline(i, 3);
                     i.pipelines[3].flowSensors = 0x0007;
                   }, pipe3Flow, 0x0040},
        RepairCase{"Pipeline126", 126, [](SettingsImage& i) {
                     setWaterPipeline(i, 3);
                     i.pipelines[3].bigPipeRef = 0x0540;
                   }, [](const SettingsImage& i) { return i.pipelines[3].bigPipeRef; }, 0x0040},
        RepairCase{"Hourly211", 211, [](SettingsImage& i) { i.hourArcDesc[28] = 0x8101; },
                   [](const SettingsImage& i) { return i.hourArcDesc[28]; }, 0x0101},
        RepairCase{"Hourly211OnAContinuation", 211, [](SettingsImage& i) { i.hourArcDesc[28] = 0x8805; },
                   [](const SettingsImage& i) { return i.hourArcDesc[28]; }, 0x0805},
        RepairCase{"Hourly214", 214, [](SettingsImage& i) {
                     i.hourArcDesc[2] = 0x0180;
                     i.hourArcPos[2] = i.hourArcNeg[2] = 0x0001;
                   }, [](const SettingsImage& i) { return i.hourArcNeg[2]; }, 0x0040},
        RepairCase{"Hourly220", 220, [](SettingsImage& i) { i.hourArcDesc[2] = 0x1805; },
                   [](const SettingsImage& i) { return i.hourArcDesc[2]; }, 0x9840},
        RepairCase{"Interval314", 314, [](SettingsImage& i) {
                     i.intervalArcDesc[2] = 0x0180;
                     i.intervalArcPos[2] = i.intervalArcNeg[2] = 0x0001;
                   }, [](const SettingsImage& i) { return i.intervalArcNeg[2]; }, 0x0040},
        RepairCase{"Interval320", 320, [](SettingsImage& i) { i.intervalArcDesc[2] = 0x1805; },
                   [](const SettingsImage& i) { return i.intervalArcDesc[2]; }, 0x9840},
        RepairCase{"Interval328", 328, [](SettingsImage& i) {
                     i.intervalArcDesc[12] = 0x0101;
                     i.eventType[0] = 0x0100;
                   }, [](const SettingsImage& i) { return i.intervalArcDesc[12]; }, 0x0000},
        RepairCase{"Daily414", 414, [](SettingsImage& i) {
                     i.dayArcDesc[2] = 0x0180;
                     i.dayArcPos[2] = i.dayArcNeg[2] = 0x0001;
                   }, [](const SettingsImage& i) { return i.dayArcNeg[2]; }, 0x0040},
        RepairCase{"Daily418", 418, [](SettingsImage& i) { i.dayArcDesc[2] = 0x1050; },
                   [](const SettingsImage& i) { return i.dayArcDesc[2]; }, 0x1040},
        RepairCase{"Daily429KeepsTheHeadsComponents", 429, [](SettingsImage& i) {
                     i.dayArcDesc[1] = 0x0180;
                     i.dayArcPos[1] = 0x0001;
                     i.dayArcDesc[2] = i.dayArcDesc[3] = 0x1001;
                     i.dayArcPos[3] = 0x0007;  // a continuation's own leftovers stay as they were
                   }, [](const SettingsImage& i) { return (i.dayArcDesc[3] << 16) | i.dayArcPos[3]; }, 0x10400007},
        RepairCase{"Monthly514", 514, [](SettingsImage& i) {
                     i.monthArcDesc[2] = 0x0180;
                     i.monthArcPos[2] = i.monthArcNeg[2] = 0x0001;
                   }, [](const SettingsImage& i) { return i.monthArcNeg[2]; }, 0x0040},
        RepairCase{"System601And602", 601, [](SettingsImage& i) { i.sys(sys::SummerTimeInterval) = 0x7B00; },
                   [](const SettingsImage& i) { return i.sys(sys::SummerTimeInterval); }, 0x3A05},
        RepairCase{"System604", 604, [](SettingsImage& i) { i.sys(sys::MainChannelBaud) = 0x1234; },
                   [](const SettingsImage& i) { return i.sys(sys::MainChannelBaud); }, 0x0960},
        RepairCase{"System605", 605, [](SettingsImage& i) { i.sys(sys::AuxChannelBaud) = -1; },
                   [](const SettingsImage& i) { return i.sys(sys::AuxChannelBaud); }, 0x0960},
        RepairCase{"Generator701", 701, [](SettingsImage& i) { i.currentGenerators[4].lawDescriptor = 0x2301; },
                   [](const SettingsImage& i) { return i.currentGenerators[4].lawDescriptor; }, 0x0001}),
    [](const ::testing::TestParamInfo<RepairCase>& info) { return info.param.name; });

TEST(RepairImage, AnExtensionThatMeetsAWorkingIntervalArchiveGivesWayToIt) {
  SettingsImage image = meteredImage(2);
  setSensor(image, 1, 0x1400);
  image.hourArcDesc[12] = 0x8101;    // takes interval archives 2 and 3
  image.intervalArcDesc[3] = 0x0101;

  const CheckResult found = evaluateRules(image, false);
  EXPECT_EQ(flagsOf(found), (std::vector<Flag>{{CheckGroup::HourArchive, 12, 211}}));
  RepairImage(image, found);

  EXPECT_EQ(image.hourArcDesc[12], 0x0101);
  EXPECT_EQ(image.intervalArcDesc[3], 0x0101);
  EXPECT_TRUE(evaluateRules(image, false).clean());
}

// One round of the correction mends the rows the user was shown and nothing
// else; what a repair uncovers waits for the next check and its prompt.
struct RoundCase {
  std::string name;
  Word kind;
  std::function<void(SettingsImage&)> breakIt;
  std::function<std::vector<Word>(const SettingsImage&)> words;
  std::vector<Word> afterOneRound;
  std::vector<Flag> repairableNext;  // the red rows of the check that follows
};
std::ostream& operator<<(std::ostream& os, const RoundCase& c) { return os << c.name; }

std::vector<Flag> repairableFlags(const CheckResult& result) {
  std::vector<Flag> flags;
  for (const CheckError& e : result.errors)
    if (e.repairable) flags.push_back({e.group, e.object, e.code});
  return flags;
}

class OneRound : public ::testing::TestWithParam<RoundCase> {};

TEST_P(OneRound, MendsOnlyTheRowsItWasShown) {
  const RoundCase& c = GetParam();
  SettingsImage image = meteredImage(c.kind);
  setSensor(image, 1, 0x1400);
  c.breakIt(image);

  RepairImage(image, evaluateRules(image, false));

  EXPECT_EQ(c.words(image), c.afterOneRound);
  const CheckResult next = evaluateRules(image, false);
  EXPECT_EQ(repairableFlags(next), c.repairableNext);
  RepairImage(image, next);
  EXPECT_FALSE(evaluateRules(image, false).checkFailed());
}

Flag hourly(int object, int code) { return {CheckGroup::HourArchive, object, code}; }

INSTANTIATE_TEST_SUITE_P(
    Uncovered, OneRound,
    ::testing::Values(
        // The extension is given up; its continuations then name a head that
        // records nothing, which the next check shows before they change.
        RoundCase{"AGivenUpExtensionLeavesItsContinuationsForTheNextPrompt", 1, [](SettingsImage& i) {
                    i.hourArcDesc[9] = 0x8001;
                    i.hourArcDesc[3] = 0x1809;
                    i.hourArcDesc[4] = 0x2809;
                    i.hourArcDesc[5] = 0x3809;
                  }, [](const SettingsImage& i) {
                    return std::vector<Word>{i.hourArcDesc[9], i.hourArcDesc[3], i.hourArcDesc[4], i.hourArcDesc[5]};
                  }, {0x0001, 0x1809, 0x2809, 0x3809}, {hourly(3, 220), hourly(4, 220), hourly(5, 220)}},
        // The flow of an unused pipeline becomes the pipeline's own pulse
        // sensor, which takes no big pipe: shown by the next check.
        RoundCase{"AFlowMadeOwnLeavesItsBigPipeForTheNextPrompt", 2, [](SettingsImage& i) {
                    setSensor(i, 4, 0x2300, 0x0100);
                    setWaterPipeline(i, 3);
                    i.pipelines[3].flowSensors = 0x8404;
                    i.pipelines[3].bigPipeRef = 0x0240;
                  }, [](const SettingsImage& i) {
                    return std::vector<Word>{i.pipelines[3].flowSensors, i.pipelines[3].bigPipeRef};
                  }, {0x0440, 0x0240}, {{CheckGroup::Pipeline, 3, 126}}}),
    [](const ::testing::TestParamInfo<RoundCase>& info) { return info.param.name; });

// Enough rounds for any chain of repairs; a repair writes fixed digits, so
// the rounds settle.
constexpr int kRoundsEnough = 8;

TEST(RepairImage, RandomImagesAreCheckedAndCorrectedRoundByRoundWithoutFailing) {
  for (unsigned seed = 1; seed <= 150; ++seed) {
    std::mt19937 random(seed);
    SettingsImage image = randomImage(random);
    CheckResult shown = evaluateRules(image, random() % 2 == 0);
    for (int round = 0; round < kRoundsEnough && shown.checkFailed(); ++round) {
      RepairImage(image, shown);
      const CheckResult next = evaluateRules(image, false);
      // Each repair wrote what its row announced, so none of them comes back.
      for (const CheckError& e : shown.errors)
        EXPECT_FALSE(e.repairable && next.flagged(e.group, e.object, e.code))
            << "seed " << seed << ": " << e.text.toStdString();
      shown = next;
    }
    EXPECT_FALSE(shown.checkFailed()) << "seed " << seed;
    // A second check of a checked image changes nothing more.
    SettingsImage again = image;
    EXPECT_EQ(flagsOf(evaluateRules(again, false)), flagsOf(shown)) << "seed " << seed;
  }
}

}  // namespace
}  // namespace nastrum::testing
