// The "Архивы" tab: its controls write the archive words, ask and refuse as
// the rules say, and show every word back.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QGroupBox>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QKeyEvent>
#include <QTest>
#include <QWheelEvent>

#include "descriptors/descriptor_digits.h"
#include "descriptors/name_rule.h"
#include "model/hex_text.h"
#include "editor/pages/archives/ui/archives_page_widget.h"
#include "support/fresh_image.h"
#include "support/page_driver.h"
#include "support/scripted_presenter.h"
#include "support/widget_application.h"

namespace nastrum {
namespace {

using F = ArchiveFamily;

QString prefixOf(F f) {
  switch (f) {
    case F::Hourly: return "hour";
    case F::Daily: return "day";
    case F::Monthly: return "month";
    case F::Interval: break;
  }
  return "interval";
}

// Types text key by key, as a keyboard would (QTest knows Latin keys only).
void typeText(QWidget* field, const QString& text) {
  for (QChar ch : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(field, &press);
  }
}

class ArchivesPageWidgetTest : public ::testing::Test, protected testing::PageDriver<ArchivesPageWidget> {
 protected:
  ArchivesPageWidgetTest() {
    ws.image = testing::freshImage(2);
    open(std::make_unique<ArchivesPageWidget>(ws, boxes));
  }
  void useKind(Word kind) {
    ws.image = testing::freshImage(kind);
    document.markUnmodified();
    widget->showCurrent();
  }
  QComboBox* combo(const QString& name) { return find<QComboBox>(name); }
  void choose(const QString& comboName, const QString& text) {
    QComboBox* c = combo(comboName);
    const int index = c->findText(text);
    ASSERT_GE(index, 0) << comboName.toStdString() << ": " << text.toStdString();
    c->setCurrentIndex(index);
  }
  void show(F f, int n) { find<QSpinBox>(prefixOf(f) + "Number")->setValue(n); }
  ArchiveWords words(F f, int n) const { return archiveWords(ws.image, f, n); }
};

TEST_F(ArchivesPageWidgetTest, ANewImageShowsEveryArchiveFree) {
  QSignalSpy edits(widget.get(), &ArchivesPageWidget::imageEdited);
  useKind(2);
  for (F f : {F::Hourly, F::Daily, F::Interval})
    EXPECT_EQ(combo(prefixOf(f) + "State")->currentText(), "не работает");
  EXPECT_EQ(combo("monthState")->currentText(), "Нет");
  EXPECT_FALSE(find<QCheckBox>("eventPresent")->isChecked());
  for (const char* paste : {"hourPaste", "dayPaste", "monthPaste", "intervalPaste", "eventPaste"})
    EXPECT_FALSE(find<QAction>(paste)->isEnabled()) << paste;
  EXPECT_EQ(find<QGroupBox>("intervalGroup")->title(), "Расширенный архив интервалов:");
  EXPECT_FALSE(find<QGroupBox>("intervalGroup")->isHidden());

  useKind(1);
  EXPECT_TRUE(find<QGroupBox>("intervalGroup")->isHidden());
  EXPECT_TRUE(find<QGroupBox>("eventGroup")->isHidden());
  EXPECT_FALSE(modified());
  EXPECT_EQ(edits.count(), 0);
}

// An archive changes only by a choice made in an open list: the wheel over a
// closed list, or an arrow key on it, leaves every word as it is.
TEST_F(ArchivesPageWidgetTest, TheWheelAndArrowKeysOverAListChangeNoArchive) {
  ws.image.sensors[5].mainDescriptor = 0x9101;
  ws.image.sensors[6].mainDescriptor = 0x9101;
  ws.image.hourArcDesc[0] = 0x0105;
  ws.image.hourArcDesc[1] = 0x1800;  // a continuation of archive 0
  widget->showCurrent();
  widget->show();
  const ArchiveWords head = words(F::Hourly, 0);
  for (const char* name : {"hourState", "hourItem", "hourSensor", "hourExtension"}) {
    QComboBox* box = combo(QString::fromLatin1(name));
    ASSERT_TRUE(box->isVisibleTo(widget.get())) << name;
    const QPointF at(5, 5);
    for (int delta : {-120, 120}) {
      QWheelEvent wheel(at, box->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
      QApplication::sendEvent(box, &wheel);
    }
    QTest::keyClick(box, Qt::Key_Down);
    QTest::keyClick(box, Qt::Key_Up);
    EXPECT_EQ(words(F::Hourly, 0).desc, head.desc) << name;
    EXPECT_EQ(words(F::Hourly, 1).desc, 0x1800u) << name;
  }
  EXPECT_FALSE(modified());
  EXPECT_TRUE(boxes.codes().empty());
}

TEST_F(ArchivesPageWidgetTest, NumberBoxesWrapRound) {
  useKind(1);
  auto* hour = find<QSpinBox>("hourNumber");
  hour->setValue(-1);
  EXPECT_EQ(hour->value(), 31);
  hour->setValue(32);
  EXPECT_EQ(hour->value(), 0);
  auto* day = find<QSpinBox>("dayNumber");
  day->setValue(32);
  EXPECT_EQ(day->value(), 0);
  useKind(2);
  day->setValue(32);
  EXPECT_EQ(day->value(), 32);

  // Typing: digits only; an empty box shows no archive until a number is back.
  auto* edit = hour->findChild<QLineEdit*>();
  hour->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_FALSE(combo("hourState")->isVisibleTo(widget.get()));
  QTest::keyClicks(edit, "-x");
  EXPECT_EQ(edit->text(), "");
  QTest::keyClicks(edit, "7");
  EXPECT_TRUE(combo("hourState")->isVisibleTo(widget.get()));
  EXPECT_EQ(widget->rules().current(ArchiveGroup::Hourly), 7);
  EXPECT_TRUE(boxes.shown().empty());
}

// Every item of "запись в архив" of every family, with an operand chosen in
// its panel, stores the words the vocabulary gives for the same choices.
TEST_F(ArchivesPageWidgetTest, EveryItemStoresTheWordsOfItsChoices) {
  ws.image.sensors[2].mainDescriptor = 0x1000;
  ws.image.sensors[5].mainDescriptor = 0x1000;
  ws.image.pipelines[3].mainDescriptor = 0x1000;
  widget->showCurrent();
  for (F f : {F::Hourly, F::Daily, F::Monthly, F::Interval}) {
    const QString p = prefixOf(f);
    show(f, 1);
    choose(p + "State", f == F::Monthly ? "Есть" : "головной");
    for (const Choice& item : archiveItemChoices(f)) {
      SCOPED_TRACE((p + " " + item.text).toStdString());
      choose(p + "Item", item.text);
      ArchiveWords expected{0x0140, 0, 0};
      applyArchiveItem(expected, item.code);
      if (isSingleSensorItem(item.code)) {
        choose(p + "Sensor", "5");
        applyArchiveOperand(expected, 5);
      } else if (isSinglePipelineItem(item.code)) {
        choose(p + "Pipeline", "3");
        applyArchiveOperand(expected, 3);
      } else if (item.code == ItemSensorDiff) {
        choose(p + "X1", "2");
        choose(p + "X2", "5");
        applyDifferenceOperand(expected, true, 2);
        applyDifferenceOperand(expected, false, 5);
      } else if (isSumItem(item.code)) {
        find<QCheckBox>(p + "Plus1")->click();
        find<QCheckBox>(p + "Minus3")->click();
        EXPECT_FALSE(find<QCheckBox>(p + "Minus1")->isEnabled());
        applySumTick(expected, 1, true, true);
        applySumTick(expected, 3, false, true);
      } else {
        auto* field = find<QLineEdit>(p + "Parameter");
        EXPECT_EQ(field->text(), "0000");
        field->selectAll();
        QTest::keyClicks(field, "1a2g");  // "g" is refused
        applyParameterNumber(expected, 0x1A2);
      }
      EXPECT_EQ(words(f, 1), expected) << std::hex << words(f, 1).desc;
      EXPECT_EQ(combo(p + "Item")->currentText(), item.text);
    }
  }
  EXPECT_TRUE(boxes.shown().empty());
  EXPECT_TRUE(modified());
}

TEST_F(ArchivesPageWidgetTest, TheSameSensorTwiceIsRefused) {
  ws.image.sensors[4].mainDescriptor = 0x1000;
  setArchiveWords(ws.image, F::Daily, 0, {0x0180, 0x0004, 0x0040});
  widget->showCurrent();
  boxes.acknowledgeOkBoxes();
  choose("dayX2", "4");
  EXPECT_EQ(boxes.codes(), std::vector<int>{49});
  EXPECT_EQ(words(F::Daily, 0).neg, 0x40);
  EXPECT_EQ(combo("dayX2")->currentText(), "нет");
}

TEST_F(ArchivesPageWidgetTest, ContinuationsBuildAChain) {
  setArchiveWords(ws.image, F::Hourly, 3, {0x0140, 0, 0});
  widget->showCurrent();
  for (int n : {5, 6}) {
    show(F::Hourly, n);
    choose("hourState", "продолжение");
    EXPECT_EQ(combo("hourHead")->currentText(), "нет");
    choose("hourHead", "3");
  }
  EXPECT_EQ(words(F::Hourly, 6).desc, 0x2803);
  auto* chain = find<QTableWidget>("hourChain");
  EXPECT_FALSE(chain->isHidden());
  EXPECT_EQ(chain->item(0, 0)->text(), "3");
  EXPECT_EQ(chain->item(0, 2)->text(), "6");

  // A daily archive with no head anywhere cannot continue one.
  boxes.acknowledgeOkBoxes();
  choose("dayState", "продолжение");
  EXPECT_EQ(boxes.codes(), std::vector<int>{61});
  EXPECT_EQ(combo("dayState")->currentText(), "не работает");
}

TEST_F(ArchivesPageWidgetTest, RemovingAHeadWithAChainAsksFirst) {
  for (int answer : {AnswerNo, AnswerYes}) {
    SCOPED_TRACE(answer);
    setArchiveWords(ws.image, F::Daily, 2, {0x0140, 0, 0});
    setArchiveWords(ws.image, F::Daily, 7, {0x1002, 0, 0});
    show(F::Daily, 2);
    widget->showCurrent();
    boxes.clear();
    boxes.then(answer);
    choose("dayState", "не работает");
    ASSERT_EQ(boxes.codes(), std::vector<int>{38});
    EXPECT_TRUE(boxes.last().text.startsWith("Данный архив является головным для архива № 7 ,"));
    const bool yes = answer == AnswerYes;
    EXPECT_EQ(words(F::Daily, 2).desc, yes ? 0 : 0x0140);
    EXPECT_EQ(words(F::Daily, 7).desc, yes ? 0 : 0x1002);
    EXPECT_EQ(combo("dayState")->currentText(), yes ? "не работает" : "головной");
  }
}

TEST_F(ArchivesPageWidgetTest, ExtensionRefusedByAnIntervalArchive) {
  setArchiveWords(ws.image, F::Interval, 1, {0x0340, 0, 0});  // high byte 03: occupied
  setArchiveWords(ws.image, F::Hourly, 9, {0x0140, 0, 0});
  setArchiveWords(ws.image, F::Hourly, 10, {0x1809, 0, 0});
  show(F::Hourly, 9);
  boxes.acknowledgeOkBoxes();
  choose("hourExtension", "есть");
  ASSERT_EQ(boxes.codes(), std::vector<int>{43});
  EXPECT_EQ(boxes.last().text,
            "Данный архив нельзя сделать расширенным, так как уже имеется расширенный архив интервалов № 0,1 .");
  EXPECT_EQ(combo("hourExtension")->currentText(), "нет");
  EXPECT_EQ(words(F::Hourly, 10).desc, 0x1809);  // its chain was not touched

  setArchiveWords(ws.image, F::Interval, 1, {0, 0, 0});
  for (int answer : {AnswerNo, AnswerYes}) {
    boxes.clear();
    boxes.then(answer);
    choose("hourExtension", "есть");
    EXPECT_EQ(boxes.codes(), std::vector<int>{38});
  }
  EXPECT_EQ(words(F::Hourly, 9).desc, 0x8140);
  EXPECT_EQ(words(F::Hourly, 10).desc, 0);
  EXPECT_EQ(combo("hourExtension")->currentText(), "есть");
}

TEST_F(ArchivesPageWidgetTest, IntervalSlotRefusalNamesTheHourlyPair) {
  struct Case {
    Word kind;
    int interval, extendedHourly;
    QString pair;
  } cases[] = {{2, 0, 9, "8,9"}, {2, 3, 12, "12,13"}, {3, 11, 25, "24,25"}, {2, 12, 27, "26,27"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.interval);
    useKind(c.kind);
    setArchiveWords(ws.image, F::Hourly, c.extendedHourly, {0x8140, 0, 0});
    show(F::Interval, c.interval);
    boxes.clear();
    boxes.acknowledgeOkBoxes();
    choose("intervalState", "головной");
    ASSERT_EQ(boxes.codes(), std::vector<int>{44});
    EXPECT_EQ(boxes.last().text,
              "Данный архив нельзя создать, так уже имеется расширенный часовой архив  № " + c.pair + " .");
    EXPECT_EQ(words(F::Interval, c.interval).desc, 0);
    EXPECT_EQ(combo("intervalState")->currentText(), "не работает");
  }
}

TEST_F(ArchivesPageWidgetTest, BrokenWordsShowErrors) {
  setArchiveWords(ws.image, F::Hourly, 0, {0x0345, 0, 0});
  setArchiveWords(ws.image, F::Daily, 0, {0x0107, 0, 0});  // sensor 7 is not described
  widget->showCurrent();
  EXPECT_EQ(combo("hourState")->currentIndex(), -1);
  EXPECT_EQ(combo("hourState")->placeholderText(), "ОШИБКА");
  EXPECT_TRUE(find<QComboBox>("hourItem")->isHidden() || find<QComboBox>("hourItem")->parentWidget()->isHidden());
  EXPECT_EQ(combo("daySensor")->currentIndex(), -1);
  EXPECT_FALSE(find<QLabel>("daySensorError")->isHidden());
  EXPECT_EQ(find<QLabel>("daySensorError")->text(), "ОШИБКА");
  EXPECT_FALSE(modified());

  choose("hourState", "головной");  // the choice only repairs the kind digit
  EXPECT_EQ(words(F::Hourly, 0).desc, 0x0145);

  // A pipeline a file put into both masks can be taken out of either.
  setArchiveWords(ws.image, F::Monthly, 0, {0x0280, 0x0004, 0x0004});
  widget->showCurrent();
  EXPECT_TRUE(find<QCheckBox>("monthPlus2")->isEnabled());
  find<QCheckBox>("monthPlus2")->click();
  EXPECT_EQ(words(F::Monthly, 0), (ArchiveWords{0x0280, 0, 4}));
  EXPECT_FALSE(find<QCheckBox>("monthPlus2")->isEnabled());
}

TEST_F(ArchivesPageWidgetTest, EventsAndTheirFields) {
  QSignalSpy edits(widget.get(), &ArchivesPageWidget::imageEdited);
  find<QSpinBox>("eventNumber")->setValue(4);
  find<QCheckBox>("eventPresent")->click();
  EXPECT_FALSE(find<QCheckBox>("eventBit15")->isHidden());
  find<QCheckBox>("eventBit15")->click();
  find<QCheckBox>("eventBit8")->click();
  EXPECT_EQ(ws.image.eventType[4], 0x8100);
  auto* byte = find<QLineEdit>("eventByte");
  byte->selectAll();
  boxes.acknowledgeOkBoxes();
  QTest::keyClicks(byte, "17");
  EXPECT_EQ(boxes.codes(), std::vector<int>{15});
  EXPECT_EQ(byte->text(), "0");
  byte->selectAll();
  QTest::keyClicks(byte, "9");
  EXPECT_EQ(ws.image.eventType[4], 0x8109);
  find<QRadioButton>("eventByAddress")->click();
  EXPECT_EQ(ws.image.eventType[4], 0x8110);
  EXPECT_TRUE(byte->parentWidget()->isHidden());
  auto* param = find<QLineEdit>("eventParam");
  param->selectAll();
  QTest::keyClicks(param, "c0de");
  EXPECT_EQ(ws.image.eventParam[4], 0xC0DE);
  EXPECT_TRUE(bitOfWord(ws.image.sys(sys::SpecialFunctions), kEventArchiveFlagBit));

  find<QAction>("eventCopy")->trigger();
  find<QSpinBox>("eventNumber")->setValue(5);
  EXPECT_TRUE(find<QAction>("eventPaste")->isEnabled());
  find<QAction>("eventPaste")->trigger();
  EXPECT_EQ(ws.image.eventType[5], 0x8110);
  EXPECT_EQ(ws.image.eventParam[5], 0xC0DE);

  find<QCheckBox>("eventBit15")->click();
  find<QCheckBox>("eventBit8")->click();  // the last bit: the event is gone
  EXPECT_FALSE(find<QCheckBox>("eventPresent")->isChecked());
  EXPECT_GT(edits.count(), 0);
}

TEST_F(ArchivesPageWidgetTest, NameFieldsFollowTheNameRule) {
  auto* name = find<QLineEdit>("hourName");
  typeText(name, "ыыы|");
  EXPECT_EQ(name->text(), "ыыы");
  typeText(name, "1234567890XYZ");
  EXPECT_EQ(name->text(), "ыыы1234567890");  // 13 characters take all 16 places
  EXPECT_EQ(nameText(archiveName(ws.image, F::Hourly, 0)), "ыыы1234567890");

  find<QAction>("hourNamesCopy")->trigger();
  EXPECT_TRUE(find<QAction>("dayNamesPaste")->isEnabled());
  find<QAction>("dayNamesPaste")->trigger();
  EXPECT_EQ(find<QLineEdit>("dayName")->text(), "ыыы1234567890");
  boxes.then(AnswerYes);
  find<QAction>("hourNamesClear")->trigger();
  EXPECT_EQ(name->text(), "");
  EXPECT_FALSE(find<QAction>("dayNamesPaste")->isEnabled());
}

// Showing the page puts "Расш. архив интервалов" (bit 8) and "Архив событий"
// (bit 9) in step with the archives, whoever changed them since: an edit,
// reported once; a page that shows no change reports nothing.
TEST_F(ArchivesPageWidgetTest, ShowingPutsTheArchiveFlagsInStep) {
  struct Case {
    const char* what;
    Word kind;
    Word intervalDesc;  // interval archive 5's descriptor
    Word eventType;     // event 9's type
    Word flagsBefore;
    Word flagsAfter;
  };
  const Case cases[] = {
      {"interval archive working", 2, 0x0140, 0, 0x0000, 0x0100},
      {"last interval archive gone", 3, 0x0000, 0, 0x0100, 0x0000},
      {"event described", 3, 0, 0x0300, 0x0000, 0x0200},
      {"last archive and event gone", 2, 0, 0, 0x0300, 0x0000},
      {"both in step", 2, 0x0140, 0x0100, 0x0300, 0x0300},
      {"no such flags on kind 1", 1, 0, 0, 0x0300, 0x0300},
  };
  for (const Case& c : cases) {
    useKind(c.kind);
    if (c.kind != 1) {
      setArchiveWords(ws.image, F::Interval, 5, {c.intervalDesc, 0, 0});
      ws.image.eventType[9] = c.eventType;
    }
    ws.image.sys(sys::SpecialFunctions) = c.flagsBefore;
    QSignalSpy edits(widget.get(), &ArchivesPageWidget::imageEdited);
    widget->showCurrent();
    const bool changed = c.flagsAfter != c.flagsBefore;
    EXPECT_EQ(ws.image.sys(sys::SpecialFunctions), c.flagsAfter) << c.what;
    EXPECT_EQ(modified(), changed) << c.what;
    EXPECT_EQ(edits.count(), changed ? 1 : 0) << c.what;
  }
}

}  // namespace
}  // namespace nastrum
