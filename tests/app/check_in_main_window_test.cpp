// The check as the main window runs it: after opening a file, refusing setup
// while repairable errors stand, and letting it in after the correction.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "app_rig.h"
#include "check/check_test_image.h"
#include "check/ui/check_windows.h"
#include "model/settings_files.h"

namespace nastrum::testing {
namespace {

TEST(CheckInMainWindow, OpenedFileWithRepairableErrorsIsCorrectedBeforeSetup) {
  AppRig rig;
  SettingsImage broken = meteredImage(2);
  setSensor(broken, 7, 0x2100, 0x0100);  // error 20
  setWaterPipeline(broken, 3);
  broken.pipelines[3].flowSensors = 0x0005;  // error 125
  const QString path = rig.dir.path("site.bfm");
  ASSERT_TRUE(writeSettingsPair(path, broken).settingsWritten);
  rig.files.openAnswers.push_back(path);
  Workspace& workspace = rig.ws;
  ScriptedPresenter& boxes = rig.boxes;
  Tbase_form& form = rig.form;
  CheckWindows& check = rig.program.checkWindows();

  rig.action("openAction")->trigger();

  QTableWidget* table = check.errorWindow().table();
  ASSERT_TRUE(check.errorWindow().isVisible());
  ASSERT_EQ(table->rowCount(), 2);
  EXPECT_EQ(table->item(0, 1)->background().color(), QColor(Qt::red));
  EXPECT_EQ(table->item(1, 1)->background().color(), QColor(Qt::red));
  EXPECT_TRUE(QFile::exists(rig.dir.path("Report.txt")));
  EXPECT_TRUE(check.prompt().isVisible());
  EXPECT_TRUE(workspace.editor.checkFailed);

  // "Настройка" is refused: the prompt comes modally; its correction repairs and checks again.
  check.prompt().hide();
  boxes.then(AnswerOk);  // "Проверка ошибок не обнаружила."
  QTimer::singleShot(0, [&] { check.prompt().repairButton()->click(); });
  rig.action("nastroiki")->trigger();
  EXPECT_NE(form.flows().state().pages, PageSet::Editor);
  EXPECT_EQ(boxes.codes(), std::vector<int>{0});
  EXPECT_FALSE(workspace.editor.checkFailed);
  EXPECT_EQ(workspace.image.sensors[7].mainDescriptor, 0x2300);
  EXPECT_EQ(workspace.image.pipelines[3].flowSensors, 0x0040);
  EXPECT_FALSE(check.errorWindow().isVisible());
  EXPECT_FALSE(workspace.file.isModified());

  rig.action("nastroiki")->trigger();
  EXPECT_EQ(form.flows().state().pages, PageSet::Editor);

  // "Проверка" hides the pages again and, clean, says so.
  boxes.then(AnswerOk);
  rig.action("proverka")->trigger();
  EXPECT_EQ(form.flows().state().pages, PageSet::None);
  EXPECT_TRUE(boxes.allAnswered());
}

}  // namespace
}  // namespace nastrum::testing
