// The "Системные параметры" tab: each control against the words it stores,
// per device kind.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QWheelEvent>

#include <cstring>

#include "widgets/choice_box.h"
#include "widgets/wrap_spin_box.h"
#include "editor/pages/system/ui/system_page_widget.h"
#include "support/fresh_image.h"
#include "support/page_driver.h"
#include "support/scripted_presenter.h"
#include "support/widget_application.h"

namespace nastrum {
namespace {

struct PageRig : testing::PageDriver<SystemPageWidget> {
  explicit PageRig(Word kind) {
    workspace.image = testing::freshImage(kind);
    open(std::make_unique<SystemPageWidget>(workspace, presenter, QLatin1Char(',')));
    widget->fillKindChoices(kind);
    widget->show();
  }
  ChoiceBox* list(const char* name) { return find<ChoiceBox>(name); }
  QStringList items(const char* name) {
    QStringList out;
    ChoiceBox* box = list(name);
    for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
    return out;
  }
  Word word(int index) { return workspace.image.sys(index); }

  Workspace& workspace = ws;
  ScriptedPresenter& presenter = boxes;
};

// Turning the wheel over a number box, as when scrolling the page, changes
// no word: the boxes step by their arrows and keys only.
TEST(SystemPageWidget, TheWheelOverANumberBoxChangesNoWord) {
  PageRig r(2);
  ASSERT_TRUE(r.choose("protocol", QStringLiteral("FT 1.2")));
  r.document.markUnmodified();
  const SettingsImage before = r.workspace.image;
  for (const char* name : {"hourlyCorrection", "dailyCorrection", "settlementHour", "settlementDate", "networkNumber"}) {
    auto* box = r.find<QSpinBox>(name);
    ASSERT_TRUE(box->isVisibleTo(&*r.widget)) << name;
    const QPointF at(5, 5);
    QWheelEvent wheel(at, box->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &wheel);
    EXPECT_EQ(std::memcmp(&r.workspace.image, &before, sizeof before), 0) << name;
  }
  EXPECT_FALSE(r.modified());
}

TEST(SystemPageWidget, ShowingWritesNothingAndEditsStoreTheirWords) {
  PageRig r(2);
  EXPECT_FALSE(r.modified());
  EXPECT_EQ(r.list("summerTime")->currentText(), QStringLiteral("Есть"));
  EXPECT_EQ(r.list("springMonth")->currentText(), QStringLiteral("март"));
  EXPECT_EQ(r.list("autumnMonth")->currentText(), QStringLiteral("октябрь"));
  EXPECT_EQ(r.list("measuringInterval")->currentText(), QStringLiteral("5"));

  QSignalSpy edited(&*r.widget, &SystemPageWidget::imageEdited);
  r.find<QSpinBox>("hourlyCorrection")->setValue(-10);
  r.find<QSpinBox>("dailyCorrection")->setValue(3);
  EXPECT_EQ(r.word(sys::ClockCorrection), 0x1A03);
  EXPECT_TRUE(r.modified());

  ASSERT_TRUE(r.choose("summerTime", QStringLiteral("Нет")));
  EXPECT_EQ(r.word(sys::SummerTimeInterval), 0x0005);
  EXPECT_TRUE(r.list("springMonth")->isHidden());
  ASSERT_TRUE(r.choose("summerTime", QStringLiteral("Есть")));
  ASSERT_TRUE(r.choose("springMonth", QStringLiteral("апрель")));
  ASSERT_TRUE(r.choose("measuringInterval", QStringLiteral("30")));
  EXPECT_EQ(r.word(sys::SummerTimeInterval), 0x4A1D);

  r.find<QSpinBox>("settlementHour")->setValue(24);
  r.find<QSpinBox>("settlementDate")->setValue(31);
  EXPECT_EQ(r.word(sys::SettlementHourDate), 31) << "hour 24 wraps to 0";
  EXPECT_EQ(r.find<QSpinBox>("settlementHour")->value(), 0);

  ASSERT_TRUE(r.choose("dailyArchiveMode", QStringLiteral("по наступившей дате")));
  EXPECT_EQ(r.word(sys::ArchiveWriteMode), 0x1000);

  QLineEdit* cold = r.find<QLineEdit>("coldSourceTemp");
  cold->setText(QStringLiteral("7,5"));
  emit cold->textEdited(cold->text());
  EXPECT_DOUBLE_EQ(r.workspace.image.defaultValues.coldSourceTemp, 7.5);

  QLineEdit* password = r.find<QLineEdit>("devicePassword");
  EXPECT_EQ(password->echoMode(), QLineEdit::Password);
  password->setText(QStringLiteral("12AB"));
  emit password->textEdited(password->text());
  EXPECT_EQ(r.word(sys::DevicePassword), 0x12AB);
  EXPECT_EQ(r.word(sys::PasswordPresent), 1);
  EXPECT_GT(edited.count(), 8);
}

TEST(SystemPageWidget, TheChannelOfTheLargeModel) {
  PageRig r(3);
  EXPECT_EQ(r.items("channelChoice"), (QStringList{"Основной", "Дополнительный"}));
  ASSERT_TRUE(r.choose("protocol", QStringLiteral("FT 1.2")));
  ASSERT_TRUE(r.choose("linkType", QStringLiteral("RS-485")));
  ASSERT_TRUE(r.choose("crc", QStringLiteral("в данных")));
  EXPECT_EQ(r.word(sys::MainChannelSetup), 0x01CE);
  EXPECT_FALSE(r.list("crc")->isHidden());
  EXPECT_FALSE(r.find<QCheckBox>("networkBox")->isEnabled());
  EXPECT_FALSE(r.items("linkType").contains(QStringLiteral("ПМК-3")));

  ASSERT_TRUE(r.choose("protocol", QStringLiteral("Традиционный")));
  ASSERT_TRUE(r.choose("linkType", QStringLiteral("ПМК-3")));
  EXPECT_EQ(r.word(sys::MainChannelSetup), 0x0020);
  EXPECT_EQ(r.word(sys::MainChannelBaud), 0x0120);
  EXPECT_EQ(r.items("speed"), (QStringList{"300", "600", "1200"}));
  ASSERT_TRUE(r.choose("lineKind", QStringLiteral("Коммутируем.")));
  EXPECT_EQ(r.word(sys::MainChannelSetup), 0x0025);
  EXPECT_TRUE(r.find<QCheckBox>("networkBox")->isHidden());
  EXPECT_EQ(r.find<QSpinBox>("rings")->value(), 5);

  ASSERT_TRUE(r.choose("linkType", QStringLiteral("Hayes-модем")));
  QPlainTextEdit* modem = r.find<QPlainTextEdit>("modemText");
  EXPECT_FALSE(modem->isHidden());
  modem->setPlainText(QStringLiteral("at&f*ats0=1!"));
  EXPECT_EQ(modem->toPlainText(), QStringLiteral("AT&F*ATS0=1"));
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(r.workspace.image.modemInitMain.data()), 13),
            QByteArray("AT&F\rATS0=1\r\0", 13));

  ASSERT_TRUE(r.choose("channelChoice", QStringLiteral("Дополнительный")));
  EXPECT_FALSE(r.items("protocol").contains(QStringLiteral("Традиционный")));
  EXPECT_FALSE(r.items("linkType").contains(QStringLiteral("ПМК-3")));
}

TEST(SystemPageWidget, SmallAndExpandableModels) {
  PageRig one(1);
  EXPECT_EQ(one.items("channelChoice"), QStringList{QStringLiteral("Основной")});
  for (const char* group : {"Генератор тока:", "Дополнительные функции:"}) {
    for (QGroupBox* box : one.widget->findChildren<QGroupBox*>()) {
      if (box->title() == QString::fromUtf8(group)) {
        EXPECT_TRUE(box->isHidden()) << group;
      }
    }
  }

  PageRig two(2);
  EXPECT_FALSE(two.find<QLabel>("fixedLink")->isHidden());
  EXPECT_TRUE(two.list("linkType")->isHidden());
  ASSERT_TRUE(two.choose("channelChoice", QStringLiteral("Дополнительный")));
  EXPECT_FALSE(two.list("linkType")->isHidden());
  EXPECT_TRUE(two.find<QLabel>("fixedLink")->isHidden());
}

TEST(SystemPageWidget, BatteryControlAndGenerators) {
  PageRig r(2);
  QCheckBox* battery = r.find<QCheckBox>("function8");
  EXPECT_EQ(battery->text(), QStringLiteral("Контроль аккумулятора"));
  battery->click();
  EXPECT_EQ(r.word(sys::SpecialFunctions) & 1, 1);
  ASSERT_TRUE(r.choose("batteryModule", QStringLiteral("МВВ3")));
  ASSERT_TRUE(r.choose("batteryContact", QStringLiteral("+5    -12")));
  EXPECT_EQ(r.word(sys::BatteryControl) & 0xFF, 0x12);
  EXPECT_EQ(r.find<QLabel>("batteryChannel")->text(), QStringLiteral("№ канала: 12"));
  battery->click();
  EXPECT_EQ(r.word(sys::BatteryControl), 0xFFFF);

  r.find<QSpinBox>("generatorNumber")->setValue(5);
  r.find<QCheckBox>("generatorPresent")->click();
  EXPECT_EQ(r.workspace.image.currentGenerators[5].lawDescriptor, 0x0100);
  QCheckBox* generator = r.find<QCheckBox>("function1");
  EXPECT_TRUE(generator->isChecked());
  r.presenter.then(AnswerNo);
  generator->click();
  EXPECT_TRUE(generator->isChecked()) << "\"Нет\" keeps the generators";
  EXPECT_EQ(r.workspace.image.currentGenerators[5].lawDescriptor, 0x0100);
  r.find<QSpinBox>("generatorNumber")->setValue(7);
  r.find<QSpinBox>("generatorNumber")->stepBy(1);
  EXPECT_EQ(r.find<QSpinBox>("generatorNumber")->value(), 0) << "the number wraps";
  EXPECT_FALSE(r.find<QCheckBox>("generatorPresent")->isChecked());
}

TEST(SystemPageWidget, NetworkSpeedGeneratorFieldsAndConfirmations) {
  PageRig r(1);
  ASSERT_TRUE(r.choose("protocol", QStringLiteral("Традиционный")));
  QCheckBox* network = r.find<QCheckBox>("networkBox");
  network->click();
  EXPECT_EQ(r.word(sys::MainChannelSetup) >> 8, 1);
  QSpinBox* number = r.find<QSpinBox>("networkNumber");
  EXPECT_FALSE(number->isHidden());
  number->setValue(128);
  EXPECT_EQ(number->value(), 0) << "the traditional protocol wraps above 127";
  EXPECT_FALSE(network->isChecked()) << "number 0 is no network";
  network->click();
  number->setValue(42);
  EXPECT_EQ(r.word(sys::MainChannelSetup) >> 8, 42);
  network->click();
  EXPECT_EQ(r.word(sys::MainChannelSetup) >> 8, 0);
  EXPECT_TRUE(number->isHidden());
  ASSERT_TRUE(r.choose("speed", QStringLiteral("19200")));
  EXPECT_EQ(r.word(sys::MainChannelBaud), 0x1920);

  PageRig three(3);
  three.find<QCheckBox>("generatorPresent")->click();
  ASSERT_TRUE(three.choose("generatorTarget", QStringLiteral("адрес параметра")));
  ASSERT_TRUE(three.choose("generatorRange", QStringLiteral("4..20 мА")));
  EXPECT_EQ(three.workspace.image.currentGenerators[0].lawDescriptor, 0x1011);
  QLineEdit* parameter = three.find<QLineEdit>("generatorParameter");
  parameter->setText(QStringLiteral("0A10"));
  emit parameter->textEdited(parameter->text());
  EXPECT_EQ(three.workspace.image.currentGenerators[0].paramDescriptor, 0x0A10);
  QLineEdit* end = three.find<QLineEdit>("scaleEnd");
  end->setText(QStringLiteral("-2,5"));
  emit end->textEdited(end->text());
  EXPECT_DOUBLE_EQ(three.workspace.image.currentGenerators[0].scaleEnd, -2.5);
  EXPECT_EQ(end->text(), QStringLiteral("-2,5")) << "the field keeps what is being typed";
  emit end->editingFinished();
  EXPECT_EQ(end->text(), QStringLiteral("-2,50000")) << "leaving it shows what was stored";

  QCheckBox* verification = three.find<QCheckBox>("function7");
  EXPECT_EQ(verification->text(), QStringLiteral("Метролог. повер. ОРВИК"));
  three.presenter.then(AnswerNo);
  verification->click();
  EXPECT_FALSE(verification->isChecked());
  EXPECT_EQ(three.word(sys::SpecialFunctions) & (1 << 2), 0);
  three.presenter.then(AnswerYes);
  verification->click();
  EXPECT_EQ(three.word(sys::SpecialFunctions) & (1 << 2), 1 << 2);
}

// The generator box takes digits only and goes round: 8 shows generator 0.
TEST(SystemPageWidget, TheGeneratorBoxWrapsTypedNumbers) {
  PageRig r(2);
  QSpinBox* number = r.find<QSpinBox>("generatorNumber");
  struct Case {
    const char* typed;
    int shown;
  };
  for (const Case& c : {Case{"5", 5}, Case{"8", 0}, Case{"x", 0}, Case{"7", 7}}) {
    number->selectAll();
    QTest::keyClicks(number, QString::fromLatin1(c.typed));
    EXPECT_EQ(number->value(), c.shown) << c.typed;
    EXPECT_EQ(r.widget->page().generator(), c.shown) << c.typed;
  }
  r.workspace.image.currentGenerators[0].lawDescriptor = 0x0100;
  number->stepBy(1);
  EXPECT_EQ(number->value(), 0);
  EXPECT_TRUE(r.find<QCheckBox>("generatorPresent")->isChecked());
  EXPECT_TRUE(r.presenter.shown().empty());
}

// "Генератор тока" follows the generators whenever one is shown: when setup
// opens and after the last one is removed.
TEST(SystemPageWidget, TheGeneratorFlagFollowsTheGeneratorsShown) {
  Workspace workspace;
  workspace.image = testing::freshImage(3);
  workspace.image.currentGenerators[4].lawDescriptor = 0x1000;
  ScriptedPresenter presenter;
  widgetApplication();
  SystemPageWidget widget(workspace, presenter, QLatin1Char(','));
  QSignalSpy edited(&widget, &SystemPageWidget::imageEdited);
  widget.fillKindChoices(3);
  EXPECT_EQ(workspace.image.sys(sys::SpecialFunctions), 1 << 13);
  EXPECT_EQ(edited.count(), 1);
  auto* flag = widget.findChild<QCheckBox*>(QStringLiteral("function1"));
  EXPECT_TRUE(flag->isChecked());

  widget.findChild<QSpinBox*>(QStringLiteral("generatorNumber"))->setValue(4);
  widget.findChild<QCheckBox*>(QStringLiteral("generatorPresent"))->click();
  EXPECT_EQ(workspace.image.sys(sys::SpecialFunctions), 0) << "the last generator takes the bit";
  EXPECT_FALSE(flag->isChecked());
  EXPECT_TRUE(presenter.shown().empty());
}

// Typing in one default value stores that value only; the scale fields store
// every key, exponent forms included, without a message on the way.
TEST(SystemPageWidget, RealFieldsStoreWhatIsTypedAndNothingElse) {
  PageRig r(3);
  DefaultValueSet& d = r.workspace.image.defaultValues;
  d.carrierTemp = 65.123456789;
  d.atmPressure = 735.000000049;
  r.widget->showCurrent();
  QLineEdit* cold = r.find<QLineEdit>("coldSourceTemp");
  cold->selectAll();
  QTest::keyClicks(cold, QStringLiteral("7.5"));
  EXPECT_EQ(d.coldSourceTemp, 7.5);
  EXPECT_EQ(d.carrierTemp, 65.123456789);
  EXPECT_EQ(d.atmPressure, 735.000000049);

  r.find<QCheckBox>("generatorPresent")->click();
  r.workspace.image.currentGenerators[0].scaleEnd = -5.77499918108515E-7;
  r.widget->showCurrent();
  QLineEdit* end = r.find<QLineEdit>("scaleEnd");
  EXPECT_EQ(end->text(), QStringLiteral("-5,77499918108515E-7"));
  end->end(false);
  QTest::keyClick(end, Qt::Key_Backspace);
  QTest::keyClick(end, Qt::Key_Backspace);
  EXPECT_EQ(end->text(), QStringLiteral("-5,77499918108515E"));
  QTest::keyClicks(end, QStringLiteral("-6"));
  EXPECT_EQ(r.workspace.image.currentGenerators[0].scaleEnd, -5.77499918108515E-6);
  QLineEdit* start = r.find<QLineEdit>("scaleStart");
  start->selectAll();
  QTest::keyClicks(start, QStringLiteral("2e3"));
  EXPECT_EQ(start->text(), QStringLiteral("2E3"));
  EXPECT_EQ(r.workspace.image.currentGenerators[0].scaleStart, 2000);
  EXPECT_TRUE(r.presenter.shown().empty());
}

// Under an FT protocol "RS-232, ИРПС" chosen after "Hayes-модем" stays chosen.
TEST(SystemPageWidget, ADirectLineChosenAfterAModemStaysChosen) {
  PageRig r(3);
  ASSERT_TRUE(r.choose("protocol", QStringLiteral("FT 1.2")));
  ASSERT_TRUE(r.choose("linkType", QStringLiteral("Hayes-модем")));
  ASSERT_TRUE(r.choose("linkType", QStringLiteral("RS-232, ИРПС")));
  EXPECT_EQ(r.list("linkType")->currentText(), QStringLiteral("RS-232, ИРПС"));
  EXPECT_EQ(r.word(sys::MainChannelSetup), 0x0148);
  EXPECT_FALSE(r.find<QPlainTextEdit>("modemText")->isVisible());
}

}  // namespace
}  // namespace nastrum
