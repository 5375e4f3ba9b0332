// The rules of the sensor page without its widget: navigation, showing,
// reference protection, table steps, terms, the liquid column, the frequency
// characteristic and copy/paste.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>

#include "descriptors/name_rule.h"
#include "descriptors/sensor_codes.h"
#include "editor/pages/sensors/sensor_page.h"
#include "support/fresh_image.h"
#include "support/scripted_presenter.h"

namespace nastrum {
namespace {

const QChar kComma(u',');

SensorRecord& sensorOf(Workspace& ws, int n) { return ws.image.sensors[static_cast<std::size_t>(n)]; }
PipelineRecord& pipeOf(Workspace& ws, int p) { return ws.image.pipelines[static_cast<std::size_t>(p)]; }

bool sameImage(const SettingsImage& a, const SettingsImage& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

Workspace workspaceOf(Word kind) {
  Workspace ws;
  ws.image = testing::freshImage(kind);
  return ws;
}

void waterPipeline(Workspace& ws, int p, Word flowSensors) {
  pipeOf(ws, p).mainDescriptor = 0x1200;
  pipeOf(ws, p).densityCalorLink = 0;
  pipeOf(ws, p).flowSensors = flowSensors;
}

TEST(SensorPageNavigation, NumbersWrapAroundThePagesRange) {
  struct Case {
    Word kind;
    QString text;
    std::optional<int> shown;
  } cases[] = {
      {2, "64", 0}, {2, "-1", 63}, {2, "63", 63}, {1, "16", 0}, {1, "-1", 15}, {3, "7", 7},
  };
  for (const auto& c : cases) {
    Workspace ws = workspaceOf(c.kind);
    ScriptedPresenter boxes;
    SensorPage page(ws, boxes, kComma);
    EXPECT_EQ(page.numberFromText(c.text), c.shown) << c.kind << " " << c.text.toStdString();
  }
  Workspace ws = workspaceOf(2);
  ScriptedPresenter boxes{AnswerOk};
  SensorPage page(ws, boxes, kComma);
  EXPECT_EQ(page.numberFromText("1a"), std::nullopt);
  EXPECT_EQ(boxes.codes(), std::vector<int>{1});
}

TEST(SensorPageShow, StoresOnlyRepairsAndNeverMarksModified) {
  Workspace ws = workspaceOf(2);
  sensorOf(ws, 3).mainDescriptor = 0xF123;
  sensorOf(ws, 3).const1 = 5;
  sensorOf(ws, 4).mainDescriptor = 0x9101;
  sensorOf(ws, 4).auxDescriptor = 0x0780;  // no fourth pair on МИ2
  sensorOf(ws, 5).mainDescriptor = 0x9479;  // a good normalising converter with averaging
  sensorOf(ws, 5).auxDescriptor = 0x3780;
  sensorOf(ws, 5).const1 = 150;
  sensorOf(ws, 5).monthFactor = 1.0;
  ScriptedPresenter boxes;
  SensorPage page(ws, boxes, kComma);

  page.show(3);
  EXPECT_EQ(page.view().familyText, "датчика нет");
  EXPECT_EQ(sensorOf(ws, 3).mainDescriptor, 0);
  EXPECT_EQ(sensorOf(ws, 3).const1, 0);
  EXPECT_EQ(sensorOf(ws, 3).monthFactor, 1.0);

  page.show(4);
  EXPECT_EQ(sensorOf(ws, 4).auxDescriptor, 0x0080);

  const SettingsImage before = ws.image;
  page.show(5);
  EXPECT_TRUE(sameImage(before, ws.image));
  EXPECT_FALSE(page.takeChange());
}

TEST(SensorPageShow, InvalidFamilyRepairsOnlyTheFirstDigit) {
  Workspace ws = workspaceOf(3);
  sensorOf(ws, 0).mainDescriptor = 0x2352;  // D1 2 does not exist on the large model
  sensorOf(ws, 0).auxDescriptor = 0x1180;
  ScriptedPresenter boxes;
  SensorPage page(ws, boxes, kComma);
  page.show(0);
  EXPECT_TRUE(page.hasError());
  EXPECT_EQ(page.view().familyText, "ОШИБКА");
  EXPECT_EQ(sensorOf(ws, 0).mainDescriptor, 0x2352);
  EXPECT_TRUE(page.chooseFamily(ChooseFrequency));
  EXPECT_EQ(sensorOf(ws, 0).mainDescriptor, 0xC352);
  EXPECT_EQ(sensorOf(ws, 0).auxDescriptor, 0x1180);
  EXPECT_FALSE(page.hasError());
  EXPECT_TRUE(page.takeChange());
}

TEST(SensorPageReferences, OneQuestionRemovesEveryReferenceOfTheChange) {
  for (int answer : {AnswerYes, AnswerNo}) {
    Workspace ws = workspaceOf(2);
    sensorOf(ws, 5).mainDescriptor = 0xA350;
    sensorOf(ws, 5).auxDescriptor = 0x0080;
    ws.image.hourArcDesc[3] = 0x0105;
    waterPipeline(ws, 2, 0x0540);
    waterPipeline(ws, 7, 0x0540);
    ScriptedPresenter boxes{answer};
    SensorPage page(ws, boxes, kComma);
    page.show(5);
    const SettingsImage before = ws.image;

    EXPECT_EQ(page.chooseFamily(ChooseAbsent), answer == AnswerYes);
    ASSERT_EQ(boxes.codes(), std::vector<int>{33});
    EXPECT_TRUE(boxes.last().text.contains(" 3 ")) << boxes.last().text.toStdString();
    if (answer == AnswerYes) {
      EXPECT_EQ(ws.image.hourArcDesc[3], 0);
      EXPECT_EQ(pipeOf(ws, 2).flowSensors, 0);
      EXPECT_EQ(pipeOf(ws, 7).flowSensors, 0);
      EXPECT_EQ(sensorOf(ws, 5).mainDescriptor, 0);
      EXPECT_TRUE(page.takeChange());
    } else {
      EXPECT_TRUE(sameImage(before, ws.image));
      EXPECT_FALSE(page.takeChange());
    }
  }
}

TEST(SensorPageReferences, EveryKindOfReferenceAnsweredBothWays) {
  struct Case {
    const char* what;
    Word sensorMain;
    std::function<void(Workspace&)> refer;
    std::function<bool(SensorPage&)> change;
    int message;
    std::function<bool(Workspace&)> removed;
  } cases[] = {
      {"hourly archive", 0x9101, [](Workspace& ws) { ws.image.hourArcDesc[2] = 0x0109; },
       [](SensorPage& p) { return p.chooseFamily(ChooseAbsent); }, 33,
       [](Workspace& ws) { return ws.image.hourArcDesc[2] == 0; }},
      {"interval archive", 0x9101, [](Workspace& ws) { ws.image.intervalArcDesc[1] = 0x0109; },
       [](SensorPage& p) { return p.chooseFamily(ChooseAbsent); }, 41,
       [](Workspace& ws) { return ws.image.intervalArcDesc[1] == 0; }},
      {"daily archive", 0x9101, [](Workspace& ws) { ws.image.dayArcDesc[4] = 0x0109; },
       [](SensorPage& p) { return p.chooseFamily(ChooseAbsent); }, 34,
       [](Workspace& ws) { return ws.image.dayArcDesc[4] == 0; }},
      {"monthly archive", 0x9101, [](Workspace& ws) { ws.image.monthArcDesc[6] = 0x0109; },
       [](SensorPage& p) { return p.chooseFamily(ChooseAbsent); }, 36,
       [](Workspace& ws) { return ws.image.monthArcDesc[6] == 0; }},
      {"flow kind", 0xA351, [](Workspace& ws) { waterPipeline(ws, 3, 0x0940); },
       [](SensorPage& p) { return p.chooseFlowKind(FlowTonnes); }, 29,
       [](Workspace& ws) { return pipeOf(ws, 3).flowSensors == 0x4040; }},
      {"serial input in a gas pipeline", 0x8080,
       [](Workspace& ws) {
         pipeOf(ws, 6).mainDescriptor = 0x4000;
         pipeOf(ws, 6).densityCalorLink = 0x4009;
       },
       [](SensorPage& p) { return p.chooseConversion(SumSensors); }, 29,
       [](Workspace& ws) { return pipeOf(ws, 6).densityCalorLink == 0x4040; }},
      {"thermocouple", 0x9400,
       [](Workspace& ws) {
         sensorOf(ws, 11).mainDescriptor = 0x9450;
         sensorOf(ws, 11).const2 = 9;
       },
       [](SensorPage& p) { return p.chooseQuantity(Pressure); }, 46,
       [](Workspace& ws) { return sensorOf(ws, 11).const2 == 64.0; }},
  };
  for (const auto& c : cases) {
    for (int answer : {AnswerNo, AnswerYes}) {
      SCOPED_TRACE(std::string(c.what) + (answer == AnswerYes ? " / Да" : " / Нет"));
      Workspace ws = workspaceOf(2);
      sensorOf(ws, 9).mainDescriptor = c.sensorMain;
      sensorOf(ws, 9).auxDescriptor = c.sensorMain >> 12 == 8 ? 0 : 0x0080;
      c.refer(ws);
      ScriptedPresenter boxes{answer};
      SensorPage page(ws, boxes, kComma);
      page.show(9);
      const SettingsImage before = ws.image;
      EXPECT_EQ(c.change(page), answer == AnswerYes);
      EXPECT_EQ(boxes.codes(), std::vector<int>{c.message});
      if (answer == AnswerNo) {
        EXPECT_TRUE(sameImage(before, ws.image));
      } else {
        EXPECT_TRUE(c.removed(ws));
        EXPECT_NE(sensorOf(ws, 9).mainDescriptor, c.sensorMain);
      }
    }
  }
}

TEST(SensorPageReferences, QuantityAndKindChangesAskFirst) {
  // Differential pressure 12 with sub-range sensor 13 becomes a temperature sensor.
  Workspace ws = workspaceOf(2);
  sensorOf(ws, 12).mainDescriptor = 0x9201;
  sensorOf(ws, 13).mainDescriptor = 0x9201;
  waterPipeline(ws, 0, 0x0C0D);
  ScriptedPresenter boxes{AnswerYes};
  SensorPage page(ws, boxes, kComma);
  page.show(12);
  EXPECT_TRUE(page.chooseQuantity(Temperature));
  EXPECT_EQ(boxes.codes(), std::vector<int>{29});
  EXPECT_EQ(pipeOf(ws, 0).flowSensors, 0x0D40);
  EXPECT_EQ(sensorOf(ws, 12).mainDescriptor, 0x9400);

  // A temperature sensor named by a thermocouple: message 46, "Нет" keeps all.
  sensorOf(ws, 20).mainDescriptor = 0x9400;
  sensorOf(ws, 21).mainDescriptor = 0x9440;
  sensorOf(ws, 21).const2 = 20;
  boxes.clear();
  boxes.then(AnswerNo);
  page.show(20);
  const SettingsImage before = ws.image;
  EXPECT_FALSE(page.chooseFamily(ChoosePulse));
  EXPECT_EQ(boxes.codes(), std::vector<int>{46});
  EXPECT_TRUE(sameImage(before, ws.image));

  // An absolute pressure sensor used for atmospheric pressure becomes excess.
  sensorOf(ws, 30).mainDescriptor = 0x9111;
  waterPipeline(ws, 4, 0);
  pipeOf(ws, 4).pressureSensors = 0x401E;
  boxes.clear();
  boxes.then(AnswerYes);
  page.show(30);
  EXPECT_TRUE(page.choosePressureKind(0));
  EXPECT_EQ(pipeOf(ws, 4).pressureSensors, 0x4040);
  EXPECT_EQ(sensorOf(ws, 30).mainDescriptor, 0x9101);
}

TEST(SensorPageFlowKind, TheChoiceRepairsTheDigitAndAsksOnlyAboutAnM3KindShown) {
  // Sensor 5 is the flow sensor of pipeline 0 in every case.
  struct Case {
    const char* what;
    Word kind, before;
    int flowKind;
    Word after;
    bool asks;  // message 29: the flow kind shown was one of the m3 kinds
  } cases[] = {
      {"analog D3 9 shows ОШИБКА", 2, 0x9391, FlowTonnes, 0x9301, false},
      {"analog D3 D shows ОШИБКА", 2, 0x93D1, FlowLiquidM3, 0x9311, false},
      {"analog on the large model", 3, 0x9391, FlowGasM3, 0x9351, false},
      {"pulse on МВВ", 2, 0xA3D0, FlowGasM3, 0xA350, false},
      {"pulse of the small model", 1, 0xB390, FlowTonnes, 0xB300, false},
      {"frequency on the large model", 3, 0xC3D0, FlowLiquidM3, 0xC310, false},
      {"large-model pulse keeps its count bit", 3, 0xB3D0, FlowTonnes, 0xB380, true},
      {"analog gas m3 to tonnes", 2, 0x9351, FlowTonnes, 0x9301, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Workspace ws = workspaceOf(c.kind);
    sensorOf(ws, 5).mainDescriptor = c.before;
    sensorOf(ws, 5).auxDescriptor = 0x0080;
    waterPipeline(ws, 0, 0x0540);
    ScriptedPresenter boxes;
    if (c.asks) boxes.then(AnswerYes);
    SensorPage page(ws, boxes, kComma);
    page.show(5);
    EXPECT_TRUE(page.chooseFlowKind(c.flowKind));
    EXPECT_EQ(sensorOf(ws, 5).mainDescriptor, c.after);
    EXPECT_EQ(boxes.codes(), c.asks ? std::vector<int>{29} : std::vector<int>{});
    EXPECT_EQ(pipeOf(ws, 0).flowSensors, c.asks ? 0x4040 : 0x0540);
    EXPECT_EQ(page.view().flowKind, c.flowKind);
  }
}

TEST(SensorPageTables, StepChangeAsksAndEmptiesTheOtherSensors) {
  for (int answer : {AnswerYes, AnswerNo}) {
    Workspace ws = workspaceOf(2);
    for (int n : {2, 6, 9}) {
      sensorOf(ws, n).mainDescriptor = 0x8040;
      sensorOf(ws, n).const1 = 7.0;
      sensorOf(ws, n).maxValue = 100;
    }
    ws.image.tableFunctions[7][3] = 42;
    ScriptedPresenter boxes{answer};
    SensorPage page(ws, boxes, kComma);
    page.show(6);
    const SettingsImage before = ws.image;
    EXPECT_EQ(page.chooseTableStep(true), answer == AnswerYes);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.last().text,
              "При продолжении, текущие значения табличной функции удалятся, а так же удалятся "
              "функциональные датчики №2 9  продолжить?");
    if (answer == AnswerNo) {
      EXPECT_TRUE(sameImage(before, ws.image));
      continue;
    }
    EXPECT_EQ(sensorOf(ws, 2).mainDescriptor, 0);
    EXPECT_EQ(sensorOf(ws, 9).maxValue, 0);
    EXPECT_EQ(sensorOf(ws, 9).number, 10);
    EXPECT_EQ(sensorOf(ws, 6).const1, 7.5);
    EXPECT_EQ(ws.image.tableFunctions[7][3], 0);
    EXPECT_EQ(ws.image.tableFunctions[7][16], 1.0);
  }
}

TEST(SensorPageTables, TableChoiceAndValues) {
  Workspace ws = workspaceOf(2);
  sensorOf(ws, 1).mainDescriptor = 0x8040;
  ws.image.tableFunctions[4][16] = 1.0;
  ScriptedPresenter boxes;
  SensorPage page(ws, boxes, kComma);
  page.show(1);
  page.chooseTable(4);
  EXPECT_EQ(sensorOf(ws, 1).const1, 4.5);
  page.setTableValue(5, "-2,5");
  page.setTableValue(6, "");
  EXPECT_EQ(ws.image.tableFunctions[4][5], -2.5);
  EXPECT_EQ(ws.image.tableFunctions[4][6], 0);
  EXPECT_EQ(boxes.shown().size(), 0u);  // no question when there are no other users
}

TEST(SensorPageTerms, SignNumberAndWeight) {
  Workspace ws = workspaceOf(2);
  ScriptedPresenter boxes;
  boxes.acknowledgeOkBoxes();
  SensorPage page(ws, boxes, kComma);
  page.show(0);
  ASSERT_TRUE(page.chooseFamily(ChooseConditional));
  EXPECT_EQ(sensorOf(ws, 0).const1, 64.0);

  page.setTermPresent(0, true);
  page.setTermNegative(0, true);
  EXPECT_TRUE(std::signbit(sensorOf(ws, 0).const1));  // the negative zero term
  EXPECT_TRUE(page.setTermNumber(0, "12"));
  EXPECT_TRUE(page.setTermWeight(0, "0,25"));
  EXPECT_EQ(sensorOf(ws, 0).const1, -12.25);
  page.setTermNegative(0, false);
  EXPECT_EQ(sensorOf(ws, 0).const1, 12.25);

  EXPECT_FALSE(page.setTermNumber(0, "64"));
  EXPECT_FALSE(page.setTermWeight(0, "1"));
  EXPECT_EQ(boxes.codes(), (std::vector<int>{48, 58}));
  EXPECT_EQ(sensorOf(ws, 0).const1, 0.0);

  ASSERT_TRUE(page.chooseConversion(SumFlows));
  page.setTermPresent(1, true);
  EXPECT_FALSE(page.setTermNumber(1, "16"));
  EXPECT_EQ(boxes.codes().back(), 47);
  page.setTermPresent(1, false);
  EXPECT_EQ(sensorOf(ws, 0).const2, 64.0);
}

TEST(SensorPageConditional, ArithmeticStartsAfreshFromOtherConversions) {
  struct Case {
    Word kind;
    Word main;
    Word aux;  // what an arithmetic sensor starts with
  } cases[] = {{2, 0x8050, 0x1080}, {3, 0x8040, 0x0000}, {1, 0x8040, 0x1080}};
  for (const auto& c : cases) {
    Workspace ws = workspaceOf(c.kind);
    sensorOf(ws, 2).mainDescriptor = c.main;
    sensorOf(ws, 2).auxDescriptor = 0x9123;  // a parameter number
    sensorOf(ws, 2).const1 = 3.5;
    ScriptedPresenter boxes;
    SensorPage page(ws, boxes, kComma);
    page.show(2);
    ASSERT_TRUE(page.chooseConversion(SumFlows));
    EXPECT_EQ(sensorOf(ws, 2).mainDescriptor, 0x8010);
    EXPECT_EQ(sensorOf(ws, 2).auxDescriptor, c.aux);
    EXPECT_EQ(sensorOf(ws, 2).const1, c.kind == 3 ? 0.0 : 64.0);

    // Between sources the formula (kind 3) or the sign storage stays.
    const Word kept = c.kind == 3 ? 0xC980 : 0x9080;
    sensorOf(ws, 2).auxDescriptor = kept;
    ASSERT_TRUE(page.chooseConversion(SumSensors));
    EXPECT_EQ(sensorOf(ws, 2).auxDescriptor, kept);
  }
}

TEST(SensorPageParameter, AnEmptiedNumberIsStoredAsZero) {
  Workspace ws = workspaceOf(2);
  sensorOf(ws, 2).auxDescriptor = 0x4321;
  ScriptedPresenter boxes;
  SensorPage page(ws, boxes, kComma);
  page.show(2);
  EXPECT_TRUE(page.setParameterNumber(QStringLiteral("1a")));
  EXPECT_EQ(sensorOf(ws, 2).auxDescriptor, 0x001A);
  EXPECT_TRUE(page.setParameterNumber(QString()));
  EXPECT_EQ(sensorOf(ws, 2).auxDescriptor, 0) << "a blank field never hides the number behind it";
  EXPECT_FALSE(page.setParameterNumber(QStringLiteral("12345")));
  EXPECT_FALSE(page.setParameterNumber(QStringLiteral("1G")));
  EXPECT_EQ(sensorOf(ws, 2).auxDescriptor, 0);
}

TEST(SensorPageConstants, LiquidColumnAndFrequencyCharacteristic) {
  Workspace ws = workspaceOf(2);
  ScriptedPresenter boxes{AnswerOk};
  SensorPage page(ws, boxes, kComma);
  page.show(0);
  ASSERT_TRUE(page.chooseFamily(ChooseAnalog));  // excess pressure in кгс/см2
  EXPECT_TRUE(page.setLiquidColumn("1000", "1", true));
  EXPECT_NEAR(sensorOf(ws, 0).const2, -0.0098, 1e-12);
  page.setPipeSide(false);
  EXPECT_NEAR(sensorOf(ws, 0).const2, 0.0098, 1e-12);
  EXPECT_FALSE(page.setLiquidColumn("-1", "1", true));
  EXPECT_EQ(boxes.codes(), std::vector<int>{8});
  EXPECT_NEAR(sensorOf(ws, 0).const2, 0.0098, 1e-12);  // a rejected entry loses nothing

  page.show(1);
  ASSERT_TRUE(page.chooseFamily(ChooseFrequency));
  page.setCharacteristic("0", "10", "100", "5");
  EXPECT_EQ(sensorOf(ws, 1).const1, 0);
  EXPECT_EQ(sensorOf(ws, 1).const3, 10);
  EXPECT_EQ(sensorOf(ws, 1).const2, -20);
  page.setCharacteristic("1", "5", "100", "5");
  EXPECT_EQ(sensorOf(ws, 1).const2, 0);
}

TEST(SensorPageConstants, ColdJunctionNeedsATemperatureSensor) {
  Workspace ws = workspaceOf(2);
  sensorOf(ws, 0).mainDescriptor = 0x9440;
  sensorOf(ws, 0).const2 = 64.0;
  sensorOf(ws, 0).const1 = 20;
  ScriptedPresenter boxes{AnswerOk};
  SensorPage page(ws, boxes, kComma);
  page.show(0);
  EXPECT_FALSE(page.setColdJunctionPresent(true));
  EXPECT_EQ(boxes.codes(), std::vector<int>{45});
  EXPECT_EQ(sensorOf(ws, 0).const2, 64.0);

  sensorOf(ws, 7).mainDescriptor = 0x9400;
  sensorOf(ws, 3).mainDescriptor = 0x1400;
  EXPECT_TRUE(page.setColdJunctionPresent(true));
  EXPECT_EQ(sensorOf(ws, 0).const2, 3);
  EXPECT_TRUE(page.setColdJunctionPresent(false));
  EXPECT_EQ(sensorOf(ws, 0).const2, 64.0);
  EXPECT_EQ(sensorOf(ws, 0).const1, 0);
}

// Choosing a pulse sensor's module writes its family digit (A on МВВ, B on
// МЧВ); the terminals and the bounce filter of the module shown leave it, so a
// sensor read without storage keeps D1 until its module is chosen.
TEST(SensorPageChannel, OnlyAModuleChoiceRewritesThePulseFamilyDigit) {
  const QString mchv1 = QStringLiteral("МЧВ1");
  struct Case {
    const char* what;
    QString module, pair;
    bool filtered;
    Word main, aux;
  } cases[] = {
      {"terminals", mchv1, QStringLiteral("+5    -6"), false, 0x3350, 0x0180},
      {"bounce filter", mchv1, QStringLiteral("+3    -4"), true, 0x3350, 0x8080},
      {"another module", QStringLiteral("МЧВ2"), QStringLiteral("+3    -4"), false, 0xB350, 0x1080},
      {"a module of the other family", QStringLiteral("МВВ1"), QStringLiteral("+3    -12"), false, 0xA350, 0x0080},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Workspace ws = workspaceOf(2);
    sensorOf(ws, 4) = {.number = 5, .mainDescriptor = 0x3350, .auxDescriptor = 0x0080, .const2 = 1000};
    ScriptedPresenter boxes;
    SensorPage page(ws, boxes, kComma);
    page.show(4);
    ASSERT_TRUE(page.chooseChannel(c.module, c.pair, c.filtered));
    EXPECT_EQ(sensorOf(ws, 4).mainDescriptor, c.main);
    EXPECT_EQ(sensorOf(ws, 4).auxDescriptor, c.aux);
  }
}

TEST(SensorPageCopy, PasteKeepsNumberAndStandardAndSkipsItsSource) {
  Workspace ws = workspaceOf(2);
  ScriptedPresenter boxes;
  SensorPage page(ws, boxes, kComma);
  page.show(2);
  EXPECT_FALSE(page.canPaste());
  sensorOf(ws, 2) = {3, 0x9401, 0x0380, 1, 100, 390.83, -5775, 150, -50, 150, -50, 0, 1.0};
  sensorOf(ws, 8).rtdStandard = 2;
  page.copy();
  EXPECT_TRUE(page.canPaste());

  const SettingsImage before = ws.image;
  EXPECT_FALSE(page.paste());  // onto its own source
  EXPECT_TRUE(sameImage(before, ws.image));

  page.show(8);
  EXPECT_TRUE(page.paste());
  const SensorRecord& pasted = sensorOf(ws, 8);
  EXPECT_EQ(pasted.number, 9);
  EXPECT_EQ(pasted.rtdStandard, 2);
  EXPECT_EQ(pasted.mainDescriptor, 0x9401);
  EXPECT_EQ(pasted.auxDescriptor, 0x0380);
  EXPECT_EQ(pasted.const2, 390.83);
  EXPECT_EQ(pasted.minValue, -50);
  EXPECT_TRUE(page.takeChange());

  // A copy from another device kind would name other terminals: it stays out.
  ws.image.deviceKind = 3;
  page.show(20);
  EXPECT_FALSE(page.canPaste());
  EXPECT_FALSE(page.paste());
  EXPECT_EQ(sensorOf(ws, 20).mainDescriptor, 0);
}

TEST(SensorPageName, StoresTheFieldCutToSixteen) {
  Workspace ws = workspaceOf(2);
  ScriptedPresenter boxes;
  SensorPage page(ws, boxes, kComma);
  page.show(4);
  page.setName("Тепловычислитель-1");
  EXPECT_EQ(page.name(), "Тепловычислитель");
  EXPECT_EQ(nameText(ws.image.names.sensorNames[4]), "Тепловычислитель");
  EXPECT_TRUE(page.takeChange());
}

}  // namespace
}  // namespace nastrum
