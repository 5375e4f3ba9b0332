#include <gtest/gtest.h>

#include "descriptors/archive_words.h"
#include "descriptors/pipeline_codes.h"
#include "descriptors/pipeline_references.h"
#include "descriptors/sensor_codes.h"
#include "descriptors/sensor_references.h"
#include "image_fixture.h"

namespace nastrum {
namespace {

using test::freshImage;
using test::pipeline;
using test::sensor;

struct Asked {
  int message, holder;
  bool operator==(const Asked&) const = default;
};

std::vector<Asked> asked(const ReferenceList& refs) {
  std::vector<Asked> out;
  for (const auto& r : refs) out.push_back({r.message, r.holder});
  return out;
}

void water(SettingsImage& im, int p) {
  pipeline(im, p).mainDescriptor = 0x1200;
  pipeline(im, p).densityCalorLink = 0;
}

TEST(SensorReferences, PulseSensorRemovedFromArchiveAndPipelines) {
  SettingsImage im = freshImage(2);
  sensor(im, 5).mainDescriptor = 0xA350;
  im.hourArcDesc[3] = 0x0105;
  im.hourArcDesc[4] = 0x1803;  // continuation of archive 3
  for (int p : {2, 7}) {
    water(im, p);
    pipeline(im, p).flowSensors = 0x0540;
  }
  const SettingsImage before = im;
  const auto refs = sensorChangeReferences(im, 5, {SensorChangeKind::Family, ChooseAbsent});
  EXPECT_EQ(asked(refs), (std::vector<Asked>{{33, 3}, {29, 2}, {29, 7}}));
  EXPECT_EQ(im.hourArcDesc, before.hourArcDesc);  // finding changes nothing
  removeReferences(im, refs);
  EXPECT_EQ(im.hourArcDesc[3], 0);
  EXPECT_EQ(im.hourArcDesc[4], 0);
  EXPECT_EQ(pipeline(im, 2).flowSensors, 0);
  EXPECT_EQ(pipeline(im, 7).flowSensors, 0);
}

TEST(SensorReferences, ArchivesOfEveryFamilyInOrder) {
  SettingsImage im = freshImage(2);
  sensor(im, 9).mainDescriptor = 0x9101;
  im.monthArcDesc[2] = 0x0109;
  im.dayArcDesc[4] = 0x0180;
  im.dayArcNeg[4] = 0x0009;
  im.dayArcDesc[5] = 0x1004;  // its continuation
  im.intervalArcDesc[1] = 0x0109;
  im.hourArcDesc[0] = 0x0108;  // another sensor
  const auto refs = sensorChangeReferences(im, 9, {SensorChangeKind::Family, ChooseAbsent});
  EXPECT_EQ(asked(refs), (std::vector<Asked>{{41, 1}, {34, 4}, {36, 2}}));
  removeReferences(im, refs);
  EXPECT_EQ(im.dayArcDesc[5], 0);
  EXPECT_EQ(im.hourArcDesc[0], 0x0108);
}

TEST(SensorReferences, DifferentialPressureSubRangeMovesUp) {
  SettingsImage im = freshImage(2);
  sensor(im, 12).mainDescriptor = 0x9201;
  sensor(im, 13).mainDescriptor = 0x9201;
  water(im, 0);
  pipeline(im, 0).flowSensors = 0x0C0D;
  water(im, 1);
  pipeline(im, 1).flowSensors = 0x0C40;
  const auto refs = sensorChangeReferences(im, 12, {SensorChangeKind::Quantity, Temperature});
  EXPECT_EQ(asked(refs), (std::vector<Asked>{{29, 0}, {29, 1}}));
  removeReferences(im, refs);
  EXPECT_EQ(pipeline(im, 0).flowSensors, 0x0D40);
  EXPECT_EQ(pipeline(im, 1).flowSensors, 0x0000);  // 4040 becomes 0000
}

TEST(SensorReferences, TemperatureOrderDependsOnTheChange) {
  SettingsImage im = freshImage(2);
  sensor(im, 4).mainDescriptor = 0x9400;
  sensor(im, 6).mainDescriptor = 0x9450;
  sensor(im, 6).const2 = 4.0;
  water(im, 1);
  pipeline(im, 1).tempSensors = 0x4004;
  pipeline(im, 1).bigPipeRef = 0x0004;
  const auto family = sensorChangeReferences(im, 4, {SensorChangeKind::Family, ChooseConditional});
  EXPECT_EQ(asked(family), (std::vector<Asked>{{46, 6}, {29, 1}, {29, 1}}));
  const auto quantity = sensorChangeReferences(im, 4, {SensorChangeKind::Quantity, Pressure});
  EXPECT_EQ(asked(quantity), (std::vector<Asked>{{29, 1}, {29, 1}, {46, 6}}));
  removeReferences(im, quantity);
  EXPECT_EQ(pipeline(im, 1).tempSensors, 0x4040);
  EXPECT_EQ(pipeline(im, 1).bigPipeRef, 0x0040);
  EXPECT_EQ(sensor(im, 6).const2, 64.0);
  EXPECT_TRUE(sensorChangeReferences(im, 4, {SensorChangeKind::Quantity, Pressure}).empty());
}

TEST(SensorReferences, SerialInputSensorOfGasPipelines) {
  SettingsImage im = freshImage(2);
  sensor(im, 7).mainDescriptor = 0x8080;
  pipeline(im, 2).mainDescriptor = 0x4700;
  pipeline(im, 2).densityCalorLink = 0x0740;
  pipeline(im, 2).cutoffSource = 0x8007;
  water(im, 3);
  pipeline(im, 3).pressureSensors = 0x0507;  // atmospheric pressure
  const auto conv = sensorChangeReferences(im, 7, {SensorChangeKind::Conversion, TableFunction});
  EXPECT_EQ(asked(conv), (std::vector<Asked>{{29, 2}, {29, 3}}));
  EXPECT_TRUE(sensorChangeReferences(im, 7, {SensorChangeKind::Conversion, SerialInput}).empty());
  const auto fam = sensorChangeReferences(im, 7, {SensorChangeKind::Family, ChooseAnalog});
  EXPECT_EQ(asked(fam), (std::vector<Asked>{{29, 2}, {29, 3}, {29, 2}}));
  removeReferences(im, fam);
  EXPECT_EQ(pipeline(im, 2).densityCalorLink, 0x4040);
  EXPECT_EQ(pipeline(im, 2).cutoffSource, 0x8040);
  EXPECT_EQ(pipeline(im, 3).pressureSensors, 0x0540);
}

TEST(SensorReferences, PressureKindAndFlowKind) {
  SettingsImage im = freshImage(2);
  sensor(im, 6).mainDescriptor = 0x9111;  // absolute pressure
  water(im, 0);
  pipeline(im, 0).pressureSensors = 0x0506;
  EXPECT_EQ(asked(sensorChangeReferences(im, 6, {SensorChangeKind::PressureKind, 0})),
            (std::vector<Asked>{{29, 0}}));
  EXPECT_TRUE(sensorChangeReferences(im, 6, {SensorChangeKind::PressureKind, 1}).empty());
  sensor(im, 8).mainDescriptor = 0xA350;  // gas m3
  pipeline(im, 0).flowSensors = 0x0840;
  const auto refs = sensorChangeReferences(im, 8, {SensorChangeKind::FlowKind, FlowTonnes});
  EXPECT_EQ(asked(refs), (std::vector<Asked>{{29, 0}}));
  EXPECT_TRUE(sensorChangeReferences(im, 8, {SensorChangeKind::FlowKind, FlowGasM3}).empty());
  removeReferences(im, refs);
  EXPECT_EQ(pipeline(im, 0).flowSensors, 0x4040);
  sensor(im, 9).mainDescriptor = 0xA300;  // tonnes: nothing to protect
  pipeline(im, 1).mainDescriptor = 0x1200;
  pipeline(im, 1).flowSensors = 0x0940;
  EXPECT_TRUE(sensorChangeReferences(im, 9, {SensorChangeKind::FlowKind, FlowGasM3}).empty());
}

TEST(SensorReferences, LinearScaleSensorOfGasPipelines) {
  SettingsImage im = freshImage(2);
  sensor(im, 4).mainDescriptor = 0x9501;
  pipeline(im, 1).mainDescriptor = 0x4700;
  pipeline(im, 1).impurityTariff = 0x4004;  // N2 sensor
  pipeline(im, 1).densityCalorLink = 0x0440;
  water(im, 2);
  pipeline(im, 2).pressureSensors = 0x4004;  // atmospheric
  // The family change asks about CO2/N2 first, a quantity change last.
  EXPECT_EQ(asked(sensorChangeReferences(im, 4, {SensorChangeKind::Family, ChoosePulse})),
            (std::vector<Asked>{{29, 1}, {29, 2}, {29, 1}}));
  const auto refs = sensorChangeReferences(im, 4, {SensorChangeKind::Quantity, Pressure});
  EXPECT_EQ(asked(refs), (std::vector<Asked>{{29, 2}, {29, 1}, {29, 1}}));
  pipeline(im, 2).tempSensors = 0x0440;  // a linear-scale sensor may give a temperature
  EXPECT_EQ(asked(sensorChangeReferences(im, 4, {SensorChangeKind::Quantity, Temperature})).size(), 3u);
  EXPECT_EQ(asked(sensorChangeReferences(im, 4, {SensorChangeKind::Quantity, Flow})).back(), (Asked{29, 2}));
  removeReferences(im, refs);
  EXPECT_EQ(pipeline(im, 1).impurityTariff, 0x4040);
  EXPECT_EQ(pipeline(im, 1).densityCalorLink, 0x4040);
  EXPECT_EQ(pipeline(im, 2).pressureSensors, 0x4040);
}

TEST(SensorReferences, ConditionalFlowSensorThatStopsMeasuringFlow) {
  SettingsImage im = freshImage(2);
  sensor(im, 7).mainDescriptor = 0x8300;  // accumulating sum of sensors
  water(im, 2);
  pipeline(im, 2).flowSensors = 0x0740;
  // Pulse and frequency sensors still serve as flow sensors: nothing to ask.
  for (int family : {ChoosePulse, ChooseFrequency})
    EXPECT_TRUE(sensorChangeReferences(im, 7, {SensorChangeKind::Family, family}).empty()) << family;
  for (int family : {ChooseAbsent, ChooseAnalog}) {
    SettingsImage changed = im;
    const auto refs = sensorChangeReferences(changed, 7, {SensorChangeKind::Family, family});
    EXPECT_EQ(asked(refs), (std::vector<Asked>{{29, 2}})) << family;
    removeReferences(changed, refs);
    EXPECT_EQ(pipeline(changed, 2).flowSensors, 0) << family;
  }
}

TEST(SensorReferences, SwitchedOffPipelinesAreNotExamined) {
  SettingsImage im = freshImage(2);
  sensor(im, 5).mainDescriptor = 0xA350;
  pipeline(im, 2).flowSensors = 0x0540;  // medium 0
  EXPECT_TRUE(sensorChangeReferences(im, 5, {SensorChangeKind::Family, ChooseAbsent}).empty());
}

TEST(PipelineReferences, SwitchOffAsksTheSumFirst) {
  SettingsImage im = freshImage(2);
  water(im, 2);
  im.hourArcDesc[5] = 0x0280;
  im.hourArcPos[5] = 0x000C;  // pipelines 2 and 3
  im.dayArcDesc[1] = 0x0202;
  im.dayArcDesc[2] = 0x1001;  // continuation of daily 1
  water(im, 4);
  pipeline(im, 4).flowSensors = 0x8240;
  water(im, 6);
  pipeline(im, 6).bigPipeRef = 0x1240;
  const auto refs = pipelineMediumChangeReferences(im, 2, PipeOff);
  EXPECT_EQ(asked(refs), (std::vector<Asked>{{50, 5}, {31, 1}, {32, 4}, {32, 6}}));
  removeReferences(im, refs);
  EXPECT_EQ(im.hourArcPos[5], 0x0008);
  EXPECT_EQ(im.dayArcDesc[1], 0);
  EXPECT_EQ(im.dayArcDesc[2], 0);
  EXPECT_EQ(pipeline(im, 4).flowSensors, 0x8000);
  EXPECT_EQ(pipeline(im, 6).bigPipeRef, 0x0040);
}

TEST(PipelineReferences, IntervalAndMonthlyQuestions) {
  SettingsImage im = freshImage(3);
  im.intervalArcDesc[0] = 0x0480;
  im.intervalArcNeg[0] = 0x0002;
  im.intervalArcDesc[3] = 0x0401;
  im.monthArcDesc[7] = 0x0801;
  im.monthArcDesc[8] = 0x0880;
  im.monthArcPos[8] = 0x0002;
  EXPECT_EQ(asked(pipelineSwitchOffReferences(im, 1)),
            (std::vector<Asked>{{53, 0}, {42, 3}, {52, 8}, {37, 7}}));
}

TEST(PipelineReferences, LinkedWaterPipelineChangesMedium) {
  SettingsImage im = freshImage(2);
  water(im, 0);
  pipeline(im, 0).densityCalorLink = 0x0002;  // links pipeline 1
  water(im, 1);
  pipeline(im, 5).mainDescriptor = 0x7000;      // technical liquid: 4040 is no link mask
  auto refs = pipelineMediumChangeReferences(im, 1, NaturalGas);
  EXPECT_EQ(asked(refs), (std::vector<Asked>{{35, 0}}));
  EXPECT_TRUE(pipelineMediumChangeReferences(im, 1, SaturatedSteam).empty());
  removeReferences(im, refs);
  EXPECT_EQ(pipeline(im, 0).densityCalorLink, 0);
  EXPECT_TRUE(pipelineMediumChangeReferences(im, 6, NaturalGas).empty());
}

}  // namespace
}  // namespace nastrum
