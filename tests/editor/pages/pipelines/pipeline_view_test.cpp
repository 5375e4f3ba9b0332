#include <gtest/gtest.h>

#include "descriptors/name_rule.h"
#include "editor/pages/pipelines/pipeline_page.h"
#include "model/settings_record.h"
#include "pipeline_fixture.h"
#include "support/scripted_presenter.h"

namespace nastrum {
namespace {

using test::pipeline;
using test::sensor;
using test::workspaceOf;

QString selected(const ListView& list) { return list.index >= 0 ? list.choices.at(list.index).text : QString(); }

// A kind-2 image as a device might hold it: a water pipeline measured by a
// differential-pressure sensor, paid for heat at a double tariff.
Workspace plantImage() {
  Workspace ws = workspaceOf(2);
  SettingsImage& im = ws.image;
  sensor(im, 1).mainDescriptor = test::kAnalogDiffPressure;
  sensor(im, 2).mainDescriptor = test::kAnalogDiffPressure;
  sensor(im, 3).mainDescriptor = test::kAnalogTemperature;
  sensor(im, 4).mainDescriptor = test::kAnalogTemperature;
  sensor(im, 5).mainDescriptor = test::kAnalogPressure;
  sensor(im, 6).mainDescriptor = test::kAbsolutePressure;
  test::makeWater(im, 9);
  PipelineRecord& p = pipeline(im, 0);
  p = {.number = 1, .mainDescriptor = 0x1596, .flowSensors = 0x0102, .tempSensors = 0x0304,
       .pressureSensors = 0x0506, .densityCalorLink = 0x0200, .bigPipeRef = 0x1941, .cutoffSource = 0x8042,
       .impurityTariff = 0x0722, .pipeDiameter = 0.125, .orificeDiameter = 0.05, .pipeExpansion = 1.2E-5,
       .orificeExpansion = 1.6E-5, .roughness = 0.1, .gasCalorific = 12.5, .gasDensity = 3, .monthFactor = 1,
       .mainTariff = 450.5, .nightTariff = 225.25};
  return ws;
}

TEST(PipelineView, APipelineReadFromADeviceShowsWhatItsCodesMean) {
  Workspace ws = plantImage();
  ScriptedPresenter boxes;
  PipelinePageRules page(ws, boxes, QLatin1Char(','));
  const QByteArray before = encodeSettingsRecord(ws.image);
  const PipelineView v = page.prepareView();
  EXPECT_EQ(encodeSettingsRecord(ws.image), before);
  EXPECT_FALSE(ws.file.isModified());
  EXPECT_TRUE(boxes.shown().empty());

  EXPECT_EQ(selected(v.medium), QStringLiteral("вода"));
  EXPECT_EQ(selected(v.heatReference),
            QStringLiteral("другого трубопровода с известной темпер.,  давл. и тем же массовым рассходом"));
  EXPECT_EQ(selected(v.flowUnit), QStringLiteral("в м3"));
  EXPECT_EQ(selected(v.heatUnit), QStringLiteral("в ГДж"));
  EXPECT_EQ(selected(v.correction), QStringLiteral("Есть"));
  EXPECT_EQ(selected(v.calibration), QStringLiteral("2 года"));
  EXPECT_EQ(selected(v.flowRole), QStringLiteral("Датчик перепада давления"));
  EXPECT_EQ(v.flowListCaption, QStringLiteral("№ дат. основн. диапазона"));
  EXPECT_EQ(v.flowList.choices.texts(), (QStringList{"1", "2", "нет"}));
  EXPECT_EQ(selected(v.flowList), QStringLiteral("1"));
  EXPECT_EQ(selected(v.diffSubList), QStringLiteral("2"));
  EXPECT_EQ(selected(v.overflow), QStringLiteral("9"));
  EXPECT_EQ(selected(v.payment), QStringLiteral("Есть"));
  EXPECT_EQ(selected(v.paymentType), QStringLiteral("за тепло"));
  EXPECT_EQ(selected(v.tariff), QStringLiteral("двойной"));
  EXPECT_EQ(selected(v.dayHour), QStringLiteral("07"));
  EXPECT_EQ(selected(v.nightHour), QStringLiteral("22"));
  EXPECT_EQ(v.real(PipelineReal::MainTariff).text, QStringLiteral("450,5000"));
  EXPECT_EQ(v.real(PipelineReal::PipeDiameter).text, QStringLiteral("0,125"));
  EXPECT_EQ(v.real(PipelineReal::PipeExpansion).text, QStringLiteral("0,000012"));
  EXPECT_TRUE(v.real(PipelineReal::Roughness).visible);
  EXPECT_EQ(selected(v.cutoff), QStringLiteral("Нет"));
  EXPECT_TRUE(v.linksVisible);
  EXPECT_TRUE(v.links[9].checked);
  EXPECT_FALSE(v.links[0].enabled);
  EXPECT_EQ(v.links.size(), 16u);

  EXPECT_EQ(selected(v.role(PipelineRole::TempMeasure).sensors), QStringLiteral("3"));
  EXPECT_EQ(selected(v.role(PipelineRole::TempInlet).sensors), QStringLiteral("4"));
  EXPECT_EQ(selected(v.role(PipelineRole::PressureMedium).sensors), QStringLiteral("5"));
  EXPECT_EQ(selected(v.role(PipelineRole::PressureAtm).sensors), QStringLiteral("6"));
  EXPECT_EQ(selected(v.role(PipelineRole::ColdSource).constants), QStringLiteral("константа 1"));
  EXPECT_EQ(selected(v.role(PipelineRole::ColdSource).sensors), QStringLiteral("нет"));
  EXPECT_EQ(selected(v.role(PipelineRole::ReturnPressure).constants), QStringLiteral("константа 2"));
  EXPECT_FALSE(v.role(PipelineRole::Density).sensors.visible);
  for (const RoleView& r : v.roles) EXPECT_FALSE(r.sensors.error);
}

// The sensor lists name sensors by number; each item hints at the sensor's
// name and quantity (the items themselves keep their numbers).
TEST(PipelineView, SensorItemsHintAtTheSensorsNameAndQuantity) {
  Workspace ws = plantImage();
  storeName(ws.image.names.sensorNames[3], QStringLiteral("Т подачи"));
  ScriptedPresenter boxes;
  PipelinePageRules page(ws, boxes, QLatin1Char(','));
  const PipelineView v = page.prepareView();
  EXPECT_EQ(v.flowList.choices.texts(), (QStringList{"1", "2", "нет"}));
  auto hints = [](const ChoiceList& list) {
    QStringList out;
    for (const Choice& c : list) out << c.hint;
    return out;
  };
  EXPECT_EQ(hints(v.flowList.choices), (QStringList{"перепад давления", "перепад давления", ""}));
  const ListView& temperature = v.role(PipelineRole::TempMeasure).sensors;
  const int three = temperature.choices.indexOfText(QStringLiteral("3")).value_or(-1);
  ASSERT_GE(three, 0);
  EXPECT_EQ(temperature.choices.at(three).hint, QStringLiteral("Т подачи — температура"));
}

TEST(PipelineView, StoredCodesTheRolesCannotShowAreErrorsAndKept) {
  Workspace ws = plantImage();
  PipelineRecord& p = pipeline(ws.image, 0);
  p.tempSensors = 0x0504;      // sensor 5 measures pressure
  p.impurityTariff = 0x1A23;   // 1A is no hour
  ScriptedPresenter boxes;
  PipelinePageRules page(ws, boxes, QLatin1Char('.'));
  const QByteArray before = encodeSettingsRecord(ws.image);
  const PipelineView v = page.prepareView();
  EXPECT_EQ(encodeSettingsRecord(ws.image), before);
  EXPECT_TRUE(v.role(PipelineRole::TempMeasure).sensors.error);
  EXPECT_FALSE(v.role(PipelineRole::TempInlet).sensors.error);
  EXPECT_TRUE(v.dayHour.error);
  EXPECT_FALSE(v.nightHour.error);
  EXPECT_EQ(selected(v.nightHour), QStringLiteral("23"));
}

TEST(PipelineView, RepairsWhenShownNeverMarkTheImageModified) {
  Workspace ws = workspaceOf(2);
  PipelineRecord& gas = pipeline(ws.image, 0);
  gas.mainDescriptor = 0x4700;
  gas.tempSensors = 0x4140;
  gas.impurityTariff = 0x4040;
  gas.co2Fraction = 150;
  PipelineRecord& share = pipeline(ws.image, 1);
  test::makeWater(ws.image, 1);
  share.flowSensors = 0x8240;
  share.pipeDiameter = 1.5;
  ScriptedPresenter boxes;
  PipelinePageRules page(ws, boxes, QLatin1Char('.'));
  page.prepareView();
  EXPECT_EQ(gas.tempSensors, 0x4040);
  EXPECT_EQ(gas.co2Fraction, 0);
  page.showPipeline(1);
  const PipelineView v = page.prepareView();
  EXPECT_EQ(share.pipeDiameter, 0);
  EXPECT_EQ(v.diameterCaption, QStringLiteral("Доля расхода:"));
  EXPECT_EQ(v.real(PipelineReal::PipeDiameter).text, QStringLiteral("0"));
  EXPECT_FALSE(ws.file.isModified());
}

TEST(PipelineView, InvalidMediumShowsOnlyTheError) {
  Workspace ws = workspaceOf(2);
  pipeline(ws.image, 0).mainDescriptor = 0x6200;
  ScriptedPresenter boxes;
  PipelinePageRules page(ws, boxes, QLatin1Char('.'));
  const PipelineView v = page.prepareView();
  EXPECT_TRUE(v.medium.error);
  EXPECT_FALSE(v.active);
  EXPECT_FALSE(v.payment.visible);
}

TEST(PipelineView, LinkedCaptionShowsForAPipelineWithLinksOfItsOwn) {
  struct Case {
    Word ownMask;     // pipeline 1's DensityCalorLink
    bool linkedBy0;   // bit 1 of pipeline 0's mask
    bool caption;
  } cases[] = {{0x0000, true, false}, {0x0008, true, true}, {0x0008, false, false}, {0x0000, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << std::hex << c.ownMask << " " << c.linkedBy0);
    Workspace ws = workspaceOf(2);
    test::makeWater(ws.image, 0);
    test::makeWater(ws.image, 1);
    test::makeWater(ws.image, 3);
    pipeline(ws.image, 0).densityCalorLink = c.linkedBy0 ? 0x0002 : 0;
    pipeline(ws.image, 1).densityCalorLink = c.ownMask;
    ScriptedPresenter boxes;
    PipelinePageRules page(ws, boxes, QLatin1Char('.'));
    page.showPipeline(1);
    EXPECT_EQ(page.prepareView().linkedByAnother, c.caption);
  }
}

TEST(PipelineView, GroupsFollowMediumAndKind) {
  struct Case {
    int kind;
    Word main;
    bool flowRoleShown, humidity, technicalGas, constants, tariff, type;
  } cases[] = {
      {2, 0x4702, true, true, false, false, false, true},   // natural gas paid for heat: "Тип:" alone
      {3, 0x4701, true, false, false, false, false, true},  // no humidity on ОРВИК 9
      {3, 0x5701, true, false, true, false, false, true},
      {1, 0x5701, true, false, false, false, false, true},
      {3, 0x8804, false, false, false, false, true, false},  // electricity: "Тариф:" alone
      {2, 0x8805, true, false, false, false, true, true},
      {1, 0x7001, true, false, false, true, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "kind " << c.kind << " " << std::hex << c.main);
    Workspace ws = workspaceOf(static_cast<Word>(c.kind));
    pipeline(ws.image, 0).mainDescriptor = c.main;
    pipeline(ws.image, 0).flowSensors = 0x4040;
    ScriptedPresenter boxes;
    PipelinePageRules page(ws, boxes, QLatin1Char('.'));
    const PipelineView v = page.prepareView();
    EXPECT_EQ(v.flowRole.visible, c.flowRoleShown);
    EXPECT_EQ(v.real(PipelineReal::Humidity).visible, c.humidity);
    EXPECT_EQ(v.real(PipelineReal::Adiabatic).visible, c.technicalGas);
    EXPECT_EQ(v.real(PipelineReal::Constant1).visible, c.constants);
    EXPECT_EQ(v.tariff.visible, c.tariff);
    EXPECT_EQ(v.paymentType.visible, c.type);
    EXPECT_TRUE(v.payment.visible);
    EXPECT_EQ(v.monthFactorCaption, c.flowRoleShown ? QStringLiteral("Коэффициент пересчета трубопровода")
                                                     : QStringLiteral("Коэффициент пересчета"));
    if (!c.flowRoleShown) {
      EXPECT_EQ(v.flowListCaption, QStringLiteral("№ датчика"));
    }
  }
}

}  // namespace
}  // namespace nastrum
