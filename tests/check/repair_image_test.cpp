#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "check/repair_image.h"
#include "check_test_image.h"
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

TEST(RepairImage, RepairsWhatTheFirstRepairUncovers) {
  SettingsImage image = meteredImage(2);
  setSensor(image, 4, 0x2300, 0x0100);
  setWaterPipeline(image, 3);
  image.pipelines[3].flowSensors = 0x8404;  // flow of unused pipeline 4, with a sub-range sensor
  image.pipelines[3].bigPipeRef = 0x0240;   // harmless while the flow comes from elsewhere

  const CheckResult first = evaluateRules(image, false);
  EXPECT_FALSE(first.flagged(CheckGroup::Pipeline, 3, 126));
  RepairImage(image, first);

  // The pipeline now measures with its own pulse sensor 4, which takes no big pipe.
  EXPECT_EQ(image.pipelines[3].flowSensors, 0x0440);
  EXPECT_EQ(image.pipelines[3].bigPipeRef, 0x0040);
  EXPECT_FALSE(evaluateRules(image, false).checkFailed());
}

// Words and reals of every kind, including the ones no editor writes.
Word anyWord(std::mt19937& random) {
  switch (random() % 5) {
    case 0: return static_cast<Word>(random() & 0xFFFF);
    case 1: return static_cast<Word>(random());           // stray high bits, negative
    case 2: return static_cast<Word>(random() % 0x100);   // small numbers
    case 3: return static_cast<Word>(((random() % 16) << 12) | ((random() % 16) << 8) | (random() % 0x50));
    default: return 0;
  }
}
double anyReal(std::mt19937& random) {
  switch (random() % 6) {
    case 0: return std::numeric_limits<double>::quiet_NaN();
    case 1: return -static_cast<double>(random() % 1000) / 7;
    case 2: return std::numeric_limits<double>::infinity();
    case 3: return 1e300;
    case 4: return static_cast<double>(random() % 80);
    default: return 64;
  }
}

SettingsImage randomImage(std::mt19937& random) {
  // Mostly the three kinds; now and then a kind no file would carry.
  SettingsImage image = freshImage(random() % 8 == 0 ? static_cast<Word>(random()) : static_cast<Word>(1 + random() % 3));
  for (SensorRecord& s : image.sensors) {
    s.mainDescriptor = anyWord(random);
    s.auxDescriptor = anyWord(random);
    s.const1 = anyReal(random);
    s.const2 = anyReal(random);
    s.const3 = anyReal(random);
    s.monthFactor = anyReal(random);
  }
  for (PipelineRecord& p : image.pipelines) {
    for (Word* w : {&p.mainDescriptor, &p.flowSensors, &p.tempSensors, &p.pressureSensors, &p.densityCalorLink,
                    &p.bigPipeRef, &p.cutoffSource, &p.impurityTariff})
      *w = anyWord(random);
    for (double* r : {&p.co2Fraction, &p.n2Fraction, &p.pipeDiameter, &p.monthFactor, &p.nightTariff}) *r = anyReal(random);
  }
  auto fill = [&random](auto& words) {
    for (Word& w : words) w = anyWord(random);
  };
  fill(image.hourArcDesc), fill(image.hourArcPos), fill(image.hourArcNeg);
  fill(image.dayArcDesc), fill(image.dayArcPos), fill(image.dayArcNeg);
  fill(image.monthArcDesc), fill(image.monthArcPos), fill(image.monthArcNeg);
  fill(image.intervalArcDesc), fill(image.intervalArcPos), fill(image.intervalArcNeg);
  fill(image.eventType), fill(image.systemBlock), fill(image.logicLaw);
  for (CurrentGenRecord& g : image.currentGenerators) {
    g.lawDescriptor = anyWord(random);
    g.scaleStart = anyReal(random);
    g.scaleEnd = anyReal(random);
  }
  return image;
}

TEST(RepairImage, RandomImagesAreCheckedAndCorrectedWithoutFailing) {
  for (unsigned seed = 1; seed <= 150; ++seed) {
    std::mt19937 random(seed);
    SettingsImage image = randomImage(random);
    const CheckResult first = evaluateRules(image, random() % 2 == 0);
    RepairImage(image, first);
    const CheckResult second = evaluateRules(image, false);
    EXPECT_FALSE(second.checkFailed()) << "seed " << seed;
    // A second check of a checked image changes nothing more.
    SettingsImage again = image;
    EXPECT_EQ(flagsOf(evaluateRules(again, false)), flagsOf(second)) << "seed " << seed;
  }
}

}  // namespace
}  // namespace nastrum::testing
