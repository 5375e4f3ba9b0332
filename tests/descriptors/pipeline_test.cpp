#include <gtest/gtest.h>

#include "descriptors/descriptor_digits.h"
#include "descriptors/pipeline_edit.h"
#include "descriptors/sensor_channels.h"
#include "image_fixture.h"

namespace nastrum {
namespace {

using test::freshImage;
using test::pipeline;
using test::sensor;

TEST(PipelineMedium, ValidDigitsAndLists) {
  for (int d1 = 0; d1 < 16; ++d1) {
    const bool valid = d1 <= 5 || d1 == 7 || d1 == 8 || d1 == 0xF;
    EXPECT_EQ(pipelineMedium(d1 << 12).has_value(), valid) << d1;
  }
  EXPECT_FALSE(isActivePipeline(0xF000));
  EXPECT_EQ(mediumChoices(2).texts().last(), QStringLiteral("другие энергоносители"));
  EXPECT_EQ(mediumChoices(3).texts(), (QStringList{"трубопровод отключен", "вода", "пар перегретый", "пар насыщенный",
                                                   "газ природный", "технический газ", "техническая жидкость",
                                                   "электроэнергия"}));
  EXPECT_EQ(repairMediumDigit(0x6123, TechnicalGas), 0x5723);
  EXPECT_EQ(repairMediumDigit(0x6123, OtherCarrier), 0x8823);
  EXPECT_EQ(repairMediumDigit(0x6123, Water), 0x1123);
}

TEST(PipelineChoices, ListsInOrder) {
  struct Case {
    ChoiceList list;
    QStringList texts;
    std::vector<int> codes;
  } cases[] = {
      {heatReferenceChoices(),
       {"холодного источника с известной темпер. и нулевым избыточным давлением",
        "другого трубопровода с известной темпер.,  давл. и тем же массовым рассходом"},
       {0, 4}},
      {flowUnitChoices(), {"в тоннах", "в м3"}, {0, 1}},
      {heatUnitChoices(), {"в ГДж", "в Гкал"}, {0, 2}},
      {gasUnitChoices(), {"МДж, Нм3", "Ккал, Нм3"}, {5, 7}},
      {correctionChoices(), {"Есть", "Нет"}, {1, 0}},
      {calibrationChoices(), {"1 год", "2 года"}, {0, 8}},
      {paymentChoices(), {"Есть", "Нет"}, {1, 0}},
      {paymentTypeChoices(), {"за расход", "за тепло"}, {1, 2}},
      {tariffChoices(), {"фиксированный", "двойной"}, {0, 1}},
      {flowRoleChoices(), {"Датчик расхода", "Датчик перепада давления", "Расход из другого трубопровода"}, {0, 1, 2}},
      {temperatureSourceChoices(), {"измеряется", "вычисл. по давлению"}, {0, 1}},
      {pressureSourceChoices(), {"измеряется", "вычисл. по температуре"}, {0, 1}},
      {roleConstantChoices(PipelineRole::ColdSource, Water),
       {"темп. холодн. источника", "константа 1", "константа 2"}, {0x40, 0x41, 0x42}},
      {roleConstantChoices(PipelineRole::ReturnPressure, Water),
       {"давление энергоносителя", "константа 1", "константа 2"}, {0x40, 0x41, 0x42}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.list.texts(), c.texts);
    EXPECT_EQ(c.list.codes(), c.codes) << c.texts.first().toStdString();
  }
}

TEST(PipelineMedium, NewMediumWritesTheNewPipelineCodes) {
  struct Case {
    int medium;
    Word main, densityCalorLink, impurityTariff;
  } cases[] = {{Water, 0x1200, 0x0000, 0x0000},       {SaturatedSteam, 0x3200, 0x0000, 0x0000},
               {NaturalGas, 0x4700, 0x4040, 0x4040},  {TechnicalGas, 0x5700, 0x4040, 0x0000},
               {TechnicalLiquid, 0x7000, 0x4040, 0}, {OtherCarrier, 0x8800, 0x4040, 0}};
  for (const auto& c : cases) {
    PipelineRecord p{.number = 3, .mainDescriptor = 0x1234, .flowSensors = 0x0540, .tempSensors = 0x0102};
    applyMedium(p, c.medium, 2);
    EXPECT_EQ(p.mainDescriptor, c.main);
    EXPECT_EQ(p.flowSensors, 0x0540);  // kept
    EXPECT_EQ(p.tempSensors, 0x4040);
    EXPECT_EQ(p.bigPipeRef, 0x0040);
    EXPECT_EQ(p.cutoffSource, 0x8040);
    EXPECT_EQ(p.densityCalorLink, c.densityCalorLink);
    EXPECT_EQ(p.impurityTariff, c.impurityTariff);
  }
  PipelineRecord off{.number = 3, .mainDescriptor = 0x1201, .flowSensors = 0x0540, .pipeDiameter = 0.1};
  applySwitchOff(off);
  EXPECT_EQ(off.number, 3);
  EXPECT_EQ(off.mainDescriptor, 0);
  EXPECT_EQ(off.flowSensors, 0);
  EXPECT_EQ(off.pressureSensors, 0x4040);
  EXPECT_EQ(off.pipeDiameter, 0);
  EXPECT_EQ(off.mainTariff, 0);
  EXPECT_EQ(off.monthFactor, 1.0);
}

TEST(PipelinePayment, EveryValidDigitRoundTrips) {
  const int media[] = {Water, SaturatedSteam, NaturalGas, TechnicalGas, TechnicalLiquid, OtherCarrier};
  for (int kind = 1; kind <= 3; ++kind) {
    for (int medium : media) {
      int valid = 0;
      for (int d4 = 0; d4 < 16; ++d4) {
        const auto pay = decodePayment(d4, medium, kind);
        EXPECT_EQ(pay.has_value(), isValidPaymentDigit(d4, medium, kind));
        if (!pay) continue;
        ++valid;
        EXPECT_EQ(encodePayment(*pay, medium, kind), d4) << kind << "/" << medium << "/" << d4;
      }
      const int expected = kind == 3 ? 3 : (isGas(medium) ? 3 : 5);
      EXPECT_EQ(valid, expected) << kind << "/" << medium;
    }
  }
  EXPECT_EQ(decodePayment(2, NaturalGas, 2), (Payment{true, 2, false}));  // gas "за тепло": no "Тариф:"
  EXPECT_FALSE(showsTariff(NaturalGas, 2));
  EXPECT_TRUE(showsTariff(OtherCarrier, 3));
  EXPECT_FALSE(showsPaymentType(OtherCarrier, 3));
  EXPECT_EQ(decodePayment(4, OtherCarrier, 3), (Payment{true, 1, true}));
}

TEST(PipelinePayment, ChoicesResetTariffHoursAndRepairInvalidDigits) {
  PipelineRecord p{.mainDescriptor = 0x1205, .impurityTariff = 0x0723, .mainTariff = 5, .nightTariff = 2};
  applyPayment(p, {true, 2, true}, 2);
  EXPECT_EQ(p.mainDescriptor, 0x1206);
  EXPECT_EQ(p.impurityTariff, 0);
  EXPECT_EQ(p.nightTariff, 0);
  applyTariffHour(p, false, 23);
  applyTariffHour(p, true, 7);
  EXPECT_EQ(p.impurityTariff, 0x2307);
  applyPayment(p, {false, 1, false}, 2);
  EXPECT_EQ(p.mainTariff, 0);
  EXPECT_EQ(digitOf(p.mainDescriptor, 4), 0);

  PipelineRecord gas{.mainDescriptor = 0x4701, .impurityTariff = 0x0304};
  applyPayment(gas, {true, 2, false}, 2);
  EXPECT_EQ(gas.impurityTariff, 0x0304);  // gas keeps its CO2/N2 sensors

  PipelineRecord bad{.mainDescriptor = 0x1207, .mainTariff = 3};
  EXPECT_TRUE(applyShowRepairs(bad, 2));
  EXPECT_EQ(bad.mainDescriptor, 0x1201);
  bad.mainDescriptor = 0x1203;
  bad.mainTariff = 0;
  applyShowRepairs(bad, 2);
  EXPECT_EQ(bad.mainDescriptor, 0x1200);
}

TEST(PipelineTariffHours, DecimalDigitsInAByte) {
  EXPECT_EQ(decodeTariffHour(0x23), 23);
  EXPECT_FALSE(decodeTariffHour(0x1A));
  EXPECT_FALSE(decodeTariffHour(0x24));
  EXPECT_FALSE(decodeTariffHour(kNoTariffHour));
  EXPECT_EQ(tariffHourChoices().size(), 24);
  EXPECT_EQ(tariffHourChoices().at(9).text, QStringLiteral("09"));
  EXPECT_EQ(tariffHourChoices().at(10).code, 0x10);
}

TEST(PipelineRepairs, WhenShown) {
  PipelineRecord share{.mainDescriptor = 0x1200, .flowSensors = 0x8240, .pipeDiameter = 1.5};
  EXPECT_TRUE(applyShowRepairs(share, 2));
  EXPECT_EQ(share.pipeDiameter, 0);
  PipelineRecord gas{.mainDescriptor = 0x4700, .tempSensors = 0x4140, .pressureSensors = 0x0342,
                     .co2Fraction = 101, .n2Fraction = 50, .nightTariff = 1.5};
  EXPECT_TRUE(applyShowRepairs(gas, 2));
  EXPECT_EQ(gas.tempSensors, 0x4040);
  EXPECT_EQ(gas.pressureSensors, 0x0340);
  EXPECT_EQ(gas.co2Fraction, 0);
  EXPECT_EQ(gas.n2Fraction, 50);
  EXPECT_EQ(gas.nightTariff, 0);
  PipelineRecord water{.mainDescriptor = 0x1200, .tempSensors = 0x4140, .pipeDiameter = 3};
  EXPECT_FALSE(applyShowRepairs(water, 2));
  EXPECT_EQ(humidityFromPercent(55), 0.55);
  EXPECT_EQ(humidityMessage(101), 24);
  EXPECT_EQ(gasFractionMessage(-1), 8);
  EXPECT_EQ(gasFractionMessage(100.5), 60);
  EXPECT_EQ(shareMessage(1.01), 59);
  EXPECT_EQ(storedMonthFactor(0), 1.0);
}

class PipelineRoles : public ::testing::Test {
 protected:
  void SetUp() override {
    im = freshImage(2);
    sensor(im, 0).mainDescriptor = 0x9301;  // analog flow
    sensor(im, 1).mainDescriptor = 0x9201;  // differential pressure
    sensor(im, 2).mainDescriptor = 0x9200;  // differential pressure
    sensor(im, 3).mainDescriptor = 0x9400;  // resistance thermometer
    sensor(im, 4).mainDescriptor = 0x9501;  // linear scale
    sensor(im, 5).mainDescriptor = 0x9101;  // excess pressure
    sensor(im, 6).mainDescriptor = 0x9111;  // absolute pressure
    sensor(im, 7).mainDescriptor = 0x8080;  // serial input
    sensor(im, 8).mainDescriptor = 0xA350;  // pulse
    sensor(im, 9).mainDescriptor = 0x8300;  // accumulating arithmetic
    sensor(im, 10).mainDescriptor = 0x8040; // functional
    pipeline(im, 0).mainDescriptor = 0x1200;
    pipeline(im, 0).densityCalorLink = 0;
  }
  std::vector<int> q(PipelineRole role) { return qualifiedSensors(im, 0, role); }
  SettingsImage im;
};

TEST_F(PipelineRoles, QualifiedSensorsPerRole) {
  EXPECT_EQ(q(PipelineRole::FlowSensor), (std::vector<int>{0, 7, 8, 9, 10}));
  EXPECT_EQ(q(PipelineRole::DiffMain), (std::vector<int>{1, 2}));
  EXPECT_EQ(q(PipelineRole::TempMeasure), (std::vector<int>{3, 4}));
  EXPECT_EQ(q(PipelineRole::PressureMedium), (std::vector<int>{5, 6}));
  EXPECT_EQ(q(PipelineRole::PressureAtm), (std::vector<int>{4, 6, 7}));
  EXPECT_EQ(q(PipelineRole::Density), (std::vector<int>{4, 7}));
  EXPECT_EQ(q(PipelineRole::ColdSource), (std::vector<int>{3}));
  pipeline(im, 0).pressureSensors = 0x4006;  // 6 is the atmospheric sensor
  EXPECT_EQ(q(PipelineRole::PressureMedium), (std::vector<int>{5}));
  const ChoiceList list = roleSensorChoices(im, 0, PipelineRole::DiffMain);
  EXPECT_EQ(list.texts(), (QStringList{"1", "2", "нет"}));
  EXPECT_EQ(list.at(2).code, 0x40);
}

TEST_F(PipelineRoles, RolesUsedAndStoredBytes) {
  pipeline(im, 0).flowSensors = 0x0102;
  EXPECT_EQ(flowRoleOf(im, 0), FlowRole::DiffPressure);
  const auto roles = rolesUsed(im, 0);
  EXPECT_EQ(roles.front(), PipelineRole::DiffMain);
  EXPECT_EQ(std::count(roles.begin(), roles.end(), PipelineRole::ReturnPressure), 0);
  pipeline(im, 0).mainDescriptor = 0x1600;  // heat against another pipeline
  EXPECT_EQ(rolesUsed(im, 0).back(), PipelineRole::ReturnPressure);
  EXPECT_TRUE(isRoleByteValid(im, 0, PipelineRole::TempMeasure, 0x41));
  EXPECT_FALSE(isRoleByteValid(im, 0, PipelineRole::TempMeasure, 0x05));  // not a temperature sensor
  EXPECT_FALSE(isRoleByteValid(im, 0, PipelineRole::TempMeasure, 0xFF));
  EXPECT_FALSE(isRoleByteValid(im, 0, PipelineRole::TempInlet, 0x41));
  EXPECT_EQ(roleConstantChoices(PipelineRole::TempMeasure, Water).texts(),
            (QStringList{"темпер. энергоносителя", "константа 1", "константа 2"}));
  EXPECT_TRUE(roleConstantChoices(PipelineRole::TempMeasure, NaturalGas).isEmpty());
  pipeline(im, 0).tempSensors = 0x0303;
  pipeline(im, 0).bigPipeRef = 0x0003;
  EXPECT_EQ(rolesReferringTo(im, 0, 3),
            (std::vector<PipelineRole>{PipelineRole::TempMeasure, PipelineRole::TempInlet, PipelineRole::ColdSource}));
  EXPECT_EQ(decodeSensorByte(0x3F).sensor, 63);
  EXPECT_EQ(decodeSensorByte(0x43).kind, SensorByteKind::Invalid);
}

TEST_F(PipelineRoles, NaturalGasRolesByKind) {
  using R = PipelineRole;
  pipeline(im, 0).mainDescriptor = 0x4700;
  pipeline(im, 0).flowSensors = 0x0040;
  const std::vector<R> common{R::FlowSensor, R::TempMeasure, R::TempInlet, R::PressureMedium,
                              R::PressureAtm, R::Density, R::Calorific};
  auto with = [&](std::initializer_list<R> extra) {
    std::vector<R> out = common;
    out.insert(out.end(), extra);
    return out;
  };
  im.deviceKind = 1;
  EXPECT_EQ(rolesUsed(im, 0), with({R::Humidity}));
  im.deviceKind = 2;
  EXPECT_EQ(rolesUsed(im, 0), with({R::Humidity, R::CO2, R::N2}));
  im.deviceKind = 3;
  EXPECT_EQ(rolesUsed(im, 0), with({R::CO2, R::N2}));
  pipeline(im, 0).mainDescriptor = 0x8800;  // electricity measures its flow only
  EXPECT_EQ(rolesUsed(im, 0), std::vector<R>{R::FlowSensor});
}

TEST_F(PipelineRoles, FlowRoleChoices) {
  PipelineRecord& p = pipeline(im, 0);
  p.flowSensors = 0x0540;
  p.bigPipeRef = 0x1240;
  p.mainDescriptor = 0x1208;
  applyFlowRole(p, FlowRole::DiffPressure);
  EXPECT_EQ(p.flowSensors, 0x4040);
  EXPECT_EQ(p.bigPipeRef, 0x0040);
  EXPECT_EQ(p.mainDescriptor, 0x1208);
  applyFlowSensor(p, FlowRole::DiffPressure, 1);
  applyRoleByte(p, PipelineRole::DiffSub, 2);
  EXPECT_EQ(p.flowSensors, 0x0102);
  applyFlowRole(p, FlowRole::FlowSensor);
  EXPECT_EQ(digitOf(p.mainDescriptor, 3), 0);  // "1 год"
  p.bigPipeRef = 0x1340;
  applyFlowSensor(p, FlowRole::FlowSensor, 8);
  EXPECT_EQ(p.flowSensors, 0x0840);
  EXPECT_EQ(p.bigPipeRef, 0x0040);
  p.pipeDiameter = 0.3;
  applyFlowRole(p, FlowRole::FromPipeline);
  EXPECT_EQ(p.flowSensors, 0x8000);
  EXPECT_EQ(p.pipeDiameter, 0);
  applyFlowSource(p, 2);
  EXPECT_EQ(p.flowSensors, 0x8240);
  EXPECT_EQ(decodeFlowSource(p.flowSensors), 2);
  EXPECT_EQ(flowRoleRefusal(OtherCarrier, 3, FlowRole::DiffPressure), 69);
  EXPECT_EQ(flowRoleRefusal(OtherCarrier, 2, FlowRole::DiffPressure), 0);
}

TEST_F(PipelineRoles, FlowSourcesAndOverflow) {
  pipeline(im, 1).mainDescriptor = 0x4700;
  pipeline(im, 2).mainDescriptor = 0x1200;
  pipeline(im, 2).flowSensors = 0x8140;  // takes its own flow from pipeline 1
  pipeline(im, 3).mainDescriptor = 0x8800;
  EXPECT_EQ(flowSourcePipelines(im, 0), (std::vector<int>{1, 3}));
  EXPECT_EQ(flowSourceChoices(im, 1).texts(), (QStringList{"0", "3", "нет"}));
  EXPECT_EQ(withOverflow(0x0040, 3), 0x1340);
  EXPECT_EQ(decodeOverflow(0x1340), 3);
  EXPECT_FALSE(decodeOverflow(0x0040));
}

TEST_F(PipelineRoles, ConditionalLinks) {
  for (int p : {3, 5}) {
    pipeline(im, p).mainDescriptor = 0x1200;
    pipeline(im, p).densityCalorLink = 0;
  }
  pipeline(im, 3).densityCalorLink = 0x0004;  // 3 has its own linked pipeline
  EXPECT_EQ(linkRefusal(im, 0, 3), 21);
  pipeline(im, 3).densityCalorLink = 0;
  pipeline(im, 5).densityCalorLink = 0x0001;  // 0 is linked by 5
  EXPECT_EQ(linkRefusal(im, 0, 3), 20);
  pipeline(im, 5).densityCalorLink = 0;
  // A technical liquid's 4040 is not a link mask: pipeline 6 stays free.
  pipeline(im, 4).mainDescriptor = 0x7000;
  pipeline(im, 6).mainDescriptor = 0x1200;
  pipeline(im, 6).densityCalorLink = 0;
  EXPECT_EQ(linkRefusal(im, 6, 3), 0);
  EXPECT_EQ(linkRefusal(im, 0, 3), 0);
  pipeline(im, 3).densityCalorLink = 0;
  applyLink(im, 0, 3, true);
  EXPECT_EQ(pipeline(im, 0).densityCalorLink, 0x0008);
  applyLink(im, 0, 3, false);
  EXPECT_EQ(pipeline(im, 0).densityCalorLink, 0);
}

TEST(PipelineCutoff, UsesTheSensorCutoffCodes) {
  PipelineRecord p;
  EXPECT_FALSE(pipelineCutoffCode(p));
  applyPipelineCutoff(p, defaultCutoffCode(3));
  EXPECT_EQ(p.cutoffSource, 0x0440);
  EXPECT_EQ(pipelineCutoffCode(p), 0x04);
}

TEST(PipelineSteam, ComputedTemperatureAndPressureExcludeEachOther) {
  PipelineRecord p{.mainDescriptor = 0x3200};
  applyPressureSource(p, true);
  EXPECT_EQ(p.pressureSensors, 0xFF40);
  EXPECT_EQ(temperatureSourceRefusal(p, true), 18);
  EXPECT_EQ(temperatureSourceRefusal(p, false), 0);
  applyPressureSource(p, false, 0x05);
  EXPECT_EQ(p.pressureSensors, 0x0540);
  applyTemperatureSource(p, true);
  EXPECT_EQ(p.tempSensors, 0xFFFF);
  EXPECT_EQ(pressureSourceRefusal(p, true), 19);
  applyTemperatureSource(p, false);
  EXPECT_EQ(p.tempSensors, 0x4040);
}

}  // namespace
}  // namespace nastrum
