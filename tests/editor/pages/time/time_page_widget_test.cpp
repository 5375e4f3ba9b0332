// The "Время" tab: the running time keeps the image's clock words current
// without marking the settings changed, the user's edits and "<" do mark
// them, and "Записать время в ОРВИК" counts down to the end of the minute.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimeEdit>

#include "editor/pages/time/ui/time_page_widget.h"
#include "model/reset_image.h"
#include "support/page_driver.h"
#include "support/scripted_presenter.h"
#include "support/widget_application.h"

namespace nastrum {
namespace {

struct TimeRig : testing::PageDriver<TimePageWidget> {
  TimeRig() {
    open(std::make_unique<TimePageWidget>(ws, boxes));
    ResetImage(workspace.image, workspace.editor);
    workspace.file = DocumentFile::opened(QStringLiteral("plant.bfm"));
    workspace.image.sys(sys::DateDDMM) = 3112;
    workspace.image.sys(sys::DateYear) = 2025;
    widget->setComputerClock([this] { return computerNow; });
    widget->setCountdownStepMs(0);
    widget->showCurrent();
  }
  Workspace& workspace = ws;
  ScriptedPresenter& presenter = boxes;
  int deviceSeconds() const { return widget->page().deviceSeconds(); }
  void setDeviceSeconds(int seconds) { widget->page().setDeviceTime(QTime(0, 0).addSecs(seconds)); }
  QDateTime computerNow{QDate(2026, 5, 4), QTime(10, 20, 30)};
  // Lets the countdown's timer run until it has ended, keeping its labels.
  QStringList runCountdown() {
    QStringList labels;
    auto* label = widget->findChild<QLabel*>(QStringLiteral("countdownLabel"));
    for (int guard = 0; widget->countingDown() && guard < 1000; ++guard) {
      if (labels.isEmpty() || labels.last() != label->text()) labels << label->text();
      QCoreApplication::processEvents();
    }
    return labels;
  }
};

TEST(TimePageWidget, TheTimerKeepsTheClockWordsWithoutMarkingChanges) {
  TimeRig rig;
  rig.setDeviceSeconds(23 * 3600 + 59 * 60 + 58);
  rig.widget->tick();
  EXPECT_EQ(rig.workspace.image.sys(sys::TimeHHMM), 2359);
  EXPECT_EQ(rig.find<QTimeEdit>("tek_tektime")->time(), QTime(23, 59, 59));
  EXPECT_EQ(rig.find<QTimeEdit>("tek_time")->time(), QTime(10, 20, 30));
  rig.widget->tick();
  EXPECT_EQ(rig.deviceSeconds(), 0);
  EXPECT_EQ(rig.workspace.image.sys(sys::TimeHHMM), 0);
  EXPECT_EQ(rig.workspace.image.sys(sys::DateDDMM), 101) << "midnight begins the next day";
  EXPECT_EQ(rig.workspace.image.sys(sys::DateYear), 2026);
  EXPECT_EQ(rig.find<QDateEdit>("tek_date")->date(), QDate(2026, 1, 1));
  EXPECT_FALSE(rig.modified());
}

TEST(TimePageWidget, UserEditsAndSynchronisationMarkChanges) {
  TimeRig rig;
  QSignalSpy edited(rig.widget.get(), &TimePageWidget::imageEdited);
  rig.find<QTimeEdit>("tek_tektime")->setTime(QTime(9, 5, 12));
  EXPECT_EQ(rig.deviceSeconds(), 9 * 3600 + 5 * 60 + 12);
  EXPECT_EQ(rig.workspace.image.sys(sys::TimeHHMM), 905);
  EXPECT_TRUE(rig.modified());
  rig.find<QDateEdit>("tek_date")->setDate(QDate(2024, 3, 7));
  EXPECT_EQ(rig.workspace.image.sys(sys::DateDDMM), 703);
  EXPECT_EQ(rig.workspace.image.sys(sys::DateYear), 2024);

  rig.document.markUnmodified();
  QPushButton* sync = rig.find<QPushButton>("sync_b");
  EXPECT_EQ(sync->text(), QStringLiteral("<"));
  sync->click();
  EXPECT_EQ(rig.workspace.image.sys(sys::TimeHHMM), 1020);
  EXPECT_EQ(rig.workspace.image.sys(sys::DateDDMM), 405);
  EXPECT_EQ(rig.deviceSeconds(), 10 * 3600 + 20 * 60 + 30);
  EXPECT_EQ(rig.find<QTimeEdit>("tek_tektime")->time(), QTime(10, 20, 30));
  EXPECT_TRUE(rig.modified());
  EXPECT_EQ(edited.count(), 3);
}

TEST(TimePageWidget, TheWriteWaitsUntilTheMinuteIsAboutToEnd) {
  TimeRig rig;
  rig.setDeviceSeconds(14 * 3600 + 10);
  rig.find<QLineEdit>("Edit26")->setText(QStringLiteral("12AB"));
  QSignalSpy write(rig.widget.get(), &TimePageWidget::clockWriteRequested);
  rig.find<QPushButton>("Button4")->click();
  // The countdown does not hold the window: the click has returned already.
  EXPECT_TRUE(rig.widget->countingDown());
  EXPECT_EQ(write.count(), 0);
  EXPECT_FALSE(rig.find<QPushButton>("Button4")->isEnabled());
  const QStringList labels = rig.runCountdown();
  ASSERT_EQ(labels.size(), 9);
  EXPECT_EQ(labels.first(), QStringLiteral("Запись времени произойдет через 50 сек."));
  EXPECT_EQ(labels.last(), QStringLiteral("Запись времени произойдет через 10 сек."));
  ASSERT_EQ(write.count(), 1);
  EXPECT_EQ(write.first().first().toString(), QStringLiteral("12AB"));
  EXPECT_TRUE(rig.find<QLabel>("countdownLabel")->isHidden());
  EXPECT_TRUE(rig.find<QPushButton>("Button4")->isEnabled());

  rig.setDeviceSeconds(14 * 3600 + 57);
  rig.find<QPushButton>("Button4")->click();
  EXPECT_FALSE(rig.widget->countingDown()) << "second 57 writes at once";
  EXPECT_EQ(write.count(), 2);
}

TEST(TimePageWidget, ACancelledCountdownWritesNothing) {
  TimeRig rig;
  rig.widget->setCountdownStepMs(60'000);
  rig.setDeviceSeconds(30);
  QSignalSpy write(rig.widget.get(), &TimePageWidget::clockWriteRequested);
  QSignalSpy read(rig.widget.get(), &TimePageWidget::clockReadRequested);
  rig.find<QPushButton>("Button4")->click();
  auto* cancel = rig.find<QPushButton>("countdownCancel");
  ASSERT_TRUE(cancel->isVisibleTo(rig.widget.get()));
  EXPECT_TRUE(cancel->hasFocus() || !rig.widget->isVisible());
  cancel->click();
  EXPECT_FALSE(rig.widget->countingDown());
  EXPECT_TRUE(rig.find<QLabel>("countdownLabel")->isHidden());
  EXPECT_EQ(write.count(), 0);
  rig.find<QPushButton>("Button5")->click();
  EXPECT_EQ(read.count(), 1);
  EXPECT_EQ(rig.find<QPushButton>("Button5")->text(), QStringLiteral("Считать время с ОРВИК"));
  EXPECT_EQ(rig.find<QPushButton>("Button4")->text(), QStringLiteral("Записать время в ОРВИК"));
}

TEST(TimePageWidget, AfterSynchronisingTheWriteSendsTheComputersTimeAsItIsThen) {
  TimeRig rig;
  rig.find<QPushButton>("sync_b")->click();
  const ClockSource synced = rig.widget->timeToWrite();
  rig.computerNow = rig.computerNow.addMSecs(61'500);
  EXPECT_EQ(synced(), rig.computerNow);
  rig.widget->tick();
  EXPECT_EQ(rig.deviceSeconds(), 10 * 3600 + 21 * 60 + 31) << "follows the computer, not the tick count";

  // A time the user set runs on with the computer's clock from the press.
  rig.find<QTimeEdit>("tek_tektime")->setTime(QTime(8, 0, 0));
  const ClockSource typed = rig.widget->timeToWrite();
  rig.computerNow = rig.computerNow.addSecs(5);
  EXPECT_EQ(typed().time(), QTime(8, 0, 5));
}

}  // namespace
}  // namespace nastrum
