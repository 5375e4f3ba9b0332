#include <gtest/gtest.h>

#include "check_test_image.h"
#include "rule_case.h"

namespace nastrum::testing {
namespace {

Flag P(int object, int code) { return {CheckGroup::Pipeline, object, code}; }
PipelineRecord& pipe0(SettingsImage& image) { return image.pipelines[0]; }

// Pipeline 0 of a metered image (water, or natural gas) changed by `change`.
RuleCase water(std::string name, std::function<void(SettingsImage&)> change, std::vector<Flag> expected, Word kind = 2) {
  return {std::move(name), kind,
          [change](SettingsImage& image) {
            image = meteredImage(image.deviceKind);
            change(image);
          },
          std::move(expected)};
}
RuleCase gas(std::string name, std::function<void(SettingsImage&)> change, std::vector<Flag> expected) {
  return water(std::move(name), [change](SettingsImage& image) {
    setGasPipeline(image, 0);
    change(image);
  }, std::move(expected));
}

class PipelineRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(PipelineRules, FlagsExactlyTheBrokenRules) {
  const RuleCase& c = GetParam();
  SettingsImage image = freshImage(c.kind);
  c.setup(image);
  EXPECT_EQ(flagsOf(evaluateRules(image, false)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PipelineRules,
    ::testing::Values(
        water("ValidWaterPasses", [](SettingsImage&) {}, {}),
        gas("ValidGasPasses", [](SettingsImage&) {}, {}),
        water("Medium110Six", [](SettingsImage& i) { pipe0(i).mainDescriptor = 0x6000; }, {P(0, 110)}),
        water("Medium110UnusedSkipsTheRest", [](SettingsImage& i) { pipe0(i).mainDescriptor = 0xF000; pipe0(i).monthFactor = 0; }, {}),
        water("Method111Water", [](SettingsImage& i) { pipe0(i).mainDescriptor = 0x1800; }, {P(0, 111)}),
        water("Payment112Three", [](SettingsImage& i) { pipe0(i).mainDescriptor = 0x1003; }, {P(0, 112)}),
        water("Payment112SixPassesKind2", [](SettingsImage& i) { pipe0(i).mainDescriptor = 0x1006; }, {}),
        water("Payment112SixFailsKind3", [](SettingsImage& i) { pipe0(i).mainDescriptor = 0x1006; }, {P(0, 112)}, 3),
        water("Temperature113NotATemperature", [](SettingsImage& i) { pipe0(i).tempSensors = 0x0140; }, {P(0, 113)}),
        water("Temperature113TemperaturePasses", [](SettingsImage& i) {
          setSensor(i, 1, 0x1400);
          pipe0(i).tempSensors = 0x0140;
        }, {}),
        water("Temperature113Kind1Sixteen", [](SettingsImage& i) { pipe0(i).tempSensors = 0x1040; }, {P(0, 113)}, 1),
        water("Temperature113Kind1DefaultValuePasses", [](SettingsImage& i) { pipe0(i).tempSensors = 0x4240; }, {}, 1),
        water("Inlet114", [](SettingsImage& i) { pipe0(i).tempSensors = 0x4001; }, {P(0, 114)}),
        water("Steam139BothCalculated", [](SettingsImage& i) {
          pipe0(i).mainDescriptor = 0x3000;
          pipe0(i).tempSensors = 0xFF40;
          pipe0(i).pressureSensors = 0xFF40;
        }, {P(0, 139)}),
        water("Steam144NeitherCalculated", [](SettingsImage& i) { pipe0(i).mainDescriptor = 0x3000; }, {P(0, 144)}),
        water("SteamWithCalculatedTemperaturePasses", [](SettingsImage& i) {
          pipe0(i).mainDescriptor = 0x3000;
          pipe0(i).tempSensors = 0xFF40;
        }, {}),
        water("Pressure115NotAPressure", [](SettingsImage& i) { pipe0(i).pressureSensors = 0x0140; }, {P(0, 115)}),
        water("Atmosphere116GaugeSensor", [](SettingsImage& i) {
          setSensor(i, 1, 0x1100);
          pipe0(i).pressureSensors = 0x4001;
        }, {P(0, 116)}),
        water("Atmosphere116AbsoluteSensorPasses", [](SettingsImage& i) {
          setSensor(i, 1, 0x1110);
          pipe0(i).pressureSensors = 0x4001;
        }, {}),
        water("ColdSource117", [](SettingsImage& i) { pipe0(i).bigPipeRef = 0x0001; }, {P(0, 117)}),
        gas("Density118", [](SettingsImage& i) { pipe0(i).densityCalorLink = 0x0140; }, {P(0, 118)}),
        gas("Calorific119", [](SettingsImage& i) { pipe0(i).densityCalorLink = 0x4001; }, {P(0, 119)}),
        gas("Calorific119ConstantSensorPasses", [](SettingsImage& i) {
          setSensor(i, 1, 0x8080);
          pipe0(i).densityCalorLink = 0x4001;
        }, {}),
        water("Failures141Self", [](SettingsImage& i) { pipe0(i).densityCalorLink = 0x0001; }, {P(0, 141)}),
        water("Failures142UnusedPipeline", [](SettingsImage& i) { pipe0(i).densityCalorLink = 0x0006; }, {P(0, 142)}),
        water("Failures143MainPipeline", [](SettingsImage& i) {
          setWaterPipeline(i, 1);
          setWaterPipeline(i, 2);
          i.pipelines[1].densityCalorLink = 0x0004;
          pipe0(i).densityCalorLink = 0x0002;
        }, {P(0, 143)}),
        water("Correction120", [](SettingsImage& i) { pipe0(i).mainDescriptor = 0x1020; }, {P(0, 120)}),
        water("OtherFlow127UnusedSource", [](SettingsImage& i) { pipe0(i).flowSensors = 0x8140; }, {P(0, 127)}),
        water("OtherFlow127Kind1BeyondCount", [](SettingsImage& i) {
          setWaterPipeline(i, 4);
          pipe0(i).flowSensors = 0x8440;
        }, {P(0, 127)}, 1),
        water("OtherFlow140SubRange", [](SettingsImage& i) {
          setWaterPipeline(i, 1);
          pipe0(i).flowSensors = 0x8100;
        }, {P(0, 140)}),
        water("OtherFlowWithShareOfOnePasses", [](SettingsImage& i) {
          setWaterPipeline(i, 1);
          pipe0(i).flowSensors = 0x8140;
          pipe0(i).pipeDiameter = 1;
        }, {}),
        water("Share136", [](SettingsImage& i) {
          setWaterPipeline(i, 1);
          pipe0(i).flowSensors = 0x8140;
          pipe0(i).pipeDiameter = 1.5;
        }, {P(0, 136)}),
        water("NoFlowSensor123", [](SettingsImage& i) { pipe0(i).flowSensors = 0x4040; }, {P(0, 123)}),
        water("FlowType121PressureSensor", [](SettingsImage& i) {
          setSensor(i, 1, 0x1100);
          pipe0(i).flowSensors = 0x0140;
        }, {P(0, 121)}),
        water("FlowType121Kind2Above64", [](SettingsImage& i) { pipe0(i).flowSensors = 0x4140; }, {P(0, 121)}),
        water("FlowType121SkipsSubRange125", [](SettingsImage& i) {
          pipe0(i).mainDescriptor = 0x8800;  // kind 3 energy pipeline wants a frequency sensor B
          pipe0(i).flowSensors = 0x0001;
        }, {P(0, 121)}, 3),
        water("SubRange122NotDifferential", [](SettingsImage& i) {
          setSensor(i, 1, 0x1200);
          pipe0(i).flowSensors = 0x0102;
        }, {P(0, 122)}),
        water("SubRange122DifferentialPasses", [](SettingsImage& i) {
          setSensor(i, 1, 0x1200);
          setSensor(i, 2, 0x1200, 0x0100);
          pipe0(i).flowSensors = 0x0102;
        }, {}),
        water("SubRange122DefaultValueNamesNoSensor", [](SettingsImage& i) {
          setSensor(i, 1, 0x1200);
          pipe0(i).flowSensors = 0x0141;
        }, {P(0, 122)}),
        water("BigPipe124UnusedPipeline", [](SettingsImage& i) {
          setSensor(i, 1, 0x1200);
          pipe0(i).flowSensors = 0x0140;
          pipe0(i).bigPipeRef = 0x0140;
        }, {P(0, 124)}),
        water("BigPipe124UsedPipelinePasses", [](SettingsImage& i) {
          setSensor(i, 1, 0x1200);
          setWaterPipeline(i, 1);
          pipe0(i).flowSensors = 0x0140;
          pipe0(i).bigPipeRef = 0x0140;
        }, {}),
        water("SubRange125WithPulseSensor", [](SettingsImage& i) { pipe0(i).flowSensors = 0x0001; }, {P(0, 125)}),
        water("BigPipe126WithPulseSensor", [](SettingsImage& i) { pipe0(i).bigPipeRef = 0x0140; }, {P(0, 126)}),
        water("Stop128Kind2", [](SettingsImage& i) { pipe0(i).cutoffSource = 0x4040; }, {P(0, 128)}),
        water("Stop128Kind2SixtyThreePasses", [](SettingsImage& i) { pipe0(i).cutoffSource = 0x3F40; }, {}),
        water("Return129NotAPressure", [](SettingsImage& i) {
          pipe0(i).mainDescriptor = 0x1400;
          pipe0(i).cutoffSource = 0x8001;
        }, {P(0, 129)}),
        water("Return129DefaultValuePasses", [](SettingsImage& i) {
          pipe0(i).mainDescriptor = 0x1400;
          pipe0(i).cutoffSource = 0x8041;
        }, {}),
        gas("Humidity130", [](SettingsImage& i) { pipe0(i).cutoffSource = 0x8001; }, {P(0, 130)}),
        gas("Co2Sensor131", [](SettingsImage& i) { pipe0(i).impurityTariff = 0x0140; }, {P(0, 131)}),
        gas("Co2Fraction132", [](SettingsImage& i) { pipe0(i).co2Fraction = 100.5; }, {P(0, 132)}),
        gas("Co2FractionHundredPasses", [](SettingsImage& i) { pipe0(i).co2Fraction = 100; }, {}),
        gas("N2Sensor133", [](SettingsImage& i) { pipe0(i).impurityTariff = 0x4001; }, {P(0, 133)}),
        gas("N2Fraction134", [](SettingsImage& i) { pipe0(i).n2Fraction = -1; }, {P(0, 134)}),
        water("TariffMoment135", [](SettingsImage& i) {
          pipe0(i).mainDescriptor = 0x1005;
          pipe0(i).impurityTariff = 0x2400;
        }, {P(0, 135)}),
        water("TariffMoment135At23Passes", [](SettingsImage& i) {
          pipe0(i).mainDescriptor = 0x1005;
          pipe0(i).impurityTariff = 0x2323;
        }, {}),
        water("MonthFactor137", [](SettingsImage& i) { pipe0(i).monthFactor = 0; }, {P(0, 137)}),
        gas("Humidity138", [](SettingsImage& i) { pipe0(i).nightTariff = 1.5; }, {P(0, 138)})),
    caseName);

TEST(PipelineRulesOrder, RowsOfOneObjectAreListedByAscendingCode) {
  SettingsImage image = meteredImage(2);
  PipelineRecord& p = image.pipelines[0];
  p.flowSensors = 0x8101;  // 127 (pipeline 1 unused) and 140 (sub-range given)
  p.monthFactor = 0;       // 137
  p.densityCalorLink = 0x0001;  // 141, listed before 127 in the rule table
  EXPECT_EQ(flagsOf(evaluateRules(image, false)),
            (std::vector<Flag>{P(0, 127), P(0, 137), P(0, 140), P(0, 141)}));
}

}  // namespace
}  // namespace nastrum::testing
