// The "Регуляторы" tab: its controls write the logic words and show them back.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "editor/pages/regulators/ui/regulators_page_widget.h"
#include "widgets/wrap_spin_box.h"
#include "widgets/choice_box.h"
#include "model/hex_text.h"
#include "support/fresh_image.h"
#include "support/page_driver.h"
#include "support/scripted_presenter.h"
#include "support/widget_application.h"

namespace nastrum {
namespace {

class RegulatorsPageWidgetTest : public ::testing::Test, protected testing::PageDriver<RegulatorsPageWidget> {
 protected:
  RegulatorsPageWidgetTest() {
    ws.image = testing::freshImage(2);
    open(std::make_unique<RegulatorsPageWidget>(ws, boxes));
  }
  void choose(const QString& box, const QString& text) {
    ASSERT_TRUE(find<ChoiceBox>(box)->chooseText(text)) << box.toStdString() << ": " << text.toStdString();
  }
  void type(const QString& field, const QString& text) {
    QLineEdit* edit = find<QLineEdit>(field);
    edit->clear();
    QTest::keyClicks(edit, text);
  }
  void showFlag(int n) { find<WrapSpinBox>("flagNumber")->setValue(n); }
  void createFlag(int n) {
    showFlag(n);
    find<QCheckBox>("flagPresent")->setChecked(true);
  }
  bool shown(const QString& name) { return !find<QWidget>(name)->isHidden(); }
  QString lawOf(int n) const { return HexWord(ws.image.logicLaw[static_cast<std::size_t>(n)]); }
};

TEST_F(RegulatorsPageWidgetTest, CreatingAFlagShowsTheDefaultLaw) {
  QSignalSpy edits(widget.get(), &RegulatorsPageWidget::imageEdited);
  EXPECT_FALSE(shown("flagBody"));
  createFlag(70);
  EXPECT_EQ(lawOf(70), "0100");
  EXPECT_GE(edits.count(), 1);
  EXPECT_TRUE(shown("flagBody"));
  EXPECT_FALSE(shown("delayPanel")) << "flags from 64 on have no delays";
  EXPECT_EQ(find<QLabel>("outputModule")->text(), "МВ1");
  EXPECT_EQ(find<QLabel>("outputContacts")->text(), "+3    -4");
  EXPECT_EQ(find<ChoiceBox>("lawChoice")->currentText(), "Y=1 при  X >= K1      (^T1),  иначе Y=0    (^T2)");
  EXPECT_TRUE(shown("k1Panel"));
  EXPECT_FALSE(shown("meanPanel"));
  showFlag(5);
  EXPECT_TRUE(find<QCheckBox>("flagPresent")->isEnabled());
  EXPECT_FALSE(find<QCheckBox>("flagPresent")->isChecked());
}

// Every law item with each operand kind against the stored law word.
TEST_F(RegulatorsPageWidgetTest, LawsAndOperandKindsWriteTheLawCode) {
  struct Case {
    const char* type;
    const char* width;  // nullptr: arithmetic
    const char* law;
    const char* operandKind;
    const char* word;
  };
  const Case cases[] = {
      {"Арифметический", nullptr, "Y=1 при  X >= K1      (^T1),  иначе Y=0    (^T2)", "Параметр", "0100"},
      {"Арифметический", nullptr, "Y=1 при  X <= K1      (^T1),  иначе Y=1    (^T2)", "Адрес внешней памяти", "0A00"},
      {"Арифметический", nullptr, "Y=1 при  X >= Xср    (^T1),  иначе Y=0    (^T2)", "Адрес внешней памяти", "0F00"},
      {"Арифметический", nullptr, "Y=1 при  X <= Xср    (^T1),  иначе Y=1    (^T2)", "Параметр", "0600"},
      {"Логический", "Байтовый", "Y=1 при  X 'И' K1 <> 0   (^T1),  иначе Y=0  (^T2)", "Адрес внешней памяти", "0C00"},
      {"Логический", "Байтовый", "Y=1 при  X 'И' K1 <> K2 (^T1),  иначе Y=0  (^T2)", "Параметр", "0500"},
      {"Логический", "Однобитовый", "Y=1 при  X=1                 (^T1),  иначе Y=0  (^T2)", nullptr, "4400"},
      {"Логический", "Однобитовый", "Y=1 при  X=0                 (^T1),  иначе Y=1  (^T2)", nullptr, "4500"},
      {"Логический", "Однобитовый", "Y=0 при  X=0 (^T1), иначе Y не измен. (R-вход)", nullptr, "4600"},
      {"Логический", "Однобитовый", "Y=1 при  X=1 (^T1), иначе Y не измен. (S-вход)", nullptr, "4700"},
  };
  createFlag(1);
  for (const Case& c : cases) {
    choose("lawType", QString::fromUtf8(c.type) == "Логический" ? "Арифметический" : "Логический");
    choose("lawType", QString::fromUtf8(c.type));
    if (c.width) choose("logicalWidth", QString::fromUtf8(c.width));
    choose("lawChoice", QString::fromUtf8(c.law));
    if (c.operandKind) choose("operandKind", QString::fromUtf8(c.operandKind));
    EXPECT_EQ(lawOf(1), c.word) << c.law;

    // Shown again from the image.
    showFlag(2);
    showFlag(1);
    EXPECT_EQ(find<ChoiceBox>("lawChoice")->currentText(), QString::fromUtf8(c.law));
    EXPECT_EQ(find<ChoiceBox>("lawType")->currentText(), QString::fromUtf8(c.type));
    EXPECT_EQ(shown("operandKindPanel"), c.operandKind != nullptr);
    if (c.operandKind) {
      EXPECT_EQ(find<ChoiceBox>("operandKind")->currentText(), QString::fromUtf8(c.operandKind));
    }
    EXPECT_EQ(shown("oneBitHint"), QString::fromUtf8(c.width) == "Однобитовый");
  }
}

TEST_F(RegulatorsPageWidgetTest, OperandFieldsOfEachLawFamily) {
  createFlag(3);
  type("operandX", "12AB");
  EXPECT_EQ(ws.image.logicParam[3], 0x12AB);
  type("constantK1", "1");
  EXPECT_EQ(ws.image.logicK1[3], 0x8140);
  EXPECT_EQ(ws.image.logicK2[3], 0);

  // Against Xср with a table function.
  choose("lawChoice", "Y=1 при  X <= Xср    (^T1),  иначе Y=1    (^T2)");
  choose("operandKind", "Адрес внешней памяти");
  EXPECT_TRUE(shown("meanPanel"));
  EXPECT_FALSE(shown("k1Panel"));
  choose("meanKind", "Функция");
  choose("functionTable", "3");
  find<WrapSpinBox>("functionPoints")->setValue(10);
  EXPECT_EQ(lawOf(3), "0E00");
  EXPECT_EQ(HexWord(ws.image.logicParam[3]), "300A");
  type("operandMean", "0777");
  EXPECT_EQ(ws.image.logicK2[3], 0x0777);

  // Byte law: mask, shift, reference.
  choose("lawType", "Логический");
  choose("lawChoice", "Y=1 при  X 'И' K1 <> K2 (^T1),  иначе Y=0  (^T2)");
  find<QCheckBox>("mask0")->setChecked(true);
  choose("operandShift", "3");
  EXPECT_EQ(HexWord(ws.image.logicK1[3]), "0380");
  find<QCheckBox>("reference7")->setChecked(true);
  EXPECT_EQ(ws.image.logicK2[3], 1);
  EXPECT_TRUE(shown("referencePanel"));
}

TEST_F(RegulatorsPageWidgetTest, SwitchingPanelsAndDelays) {
  createFlag(4);
  type("operandX", "4015");
  EXPECT_TRUE(shown("timePanel"));
  EXPECT_FALSE(shown("k1Panel"));
  find<WrapSpinBox>("clockHours")->setValue(7);
  find<WrapSpinBox>("clockMinutes")->setValue(5);
  EXPECT_EQ(ws.image.logicK1[4], 705);
  type("operandX", "4016");
  EXPECT_TRUE(shown("datePanel"));
  find<WrapSpinBox>("clockDay")->setValue(25);
  find<WrapSpinBox>("clockMonth")->setValue(12);
  EXPECT_EQ(ws.image.logicK1[4], 2512);
  find<WrapSpinBox>("clockMonth")->setValue(13);
  EXPECT_EQ(find<WrapSpinBox>("clockMonth")->value(), 1) << "the month wraps round";
  type("operandX", "4017");
  EXPECT_EQ(find<WrapSpinBox>("clockYear")->value(), 2000);

  find<WrapSpinBox>("operateMinutes")->setValue(2);
  find<WrapSpinBox>("operateSeconds")->setValue(5);
  find<WrapSpinBox>("releaseSeconds")->setValue(30);
  EXPECT_EQ(ws.image.logicT1[4], 205);
  EXPECT_EQ(ws.image.logicT2[4], 30);
  find<WrapSpinBox>("releaseSeconds")->setValue(-1);
  EXPECT_EQ(ws.image.logicT2[4], 59);
}

TEST_F(RegulatorsPageWidgetTest, SecondaryOutputChangesTheCaptionAndRange) {
  createFlag(6);
  choose("outputKind", "Вторичный признак");
  EXPECT_EQ(find<QLabel>("outputCaption")->text(), "№ вторичного признака:");
  EXPECT_FALSE(shown("outputTerminals"));
  find<WrapSpinBox>("outputNumber")->setValue(200);
  EXPECT_EQ(lawOf(6), "81C8");
  choose("outputCombination", "признак является входом RS-триггера");
  EXPECT_EQ(lawOf(6), "B1C8");
}

TEST_F(RegulatorsPageWidgetTest, ShowingNeverEdits) {
  ws.image.logicLaw[0] = 0x0C05;
  ws.image.logicParam[0] = 0x1234;
  ws.image.logicK1[0] = 0x0281;
  ws.image.sys(sys::SpecialFunctions) = withBit(0, 12, true);
  document.markUnmodified();
  QSignalSpy edits(widget.get(), &RegulatorsPageWidget::imageEdited);
  widget->showCurrent();
  EXPECT_FALSE(modified());
  EXPECT_EQ(edits.count(), 0);
  EXPECT_EQ(find<QLineEdit>("operandX")->text(), "1234");
  EXPECT_EQ(find<ChoiceBox>("operandShift")->currentText(), "2");
  EXPECT_TRUE(find<QCheckBox>("mask0")->isChecked());
  EXPECT_TRUE(find<QCheckBox>("mask7")->isChecked());
  EXPECT_FALSE(shown("referencePanel"));
  EXPECT_EQ(find<ChoiceBox>("operandKind")->currentText(), "Адрес внешней памяти");
}

TEST_F(RegulatorsPageWidgetTest, ALawCodeWithoutAnItemIsShownAsAnError) {
  ws.image.logicLaw[2] = 0x0305;
  document.markUnmodified();
  showFlag(2);
  EXPECT_TRUE(find<QCheckBox>("flagPresent")->isChecked());
  EXPECT_EQ(find<ChoiceBox>("lawChoice")->currentText(), "ОШИБКА");
  EXPECT_EQ(lawOf(2), "0305") << "left for the settings check";
}

// When setup opens the flag in the box is shown as a number entered would show
// it, so "Регуляторы" follows the flags described.
TEST(RegulatorsSetupOpen, TheRegulatorsFlagFollowsTheFlags) {
  struct Case {
    Word law200;  // flag 200's law
    bool bitBefore;
    bool bitAfter;
  };
  const Case cases[] = {
      {0x8105, false, true},  // a described flag far from the one shown
      {0x0000, true, false},
      {0xF000, true, false},  // F0 describes no flag
      {0x0100, true, true},
  };
  for (const Case& c : cases) {
    testing::PageDriver<RegulatorsPageWidget> page;
    Workspace& ws = page.ws;
    ws.image = testing::freshImage(2);
    RegulatorsPageWidget& widget = page.open(std::make_unique<RegulatorsPageWidget>(ws, page.boxes));
    ws.image.logicLaw[200] = c.law200;
    if (c.bitBefore) ws.image.sys(sys::SpecialFunctions) = 1 << 12;
    QSignalSpy edits(&widget, &RegulatorsPageWidget::imageEdited);
    widget.fillKindChoices(2);
    EXPECT_EQ((ws.image.sys(sys::SpecialFunctions) >> 12 & 1) != 0, c.bitAfter) << std::hex << c.law200;
    EXPECT_EQ(ws.image.logicLaw[200], c.law200);
    EXPECT_EQ(page.modified(), c.bitBefore != c.bitAfter) << std::hex << c.law200;
    EXPECT_EQ(edits.count(), c.bitBefore != c.bitAfter ? 1 : 0) << std::hex << c.law200;
  }
}

}  // namespace
}  // namespace nastrum
