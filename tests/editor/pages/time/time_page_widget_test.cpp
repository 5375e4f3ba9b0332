// The "Время" tab: the running time keeps the image's clock words current
// without marking the settings changed, the user's edits and "<" do mark
// them, and "Записать время в ОРВИК" counts down to the end of the minute.
#include <gtest/gtest.h>

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimeEdit>

#include "editor/pages/time/ui/time_page_widget.h"
#include "model/reset_image.h"
#include "support/scripted_presenter.h"
#include "support/widget_application.h"

namespace nastrum {
namespace {

struct TimeRig {
  TimeRig() {
    ResetImage(workspace.image, workspace.editor);
    workspace.editor.fileOpen = true;
    workspace.image.sys(sys::DateDDMM) = 3112;
    workspace.image.sys(sys::DateYear) = 2025;
    widget.setComputerClock([this] { return computerNow; });
    widget.setCountdownPause([this](int ms) {
      pauses << ms;
      labels << widget.findChild<QLabel*>(QStringLiteral("countdownLabel"))->text();
      return true;
    });
    widget.showCurrent();
  }
  template <typename T>
  T* find(const char* name) {
    T* w = widget.findChild<T*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }

  QApplication& app = widgetApplication();
  Workspace workspace;
  ScriptedPresenter presenter;
  QDateTime computerNow{QDate(2026, 5, 4), QTime(10, 20, 30)};
  TimePageWidget widget{workspace, presenter};
  QList<int> pauses;
  QStringList labels;
};

TEST(TimePageWidget, TheTimerKeepsTheClockWordsWithoutMarkingChanges) {
  TimeRig rig;
  rig.workspace.editor.deviceSeconds = 23 * 3600 + 59 * 60 + 58;
  rig.widget.tick();
  EXPECT_EQ(rig.workspace.image.sys(sys::TimeHHMM), 2359);
  EXPECT_EQ(rig.find<QTimeEdit>("tek_tektime")->time(), QTime(23, 59, 59));
  EXPECT_EQ(rig.find<QTimeEdit>("tek_time")->time(), QTime(10, 20, 30));
  rig.widget.tick();
  EXPECT_EQ(rig.workspace.editor.deviceSeconds, 0);
  EXPECT_EQ(rig.workspace.image.sys(sys::TimeHHMM), 0);
  EXPECT_EQ(rig.workspace.image.sys(sys::DateDDMM), 101) << "midnight begins the next day";
  EXPECT_EQ(rig.workspace.image.sys(sys::DateYear), 2026);
  EXPECT_EQ(rig.find<QDateEdit>("tek_date")->date(), QDate(2026, 1, 1));
  EXPECT_FALSE(rig.workspace.editor.modified);
}

TEST(TimePageWidget, UserEditsAndSynchronisationMarkChanges) {
  TimeRig rig;
  QSignalSpy edited(&rig.widget, &TimePageWidget::imageEdited);
  rig.find<QTimeEdit>("tek_tektime")->setTime(QTime(9, 5, 12));
  EXPECT_EQ(rig.workspace.editor.deviceSeconds, 9 * 3600 + 5 * 60 + 12);
  EXPECT_EQ(rig.workspace.image.sys(sys::TimeHHMM), 905);
  EXPECT_TRUE(rig.workspace.editor.modified);
  rig.find<QDateEdit>("tek_date")->setDate(QDate(2024, 3, 7));
  EXPECT_EQ(rig.workspace.image.sys(sys::DateDDMM), 703);
  EXPECT_EQ(rig.workspace.image.sys(sys::DateYear), 2024);

  rig.workspace.editor.modified = false;
  QPushButton* sync = rig.find<QPushButton>("sync_b");
  EXPECT_EQ(sync->text(), QStringLiteral("<"));
  sync->click();
  EXPECT_EQ(rig.workspace.image.sys(sys::TimeHHMM), 1020);
  EXPECT_EQ(rig.workspace.image.sys(sys::DateDDMM), 405);
  EXPECT_EQ(rig.workspace.editor.deviceSeconds, 10 * 3600 + 20 * 60 + 30);
  EXPECT_EQ(rig.find<QTimeEdit>("tek_tektime")->time(), QTime(10, 20, 30));
  EXPECT_TRUE(rig.workspace.editor.modified);
  EXPECT_EQ(edited.count(), 3);
}

TEST(TimePageWidget, TheWriteWaitsUntilTheMinuteIsAboutToEnd) {
  TimeRig rig;
  rig.workspace.editor.deviceSeconds = 14 * 3600 + 10;
  rig.find<QLineEdit>("Edit26")->setText(QStringLiteral("12AB"));
  QSignalSpy write(&rig.widget, &TimePageWidget::clockWriteRequested);
  rig.find<QPushButton>("Button4")->click();
  EXPECT_EQ(rig.pauses, QList<int>(9, 4998));
  EXPECT_EQ(rig.labels.first(), QStringLiteral("Запись времени произойдет через 50 сек."));
  EXPECT_EQ(rig.labels.last(), QStringLiteral("Запись времени произойдет через 10 сек."));
  EXPECT_EQ(rig.workspace.editor.deviceSeconds, 14 * 3600 + 55);
  EXPECT_EQ(rig.workspace.image.sys(sys::TimeHHMM), 1400);
  ASSERT_EQ(write.count(), 1);
  EXPECT_EQ(write.first().first().toString(), QStringLiteral("12AB"));
  EXPECT_TRUE(rig.find<QLabel>("countdownLabel")->isHidden());

  rig.pauses.clear();
  rig.workspace.editor.deviceSeconds = 14 * 3600 + 57;
  rig.find<QPushButton>("Button4")->click();
  EXPECT_TRUE(rig.pauses.isEmpty()) << "second 57 writes at once";
  EXPECT_EQ(write.count(), 2);
}

TEST(TimePageWidget, AnAbandonedCountdownWritesNothingAndReadAsks) {
  TimeRig rig;
  rig.widget.setCountdownPause([](int) { return false; });
  rig.workspace.editor.deviceSeconds = 30;
  QSignalSpy write(&rig.widget, &TimePageWidget::clockWriteRequested);
  QSignalSpy read(&rig.widget, &TimePageWidget::clockReadRequested);
  rig.find<QPushButton>("Button4")->click();
  EXPECT_EQ(write.count(), 0);
  rig.find<QPushButton>("Button5")->click();
  EXPECT_EQ(read.count(), 1);
  EXPECT_EQ(rig.find<QPushButton>("Button5")->text(), QStringLiteral("Считать время с ОРВИК"));
  EXPECT_EQ(rig.find<QPushButton>("Button4")->text(), QStringLiteral("Записать время в ОРВИК"));
}

}  // namespace
}  // namespace nastrum
