#include <functional>

#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "descriptors/descriptor_digits.h"
#include "descriptors/name_rule.h"
#include "descriptors/pipeline_edit.h"
#include "descriptors/sensor_channels.h"
#include "editor/pages/pipelines/ui/pipeline_description_page.h"
#include "editor/pages/pipelines/ui/pipeline_sensors_page.h"
#include "model/settings_record.h"
#include "pipeline_fixture.h"
#include "support/page_driver.h"
#include "support/scripted_presenter.h"
#include "support/widget_application.h"

namespace nastrum {
namespace {

using test::pipeline;
using test::sensor;
using test::workspaceOf;

// Types text key by key as a keyboard would, any alphabet.
void typeKeys(QWidget* w, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &press);
  }
}

// Both sub-pages over one workspace, as the main window holds them.
struct Pages : testing::PageDriver<PipelineSubPage> {
  explicit Pages(Workspace& workspace) : PageDriver(workspace) {
    QObject::connect(&sensors, &PipelineSubPage::imageEdited, &document, &SettingsDocument::markModified);
  }
  PipelineDescriptionPage& description{
      static_cast<PipelineDescriptionPage&>(open(std::make_unique<PipelineDescriptionPage>(ws, boxes)))};
  PipelineSensorsPage sensors{description};
  QSignalSpy descriptionEdits{&description, &PipelineSubPage::imageEdited};
  QSignalSpy sensorEdits{&sensors, &PipelineSubPage::imageEdited};

  template <typename T = QWidget>
  T* find(const QString& name) const {
    if (auto* w = description.findChild<T*>(name)) return w;
    return sensors.findChild<T*>(name);
  }
  PipelineChoiceBox* list(const QString& name) const { return find<PipelineChoiceBox>(name); }
  // Chooses a list item as the user does; the item must be offered.
  void choose(const QString& name, const QString& text) const {
    PipelineChoiceBox* box = list(name);
    ASSERT_NE(box, nullptr) << name.toStdString();
    ASSERT_TRUE(box->isVisibleTo(box->window())) << name.toStdString();
    ASSERT_GE(box->findText(text), 0) << name.toStdString() << ": " << text.toStdString();
    box->choose(text);
  }
  void type(const QString& name, const QString& text) const {
    auto* edit = find<QLineEdit>(name);
    ASSERT_NE(edit, nullptr) << name.toStdString();
    ASSERT_TRUE(edit->isVisibleTo(edit->window())) << name.toStdString();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
  }
  QString shown(const QString& name) const {
    PipelineChoiceBox* box = list(name);
    return box && box->isVisibleTo(box->window()) ? box->currentText() : QStringLiteral("<hidden>");
  }
  bool errorShown(const QString& name) const {
    auto* label = find<QLabel>(name + QStringLiteral("Error"));
    return label && label->isVisibleTo(label->window());
  }
};

// Sensors of every kind of role, and pipelines 2 and 9 to take flows from.
void equip(SettingsImage& im) {
  sensor(im, 1).mainDescriptor = test::kAnalogDiffPressure;
  sensor(im, 2).mainDescriptor = test::kAnalogDiffPressure;
  sensor(im, 3).mainDescriptor = test::kAnalogTemperature;
  sensor(im, 4).mainDescriptor = test::kAnalogTemperature;
  sensor(im, 5).mainDescriptor = test::kAnalogPressure;
  sensor(im, 6).mainDescriptor = test::kAbsolutePressure;
  sensor(im, 7).mainDescriptor = test::kAnalogLinear;
  sensor(im, 8).mainDescriptor = test::kAnalogLinear;
  sensor(im, 10).mainDescriptor = test::kPulseSensor;
  test::makeWater(im, 2);
  if (im.deviceKind != 1) test::makeWater(im, 9);
}

using Step = std::pair<const char*, const char*>;  // control, item to choose or text to type

struct BuildCase {
  int kind;
  const char* medium;
  std::vector<Step> steps;
  std::function<void(PipelineRecord&, int kind)> encode;  // the same choices through the vocabulary
};

TEST(PipelinePages, EveryMediumAndKindBuildsThePipelineItsChoicesEncode) {
  const BuildCase cases[] = {
      {2, "вода",
       {{"heatReference", "другого трубопровода с известной темпер.,  давл. и тем же массовым рассходом"},
        {"flowUnit", "в м3"},
        {"heatUnit", "в ГДж"},
        {"correction", "Есть"},
        {"flowRole", "Датчик перепада давления"},
        {"flowList", "1"},
        {"diffSubList", "2"},
        {"calibration", "2 года"},
        {"payment", "Есть"},
        {"paymentType", "за тепло"},
        {"tariff", "двойной"},
        {"dayTariffHour", "07"},
        {"nightTariffHour", "23"},
        {"tempMeasure", "3"},
        {"tempInlet", "4"},
        {"pressureAtm", "6"},
        {"pressureMedium", "5"},
        {"coldSourceConstants", "константа 1"},
        {"returnPressure", "5"},
        {"overflow", "9"},
        {"pipeLink", "3"},
        {"=pipeDiameter", "0.1"},
        {"=orificeDiameter", "0,05"},
        {"=pipeExpansion", "0.000012"},
        {"=roughness", "0.1"},
        {"=mainTariff", "450.5"},
        {"=nightTariff", "225.25"},
        {"=pipeConstant1", "-12.5"},
        {"=monthFactor", "0"}},
       [](PipelineRecord& p, int kind) {
         applyMedium(p, Water, kind);
         p.flowSensors = 0x4040;
         applyHeatOption(p, 2, true);
         applyHeatOption(p, 0, true);
         applyHeatOption(p, 1, false);
         applyCorrection(p, true);
         applyFlowRole(p, FlowRole::DiffPressure);
         applyFlowSensor(p, FlowRole::DiffPressure, 1);
         applyRoleByte(p, PipelineRole::DiffSub, 2);
         applyCalibration(p, 8);
         applyPayment(p, {.paid = true, .type = 2, .doubleTariff = true}, kind);
         applyTariffHour(p, false, 7);
         applyTariffHour(p, true, 23);
         for (auto [role, byte] : {std::pair{PipelineRole::TempMeasure, 3}, {PipelineRole::TempInlet, 4},
                                   {PipelineRole::PressureAtm, 6}, {PipelineRole::PressureMedium, 5},
                                   {PipelineRole::ColdSource, kPipeConstant1}, {PipelineRole::ReturnPressure, 5}})
           applyRoleByte(p, role, byte);
         p.bigPipeRef = withOverflow(p.bigPipeRef, 9);
         p.densityCalorLink = withLink(p.densityCalorLink, 3, true);
         p.pipeDiameter = 0.1;
         p.orificeDiameter = 0.05;
         p.pipeExpansion = 0.000012;
         p.roughness = 0.1;
         p.mainTariff = 450.5;
         p.nightTariff = 225.25;
         p.gasCalorific = -12.5;
         p.monthFactor = 1.0;
       }},
      {1, "пар перегретый",
       {{"flowRole", "Расход из другого трубопровода"}, {"flowList", "2"}, {"=pipeDiameter", "0.5"},
        {"cutoff", "Есть"}, {"tempMeasureConstants", "константа 2"}},
       [](PipelineRecord& p, int kind) {
         applyMedium(p, SuperheatedSteam, kind);
         applyFlowRole(p, FlowRole::FromPipeline);
         applyFlowSource(p, 2);
         p.pipeDiameter = 0.5;
         applyPipelineCutoff(p, defaultCutoffCode(kind));
         applyRoleByte(p, PipelineRole::TempMeasure, kPipeConstant2);
       }},
      {3, "пар насыщенный",
       {{"temperatureSource", "вычисл. по давлению"}, {"pressureMedium", "5"}, {"pressureAtm", "7"},
        {"flowList", "10"}},
       [](PipelineRecord& p, int kind) {
         applyMedium(p, SaturatedSteam, kind);
         p.flowSensors = 0x4040;
         applyTemperatureSource(p, true);
         applyRoleByte(p, PipelineRole::PressureMedium, 5);
         applyRoleByte(p, PipelineRole::PressureAtm, 7);
         applyFlowSensor(p, FlowRole::FlowSensor, 10);
       }},
      {2, "газ природный",
       {{"gasUnit", "МДж, Нм3"}, {"=gasCalorific", "33.5"}, {"=gasDensity", "0.68"}, {"=co2Fraction", "1.5"},
        {"=n2Fraction", "0.8"}, {"=humidity", "55"}, {"densitySensor", "7"}, {"calorificSensor", "8"},
        {"humiditySensor", "7"}, {"co2Sensor", "8"}, {"n2Sensor", "нет"}, {"tempMeasure", "4"},
        {"payment", "Есть"}, {"paymentType", "за тепло"}},
       [](PipelineRecord& p, int kind) {
         applyMedium(p, NaturalGas, kind);
         p.flowSensors = 0x4040;
         applyGasUnit(p, 5);
         p.gasCalorific = 33.5;
         p.gasDensity = 0.68;
         p.co2Fraction = 1.5;
         p.n2Fraction = 0.8;
         p.nightTariff = humidityFromPercent(55);
         for (auto [role, byte] : {std::pair{PipelineRole::Density, 7}, {PipelineRole::Calorific, 8},
                                   {PipelineRole::Humidity, 7}, {PipelineRole::CO2, 8},
                                   {PipelineRole::N2, kNoReference}, {PipelineRole::TempMeasure, 4}})
           applyRoleByte(p, role, byte);
         applyPayment(p, {.paid = true, .type = 1}, kind);
         applyPayment(p, {.paid = true, .type = 2}, kind);
       }},
      {3, "технический газ",
       {{"=compressibility", "0.99"}, {"=viscosity", "1.1"}, {"=adiabatic", "1.4"}, {"=gasDensity", "1.2"},
        {"flowList", "10"}},
       [](PipelineRecord& p, int kind) {
         applyMedium(p, TechnicalGas, kind);
         p.flowSensors = 0x4040;
         p.co2Fraction = 0.99;
         p.n2Fraction = 1.1;
         p.gasCalorific = 1.4;
         p.gasDensity = 1.2;
         applyFlowSensor(p, FlowRole::FlowSensor, 10);
       }},
      {3, "электроэнергия",
       {{"flowList", "10"}, {"payment", "Есть"}, {"tariff", "двойной"}, {"dayTariffHour", "08"},
        {"nightTariffHour", "22"}, {"=monthFactor", "2"}},
       [](PipelineRecord& p, int kind) {
         applyMedium(p, OtherCarrier, kind);
         p.flowSensors = 0x4040;
         applyFlowSensor(p, FlowRole::FlowSensor, 10);
         applyPayment(p, {.paid = true}, kind);
         applyPayment(p, {.paid = true, .doubleTariff = true}, kind);
         applyTariffHour(p, false, 8);
         applyTariffHour(p, true, 22);
         p.monthFactor = 2;
       }},
      {1, "другие энергоносители",
       {{"flowList", "10"}, {"payment", "Есть"}, {"=mainTariff", "3"}, {"correction", "Есть"}},
       [](PipelineRecord& p, int kind) {
         applyMedium(p, OtherCarrier, kind);
         p.flowSensors = 0x4040;
         applyFlowSensor(p, FlowRole::FlowSensor, 10);
         applyPayment(p, {.paid = true}, kind);
         p.mainTariff = 3;
         applyCorrection(p, true);
       }},
      {2, "техническая жидкость",
       {{"=pipeConstant2", "7.25"}, {"pressureMediumConstants", "константа 1"}},
       [](PipelineRecord& p, int kind) {
         applyMedium(p, TechnicalLiquid, kind);
         p.flowSensors = 0x4040;
         p.gasDensity = 7.25;
         applyRoleByte(p, PipelineRole::PressureMedium, kPipeConstant1);
       }},
  };
  for (const BuildCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << "kind " << c.kind << " " << c.medium);
    Workspace ws = workspaceOf(static_cast<Word>(c.kind));
    equip(ws.image);
    test::makeWater(ws.image, 3);
    SettingsImage expected = ws.image;
    Pages pages(ws);
    pages.choose(QStringLiteral("pipeMedium"), QString::fromUtf8(c.medium));
    for (const auto& [control, value] : c.steps) {
      const QString name = QString::fromLatin1(control);
      if (name.startsWith(u'=')) {
        pages.type(name.mid(1), QString::fromUtf8(value));
      } else if (name == QStringLiteral("pipeLink")) {
        pages.find<QCheckBox>(name + QString::fromUtf8(value))->click();
      } else {
        pages.choose(name, QString::fromUtf8(value));
      }
    }
    c.encode(expected.pipelines[0], c.kind);
    EXPECT_EQ(encodeSettingsRecord(ws.image), encodeSettingsRecord(expected));
    const PipelineRecord& got = ws.image.pipelines[0];
    const PipelineRecord& want = expected.pipelines[0];
    EXPECT_EQ(QString::number(got.mainDescriptor, 16), QString::number(want.mainDescriptor, 16));
    EXPECT_EQ(QString::number(got.flowSensors, 16), QString::number(want.flowSensors, 16));
    EXPECT_EQ(QString::number(got.tempSensors, 16), QString::number(want.tempSensors, 16));
    EXPECT_EQ(QString::number(got.pressureSensors, 16), QString::number(want.pressureSensors, 16));
    EXPECT_EQ(QString::number(got.impurityTariff, 16), QString::number(want.impurityTariff, 16));
    EXPECT_TRUE(pages.boxes.shown().empty());
    EXPECT_TRUE(pages.modified());
    EXPECT_GT(pages.descriptionEdits.count() + pages.sensorEdits.count(), 0);
  }
}

TEST(PipelinePages, APipelineReadFromADeviceShowsItsMeaningAndChangesNoByte) {
  Workspace ws = workspaceOf(2);
  equip(ws.image);
  pipeline(ws.image, 0) = {.number = 1, .mainDescriptor = 0x1596, .flowSensors = 0x0102, .tempSensors = 0x0304,
                           .pressureSensors = 0x0506, .densityCalorLink = 0x0200, .bigPipeRef = 0x1941,
                           .cutoffSource = 0x8042, .impurityTariff = 0x0722, .pipeDiameter = 0.125,
                           .mainTariff = 450.5, .nightTariff = 225.25};
  storeName(ws.image.names.pipelineNames[0], QStringLiteral("Подача"));
  const QByteArray before = encodeSettingsRecord(ws.image);
  Pages pages(ws);
  pages.description.showCurrent();
  pages.sensors.showCurrent();
  EXPECT_EQ(encodeSettingsRecord(ws.image), before);
  EXPECT_FALSE(pages.modified());
  EXPECT_EQ(pages.descriptionEdits.count() + pages.sensorEdits.count(), 0);

  const std::pair<const char*, const char*> expected[] = {
      {"pipeMedium", "вода"},
      {"pipeMedium2", "вода"},
      {"heatReference", "другого трубопровода с известной темпер.,  давл. и тем же массовым рассходом"},
      {"flowUnit", "в м3"},
      {"heatUnit", "в ГДж"},
      {"correction", "Есть"},
      {"flowRole", "Датчик перепада давления"},
      {"flowList", "1"},
      {"diffSubList", "2"},
      {"calibration", "2 года"},
      {"payment", "Есть"},
      {"paymentType", "за тепло"},
      {"tariff", "двойной"},
      {"dayTariffHour", "07"},
      {"nightTariffHour", "22"},
      {"cutoff", "Нет"},
      {"cutoffModule", "<hidden>"},
      {"tempMeasure", "3"},
      {"tempInlet", "4"},
      {"pressureMedium", "5"},
      {"pressureAtm", "6"},
      {"coldSource", "нет"},
      {"coldSourceConstants", "константа 1"},
      {"returnPressureConstants", "константа 2"},
      {"overflow", "9"},
      {"densitySensor", "<hidden>"},
      {"temperatureSource", "<hidden>"},
      {"gasUnit", "<hidden>"},
  };
  for (const auto& [name, text] : expected)
    EXPECT_EQ(pages.shown(QString::fromLatin1(name)), QString::fromUtf8(text)) << name;
  EXPECT_EQ(pages.find<QLineEdit>(QStringLiteral("pipeName"))->text(), QStringLiteral("Подача"));
  EXPECT_EQ(pages.find<QLineEdit>(QStringLiteral("pipeName2"))->text(), QStringLiteral("Подача"));
  EXPECT_TRUE(pages.find<QCheckBox>(QStringLiteral("pipeLink9"))->isChecked());
  EXPECT_FALSE(pages.find<QCheckBox>(QStringLiteral("pipeLink0"))->isEnabled());
  EXPECT_EQ(pages.find<QLabel>(QStringLiteral("pipeLinkedCaption"))->isVisibleTo(&pages.description), false);
  EXPECT_FALSE(pages.errorShown(QStringLiteral("tempMeasure")));

  // A sensor that no longer measures temperature: "ОШИБКА", and the byte stays.
  sensor(ws.image, 3).mainDescriptor = test::kAnalogPressure;
  pages.sensors.showCurrent();
  EXPECT_TRUE(pages.errorShown(QStringLiteral("tempMeasure")));
  EXPECT_EQ(pipeline(ws.image, 0).tempSensors, 0x0304);
  EXPECT_FALSE(pages.modified());
}

// Every list offers the item it shows; picking that item again is no choice.
TEST(PipelinePages, PickingTheItemShownAgainChangesNoByte) {
  Workspace ws = workspaceOf(2);
  equip(ws.image);
  pipeline(ws.image, 0) = {.number = 1, .mainDescriptor = 0x1596, .flowSensors = 0x0102, .tempSensors = 0x0341,
                           .pressureSensors = 0x4206, .densityCalorLink = 0x0200, .bigPipeRef = 0x1941,
                           .cutoffSource = 0x0542, .impurityTariff = 0x0722, .pipeDiameter = 0.125,
                           .mainTariff = 450.5, .nightTariff = 225.25};
  const QByteArray before = encodeSettingsRecord(ws.image);
  Pages pages(ws);
  pages.description.showCurrent();
  pages.sensors.showCurrent();
  int picked = 0;
  for (QWidget* page : std::initializer_list<QWidget*>{&pages.description, &pages.sensors}) {
    for (PipelineChoiceBox* box : page->findChildren<PipelineChoiceBox*>()) {
      if (!box->isVisibleTo(box->window()) || box->currentIndex() < 0) continue;
      box->choose(box->currentText());
      ++picked;
      EXPECT_EQ(encodeSettingsRecord(ws.image), before) << box->objectName().toStdString();
    }
  }
  EXPECT_GT(picked, 20);
  EXPECT_FALSE(pages.modified());
  EXPECT_TRUE(pages.boxes.codes().empty());
}

// A sensor list's items keep their numbers and hint at the sensor they name.
TEST(PipelinePages, SensorItemsCarryTheSensorsHint) {
  Workspace ws = workspaceOf(2);
  equip(ws.image);
  pipeline(ws.image, 0) = {.number = 1, .mainDescriptor = 0x1596, .flowSensors = 0x0102, .tempSensors = 0x0304,
                           .pressureSensors = 0x0506};
  storeName(ws.image.names.sensorNames[1], QStringLiteral("Перепад осн."));
  Pages pages(ws);
  pages.description.showCurrent();
  PipelineChoiceBox* flow = pages.list(QStringLiteral("flowList"));
  const int one = flow->findText(QStringLiteral("1"));
  ASSERT_GE(one, 0);
  EXPECT_TRUE(flow->itemData(one, Qt::ToolTipRole).toString().startsWith(QStringLiteral("Перепад осн. — ")));
  EXPECT_FALSE(flow->itemData(flow->findText(QStringLiteral("нет")), Qt::ToolTipRole).isValid());
}

TEST(PipelinePages, NumberBoxWrapsAndBothPagesFollow) {
  Workspace ws = workspaceOf(1);
  test::makeWater(ws.image, 3);
  Pages pages(ws);
  auto* number = pages.find<QSpinBox>(QStringLiteral("pipeNumber"));
  auto* number2 = pages.find<QSpinBox>(QStringLiteral("pipeNumber2"));
  number->stepDown();
  EXPECT_EQ(number->value(), 3);
  EXPECT_EQ(number2->value(), 3);
  EXPECT_EQ(pages.shown(QStringLiteral("pipeMedium2")), QStringLiteral("вода"));
  number2->stepUp();
  EXPECT_EQ(number->value(), 0);
  number->selectAll();
  QTest::keyClicks(number, QStringLiteral("4"));
  EXPECT_EQ(pages.description.page().current(), 0);
  EXPECT_EQ(number->value(), 0);
  EXPECT_FALSE(pages.modified());
}

TEST(PipelinePages, NamesMirrorAndFollowTheNameRule) {
  Workspace ws = workspaceOf(2);
  Pages pages(ws);
  auto* name = pages.find<QLineEdit>(QStringLiteral("pipeName"));
  auto* name2 = pages.find<QLineEdit>(QStringLiteral("pipeName2"));
  typeKeys(name, QStringLiteral("Вы|ход"));
  EXPECT_EQ(name->text(), QStringLiteral("Выход"));  // "|" is refused
  EXPECT_EQ(name2->text(), QStringLiteral("Выход"));
  EXPECT_EQ(name->maxLength(), 15);
  EXPECT_EQ(name2->maxLength(), 15);
  EXPECT_EQ(nameText(ws.image.names.pipelineNames[0]), QStringLiteral("Выход"));
  EXPECT_TRUE(pages.modified());
  EXPECT_EQ(pages.descriptionEdits.count(), 5);
  EXPECT_EQ(pages.sensorEdits.count(), 0);
}

TEST(PipelinePages, RefusedChoicesReturnTheirControls) {
  Workspace ws = workspaceOf(3);
  equip(ws.image);
  pipeline(ws.image, 0).mainDescriptor = 0x3200;  // saturated steam
  pipeline(ws.image, 0).densityCalorLink = 0;
  pipeline(ws.image, 1).mainDescriptor = 0x8800;  // electricity
  pipeline(ws.image, 2).densityCalorLink = 0x0010;  // 2 links 4: 4 may not be linked to 0
  test::makeWater(ws.image, 4);
  Pages pages(ws);
  pages.boxes.acknowledgeOkBoxes();
  pages.choose(QStringLiteral("pressureSource"), QStringLiteral("вычисл. по температуре"));
  const QByteArray before = encodeSettingsRecord(ws.image);
  pages.choose(QStringLiteral("temperatureSource"), QStringLiteral("вычисл. по давлению"));
  EXPECT_EQ(pages.shown(QStringLiteral("temperatureSource")), QStringLiteral("измеряется"));
  auto* link2 = pages.find<QCheckBox>(QStringLiteral("pipeLink2"));
  link2->click();  // 2 is a main pipeline itself
  EXPECT_FALSE(link2->isChecked());
  EXPECT_EQ(encodeSettingsRecord(ws.image), before);

  pages.find<QSpinBox>(QStringLiteral("pipeNumber"))->setValue(1);
  EXPECT_EQ(pages.shown(QStringLiteral("flowRole")), QStringLiteral("<hidden>"));
  EXPECT_EQ(pages.description.page().chooseFlowRole(FlowRole::DiffPressure), false);
  EXPECT_EQ(pages.boxes.codes(), (std::vector<int>{18, 21, 69}));
}

struct EntryCase {
  const char* field;
  const char* typed;
  int message;
  const char* shownAfter;
};

TEST(PipelinePages, RefusedEntriesShowWhatWasStored) {
  const EntryCase cases[] = {
      {"co2Fraction", "101", 60, "0"},
      {"humidity", "101", 24, "0"},
      {"gasDensity", "-1", 8, "0"},
  };
  for (const EntryCase& c : cases) {
    SCOPED_TRACE(c.field);
    Workspace ws = workspaceOf(2);
    pipeline(ws.image, 0).mainDescriptor = 0x4700;
    pipeline(ws.image, 0).impurityTariff = 0x4040;
    Pages pages(ws);
    pages.boxes.acknowledgeOkBoxes();
    pages.type(QString::fromLatin1(c.field), QString::fromUtf8(c.typed));
    EXPECT_EQ(pages.boxes.codes().back(), c.message);
    EXPECT_EQ(pages.find<QLineEdit>(QString::fromLatin1(c.field))->text(), QString::fromUtf8(c.shownAfter));
  }
  Workspace ws = workspaceOf(2);
  test::makeWater(ws.image, 0);
  pipeline(ws.image, 0).flowSensors = 0x8000;
  Pages pages(ws);
  pages.boxes.acknowledgeOkBoxes();
  pages.type(QStringLiteral("pipeDiameter"), QStringLiteral("1.5"));
  EXPECT_EQ(pages.boxes.codes(), std::vector<int>{59});
  EXPECT_EQ(pipeline(ws.image, 0).pipeDiameter, 0);
  EXPECT_EQ(pages.find<QLineEdit>(QStringLiteral("pipeDiameter"))->text(), QStringLiteral("0"));
}

TEST(PipelinePages, SwitchOffQuestionDecidesTheWholeChange) {
  for (int answer : {AnswerYes, AnswerNo}) {
    Workspace ws = workspaceOf(2);
    test::makeWater(ws.image, 2);
    ws.image.hourArcDesc[5] = 0x0280;
    ws.image.hourArcPos[5] = 0x000C;
    ws.image.dayArcDesc[1] = 0x0202;
    Pages pages(ws);
    pages.find<QSpinBox>(QStringLiteral("pipeNumber"))->setValue(2);
    const QByteArray before = encodeSettingsRecord(ws.image);
    pages.boxes.then(answer);
    pages.choose(QStringLiteral("pipeMedium2"), QStringLiteral("трубопровод отключен"));
    EXPECT_EQ(pages.boxes.codes(), std::vector<int>{50});
    if (answer == AnswerYes) {
      EXPECT_EQ(pages.shown(QStringLiteral("pipeMedium")), QStringLiteral("трубопровод отключен"));
      EXPECT_EQ(ws.image.hourArcPos[5], 0x0008);
      EXPECT_EQ(ws.image.dayArcDesc[1], 0);
      EXPECT_EQ(pages.shown(QStringLiteral("payment")), QStringLiteral("<hidden>"));
      EXPECT_EQ(pages.sensorEdits.count(), 1);
    } else {
      EXPECT_EQ(pages.shown(QStringLiteral("pipeMedium")), QStringLiteral("вода"));
      EXPECT_EQ(pages.shown(QStringLiteral("pipeMedium2")), QStringLiteral("вода"));
      EXPECT_EQ(encodeSettingsRecord(ws.image), before);
      EXPECT_FALSE(pages.modified());
    }
  }
}

TEST(PipelinePages, CopyAndPasteThroughTheHeaderPopup) {
  Workspace ws = workspaceOf(2);
  equip(ws.image);
  pipeline(ws.image, 0) = {.number = 1, .mainDescriptor = 0x4702, .flowSensors = 0x0A40, .tempSensors = 0x0304,
                           .pressureSensors = 0x0506, .impurityTariff = 0x4040, .gasDensity = 0.7};
  pipeline(ws.image, 2).pressureSensors = 0x0640;
  Pages pages(ws);
  auto* copy = pages.description.findChild<QAction*>(QStringLiteral("pipeCopy"));
  auto* paste = pages.description.findChild<QAction*>(QStringLiteral("pipePaste"));
  ASSERT_TRUE(copy && paste);
  EXPECT_FALSE(paste->isEnabled());
  copy->trigger();
  EXPECT_TRUE(paste->isEnabled());
  pages.find<QSpinBox>(QStringLiteral("pipeNumber"))->setValue(2);
  paste->trigger();
  EXPECT_EQ(pages.shown(QStringLiteral("pipeMedium2")), QStringLiteral("газ природный"));
  EXPECT_EQ(pipeline(ws.image, 2).mainDescriptor, 0x4702);
  EXPECT_EQ(pipeline(ws.image, 2).pressureSensors, 0x0640);
  EXPECT_EQ(pipeline(ws.image, 2).number, 3);
  EXPECT_TRUE(pages.modified());
}

TEST(PipelinePages, CutoffTerminalsFollowTheModule) {
  Workspace ws = workspaceOf(2);
  test::makeWater(ws.image, 0);
  Pages pages(ws);
  pages.choose(QStringLiteral("cutoff"), QStringLiteral("Есть"));
  const auto modules = cutoffModules(2);
  ASSERT_GE(modules.size(), 2u);
  EXPECT_EQ(pages.shown(QStringLiteral("cutoffModule")), modules[0].name);
  pages.choose(QStringLiteral("cutoffModule"), modules[1].name);
  EXPECT_EQ(highByte(pipeline(ws.image, 0).cutoffSource), *cutoffCode(2, modules[1].name, modules[1].pairs.first()));
  pages.choose(QStringLiteral("cutoffPair"), modules[1].pairs.last());
  EXPECT_EQ(highByte(pipeline(ws.image, 0).cutoffSource), *cutoffCode(2, modules[1].name, modules[1].pairs.last()));
  EXPECT_EQ(pages.shown(QStringLiteral("cutoffPair")), modules[1].pairs.last());
  pages.choose(QStringLiteral("cutoff"), QStringLiteral("Нет"));
  EXPECT_EQ(pipeline(ws.image, 0).cutoffSource, 0x8040);
  EXPECT_EQ(pages.shown(QStringLiteral("cutoffModule")), QStringLiteral("<hidden>"));
}

TEST(PipelinePages, ClosingWithTheNumberFieldFocusedRunsNoHandler) {
  Workspace ws = workspaceOf(2);
  {
    Pages pages(ws);
    pages.description.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&pages.description));
    auto* number = pages.find<QSpinBox>(QStringLiteral("pipeNumber"));
    number->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(number->hasFocus());
  }
  EXPECT_FALSE(ws.file.isModified()) << "closing the pages marked nothing";
}

}  // namespace
}  // namespace nastrum
