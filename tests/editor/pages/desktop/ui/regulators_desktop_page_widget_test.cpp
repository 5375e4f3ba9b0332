// The "Регуляторы/Рабочий стол" tab: regulators and desktop entries written
// through the controls and shown back.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include "descriptors/name_rule.h"
#include "editor/pages/desktop/ui/regulators_desktop_page_widget.h"
#include "widgets/wrap_spin_box.h"
#include "widgets/choice_box.h"
#include "model/hex_text.h"
#include "model/real_text.h"
#include "support/fresh_image.h"
#include "support/page_driver.h"
#include "support/scripted_presenter.h"
#include "support/widget_application.h"

namespace nastrum {
namespace {

class RegulatorsDesktopPageWidgetTest : public ::testing::Test, protected testing::PageDriver<RegulatorsDesktopPageWidget> {
 protected:
  RegulatorsDesktopPageWidgetTest() {
    ws.image = testing::freshImage(3);
    open(std::make_unique<RegulatorsDesktopPageWidget>(ws, boxes));
  }
  void choose(const QString& box, const QString& text) {
    ASSERT_TRUE(find<ChoiceBox>(box)->chooseText(text)) << box.toStdString() << ": " << text.toStdString();
  }
  void chooseItem(const QString& text) {
    const auto found = find<QListWidget>("desktopItems")->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    find<QListWidget>("desktopItems")->setCurrentItem(found.front());
  }
  QString selectedItem() {
    QListWidgetItem* item = find<QListWidget>("desktopItems")->currentItem();
    return item && item->isSelected() ? item->text() : QString();
  }
  bool shown(const QString& name) { return !find<QWidget>(name)->isHidden(); }
  void name(int n, const QString& text, Word word = 0x0010) {
    storeName(ws.image.names.desktopNames[static_cast<std::size_t>(n)], text);
    ws.image.names.desktopParams[static_cast<std::size_t>(n)] = word;
  }
  QString nameOf(int n) const { return nameText(ws.image.names.desktopNames[static_cast<std::size_t>(n)]); }
  Word word(int n) const { return ws.image.names.desktopParams[static_cast<std::size_t>(n)]; }
};

TEST_F(RegulatorsDesktopPageWidgetTest, RegulatorWordsFromTheControls) {
  find<WrapSpinBox>("regulatorNumber")->setValue(9);
  EXPECT_FALSE(shown("regulatorBody"));
  find<QCheckBox>("regulatorPresent")->setChecked(true);
  EXPECT_EQ(find<QLabel>("regulatorModule")->text(), "МУ1");
  EXPECT_EQ(find<QLabel>("regulatorTerminals")->text(), "+2     -3                      +1     -4");
  choose("regulatorLaw", "Обратный");
  choose("regulatorOperandKind", "Адрес внешней памяти");
  find<WrapSpinBox>("regulatorOutput")->setValue(26);
  EXPECT_EQ(HexWord(ws.image.logicLaw[9]), "0A1A");
  EXPECT_EQ(find<QLabel>("regulatorModule")->text(), "МУ7");
  EXPECT_EQ(find<QLabel>("regulatorTerminals")->text(), "+10    -11                    +9     -12");
  QTest::keyClicks(find<QLineEdit>("regulatorOperand"), "1F02");
  EXPECT_EQ(ws.image.logicParam[9], 0x1F02);
  QTest::keyClicks(find<QLineEdit>("regulatorK1"), "1");
  EXPECT_EQ(ws.image.logicT1[9], 0x8140);
  EXPECT_EQ(ws.image.logicT2[9], 0);
  EXPECT_TRUE(bitOfWord(ws.image.sys(sys::SpecialFunctions), 12));

  // Shown again from the image.
  find<WrapSpinBox>("regulatorNumber")->setValue(10);
  find<WrapSpinBox>("regulatorNumber")->setValue(9);
  EXPECT_EQ(find<ChoiceBox>("regulatorLaw")->currentText(), "Обратный");
  EXPECT_EQ(find<QLineEdit>("regulatorK1")->text().left(2), "1" + QString(systemDecimalSeparator()));
  ws.image.logicT1[9] = ws.image.logicT2[9] = 0xFFFF;
  widget->showCurrent();
  EXPECT_EQ(find<QLineEdit>("regulatorK1")->text().left(10), "4294966784") << "a wide value is never cut";
  find<WrapSpinBox>("regulatorNumber")->setValue(-1);
  EXPECT_EQ(find<WrapSpinBox>("regulatorNumber")->value(), 63);
}

TEST_F(RegulatorsDesktopPageWidgetTest, TickingAnEntryShowsTheDefault) {
  QSignalSpy edits(widget.get(), &RegulatorsDesktopPageWidget::imageEdited);
  EXPECT_FALSE(shown("desktopBody"));
  EXPECT_TRUE(shown("desktopPresent"));
  find<QCheckBox>("desktopPresent")->setChecked(true);
  EXPECT_EQ(nameOf(0), "Мгновен. сигнал");
  EXPECT_EQ(word(0), 0x0010);
  EXPECT_GE(edits.count(), 1);
  EXPECT_TRUE(shown("desktopBody"));
  EXPECT_EQ(find<ChoiceBox>("desktopGroupChoice")->currentText(), "ИЗМЕРЕНИЕ");
  EXPECT_EQ(find<QLabel>("desktopObjectCaption")->text(), "№ датчика:");
  EXPECT_EQ(find<WrapSpinBox>("desktopObjectNumber")->value(), 0);
  EXPECT_EQ(selectedItem(), "Мгновенный сигнал");
  EXPECT_EQ(find<QLineEdit>("desktopName")->text(), "Мгновен. сигнал");
}

TEST_F(RegulatorsDesktopPageWidgetTest, GroupsItemsAndNumbersBuildTheWord) {
  find<QCheckBox>("desktopPresent")->setChecked(true);
  find<WrapSpinBox>("desktopObjectNumber")->setValue(20);
  chooseItem("Среднее за 5 минут");
  EXPECT_EQ(HexWord(word(0)), "1414");

  choose("desktopGroupChoice", "РАСЧЕТ");
  EXPECT_EQ(HexWord(word(0)), "800E");
  EXPECT_EQ(find<QLabel>("desktopObjectCaption")->text(), "№ трубопровода:");
  EXPECT_EQ(selectedItem(), "Коэффициент расхода на СУ");
  find<WrapSpinBox>("desktopObjectNumber")->setValue(11);
  chooseItem("Тепло за предыдущий час");
  EXPECT_EQ(HexWord(word(0)), "8B2D");
  find<WrapSpinBox>("desktopObjectNumber")->setValue(3);
  EXPECT_EQ(HexWord(word(0)), "832D");

  choose("desktopGroupChoice", "КОНТРОЛЬ");
  EXPECT_EQ(HexWord(word(0)), "4010");
  EXPECT_FALSE(shown("desktopObjectNumber"));
  chooseItem("Коэффициенты усиления АЦП 1-64");
  EXPECT_EQ(HexWord(word(0)), "400E");
  find<WrapSpinBox>("desktopNumber")->setValue(1);
  find<WrapSpinBox>("desktopNumber")->setValue(0);
  EXPECT_EQ(selectedItem(), "Коэффициенты усиления АЦП 1-64");
}

TEST_F(RegulatorsDesktopPageWidgetTest, GapsAreRefusedAndClosed) {
  name(0, "N0");
  name(1, "N1");
  widget->showCurrent();
  boxes.acknowledgeOkBoxes();
  find<WrapSpinBox>("desktopNumber")->setValue(3);
  find<QCheckBox>("desktopPresent")->setChecked(true);
  EXPECT_EQ(boxes.codes(), std::vector<int>{74});
  EXPECT_FALSE(find<QCheckBox>("desktopPresent")->isChecked());
  EXPECT_TRUE(nameOf(3).isEmpty());

  // Entry 1 unticked: the entries above move down.
  name(2, "N2");
  find<WrapSpinBox>("desktopNumber")->setValue(1);
  find<QCheckBox>("desktopPresent")->setChecked(false);
  EXPECT_EQ(nameOf(1), "N2");
  EXPECT_EQ(find<QLineEdit>("desktopName")->text(), "N2");
  EXPECT_TRUE(nameOf(2).isEmpty());
}

TEST_F(RegulatorsDesktopPageWidgetTest, NumberBoxWrapsRound) {
  find<WrapSpinBox>("desktopNumber")->setValue(16);
  EXPECT_EQ(find<WrapSpinBox>("desktopNumber")->value(), 0);
  find<WrapSpinBox>("desktopNumber")->setValue(-1);
  EXPECT_EQ(find<WrapSpinBox>("desktopNumber")->value(), 15);
}

TEST_F(RegulatorsDesktopPageWidgetTest, NameRuleAndAnEmptiedName) {
  find<QCheckBox>("desktopPresent")->setChecked(true);
  QLineEdit* field = find<QLineEdit>("desktopName");
  field->clear();
  QTest::keyClicks(field, "a|b");
  EXPECT_EQ(nameOf(0), "ab");
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Delete);
  EXPECT_TRUE(nameOf(0).isEmpty());
  EXPECT_TRUE(find<QCheckBox>("desktopPresent")->isChecked()) << "the tick stays until the entry is shown again";
}

TEST_F(RegulatorsDesktopPageWidgetTest, SteppingBeforeAWrite) {
  name(0, "N0");
  name(2, "N2");
  name(4, "N4");
  QSignalSpy edits(widget.get(), &RegulatorsDesktopPageWidget::imageEdited);
  EXPECT_TRUE(widget->stepDesktopForWrite());
  EXPECT_EQ(nameOf(1), "N2");
  EXPECT_EQ(nameOf(2), "N4");
  EXPECT_EQ(edits.count(), 1);
}

// When setup opens the regulator and the entry in the boxes are shown as a
// number entered would show them: a law the page cannot read becomes
// "Прямой", "Регуляторы" follows the regulators, a gap at the entry closes.
TEST(RegulatorsDesktopSetupOpen, ShowsTheBoxesObjectsAsANumberEnteredWould) {
  struct Case {
    const char* what;
    Word law0;       // regulator 0's law
    bool bitBefore;  // "Регуляторы"
    Word lawAfter;
    bool bitAfter;
  };
  const Case cases[] = {
      {"unknown law", 0x0512, true, 0x0112, true},
      {"flag out of step", 0x0A03, false, 0x0A03, true},
      {"no regulator left", 0x0000, true, 0x0000, false},
      {"nothing to do", 0x0000, false, 0x0000, false},
  };
  for (const Case& c : cases) {
    testing::PageDriver<RegulatorsDesktopPageWidget> page;
    Workspace& ws = page.ws;
    ws.image = testing::freshImage(3);
    RegulatorsDesktopPageWidget& widget = page.open(std::make_unique<RegulatorsDesktopPageWidget>(ws, page.boxes));
    ws.image.logicLaw[0] = c.law0;
    if (c.bitBefore) ws.image.sys(sys::SpecialFunctions) = 1 << 12;
    QSignalSpy edits(&widget, &RegulatorsDesktopPageWidget::imageEdited);
    widget.fillKindChoices(3);
    EXPECT_EQ(ws.image.logicLaw[0], c.lawAfter) << c.what;
    EXPECT_EQ(bitOfWord(ws.image.sys(sys::SpecialFunctions), 12), c.bitAfter) << c.what;
    const bool changed = c.law0 != c.lawAfter || c.bitBefore != c.bitAfter;
    EXPECT_EQ(page.modified(), changed) << c.what;
    EXPECT_EQ(edits.count(), changed ? 1 : 0) << c.what;
  }
}

TEST_F(RegulatorsDesktopPageWidgetTest, SetupOpenClosesTheGapAtTheEntryShown) {
  name(0, "N0");
  name(1, "N1");
  name(2, "N2", 0x0811);
  ws.image.names.desktopParams[3] = 0xFFFF;
  name(4, "N4", 0x4010);
  find<WrapSpinBox>("desktopNumber")->setValue(1);
  // Another file, with a gap at entry 1, is opened while the box holds 1.
  ws.image.names.desktopNames[1].clear();
  ws.image.names.desktopParams[1] = 0xFFFF;
  document.markUnmodified();
  QSignalSpy edits(widget.get(), &RegulatorsDesktopPageWidget::imageEdited);
  widget->fillKindChoices(3);
  EXPECT_EQ(nameOf(1), "N2");
  EXPECT_EQ(word(1), 0x0811);
  EXPECT_TRUE(nameOf(2).isEmpty());
  EXPECT_EQ(word(2), 0xFFFF) << "the absent entry's word moved down, not zeroed";
  EXPECT_EQ(nameOf(3), "N4");
  EXPECT_TRUE(modified());
  EXPECT_EQ(edits.count(), 1);
  EXPECT_EQ(find<QLineEdit>("desktopName")->text(), "N2");
}

// A kind 2 image keeps logic flags in the regulator words: opening setup on it
// leaves them as they are.
TEST(RegulatorsDesktopSetupOpen, OtherKindsKeepTheirWords) {
  for (const Word kind : {1, 2}) {
    testing::PageDriver<RegulatorsDesktopPageWidget> page;
    Workspace& ws = page.ws;
    ws.image = testing::freshImage(kind);
    RegulatorsDesktopPageWidget& widget = page.open(std::make_unique<RegulatorsDesktopPageWidget>(ws, page.boxes));
    ws.image.logicLaw[0] = 0xC512;
    storeName(ws.image.names.desktopNames[2], QStringLiteral("N2"));
    const SettingsImage before = ws.image;
    widget.fillKindChoices(kind);
    EXPECT_EQ(ws.image.logicLaw, before.logicLaw) << kind;
    EXPECT_EQ(ws.image.sys(sys::SpecialFunctions), before.sys(sys::SpecialFunctions)) << kind;
    EXPECT_EQ(nameText(ws.image.names.desktopNames[2]), "N2") << kind;
    EXPECT_FALSE(page.modified()) << kind;
  }
}

}  // namespace
}  // namespace nastrum
