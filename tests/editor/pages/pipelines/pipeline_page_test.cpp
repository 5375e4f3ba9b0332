#include <functional>

#include <gtest/gtest.h>

#include "descriptors/descriptor_digits.h"
#include "descriptors/name_rule.h"
#include "descriptors/sensor_channels.h"
#include "descriptors/pipeline_edit.h"
#include "editor/pages/pipelines/pipeline_page.h"
#include "model/settings_record.h"
#include "pipeline_fixture.h"
#include "support/scripted_presenter.h"

namespace nastrum {
namespace {

using test::makeWater;
using test::pipeline;
using test::sensor;
using test::workspaceOf;

struct PageRig {
  explicit PageRig(Word kind) : ws(workspaceOf(kind)) {}
  Workspace ws;
  ScriptedPresenter boxes;
  PipelinePageRules page{ws, boxes, QLatin1Char('.')};
  QByteArray bytes() const { return encodeSettingsRecord(ws.image); }
};

TEST(PipelinePageNavigation, NumbersWrapOverTheKindsPipelines) {
  for (auto [kind, last] : {std::pair{1, 3}, std::pair{2, 15}, std::pair{3, 15}}) {
    PageRig rig(static_cast<Word>(kind));
    rig.page.showPipeline(last + 1);
    EXPECT_EQ(rig.page.current(), 0) << kind;
    rig.page.showPipeline(-1);
    EXPECT_EQ(rig.page.current(), last) << kind;
  }
  PageRig rig(1);
  EXPECT_TRUE(rig.page.showNumberText(QStringLiteral("4")));
  EXPECT_EQ(rig.page.current(), 0);
  rig.page.showPipeline(2);
  rig.boxes.acknowledgeOkBoxes();
  EXPECT_FALSE(rig.page.showNumberText(QStringLiteral("")));
  EXPECT_EQ(rig.boxes.codes(), std::vector<int>{15});
  EXPECT_EQ(rig.page.current(), 2);
  EXPECT_FALSE(rig.page.takeChange());
}

// One reference to pipeline 2 that switching it off must remove.
struct SwitchOffCase {
  const char* what;
  std::function<void(SettingsImage&)> setup;
  int message, holder;
  std::function<void(const SettingsImage&)> removed;
};

TEST(PipelinePageMedium, SwitchOffAsksAboutTheFirstReferenceAndRemovesAll) {
  const SwitchOffCase cases[] = {
      {"hourly sum and daily flow: one question",
       [](SettingsImage& im) {
         im.hourArcDesc[5] = 0x0280;
         im.hourArcPos[5] = 0x000C;  // pipelines 2 and 3
         im.dayArcDesc[1] = 0x0202;
       },
       50, 5,
       [](const SettingsImage& im) {
         EXPECT_EQ(im.hourArcPos[5], 0x0008);
         EXPECT_EQ(im.dayArcDesc[1], 0);
       }},
      {"hourly head with its continuation",
       [](SettingsImage& im) {
         im.hourArcDesc[4] = 0x0402;
         im.hourArcDesc[6] = 0x1804;
       },
       30, 4,
       [](const SettingsImage& im) {
         EXPECT_EQ(im.hourArcDesc[4], 0);
         EXPECT_EQ(im.hourArcDesc[6], 0);
       }},
      {"interval sum", [](SettingsImage& im) { im.intervalArcDesc[2] = 0x0480, im.intervalArcNeg[2] = 0x0004; }, 53, 2,
       [](const SettingsImage& im) { EXPECT_EQ(im.intervalArcNeg[2], 0); }},
      {"interval flow", [](SettingsImage& im) { im.intervalArcDesc[3] = 0x0202; }, 42, 3,
       [](const SettingsImage& im) { EXPECT_EQ(im.intervalArcDesc[3], 0); }},
      {"daily sum", [](SettingsImage& im) { im.dayArcDesc[7] = 0x0880, im.dayArcPos[7] = 0x0014; }, 51, 7,
       [](const SettingsImage& im) { EXPECT_EQ(im.dayArcPos[7], 0x0010); }},
      {"daily payment", [](SettingsImage& im) { im.dayArcDesc[8] = 0x0802; }, 31, 8,
       [](const SettingsImage& im) { EXPECT_EQ(im.dayArcDesc[8], 0); }},
      {"monthly sum", [](SettingsImage& im) { im.monthArcDesc[9] = 0x0280, im.monthArcNeg[9] = 0x0004; }, 52, 9,
       [](const SettingsImage& im) { EXPECT_EQ(im.monthArcNeg[9], 0); }},
      {"monthly heat", [](SettingsImage& im) { im.monthArcDesc[1] = 0x0402; }, 37, 1,
       [](const SettingsImage& im) { EXPECT_EQ(im.monthArcDesc[1], 0); }},
      {"daily sum 8280", [](SettingsImage& im) { im.dayArcDesc[3] = 0x8280, im.dayArcPos[3] = 0x0004; }, 51, 3,
       [](const SettingsImage& im) { EXPECT_EQ(im.dayArcPos[3], 0); }},
      {"daily sum 8480", [](SettingsImage& im) { im.dayArcDesc[6] = 0x8480, im.dayArcNeg[6] = 0x0006; }, 51, 6,
       [](const SettingsImage& im) { EXPECT_EQ(im.dayArcNeg[6], 0x0002); }},
      {"monthly sum 8880", [](SettingsImage& im) { im.monthArcDesc[4] = 0x8880, im.monthArcNeg[4] = 0x0004; }, 52, 4,
       [](const SettingsImage& im) { EXPECT_EQ(im.monthArcNeg[4], 0); }},
      {"hourly flow shown as pipeline 2 (D4)", [](SettingsImage& im) { im.hourArcDesc[7] = 0x0212; }, 30, 7,
       [](const SettingsImage& im) { EXPECT_EQ(im.hourArcDesc[7], 0); }},
      {"monthly heat shown as pipeline 2 (D4)", [](SettingsImage& im) { im.monthArcDesc[2] = 0x0432; }, 37, 2,
       [](const SettingsImage& im) { EXPECT_EQ(im.monthArcDesc[2], 0); }},
      {"flow taken from it",
       [](SettingsImage& im) {
         makeWater(im, 4);
         pipeline(im, 4).flowSensors = 0x8240;
       },
       32, 4, [](const SettingsImage& im) { EXPECT_EQ(im.pipelines[4].flowSensors, 0x8000); }},
      {"conditionally linked by a water pipeline",
       [](SettingsImage& im) {
         makeWater(im, 3);
         pipeline(im, 3).densityCalorLink = 0x0004;
       },
       35, 3, [](const SettingsImage& im) { EXPECT_EQ(im.pipelines[3].densityCalorLink, 0); }},
  };
  for (const auto& c : cases) {
    for (int answer : {AnswerYes, AnswerNo}) {
      SCOPED_TRACE(std::string(c.what) + (answer == AnswerYes ? ": Да" : ": Нет"));
      PageRig rig(2);
      makeWater(rig.ws.image, 2);
      c.setup(rig.ws.image);
      rig.page.showPipeline(2);
      const QByteArray before = rig.bytes();
      rig.boxes.then(answer);
      EXPECT_EQ(rig.page.chooseMedium(PipeOff), answer == AnswerYes);
      ASSERT_EQ(rig.boxes.codes(), std::vector<int>{c.message});
      EXPECT_TRUE(rig.boxes.last().text.contains(QString::number(c.holder)));
      if (answer == AnswerYes) {
        c.removed(rig.ws.image);
        EXPECT_EQ(pipeline(rig.ws.image, 2).mainDescriptor, 0);
        EXPECT_TRUE(rig.page.takeChange());
      } else {
        EXPECT_EQ(rig.bytes(), before);
        EXPECT_FALSE(rig.page.takeChange());
      }
    }
  }
}

TEST(PipelinePageMedium, SwitchOffWritesTheSwitchedOffCodes) {
  PageRig rig(2);
  PipelineRecord& p = pipeline(rig.ws.image, 1);
  p = {.number = 2, .mainDescriptor = 0x4715, .flowSensors = 0x0340, .tempSensors = 0x0102,
       .impurityTariff = 0x0506, .pipeDiameter = 0.3, .gasDensity = 0.7, .monthFactor = 3, .mainTariff = 2};
  rig.page.showPipeline(1);
  EXPECT_TRUE(rig.page.chooseMedium(PipeOff));
  SettingsImage expected = rig.ws.image;
  expected.pipelines[1] = PipelineRecord{.number = 2, .mainDescriptor = 0, .flowSensors = 0, .mainTariff = 0,
                                         .nightTariff = 0};
  EXPECT_EQ(rig.bytes(), encodeSettingsRecord(expected));
  EXPECT_EQ(p.tempSensors, 0x4040);
  EXPECT_EQ(p.cutoffSource, 0x8040);
  EXPECT_EQ(p.monthFactor, 1.0);
}

TEST(PipelinePageMedium, ChangingALinkedWaterPipelineToGasAsksMessage35) {
  PageRig rig(2);
  makeWater(rig.ws.image, 0);
  makeWater(rig.ws.image, 1);
  pipeline(rig.ws.image, 0).densityCalorLink = 0x0002;
  rig.page.showPipeline(1);
  rig.boxes.then(AnswerYes);
  EXPECT_TRUE(rig.page.chooseMedium(NaturalGas));
  EXPECT_EQ(rig.boxes.codes(), std::vector<int>{35});
  EXPECT_TRUE(rig.boxes.last().text.contains(QStringLiteral("№ 0 ")));
  EXPECT_EQ(pipeline(rig.ws.image, 0).densityCalorLink, 0);
  EXPECT_EQ(pipeline(rig.ws.image, 1).mainDescriptor, 0x4700);
  EXPECT_EQ(pipeline(rig.ws.image, 1).impurityTariff, 0x4040);
}

TEST(PipelinePageMedium, NewMediumWritesTheVocabularysCodes) {
  for (int kind : {1, 2, 3}) {
    for (int medium : {Water, SuperheatedSteam, SaturatedSteam, NaturalGas, TechnicalGas, TechnicalLiquid, OtherCarrier}) {
      SCOPED_TRACE(::testing::Message() << "kind " << kind << " medium " << medium);
      PageRig rig(static_cast<Word>(kind));
      PipelineRecord& p = pipeline(rig.ws.image, 1);
      p.mainDescriptor = 0x1200;
      p.flowSensors = 0x0540;
      p.densityCalorLink = 0;
      rig.page.showPipeline(1);
      PipelineRecord expected = p;
      if (medium != Water) applyMedium(expected, medium, kind);
      EXPECT_TRUE(rig.page.chooseMedium(medium));
      EXPECT_EQ(encodeSettingsRecord(rig.ws.image), [&] {
        SettingsImage im = rig.ws.image;
        im.pipelines[1] = expected;
        return encodeSettingsRecord(im);
      }());
      EXPECT_EQ(p.flowSensors, 0x0540);  // an active pipeline keeps its flow sensor
    }
  }
}

TEST(PipelinePageMedium, ASwitchedOffPipelineStartsWithoutAFlowSensor) {
  // Switched off, the flow word is 0000: kept, it would name sensor 0.
  PageRig rig(2);
  sensor(rig.ws.image, 0).mainDescriptor = test::kAnalogFlow;
  rig.page.showPipeline(3);
  EXPECT_TRUE(rig.page.chooseMedium(Water));
  EXPECT_EQ(pipeline(rig.ws.image, 3).flowSensors, 0x4040);
  EXPECT_EQ(pipeline(rig.ws.image, 3).mainDescriptor, 0x1200);
}

TEST(PipelinePageMedium, AnInvalidMediumDigitIsOnlyPutRight) {
  PageRig rig(3);
  pipeline(rig.ws.image, 0).mainDescriptor = 0x6123;
  EXPECT_TRUE(rig.page.chooseMedium(TechnicalGas));
  EXPECT_EQ(pipeline(rig.ws.image, 0).mainDescriptor, 0x5723);
  EXPECT_TRUE(rig.boxes.shown().empty());
}

TEST(PipelinePageLinks, RefusalsAndAcceptedLink) {
  PageRig rig(2);
  for (int p : {0, 3, 5}) makeWater(rig.ws.image, p);
  pipeline(rig.ws.image, 3).densityCalorLink = 0x0100;  // 3 is a main pipeline itself
  rig.ws.image.pipelines[8].mainDescriptor = 0x4700;       // gas: 4040, never linked
  rig.ws.image.pipelines[8].densityCalorLink = 0x4040;
  rig.ws.image.pipelines[9].mainDescriptor = 0x1200;       // water with a zero word
  rig.ws.image.pipelines[9].densityCalorLink = 0;
  rig.boxes.acknowledgeOkBoxes();
  EXPECT_FALSE(rig.page.setLink(3, true));
  EXPECT_FALSE(rig.page.setLink(8, true));
  EXPECT_FALSE(rig.page.setLink(0, true));  // itself
  EXPECT_EQ(rig.boxes.codes(), (std::vector<int>{21, 21}));
  pipeline(rig.ws.image, 5).densityCalorLink = 0x0001;  // 5 links 0
  const QByteArray linkedBy5 = rig.bytes();
  EXPECT_FALSE(rig.page.setLink(9, true));
  EXPECT_EQ(rig.boxes.codes().back(), 20);
  EXPECT_TRUE(rig.boxes.last().text.startsWith(QStringLiteral("Трубопровод №0 ")));
  EXPECT_EQ(rig.bytes(), linkedBy5);
  EXPECT_FALSE(rig.page.takeChange());

  pipeline(rig.ws.image, 5).densityCalorLink = 0;
  rig.ws.image.pipelines[9].densityCalorLink = 0;
  EXPECT_TRUE(rig.page.setLink(9, true));
  EXPECT_EQ(pipeline(rig.ws.image, 0).densityCalorLink, 0x0200);
  EXPECT_TRUE(rig.page.setLink(9, false));
  EXPECT_EQ(pipeline(rig.ws.image, 0).densityCalorLink, 0);
}

TEST(PipelinePageRefusals, ComputedQuantitiesAndElectricityFlowRole) {
  PageRig rig(3);
  pipeline(rig.ws.image, 0).mainDescriptor = 0x3200;
  pipeline(rig.ws.image, 0).densityCalorLink = 0;
  rig.boxes.acknowledgeOkBoxes();
  EXPECT_TRUE(rig.page.setPressureComputed(true));
  EXPECT_EQ(pipeline(rig.ws.image, 0).pressureSensors, 0xFF40);
  QByteArray before = rig.bytes();
  EXPECT_FALSE(rig.page.setTemperatureComputed(true));
  EXPECT_EQ(rig.bytes(), before);
  EXPECT_TRUE(rig.page.setPressureComputed(false));
  EXPECT_EQ(pipeline(rig.ws.image, 0).pressureSensors, 0x4040);
  EXPECT_TRUE(rig.page.setTemperatureComputed(true));
  EXPECT_EQ(pipeline(rig.ws.image, 0).tempSensors, 0xFFFF);
  before = rig.bytes();
  EXPECT_FALSE(rig.page.setPressureComputed(true));
  EXPECT_EQ(rig.bytes(), before);

  pipeline(rig.ws.image, 1).mainDescriptor = 0x8800;
  pipeline(rig.ws.image, 1).flowSensors = 0x0540;
  rig.page.showPipeline(1);
  before = rig.bytes();
  EXPECT_FALSE(rig.page.chooseFlowRole(FlowRole::DiffPressure));
  EXPECT_EQ(rig.bytes(), before);
  EXPECT_EQ(rig.boxes.codes(), (std::vector<int>{18, 19, 69}));
}

TEST(PipelinePageRefusals, MeasuredPressureAgainStoresTheMediumPressureListsChoice) {
  struct Case {
    const char* what;
    Word before;  // PressureSensors before "вычисл. по температуре"
    std::function<void(SettingsImage&)> meanwhile;
    Word after;   // after "измеряется" again
  } cases[] = {
      {"a sensor", 0x0306, {}, 0x0340},
      {"pipeline constant 2", 0x4206, {}, 0x4240},
      {"нет", 0x4006, {}, 0x4040},
      {"a sensor that is no longer a pressure sensor", 0x0306,
       [](SettingsImage& im) { sensor(im, 3).mainDescriptor = test::kAnalogTemperature; }, 0x4040},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PageRig rig(2);
    sensor(rig.ws.image, 3).mainDescriptor = test::kAnalogPressure;
    pipeline(rig.ws.image, 0).mainDescriptor = 0x3200;
    pipeline(rig.ws.image, 0).densityCalorLink = 0;
    pipeline(rig.ws.image, 0).pressureSensors = c.before;
    ASSERT_TRUE(rig.page.setPressureComputed(true));
    EXPECT_EQ(pipeline(rig.ws.image, 0).pressureSensors, 0xFF40);
    if (c.meanwhile) c.meanwhile(rig.ws.image);
    ASSERT_TRUE(rig.page.setPressureComputed(false));
    EXPECT_EQ(pipeline(rig.ws.image, 0).pressureSensors, c.after);
  }
  // A pipeline shown with its pressure computed: the hidden list holds "нет".
  PageRig rig(2);
  pipeline(rig.ws.image, 1).mainDescriptor = 0x3200;
  pipeline(rig.ws.image, 1).pressureSensors = 0xFF40;
  rig.page.showPipeline(1);
  ASSERT_TRUE(rig.page.setPressureComputed(false));
  EXPECT_EQ(pipeline(rig.ws.image, 1).pressureSensors, 0x4040);
}

TEST(PipelinePageFlow, RoleChoicesResetTheFlowWords) {
  PageRig rig(2);
  sensor(rig.ws.image, 5).mainDescriptor = test::kAnalogFlow;
  makeWater(rig.ws.image, 0);
  PipelineRecord& p = pipeline(rig.ws.image, 0);
  p.flowSensors = 0x0540;
  p.bigPipeRef = 0x1340;
  p.mainDescriptor = 0x1280;  // two-year interval
  EXPECT_TRUE(rig.page.chooseFlowRole(FlowRole::DiffPressure));
  EXPECT_EQ(p.flowSensors, 0x4040);
  EXPECT_EQ(p.bigPipeRef, 0x0040);
  EXPECT_EQ(p.mainDescriptor, 0x1280);
  // The codes alone would read as "Датчик расхода": the page keeps the choice.
  const PipelineView v = rig.page.view();
  EXPECT_EQ(v.flowRole.index, static_cast<int>(FlowRole::DiffPressure));
  EXPECT_EQ(v.flowList.choices.textOf(v.flowList.selectedCode(-1)), QStringLiteral("нет"));
  EXPECT_EQ(v.diffSubList.choices.textOf(v.diffSubList.selectedCode(-1)), QStringLiteral("нет"));
  EXPECT_TRUE(v.calibration.visible);
  p.pipeDiameter = 0.2;
  EXPECT_TRUE(rig.page.chooseFlowRole(FlowRole::FromPipeline));
  EXPECT_EQ(p.flowSensors, 0x8000);
  EXPECT_EQ(p.pipeDiameter, 0);
  EXPECT_EQ(p.mainDescriptor, 0x1200);  // "1 год" without a differential-pressure sensor
  makeWater(rig.ws.image, 7);
  rig.page.chooseFlowItem(7);
  EXPECT_EQ(p.flowSensors, 0x8740);
  rig.page.chooseFlowItem(std::nullopt);
  EXPECT_EQ(p.flowSensors, 0x8000);
  EXPECT_TRUE(rig.page.chooseFlowRole(FlowRole::FlowSensor));
  rig.page.chooseFlowItem(5);
  EXPECT_EQ(p.flowSensors, 0x0540);
}

// The lists of the pipeline tabs let the user pick the item already shown;
// that choice must leave every word as it is.
TEST(PipelinePageChoices, ChoosingWhatIsShownChangesNothing) {
  struct Case {
    const char* what;
    Word main, flow, temp, pressure, cutoff;
    std::function<void(PipelinePageRules&)> choose;
  } cases[] = {
      {"flow sensor role", 0x1200, 0x0540, 0x4040, 0x4040, 0x8040,
       [](PipelinePageRules& p) { p.chooseFlowRole(FlowRole::FlowSensor); }},
      {"differential-pressure role", 0x1208, 0x0607, 0x4040, 0x4040, 0x8040,
       [](PipelinePageRules& p) { p.chooseFlowRole(FlowRole::DiffPressure); }},
      {"flow from another pipeline", 0x1200, 0x8740, 0x4040, 0x4040, 0x8040,
       [](PipelinePageRules& p) { p.chooseFlowRole(FlowRole::FromPipeline); }},
      {"double tariff paid for heat", 0x1206, 0x4040, 0x4040, 0x4040, 0x8040,
       [](PipelinePageRules& p) { p.setPayment({.paid = true, .type = 2, .doubleTariff = true}); }},
      {"cutoff present", 0x1200, 0x4040, 0x4040, 0x4040, 0x0540,
       [](PipelinePageRules& p) { p.setCutoffPresent(true); }},
      {"cutoff absent", 0x1200, 0x4040, 0x4040, 0x4040, 0x8040,
       [](PipelinePageRules& p) { p.setCutoffPresent(false); }},
      {"temperature measured", 0x3200, 0x4040, 0x0809, 0x4040, 0x8040,
       [](PipelinePageRules& p) { p.setTemperatureComputed(false); }},
      {"temperature computed", 0x3200, 0x4040, 0xFFFF, 0x4040, 0x8040,
       [](PipelinePageRules& p) { p.setTemperatureComputed(true); }},
      {"pressure measured", 0x3200, 0x4040, 0x4040, 0x030A, 0x8040,
       [](PipelinePageRules& p) { p.setPressureComputed(false); }},
      {"pressure computed", 0x3200, 0x4040, 0x4040, 0xFF0A, 0x8040,
       [](PipelinePageRules& p) { p.setPressureComputed(true); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PageRig rig(2);
    SettingsImage& im = rig.ws.image;
    sensor(im, 3).mainDescriptor = test::kAnalogPressure;
    sensor(im, 5).mainDescriptor = test::kAnalogFlow;
    sensor(im, 6).mainDescriptor = test::kAnalogDiffPressure;
    sensor(im, 7).mainDescriptor = test::kAnalogDiffPressure;
    sensor(im, 8).mainDescriptor = test::kAnalogTemperature;
    sensor(im, 9).mainDescriptor = test::kAnalogTemperature;
    sensor(im, 10).mainDescriptor = test::kAbsolutePressure;
    makeWater(im, 7);
    PipelineRecord& p = pipeline(im, 0);
    p.mainDescriptor = c.main;
    p.flowSensors = c.flow;
    p.tempSensors = c.temp;
    p.pressureSensors = c.pressure;
    p.cutoffSource = c.cutoff;
    p.densityCalorLink = 0;
    p.bigPipeRef = 0x1708;
    p.impurityTariff = 0x0722;
    p.pipeDiameter = 0.5;
    p.mainTariff = 3;
    p.nightTariff = 2;
    rig.page.showPipeline(0);
    rig.page.prepareView();
    rig.page.takeChange();
    const QByteArray before = rig.bytes();
    c.choose(rig.page);
    EXPECT_EQ(rig.bytes(), before);
    EXPECT_FALSE(rig.page.takeChange());
    EXPECT_TRUE(rig.boxes.codes().empty());
  }
}

struct RealCase {
  PipelineReal field;
  Word main;
  Word flow;
  const char* text;
  int message;  // 0: accepted
  double stored;
};

TEST(PipelinePageReals, EntriesAreCheckedAndStored) {
  const RealCase cases[] = {
      {PipelineReal::PipeDiameter, 0x1200, 0x4040, "0.25", 0, 0.25},
      {PipelineReal::PipeDiameter, 0x1200, 0x4040, "-1", 8, 0},
      {PipelineReal::PipeDiameter, 0x1200, 0x8240, "0.4", 0, 0.4},
      {PipelineReal::PipeDiameter, 0x1200, 0x8240, "1.5", 59, 0},
      {PipelineReal::PipeExpansion, 0x1200, 0x4040, "-0.5", 0, -0.5},
      {PipelineReal::CO2, 0x4700, 0x4040, "101", 60, 0},
      {PipelineReal::N2, 0x4700, 0x4040, "-2", 8, 0},
      {PipelineReal::Humidity, 0x4700, 0x4040, "55", 0, 0.55},
      {PipelineReal::Humidity, 0x4700, 0x4040, "120", 24, 0},
      {PipelineReal::GasDensity, 0x4700, 0x4040, "-0.7", 8, 0},
      {PipelineReal::Constant1, 0x1200, 0x4040, "-7", 0, -7},
      {PipelineReal::MainTariff, 0x1201, 0x4040, "-3", 8, 0},
      {PipelineReal::MonthFactor, 0x1200, 0x4040, "0", 0, 1.0},
      {PipelineReal::MonthFactor, 0x1200, 0x4040, "", 0, 1.0},
      {PipelineReal::MonthFactor, 0x1200, 0x4040, "2.5", 0, 2.5},
  };
  for (const RealCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << static_cast<int>(c.field) << " \"" << c.text << "\"");
    PageRig rig(2);
    makeWater(rig.ws.image, 2);
    pipeline(rig.ws.image, 0).mainDescriptor = c.main;
    pipeline(rig.ws.image, 0).flowSensors = c.flow;
    pipeline(rig.ws.image, 0).monthFactor = 9;
    rig.boxes.acknowledgeOkBoxes();
    const double before = realField(pipeline(rig.ws.image, 0), c.field);
    EXPECT_EQ(rig.page.enterReal(c.field, QString::fromUtf8(c.text)), c.message == 0);
    EXPECT_EQ(rig.boxes.codes(), c.message ? std::vector<int>{c.message} : std::vector<int>{});
    EXPECT_DOUBLE_EQ(realField(pipeline(rig.ws.image, 0), c.field), c.stored);
    EXPECT_EQ(rig.page.takeChange(), c.stored != before) << "a refused entry stores 0: an edit only if that differs";
  }
  PageRig rig(2);
  pipeline(rig.ws.image, 0).monthFactor = 4;
  EXPECT_TRUE(rig.page.enterReal(PipelineReal::MonthFactor, QStringLiteral("-")));  // a sign being typed
  EXPECT_EQ(pipeline(rig.ws.image, 0).monthFactor, 4);
}

TEST(PipelinePagePayment, ChoicesWriteD4TariffsAndHours) {
  PageRig rig(2);
  PipelineRecord& p = pipeline(rig.ws.image, 0);
  p.mainDescriptor = 0x1200;
  p.impurityTariff = 0x0723;
  rig.page.setPayment({.paid = true, .type = 2, .doubleTariff = true});
  EXPECT_EQ(p.mainDescriptor, 0x1206);
  EXPECT_EQ(p.impurityTariff, 0);
  rig.page.setTariffHour(false, 7);
  rig.page.setTariffHour(true, 23);
  EXPECT_EQ(p.impurityTariff, 0x0723);
  p.mainTariff = 5;
  rig.page.setPayment({});
  EXPECT_EQ(p.mainDescriptor, 0x1200);
  EXPECT_EQ(p.mainTariff, 0);
}

TEST(PipelinePageCutoff, PresentStartsAtTheFirstTerminalsAndNoneIs80) {
  for (int kind : {1, 2, 3}) {
    PageRig rig(static_cast<Word>(kind));
    makeWater(rig.ws.image, 0);
    rig.page.setCutoffPresent(true);
    EXPECT_EQ(highByte(pipeline(rig.ws.image, 0).cutoffSource), defaultCutoffCode(kind));
    rig.page.setCutoffPresent(false);
    EXPECT_EQ(pipeline(rig.ws.image, 0).cutoffSource, 0x8040);
  }
}

TEST(PipelinePageCopy, PasteWritesEverythingButNumberAndPressureSensors) {
  PageRig rig(2);
  EXPECT_FALSE(rig.page.canPaste());
  PipelineRecord& gas = pipeline(rig.ws.image, 1);
  gas = {.number = 2, .mainDescriptor = 0x4702, .flowSensors = 0x0340, .tempSensors = 0x0506,
         .pressureSensors = 0x0708, .densityCalorLink = 0x090A, .impurityTariff = 0x4040, .gasDensity = 0.68};
  PipelineRecord& water = pipeline(rig.ws.image, 4);
  makeWater(rig.ws.image, 4);
  water.number = 5;
  water.pressureSensors = 0x0B0C;
  rig.page.showPipeline(1);
  rig.page.copy();
  EXPECT_TRUE(rig.page.canPaste());
  EXPECT_FALSE(rig.page.paste());  // onto itself
  rig.page.showPipeline(4);
  EXPECT_TRUE(rig.page.paste());
  PipelineRecord expected = gas;
  expected.number = 5;
  expected.pressureSensors = 0x0B0C;
  SettingsImage im = rig.ws.image;
  im.pipelines[4] = expected;
  EXPECT_EQ(rig.bytes(), encodeSettingsRecord(im));
  EXPECT_TRUE(rig.boxes.shown().empty());  // an active target is written at once
}

// The codes of one kind mean other things on another (medium 8, payment
// digits, cutoff terminals, the humidity in the night tariff): a copy made on
// one kind is not pasted into an image of another.
TEST(PipelinePageCopy, APipelineOfAnotherKindIsNotPasted) {
  PageRig rig(2);
  PipelineRecord& gas = pipeline(rig.ws.image, 1);
  gas.mainDescriptor = 0x4701;
  gas.cutoffSource = 0x0540;
  gas.nightTariff = 0.55;  // the humidity on this kind
  rig.page.showPipeline(1);
  rig.page.copy();
  rig.ws.image = testing::freshImage(3);
  makeWater(rig.ws.image, 4);
  rig.page.showPipeline(4);
  const QByteArray before = rig.bytes();
  EXPECT_FALSE(rig.page.canPaste());
  EXPECT_FALSE(rig.page.paste());
  EXPECT_EQ(rig.bytes(), before);
  EXPECT_FALSE(rig.page.takeChange());
  rig.ws.image = testing::freshImage(2);  // an image of the copy's kind takes it
  makeWater(rig.ws.image, 4);
  EXPECT_TRUE(rig.page.paste());
  EXPECT_EQ(pipeline(rig.ws.image, 4).mainDescriptor, 0x4701);
}

TEST(PipelinePageCopy, PasteOntoASwitchedOffPipelineAsksItsReferencesFirst) {
  for (int answer : {AnswerYes, AnswerNo}) {
    PageRig rig(2);
    makeWater(rig.ws.image, 0);
    rig.ws.image.dayArcDesc[3] = 0x0202;  // still records switched-off pipeline 2
    rig.page.copy();
    rig.page.showPipeline(2);
    const QByteArray before = rig.bytes();
    rig.boxes.then(answer);
    EXPECT_EQ(rig.page.paste(), answer == AnswerYes);
    EXPECT_EQ(rig.boxes.codes(), std::vector<int>{31});
    if (answer == AnswerYes) {
      EXPECT_EQ(rig.ws.image.dayArcDesc[3], 0);
      EXPECT_EQ(pipeline(rig.ws.image, 2).mainDescriptor, 0x1200);
    } else {
      EXPECT_EQ(rig.bytes(), before);
    }
  }
}

TEST(PipelinePageCopy, PasteDropsReferencesThatWouldPointAtTheTargetItself) {
  PageRig rig(2);
  makeWater(rig.ws.image, 0);
  makeWater(rig.ws.image, 3);
  makeWater(rig.ws.image, 6);
  PipelineRecord& source = pipeline(rig.ws.image, 0);
  source.densityCalorLink = 0x0048;  // links 3 and 6
  source.bigPipeRef = 0x1340;        // overflow to 3
  rig.page.copy();
  rig.page.showPipeline(3);
  EXPECT_TRUE(rig.page.paste());
  EXPECT_EQ(pipeline(rig.ws.image, 3).densityCalorLink, 0x0040);
  EXPECT_EQ(pipeline(rig.ws.image, 3).bigPipeRef, 0x0040);

  pipeline(rig.ws.image, 0).flowSensors = 0x8640;  // flow from 6
  rig.page.showPipeline(0);
  rig.page.copy();
  rig.page.showPipeline(6);
  EXPECT_TRUE(rig.page.paste());
  EXPECT_EQ(pipeline(rig.ws.image, 6).flowSensors, 0x8000);
}

TEST(PipelinePageName, StoredCutToSixteenCharacters) {
  PageRig rig(2);
  rig.page.showPipeline(5);
  rig.page.setName(QStringLiteral("Подача котельной"));
  EXPECT_EQ(nameText(rig.ws.image.names.pipelineNames[5]), QStringLiteral("Подача котельной"));
  EXPECT_TRUE(rig.page.takeChange());
  EXPECT_EQ(rig.page.view().name, QStringLiteral("Подача котельной"));
}

}  // namespace
}  // namespace nastrum
