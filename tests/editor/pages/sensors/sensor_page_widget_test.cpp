// The sensor page as the user sees it: choices walked through their list
// items on every kind and compared with the vocabulary's encoding, stored
// sensors shown without changing a byte, reference questions answered both
// ways, the number box, names, terms, copy and paste.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QKeyEvent>
#include <QSet>
#include <QTimer>

#include "arith/ui/tar_form.h"
#include "descriptors/name_rule.h"
#include "descriptors/sensor_edit.h"
#include "widgets/choice_box.h"
#include "editor/pages/sensors/ui/sensor_page_widget.h"
#include "sim/demo_image.h"
#include "support/fresh_image.h"
#include "support/scripted_presenter.h"
#include "support/page_driver.h"
#include "support/widget_application.h"

namespace nastrum {
namespace {

const QChar kComma(u',');

struct Page : testing::PageDriver<SensorPageWidget> {
  explicit Page(Word kind, std::initializer_list<int> answers = {}) {
    for (const int answer : answers) boxes.then(answer);
    ws.image = testing::freshImage(kind);
    open(std::make_unique<SensorPageWidget>(ws, boxes, kComma, nullptr));
  }

  ChoiceBox* box(const char* name) { return find<ChoiceBox>(name); }
  QString shown(const char* name) { return box(name)->currentText(); }
  void type(const char* name, const QString& text) {
    find<QLineEdit>(name)->clear();
    typeKeys(name, text);
  }
  // The text of the label that names a field.
  QString captionOf(const char* name) {
    QWidget* field = find<QWidget>(name);
    for (QLabel* label : widget->findChildren<QLabel*>())
      if (label->buddy() == field) return label->text();
    return {};
  }
  void go(int n) { find<QSpinBox>("sensorNumber")->setValue(n); }
  SensorRecord& sensor(int n) { return ws.image.sensors[static_cast<std::size_t>(n)]; }
};

bool sameImage(const SettingsImage& a, const SettingsImage& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// One walk: list choices made on the page, and the same choices made with
// the vocabulary's encoding on a record of the same kind.
struct Walk {
  const char* what;
  std::vector<int> kinds;
  std::vector<std::pair<const char*, QString>> choices;
  std::function<void(SensorRecord&, int kind)> encode;
};

std::vector<Walk> walks() {
  return {
      {"pressure", {1, 2, 3},
       {{"familyBox", "аналоговый"}, {"quantityBox", "давление"},
        {"pressureKindBox", "Датчик абсолютного давления"}, {"pressureUnitBox", "МПа"},
        {"signalBox", "ток 4..20 мА"}, {"faultBox", "Среднее значение"}},
       [](SensorRecord& s, int k) {
         applyFamily(s, ChooseAnalog, k);
         applyPressureKind(s, 1);
         applyPressureUnit(s, 8);
         applySignal(s, 3);
         applyFault(s, 8, k);
       }},
      {"differential pressure", {1, 2, 3},
       {{"familyBox", "аналоговый"}, {"quantityBox", "перепад давления"}, {"tapBox", "Угловой отбор"},
        {"diffUnitBox", "кПа"}, {"signalBox", "напряжение"}},
       [](SensorRecord& s, int k) {
         applyFamily(s, ChooseAnalog, k);
         applyQuantity(s, DiffPressure);
         applyTap(s, 2);
         applyDiffUnit(s, 8);
         applySignal(s, 0);
       }},
      {"three-radius tap", {3},
       {{"familyBox", "аналоговый"}, {"quantityBox", "перепад давления"}, {"tapBox", "Трехрадиусный отбор"}},
       [](SensorRecord& s, int k) {
         applyFamily(s, ChooseAnalog, k);
         applyQuantity(s, DiffPressure);
         applyTap(s, 1);
       }},
      {"analog flow", {1, 2, 3},
       {{"familyBox", "аналоговый"}, {"quantityBox", "расход"}, {"flowKindBox", "расход газа в м3"},
        {"storageBox", "без хранения"}},
       [](SensorRecord& s, int k) {
         applyFamily(s, ChooseAnalog, k);
         applyQuantity(s, Flow);
         applyFlowKind(s, FlowGasM3, k);
         applyStorage(s, false);
       }},
      {"copper thermometer", {1, 2, 3},
       {{"familyBox", "аналоговый"}, {"quantityBox", "температура"}, {"rtdBox", "медный ТС"},
        {"rtdStandardBox", "стандартный W100=1,428"}},
       [](SensorRecord& s, int k) {
         applyFamily(s, ChooseAnalog, k);
         applyQuantity(s, Temperature);
         applyTemperatureKind(s, Rtd, 1);
         applyRtdStandard(s, 1);
       }},
      {"thermocouple", {1, 2, 3},
       {{"familyBox", "аналоговый"}, {"quantityBox", "температура"}, {"temperatureKindBox", "термопара"},
        {"thermocoupleBox", "ПП"}},
       [](SensorRecord& s, int k) {
         applyFamily(s, ChooseAnalog, k);
         applyQuantity(s, Temperature);
         applyTemperatureKind(s, Thermocouple, 6);
       }},
      {"normalising converter", {1, 2, 3},
       {{"familyBox", "аналоговый"}, {"quantityBox", "температура"},
        {"temperatureKindBox", "термометр с нормирующим преобразователем"}, {"signalBox", "ток 0..20 мА"}},
       [](SensorRecord& s, int k) {
         applyFamily(s, ChooseAnalog, k);
         applyQuantity(s, Temperature);
         applyTemperatureKind(s, NormalisingConverter, 0);
         applySignal(s, 2);
       }},
      {"battery and linear", {2, 3},
       {{"familyBox", "аналоговый"}, {"quantityBox", "напряжение аккумулятора"},
        {"quantityBox", "прочие с линейной шкалой"}, {"signalBox", "ток 0..5   мА"}},
       [](SensorRecord& s, int k) {
         applyFamily(s, ChooseAnalog, k);
         applyQuantity(s, OtherLinear);
         applySignal(s, 1);
       }},
      {"pulse", {1, 2, 3},
       {{"familyBox", "числоимпульсный"}, {"flowKindBox", "расход в тоннах"},
        {"faultBox", "Константа замены при обрыве или перезапуске"}},
       [](SensorRecord& s, int k) {
         applyFamily(s, ChoosePulse, k);
         applyFlowKind(s, FlowTonnes, k);
         applyFault(s, 1, k);
       }},
      {"pulse count per unit", {3},
       {{"familyBox", "числоимпульсный"}, {"pulseWeightBox", "Кол-во импульсов на ед."},
        {"flowKindBox", "расход пара или жидкости в м3"}},
       [](SensorRecord& s, int k) {
         applyFamily(s, ChoosePulse, k);
         applyPulseWeight(s, 8);
         applyFlowKind(s, FlowLiquidM3, k);
       }},
      {"frequency", {1, 2, 3},
       {{"familyBox", "частотный"}, {"flowKindBox", "расход пара или жидкости в м3"},
        {"faultBox", "Среднее значение"}},
       [](SensorRecord& s, int k) {
         applyFamily(s, ChooseFrequency, k);
         applyFlowKind(s, FlowLiquidM3, k);
         applyFault(s, 9, k);
       }},
      {"arithmetic over pipelines", {1, 2, 3},
       {{"familyBox", "условный"}, {"sourceBox", "текущего количества тепла из трубопроводов"},
        {"conditionalStorageBox", "с накоплением"}},
       [](SensorRecord& s, int k) {
         applyFamily(s, ChooseConditional, k);
         applyConversion(s, SumHeat, k);
         applyConditionalStorage(s, 3);
       }},
      {"sign storage", {1, 2},
       {{"familyBox", "условный"}, {"signStorageBox", "хранение абсолютного значения"}},
       [](SensorRecord& s, int k) {
         applyFamily(s, ChooseConditional, k);
         applySignStorage(s, 9);
       }},
  };
}

TEST(SensorPageWidget, ChoicesStoreTheVocabularysCodesOnEveryKind) {
  for (const Walk& walk : walks()) {
    for (int kind : walk.kinds) {
      SCOPED_TRACE(std::string(walk.what) + " on kind " + std::to_string(kind));
      Page p(static_cast<Word>(kind));
      p.go(1);
      for (const auto& [name, text] : walk.choices) p.choose(name, text);
      SensorRecord expected = p.sensor(1);  // keeps Number and the names
      expected.mainDescriptor = 0;
      walk.encode(expected, kind);
      applyForcedValues(expected, kind);
      EXPECT_EQ(p.sensor(1).mainDescriptor, expected.mainDescriptor);
      EXPECT_EQ(p.sensor(1).auxDescriptor, expected.auxDescriptor);
      EXPECT_EQ(p.sensor(1).const1, expected.const1);
      EXPECT_EQ(p.sensor(1).const2, expected.const2);
      EXPECT_EQ(p.sensor(1).const3, expected.const3);
      EXPECT_EQ(p.sensor(1).rtdStandard, expected.rtdStandard);
      EXPECT_TRUE(p.modified());
      EXPECT_TRUE(p.boxes.shown().empty());
    }
  }
}

TEST(SensorPageWidget, ConditionalConversionsOnEveryKind) {
  struct Case {
    int kind;
    const char* radio;
    Word main;
  } cases[] = {
      {1, "functionalRadio", 0x8040}, {2, "copyingRadio", 0x8050}, {2, "serialRadio", 0x8080},
      {3, "functionalRadio", 0x8040}, {3, "serialRadio", 0x8080},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.radio);
    Page p(static_cast<Word>(c.kind));
    p.choose("familyBox", "условный");
    p.find<QRadioButton>(c.radio)->click();
    EXPECT_EQ(p.sensor(0).mainDescriptor, c.main);
    EXPECT_EQ(p.sensor(0).auxDescriptor, 0);
    EXPECT_EQ(p.visible("parameterGroup"), c.main != 0x8080);
    EXPECT_EQ(p.visible("tableGroup"), c.main == 0x8040);
  }
  Page small(1);
  small.choose("familyBox", "условный");
  EXPECT_TRUE(small.find<QRadioButton>("serialRadio")->isHidden());

  // The parameter field takes four hex digits.
  Page p(2);
  p.choose("familyBox", "условный");
  p.find<QRadioButton>("copyingRadio")->click();
  EXPECT_EQ(p.find<QLineEdit>("parameterEdit")->text(), "0");
  EXPECT_EQ(p.captionOf("parameterEdit"), "№ параметра чьё значение хранит датчик");
  p.type("parameterEdit", "1aZ2");
  EXPECT_EQ(p.sensor(0).auxDescriptor, 0x1A2);
  // Emptied key by key, the field stores 0: no old number stays behind it.
  for (int i = 0; i < 3; ++i) {
    QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QApplication::sendEvent(p.find<QLineEdit>("parameterEdit"), &backspace);
  }
  EXPECT_EQ(p.find<QLineEdit>("parameterEdit")->text(), "");
  EXPECT_EQ(p.sensor(0).auxDescriptor, 0);
}

TEST(SensorPageWidget, ConnectionChoicesMakeChannelAndCutoffCodes) {
  {
    Page p(2);
    p.choose("familyBox", "числоимпульсный");
    EXPECT_EQ(p.shown("moduleBox"), "МВВ1");
    p.choose("moduleBox", "МЧВ1");
    p.choose("pairBox", "+7    -8");
    EXPECT_EQ(p.sensor(0).auxDescriptor, 0x0280);
    EXPECT_EQ(p.sensor(0).mainDescriptor >> 12, 0xB);  // an МЧВ module writes D1
    p.choose("bounceBox", "Есть");
    EXPECT_EQ(p.sensor(0).auxDescriptor, 0x8280);
    EXPECT_EQ(p.find<QLabel>("channelCode")->text(), "82");
    EXPECT_EQ(p.find<QLabel>("rangeText")->text(), "Входная частота от 0 до 70 Гц");
    p.choose("cutoffPresenceBox", "Есть");
    EXPECT_EQ(p.sensor(0).auxDescriptor, 0x8200);
    p.choose("cutoffModuleBox", "МВВ8");
    p.choose("cutoffPairBox", "+10  -11");
    EXPECT_EQ(p.sensor(0).auxDescriptor, 0x823F);
    p.choose("cutoffPresenceBox", "Нет");
    EXPECT_EQ(p.sensor(0).auxDescriptor, 0x8280);
  }
  {
    Page p(3);
    p.choose("familyBox", "частотный");
    p.choose("moduleBox", "МЧВ1");
    p.choose("pairBox", "+4     -3");
    EXPECT_EQ(p.sensor(0).auxDescriptor, 0x1180);
    EXPECT_TRUE(p.find<QWidget>("bounceBox")->isHidden());
    p.choose("cutoffPresenceBox", "Есть");
    EXPECT_EQ(p.sensor(0).auxDescriptor, 0x1104);
    p.choose("cutoffModuleBox", "МУ16");
    p.choose("cutoffPairBox", "+11   -15");
    EXPECT_EQ(p.sensor(0).auxDescriptor, 0x117F);
  }
  {
    Page p(2);
    p.choose("familyBox", "аналоговый");
    p.choose("moduleBox", "МКН8");
    p.choose("pairBox", "+11  -12");
    EXPECT_EQ(p.sensor(0).auxDescriptor, 0x3780);
  }
}

TEST(SensorPageWidget, StoredSensorShowsItsChoicesWithoutChangingAByte) {
  Page p(2);
  p.sensor(7) = {8, 0x9183, 0x3705, 0, 16, 0.5, 10, 16, 0, 16, 0, 2.5, 1.0};
  p.sensor(8) = {9, 0xA355, 0x0980, 0, 0.01, 1000, 60, 100, 0, 100, 0, 0, 1.0};  // flow kind 5, fault 5: unknown
  p.sensor(9) = {10, 0x5100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1.0};               // no family 5
  p.sensor(10) = {11, 0x8070, 0x1080, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1.0};          // no conversion 7
  p.sensor(11) = {12, 0xA350, 0x1580, 0, 0, 1000, 0, 0, 0, 0, 0, 0, 1.0};       // МВВ channel 15: no module
  const SettingsImage before = p.ws.image;

  p.go(7);
  EXPECT_EQ(p.shown("familyBox"), "аналоговый");
  EXPECT_EQ(p.shown("storageBox"), "с хранением");
  EXPECT_EQ(p.shown("quantityBox"), "давление");
  EXPECT_EQ(p.shown("pressureKindBox"), "Датчик избыточного давления");
  EXPECT_EQ(p.shown("pressureUnitBox"), "МПа");
  EXPECT_EQ(p.shown("signalBox"), "ток 4..20 мА");
  EXPECT_EQ(p.shown("moduleBox"), "МКН8");
  EXPECT_EQ(p.shown("pairBox"), "+11  -12");
  EXPECT_EQ(p.shown("cutoffPresenceBox"), "Есть");
  EXPECT_EQ(p.shown("cutoffModuleBox"), "МВВ1");
  EXPECT_EQ(p.shown("cutoffPairBox"), "+8    -11");
  EXPECT_EQ(p.shown("faultBox"), "Константа замены при обрыве или перезапуске");
  EXPECT_EQ(p.find<QLineEdit>("const2Edit")->text(), p.widget->page().realText(0.5));
  EXPECT_EQ(p.find<QLineEdit>("substFaultEdit")->text(), p.widget->page().realText(2.5));
  EXPECT_EQ(p.find<QLabel>("channelCode")->text(), "37");

  p.go(8);
  EXPECT_EQ(p.shown("familyBox"), "числоимпульсный");
  EXPECT_EQ(p.shown("flowKindBox"), "расход газа в м3");
  EXPECT_EQ(p.shown("faultBox"), "ОШИБКА");
  EXPECT_EQ(p.shown("moduleBox"), "МВВ2");

  p.go(9);
  EXPECT_EQ(p.shown("familyBox"), "ОШИБКА");
  EXPECT_FALSE(p.visible("analogGroup"));
  EXPECT_FALSE(p.visible("connectionGroup"));

  p.go(11);
  EXPECT_EQ(p.shown("moduleBox"), "ОШИБКА");
  EXPECT_EQ(p.find<QLabel>("channelCode")->text(), "15");

  p.go(10);
  EXPECT_TRUE(p.visible("errorPanel"));
  EXPECT_FALSE(p.visible("conditionalGroup"));
  EXPECT_EQ(p.shown("conversionRepairBox"), "ОШИБКА");

  EXPECT_TRUE(sameImage(before, p.ws.image));
  EXPECT_FALSE(p.modified());

  // Repairing the conversion rewrites D3 only.
  p.choose("conversionRepairBox", "Копирующий датчик для архивирования");
  EXPECT_EQ(p.sensor(10).mainDescriptor, 0x8050);
  EXPECT_EQ(p.sensor(10).auxDescriptor, 0x1080);
  EXPECT_TRUE(p.visible("conditionalGroup"));
}

TEST(SensorPageWidget, ShowingTheSensorsOfADeviceImageChangesNoByte) {
  Page p(2);
  p.ws.image = sim::demoPlantImage();
  SettingsImage expected = p.ws.image;
  p.widget->showCurrent();
  for (int n = 0; n < 64; ++n) {
    p.go(n);
    const bool described = expected.sensors[static_cast<std::size_t>(n)].mainDescriptor != 0;
    EXPECT_EQ(p.shown("familyBox") != "датчика нет", described) << n;
    // An empty sensor is shown as the empty record, coefficient one.
    if (!described) clearToEmpty(expected.sensors[static_cast<std::size_t>(n)]);
  }
  EXPECT_TRUE(sameImage(expected, p.ws.image));
  EXPECT_FALSE(p.modified());
}

TEST(SensorPageWidget, DamagedRealsAreShownWithoutHarm) {
  const double hostile[] = {std::nan(""), 1e300, -1e300, 3e9};
  for (Word kind : {2, 3}) {
    Page p(kind);
    int n = 0;
    for (double value : hostile) {
      p.sensor(n) = {n + 1, 0x8000, 0x1080, 0, value, value, value, value, value, 0, 0, 0, 1.0};
      p.sensor(n + 10) = {n + 11, 0x9401, 0x0080, 0, value, value, value, 0, 0, 0, 0, 0, 1.0};
      p.sensor(n + 20) = {n + 21, 0x9150, 0x0080, 0, value, value, value, 0, 0, 0, 0, 0, 1.0};
      ++n;
    }
    for (int s : {0, 1, 2, 3, 10, 11, 12, 13, 20, 21, 22, 23}) p.go(s);
    EXPECT_FALSE(p.modified());
    if (kind == 2) {
      p.go(3);  // a term beyond any sensor number shows as the largest number, never as a negative one
      EXPECT_EQ(p.widget->page().term(0).number, 2147483647);
    }
  }
}

TEST(SensorPageWidget, RefusedReferenceQuestionPutsTheChoiceBack) {
  for (int answer : {AnswerNo, AnswerYes}) {
    Page p(2, {answer});
    p.sensor(3).mainDescriptor = 0xA350;
    p.sensor(3).auxDescriptor = 0x0080;
    auto& pipe = p.ws.image.pipelines[5];
    pipe.mainDescriptor = 0x1200;
    pipe.densityCalorLink = 0;
    pipe.flowSensors = 0x0340;
    p.go(3);
    const SettingsImage before = p.ws.image;
    p.choose("familyBox", "аналоговый");
    EXPECT_EQ(p.boxes.codes(), std::vector<int>{29});
    if (answer == AnswerNo) {
      EXPECT_EQ(p.shown("familyBox"), "числоимпульсный");
      EXPECT_TRUE(sameImage(before, p.ws.image));
      EXPECT_FALSE(p.modified());
    } else {
      EXPECT_EQ(p.shown("familyBox"), "аналоговый");
      EXPECT_EQ(pipe.flowSensors, 0);
      EXPECT_EQ(p.sensor(3).mainDescriptor, 0x9101);
    }
  }
}

TEST(SensorPageWidget, NumberBoxWrapsRound) {
  struct Case {
    Word kind;
    int typed, shown;
  } cases[] = {{2, 64, 0}, {2, -1, 63}, {1, 16, 0}, {1, -1, 15}, {3, 12, 12}};
  for (const auto& c : cases) {
    Page p(c.kind);
    p.go(5);
    p.go(c.typed);
    EXPECT_EQ(p.widget->page().current(), c.shown);
    EXPECT_EQ(p.find<QSpinBox>("sensorNumber")->value(), c.shown);
  }
}

TEST(SensorPageWidget, ListsTakeNoTyping) {
  Page p(2);
  ChoiceBox* family = p.box("familyBox");
  for (const QString& key : {QStringLiteral("ч"), QStringLiteral("a")}) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, key);
    QApplication::sendEvent(family, &press);
  }
  EXPECT_EQ(family->currentText(), "датчика нет");
  EXPECT_FALSE(p.modified());

  // Choosing the item already shown changes nothing either.
  p.choose("familyBox", "аналоговый");
  p.document.markUnmodified();
  p.choose("storageBox", "с хранением");
  p.choose("familyBox", "аналоговый");
  EXPECT_FALSE(p.modified());
}

TEST(SensorPageWidget, EveryFieldIsNamedForTheScreenReader) {
  Page p(2);
  QSet<QWidget*> named;
  for (QLabel* label : p.widget->findChildren<QLabel*>())
    if (label->buddy()) named.insert(label->buddy());
  QList<QWidget*> fields;
  for (auto* w : p.widget->findChildren<QLineEdit*>()) fields << w;
  for (auto* w : p.widget->findChildren<ChoiceBox*>()) fields << w;
  fields << p.find<QSpinBox>("sensorNumber");
  for (QWidget* field : fields) {
    if (field->objectName() == QLatin1String("qt_spinbox_lineedit")) continue;  // inside the number box
    EXPECT_TRUE(named.contains(field) || !field->accessibleName().isEmpty())
        << field->objectName().toStdString();
  }
}

TEST(SensorPageWidget, NameFieldFollowsTheNameRule) {
  Page p(2);
  p.type("nameEdit", "Т1|");
  EXPECT_EQ(p.find<QLineEdit>("nameEdit")->text(), "Т1");
  p.type("nameEdit", "Сырыабвгдежзиклм");  // two "ы": 14 characters fill 16 places
  EXPECT_EQ(p.find<QLineEdit>("nameEdit")->text(), "Сырыабвгдежзик");
  EXPECT_EQ(p.find<QLineEdit>("nameEdit")->maxLength(), 14);
  EXPECT_EQ(nameText(p.ws.image.names.sensorNames[0]), "Сырыабвгдежзик");
  EXPECT_TRUE(p.modified());
}

TEST(SensorPageWidget, TermRowsOfSmallModelArithmetic) {
  Page p(2);
  p.boxes.acknowledgeOkBoxes();
  p.choose("familyBox", "условный");
  EXPECT_FALSE(p.visible("termNumber1"));
  p.find<QCheckBox>("termPresent1")->click();
  EXPECT_EQ(p.sensor(0).const1, 0.0);
  EXPECT_TRUE(p.visible("termNumber1"));
  EXPECT_EQ(p.find<QLineEdit>("termWeight1")->text(), "0");
  p.choose("termSign1", "—");
  p.type("termNumber1", "12");
  p.type("termWeight1", "0.25");
  EXPECT_EQ(p.find<QLineEdit>("termWeight1")->text(), "0,25");
  EXPECT_EQ(p.sensor(0).const1, -12.25);
  p.type("termNumber1", "70");
  EXPECT_EQ(p.boxes.codes(), std::vector<int>{48});
  EXPECT_EQ(p.find<QLineEdit>("termNumber1")->text(), "0");

  p.choose("sourceBox", "текущих расходов из трубопроводов");
  EXPECT_EQ(p.sensor(0).const1, 64.0);
  EXPECT_EQ(p.captionOf("termNumber1"), "№ труб.");
}

TEST(SensorPageWidget, CopyAndPasteThroughThePopupActions) {
  Page p(2);
  auto* paste = p.find<QAction>("pasteAction");
  EXPECT_FALSE(paste->isEnabled());
  p.choose("familyBox", "частотный");
  p.find<QAction>("copyAction")->trigger();
  EXPECT_TRUE(paste->isEnabled());
  p.go(4);
  paste->trigger();
  EXPECT_EQ(p.sensor(4).mainDescriptor, 0xC350);
  EXPECT_EQ(p.sensor(4).number, 5);
  EXPECT_EQ(p.shown("familyBox"), "частотный");
}

TEST(SensorPageWidget, RealFieldsLiquidColumnAndCharacteristic) {
  Page p(2);
  p.choose("familyBox", "аналоговый");
  p.choose("quantityBox", "расход");
  p.type("const1Edit", "1-2.5,7");  // a sign only in front, one separator
  EXPECT_EQ(p.find<QLineEdit>("const1Edit")->text(), "12,57");
  EXPECT_EQ(p.sensor(0).const1, 12.57);
  p.type("maxEdit", "-");
  EXPECT_EQ(p.sensor(0).maxValue, 0);
  p.find<QLineEdit>("monthFactorEdit")->clear();
  emit p.find<QLineEdit>("monthFactorEdit")->textEdited(QString());
  EXPECT_EQ(p.sensor(0).monthFactor, 1.0);  // an empty coefficient counts as one
  EXPECT_TRUE(p.boxes.shown().empty());

  p.choose("quantityBox", "давление");
  EXPECT_FALSE(p.visible("densityEdit"));
  p.choose("tubeFillBox", "жидкостью");
  EXPECT_TRUE(p.visible("densityEdit"));
  EXPECT_TRUE(p.find<QLineEdit>("const2Edit")->isReadOnly());
  p.choose("pipeSideBox", "ниже трубопровода");
  p.type("densityEdit", "1000");
  p.type("distanceEdit", "1");
  EXPECT_NEAR(p.sensor(0).const2, -0.0098, 1e-12);
  p.type("densityEdit", "-5");
  EXPECT_EQ(p.find<QLineEdit>("densityEdit")->text(), "5");  // unsigned: no sign enters
  p.go(1);
  p.go(0);
  EXPECT_EQ(p.shown("tubeFillBox"), "газом");  // a shown sensor starts with gas
  EXPECT_EQ(p.shown("pipeSideBox"), "ниже трубопровода");

  p.choose("familyBox", "частотный");
  EXPECT_TRUE(p.find<QLineEdit>("const2Edit")->isReadOnly());
  p.type("gminEdit", "0");
  p.type("fminEdit", "10");
  p.type("gmaxEdit", "100");
  p.type("fmaxEdit", "5");
  EXPECT_EQ(p.sensor(0).const2, -20);
  EXPECT_EQ(p.find<QLineEdit>("const2Edit")->text(), p.widget->page().realText(-20));
}

TEST(SensorPageWidget, TableFunctionEntry) {
  Page p(2, {AnswerYes});
  p.choose("familyBox", "условный");
  p.find<QRadioButton>("functionalRadio")->click();
  p.choose("tableNumberBox", "7");
  EXPECT_EQ(p.sensor(0).const1, 7.0);
  p.type("x0Edit", "-1,5");
  p.choose("nodeBox", "13");
  p.type("nodeValueEdit", "42");
  EXPECT_EQ(p.ws.image.tableFunctions[7][0], -1.5);
  EXPECT_EQ(p.ws.image.tableFunctions[7][15], 42);

  p.choose("tableStepBox", "переменный");
  EXPECT_EQ(p.boxes.last().text, "При продолжении, текущие значения табличной функции обнулятся, продолжить?");
  EXPECT_EQ(p.sensor(0).const1, 7.5);
  EXPECT_EQ(p.ws.image.tableFunctions[7][15], 0);
  EXPECT_TRUE(p.visible("variableStepGroup"));
  EXPECT_FALSE(p.visible("constantStepGroup"));
  p.choose("pointPairBox", "3");
  EXPECT_EQ(p.captionOf("pairYEdit"), "Y(X3)");
  p.type("pairXEdit", "2");
  p.type("pairYEdit", "9");
  EXPECT_EQ(p.ws.image.tableFunctions[7][4], 2);
  EXPECT_EQ(p.ws.image.tableFunctions[7][5], 9);
}

TEST(SensorPageWidget, TheStepShownIsTheTablesOwnAndCanBeChanged) {
  struct Case {
    double const1;
    double variableStep;  // double 16 of table 3
    const char* shown;
  } cases[] = {
      {3.0, 0.0, "постоянный"},
      {3.5, 0.0, "постоянный"},  // the reference says variable, the table does not
      {3.0, 1.0, "переменный"},
      {3.5, 1.0, "переменный"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.const1 + c.variableStep);
    Page p(2, {AnswerYes});
    p.sensor(4) = {5, 0x8040, 0, 0, c.const1, 0, 0, 0, 0, 0, 0, 0, 1.0};
    p.ws.image.tableFunctions[3][16] = c.variableStep;
    p.go(4);
    EXPECT_EQ(p.shown("tableStepBox"), c.shown);
    EXPECT_EQ(p.visible("variableStepGroup"), c.variableStep == 1.0);

    // Choosing the other step turns table and reference alike.
    const bool variable = c.variableStep != 1.0;
    p.choose("tableStepBox", variable ? "переменный" : "постоянный");
    EXPECT_EQ(p.ws.image.tableFunctions[3][16], variable ? 1.0 : 0.0);
    EXPECT_EQ(p.sensor(4).const1, variable ? 3.5 : 3.0);
    EXPECT_EQ(p.visible("variableStepGroup"), variable);
  }
}

TEST(SensorPageWidget, ThermocoupleColdJunction) {
  Page p(1, {AnswerOk});
  p.choose("familyBox", "аналоговый");
  p.choose("quantityBox", "температура");
  p.choose("temperatureKindBox", "термопара");
  EXPECT_EQ(p.sensor(0).const2, 64.0);
  p.choose("coldJunctionPresenceBox", "Есть");  // no other temperature sensor yet
  EXPECT_EQ(p.boxes.codes(), std::vector<int>{45});
  EXPECT_EQ(p.shown("coldJunctionPresenceBox"), "Нет");

  p.sensor(3).mainDescriptor = 0x9400;
  p.sensor(9).mainDescriptor = 0x1410;
  p.choose("coldJunctionPresenceBox", "Есть");
  EXPECT_EQ(p.sensor(0).const2, 3);
  p.choose("coldJunctionBox", "9");
  EXPECT_EQ(p.sensor(0).const2, 9);
  EXPECT_EQ(p.shown("coldJunctionBox"), "9");
}

TEST(SensorPageWidget, OpeningTheArithmeticWindowCountsAsAnEdit) {
  Page p(3);
  p.choose("familyBox", "условный");
  p.document.markUnmodified();
  QTimer::singleShot(0, p.widget.get(), [&] {
    p.widget->arithmeticWindow().findChild<QPushButton*>("exitButton")->click();
  });
  p.find<QPushButton>("arithmeticButton")->click();
  EXPECT_TRUE(p.modified()) << "closing the window always writes back";
}

TEST(SensorPageWidget, LargeModelArithmeticGoesThroughItsWindow) {
  Page p(3);
  p.sensor(5).mainDescriptor = 0x9101;
  p.choose("familyBox", "условный");
  EXPECT_TRUE(p.visible("arithmeticGroup"));
  EXPECT_FALSE(p.visible("termsGroup"));
  EXPECT_EQ(p.captionOf("arithmeticSummary"), "Итог: ");
  // A new formula names no sensor: the lists show "нет" (sensor 0 is the one edited).
  EXPECT_EQ(p.find<QLabel>("arithmeticSummary")->text().section(u'\n', 0, 1), "ИТОГ:  R =  X \nX - не используется");
  EXPECT_EQ(p.widget->arithmeticWindow().findChild<ChoiceBox*>("operandX")->currentText(), "нет");
  p.document.markUnmodified();
  QTimer::singleShot(0, p.widget.get(), [&] {
    TarForm& form = p.widget->arithmeticWindow();
    EXPECT_TRUE(form.isModal());
    form.findChild<ChoiceBox*>("operandX")->chooseText("5");
    form.findChild<ChoiceBox*>("operation1")->chooseText("X * A");
    form.findChild<QPushButton*>("exitButton")->click();
  });
  p.find<QPushButton>("arithmeticButton")->click();
  EXPECT_EQ(p.sensor(0).auxDescriptor, 0x6000);
  EXPECT_EQ(p.sensor(0).const1, 5);
  EXPECT_TRUE(p.modified());
  EXPECT_EQ(p.find<QLabel>("arithmeticSummary")->text().section(u'\n', 0, 1), "ИТОГ:  R = (X * 1)\nX - датчик № 5");

  // Another source: the operands become pipelines.
  p.choose("sourceBox", "текущего значения энтальпии из трубопроводов");
  EXPECT_EQ(p.sensor(0).mainDescriptor, 0x8030);
  EXPECT_EQ(p.sensor(0).auxDescriptor, 0x6000);  // the formula stays
  EXPECT_EQ(p.find<QLabel>("arithmeticSummary")->text().section(u'\n', 1, 1), "X - трубопровод № 5");
}

}  // namespace
}  // namespace nastrum
