#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "descriptors/sensor_constants.h"
#include "descriptors/sensor_edit.h"
#include "image_fixture.h"

namespace nastrum {
namespace {

using test::freshImage;
using test::sensor;

TEST(SensorTerms, EncodeAndDecode) {
  struct Case {
    Term term;
    double value;
  } cases[] = {
      {{true, true, 12, 0.25}, -12.25},
      {{true, false, 3, 0}, 3.0},
      {{true, false, 63, 0.9999}, 63.9999},
      {{true, false, 12, 0.1}, 12.1},
      {{false, false, 0, 0}, 64.0},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(encodeTerm(c.term), c.value);
    const Term back = decodeTerm(c.value);
    EXPECT_EQ(back.present, c.term.present);
    EXPECT_EQ(back.negative, c.term.negative);
    EXPECT_EQ(back.number, c.term.number);
    EXPECT_DOUBLE_EQ(back.weight, c.term.weight) << c.value;
  }
  // The zero term keeps its sign as negative zero.
  const double negZero = encodeTerm({true, true, 0, 0});
  EXPECT_TRUE(std::signbit(negZero));
  EXPECT_TRUE(decodeTerm(negZero).negative);
  EXPECT_FALSE(decodeTerm(0.0).negative);
  EXPECT_TRUE(decodeTerm(0.0).present);
}

TEST(SensorTerms, RangeMessages) {
  EXPECT_EQ(termNumberMessage(true, 63), 0);
  EXPECT_EQ(termNumberMessage(true, 64), 48);
  EXPECT_EQ(termNumberMessage(false, 16), 47);
  EXPECT_EQ(termWeightMessage(0.9999), 0);
  EXPECT_EQ(termWeightMessage(1.0), 58);
}

TEST(SensorTables, ReferenceByKind) {
  EXPECT_EQ(encodeTableRef({7, false}), 7.0);
  EXPECT_EQ(encodeTableRef({7, true}), 7.5);
  EXPECT_EQ(decodeTableRef(7.5, 2), (TableRef{7, true}));
  EXPECT_EQ(decodeTableRef(3.0, 1), (TableRef{3, false}));
  EXPECT_FALSE(decodeTableRef(4.0, 1));
  EXPECT_FALSE(decodeTableRef(10.0, 3));
  EXPECT_FALSE(decodeTableRef(-1.0, 2));
}

TEST(SensorTables, StepChangeEmptiesTheOtherFunctionalSensors) {
  SettingsImage im = freshImage(2);
  for (int n : {1, 4, 9}) {
    sensor(im, n).mainDescriptor = 0x8040;
    sensor(im, n).const1 = 2.0;
    sensor(im, n).maxValue = 5;
  }
  sensor(im, 9).const1 = 3.0;  // another table
  im.tableFunctions[2][5] = 42;
  const auto others = functionalSensorsOnTable(im, 2, 1);
  EXPECT_EQ(others, std::vector<int>{4});
  EXPECT_EQ(tableStepQuestion(others),
            QStringLiteral("При продолжении, текущие значения табличной функции удалятся, а так же удалятся "
                           "функциональные датчики №4  продолжить?"));
  EXPECT_EQ(tableStepQuestion({}),
            QStringLiteral("При продолжении, текущие значения табличной функции обнулятся, продолжить?"));
  applyTableStep(im, 1, 2, true);
  EXPECT_EQ(sensor(im, 4).mainDescriptor, 0);
  EXPECT_EQ(sensor(im, 4).maxValue, 0);
  EXPECT_EQ(sensor(im, 4).number, 5);
  EXPECT_EQ(sensor(im, 9).mainDescriptor, 0x8040);
  EXPECT_EQ(sensor(im, 1).const1, 2.5);
  EXPECT_EQ(im.tableFunctions[2][5], 0);
  EXPECT_TRUE(isVariableStep(im.tableFunctions[2]));
}

TEST(SensorConstants, LiquidColumnAndFrequencySlope) {
  EXPECT_NEAR(liquidColumnConst2(1000, 1, false, true), -0.0098, 1e-12);
  EXPECT_NEAR(liquidColumnConst2(1000, 1, true, false), 0.00098, 1e-12);
  EXPECT_DOUBLE_EQ(frequencySlope(0, 10, 100, 5), -20);
  EXPECT_EQ(frequencySlope(0, 10, 100, 10), 0);
  // Stored as displayed: 100 / 3 keeps eight characters.
  EXPECT_DOUBLE_EQ(storedFrequencySlope(0, 0, 100, 3), 33.33333);
  EXPECT_DOUBLE_EQ(storedFrequencySlope(0, 10, 100, 5), -20);
}

TEST(SensorConstants, ResistanceThermometerStandards) {
  SensorRecord pt{.mainDescriptor = 0x9400, .const1 = 100};
  applyRtdStandard(pt, 1);
  EXPECT_EQ(pt.rtdStandard, 1);
  EXPECT_EQ(pt.const2, 390.83);
  EXPECT_EQ(pt.const3, -5775);
  EXPECT_EQ(pt.const1, 0);
  SensorRecord cu{.mainDescriptor = 0x9410};
  applyRtdStandard(cu, 1);
  EXPECT_EQ(cu.const2, 427.8);
  EXPECT_EQ(cu.const3, -5413.6);
  applyRtdStandard(cu, kRtdOther);
  EXPECT_EQ(cu.rtdStandard, 2);
  EXPECT_EQ(cu.const2, 0);
  EXPECT_EQ(rtdStandardChoices(0).front().text, QStringLiteral("стандартный W100=1,391"));
  EXPECT_EQ(rtdStandardChoices(1).back().text, QStringLiteral("прочие"));
}

TEST(SensorConstants, ForcedValues) {
  SensorRecord pressure{.mainDescriptor = 0x9109, .const3 = 5, .substOnFault = 3, .monthFactor = 2};
  EXPECT_TRUE(applyForcedValues(pressure, 1));
  EXPECT_EQ(pressure.monthFactor, 1.0);
  EXPECT_EQ(pressure.substOnFault, 0);
  EXPECT_EQ(pressure.const3, 0);  // kind 1, current signal

  SensorRecord voltage{.mainDescriptor = 0x9100, .const3 = 5, .substOnFault = 3, .monthFactor = 1};
  EXPECT_FALSE(applyForcedValues(voltage, 1));

  SensorRecord flow{.mainDescriptor = 0x9301, .const3 = 5, .monthFactor = 2};
  applyForcedValues(flow, 2);
  EXPECT_EQ(flow.monthFactor, 2);
  EXPECT_EQ(flow.const3, 5);

  SensorRecord pulse{.mainDescriptor = 0xB350, .substOnFault = 3, .monthFactor = 2};
  applyForcedValues(pulse, 3);
  EXPECT_EQ(pulse.substOnFault, 0);
  EXPECT_EQ(pulse.monthFactor, 2);

  SensorRecord averaging{.mainDescriptor = 0x8000, .monthFactor = 2};
  applyForcedValues(averaging, 2);
  EXPECT_EQ(averaging.monthFactor, 1.0);
  SensorRecord accumulating{.mainDescriptor = 0x8300, .monthFactor = 2};
  applyForcedValues(accumulating, 2);
  EXPECT_EQ(accumulating.monthFactor, 2);
}

TEST(SensorConstants, Captions) {
  EXPECT_EQ(constantCaptions(SensorRecord{.mainDescriptor = 0x9101}, 2).const3,
            QStringLiteral("Cопротив. измерительного резистора,Ом"));
  EXPECT_EQ(constantCaptions(SensorRecord{.mainDescriptor = 0x9101}, 3).const3,
            QStringLiteral("Смещение сигнала датчика, мВ"));
  EXPECT_EQ(constantCaptions(SensorRecord{.mainDescriptor = 0x9100}, 3).const3,
            QStringLiteral("Верхний предел шкалы сигнала датч., мВ"));
  const auto linear = constantCaptions(SensorRecord{.mainDescriptor = 0x9503}, 2);
  EXPECT_EQ(linear.const1, QStringLiteral("Значение параметра соответ. 20 мА"));
  EXPECT_EQ(linear.const2, QStringLiteral("Значение параметра соответ. 4 мА"));
  EXPECT_EQ(constantCaptions(SensorRecord{.mainDescriptor = 0xB3D0}, 3).const1,
            QStringLiteral("Кол-во импульсов на ед. изм. величины"));
  EXPECT_EQ(constantCaptions(SensorRecord{.mainDescriptor = 0xC350}, 2).limits,
            QStringLiteral("Технологич. границы изменения расхода"));
  EXPECT_EQ(constantCaptions(SensorRecord{.mainDescriptor = 0x9400}, 2).limits,
            QStringLiteral("Технологич. границы изменения температ."));
  EXPECT_EQ(constantCaptions(SensorRecord{.mainDescriptor = 0x8000}, 2).limits,
            QStringLiteral("Технологич. границы изменения зн. датчика"));
}

TEST(SensorConstants, ColdJunction) {
  SettingsImage im = freshImage(2);
  sensor(im, 3).mainDescriptor = 0x9450;   // the thermocouple
  sensor(im, 5).mainDescriptor = 0x9400;   // resistance thermometer
  sensor(im, 7).mainDescriptor = 0x9101;   // pressure
  sensor(im, 8).mainDescriptor = 0x1471;   // normalising converter, no storage
  EXPECT_EQ(coldJunctionCandidates(im, 3), (std::vector<int>{5, 8}));
  EXPECT_TRUE(isValidColdJunction(im, 3, 64.0));
  EXPECT_TRUE(isValidColdJunction(im, 3, 5.0));
  EXPECT_FALSE(isValidColdJunction(im, 3, 7.0));
  EXPECT_FALSE(isValidColdJunction(im, 3, 3.0));
  SensorRecord& tc = sensor(im, 3);
  tc.const1 = 20;
  applyColdJunction(tc, 5);
  EXPECT_EQ(tc.const2, 5.0);
  applyColdJunction(tc, std::nullopt);
  EXPECT_EQ(tc.const2, 64.0);
  EXPECT_EQ(tc.const1, 0);
}

}  // namespace
}  // namespace nastrum

#include "descriptors/choice_list.h"
#include "descriptors/sensor_show.h"

namespace nastrum {
namespace {

TEST(SensorShow, RepairsStoredWhenShown) {
  SettingsImage im = test::freshImage(2);
  struct Case {
    SensorRecord stored;
    SensorRecord shown;
  } cases[] = {
      // An empty sensor is the empty record with MonthFactor 1.0.
      {{.mainDescriptor = 0xF123, .auxDescriptor = 7, .const1 = 3},
       {.mainDescriptor = 0, .auxDescriptor = 0, .monthFactor = 1.0}},
      // Kind 2 has no analog channel 07.
      {{.mainDescriptor = 0x9101, .auxDescriptor = 0x0780, .monthFactor = 1.0},
       {.mainDescriptor = 0x9101, .auxDescriptor = 0x0080, .monthFactor = 1.0}},
      {{.mainDescriptor = 0x9101, .auxDescriptor = 0x3780, .monthFactor = 1.0},
       {.mainDescriptor = 0x9101, .auxDescriptor = 0x3780, .monthFactor = 1.0}},
      // A thermocouple naming a sensor that is no thermometer.
      {{.mainDescriptor = 0x9450, .auxDescriptor = 0x0080, .const1 = 20, .const2 = 5, .monthFactor = 1.0},
       {.mainDescriptor = 0x9450, .auxDescriptor = 0x0080, .const1 = 0, .const2 = 64, .monthFactor = 1.0}},
      // A functional sensor on table 12.
      {{.mainDescriptor = 0x8040, .const1 = 12, .monthFactor = 1.0},
       {.mainDescriptor = 0x8040, .const1 = 0, .monthFactor = 1.0}},
      // An invalid family stays as it is.
      {{.mainDescriptor = 0x5123, .const1 = 12}, {.mainDescriptor = 0x5123, .const1 = 12}},
  };
  for (const auto& c : cases) {
    im.sensors[3] = c.stored;
    const bool changed = repairSensorOnShow(im, 3);
    const SensorRecord& s = im.sensors[3];
    EXPECT_EQ(s.mainDescriptor, c.shown.mainDescriptor);
    EXPECT_EQ(s.auxDescriptor, c.shown.auxDescriptor) << std::hex << c.stored.mainDescriptor;
    EXPECT_EQ(s.const1, c.shown.const1);
    EXPECT_EQ(s.const2, c.shown.const2);
    EXPECT_EQ(s.monthFactor, c.shown.monthFactor);
    EXPECT_EQ(changed, std::memcmp(&c.stored, &s, sizeof s) != 0);
  }
  im.sensors[5].mainDescriptor = 0x9400;
  im.sensors[3] = {.mainDescriptor = 0x9450, .auxDescriptor = 0x0080, .const2 = 5, .monthFactor = 1.0};
  EXPECT_FALSE(repairSensorOnShow(im, 3));
}

TEST(SensorShow, ChannelCodesPutRightAreThoseTheFamilyCannotHaveOnTheKind) {
  struct Case {
    Word kind, main, aux;
    Word shownAux;
  } cases[] = {
      {2, 0xA350, 0x1580, 0x1580},  // МВВ beyond its two modules: shown as an error, kept
      {2, 0x2350, 0xFF80, 0xFF80},
      {1, 0xA350, 0x0580, 0x0080},  // the small model: a second digit above 3
      {1, 0xA350, 0x1380, 0x1380},
      {2, 0xB350, 0x4080, 0x0080},  // МЧВ
      {2, 0xB350, 0x8380, 0x8380},
      {1, 0xC350, 0x1080, 0x0080},  // frequency
      {3, 0xC350, 0x3380, 0x3380},
      {3, 0xC350, 0x9180, 0x0080},  // a frequency sensor has no bounce filter
  };
  for (const auto& c : cases) {
    SettingsImage im = test::freshImage(c.kind);
    im.sensors[3] = {.mainDescriptor = c.main, .auxDescriptor = c.aux, .monthFactor = 1.0};
    EXPECT_EQ(repairSensorOnShow(im, 3), c.shownAux != c.aux);
    EXPECT_EQ(im.sensors[3].auxDescriptor, c.shownAux) << c.kind << std::hex << " " << c.main << " " << c.aux;
  }
}

TEST(SensorShow, TableNumbersPerKind) {
  EXPECT_EQ(tableNumberChoices(1).texts(), (QStringList{"0", "1", "2", "3"}));
  EXPECT_EQ(tableNumberChoices(3).size(), 10);
}

}  // namespace
}  // namespace nastrum
