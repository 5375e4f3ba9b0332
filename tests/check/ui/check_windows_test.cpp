#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "check/ui/check_windows.h"
#include "../check_test_image.h"
#include "support/scripted_presenter.h"

namespace nastrum::testing {
namespace {

class CheckWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    workspace.image = meteredImage(2);
    workspace.file = DocumentFile::opened(QStringLiteral("C:/sites/boiler.bfm"));
    // Sensor 7 (error 20) and pipeline 3 (error 141) can be repaired, sensor 9 (error 10) cannot.
    setSensor(workspace.image, 7, 0x2100, 0x0100);
    setWaterPipeline(workspace.image, 3);
    workspace.image.pipelines[3].densityCalorLink = 0x0008;
    setSensor(workspace.image, 9, 0x5000);
  }
  std::unique_ptr<CheckWindows> windows(MessagePresenter& presenter) {
    CheckWindowHooks hooks{[this] { ++pageSetsHidden; }, [this] { ++setupEnabled; }, [] {}};
    return std::make_unique<CheckWindows>(workspace, presenter, &parent, hooks,
                                          ReportTarget{dir.filePath("Report.txt"), [] { return QStringLiteral("d"); }});
  }

  QTemporaryDir dir;
  QWidget parent;
  Workspace workspace;
  int pageSetsHidden = 0;
  int setupEnabled = 0;
};

TEST_F(CheckWindowsTest, RepairableRowsAreRedAndSetupIsRefusedUntilCorrected) {
  ScriptedPresenter boxes;
  auto w = windows(boxes);
  w->runCheck(true);

  QTableWidget* table = w->errorWindow().table();
  ASSERT_TRUE(w->errorWindow().isVisible());
  EXPECT_EQ(w->errorWindow().windowTitle(), QStringLiteral("Обнаруженные ошибки в C:/sites/boiler.bfm"));
  ASSERT_EQ(table->rowCount(), 3);
  EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("1"));
  EXPECT_EQ(table->item(0, 1)->background().color(), QColor(Qt::red));    // sensor 7, code 20
  EXPECT_EQ(table->item(1, 1)->background().color(), QColor(Qt::white));  // sensor 9, code 10
  EXPECT_EQ(table->item(2, 1)->background().color(), QColor(Qt::red));    // pipeline 3, code 141
  EXPECT_EQ(table->item(2, 2)->text(), QStringLiteral("3"));
  EXPECT_EQ(table->columnWidth(2), 0);
  EXPECT_TRUE(w->prompt().isVisible());
  EXPECT_FALSE(w->errorWindow().correctionButton()->isVisible());
  EXPECT_EQ(pageSetsHidden, 1);

  // Setup shows the prompt modally; choosing "Не исправлять" there offers the
  // correction in the error window and still refuses setup.
  w->prompt().hide();
  QTimer::singleShot(0, [&] { w->prompt().declineButton()->click(); });
  EXPECT_FALSE(w->allowSetup());
  EXPECT_TRUE(w->errorWindow().correctionButton()->isVisible());

  w->errorWindow().correctionButton()->click();

  EXPECT_FALSE(workspace.editor.checkFailed);
  EXPECT_EQ(workspace.image.sensors[7].mainDescriptor, 0x2300);
  EXPECT_EQ(workspace.image.pipelines[3].densityCalorLink, 0x0000);
  ASSERT_EQ(table->rowCount(), 1);  // sensor 9 remains
  EXPECT_EQ(table->item(0, 1)->background().color(), QColor(Qt::white));
  EXPECT_FALSE(w->errorWindow().correctionButton()->isVisible());
  EXPECT_FALSE(w->prompt().isVisible());
  EXPECT_TRUE(w->allowSetup());
}

TEST_F(CheckWindowsTest, CorrectionFromThePromptAndACleanCheckCloseTheWindows) {
  setSensor(workspace.image, 9, 0x0000);
  ScriptedPresenter boxes{AnswerOk};
  auto w = windows(boxes);
  w->runCheck(true);
  ASSERT_TRUE(w->prompt().isVisible());

  w->prompt().repairButton()->click();

  EXPECT_EQ(boxes.codes(), std::vector<int>{0});  // "Проверка ошибок не обнаружила."
  EXPECT_FALSE(w->errorWindow().isVisible());
  EXPECT_FALSE(w->errorWindowOpen());
  EXPECT_FALSE(w->prompt().isVisible());
  EXPECT_EQ(setupEnabled, 1);
  EXPECT_TRUE(w->allowSetup());
}

TEST_F(CheckWindowsTest, ACorrectionThatUncoversARepairableErrorOffersItAgain) {
  setSensor(workspace.image, 7, 0x0000);
  setSensor(workspace.image, 9, 0x0000);
  workspace.image.pipelines[3].densityCalorLink = 0;
  setSensor(workspace.image, 4, 0x2300, 0x0100);
  workspace.image.pipelines[3].flowSensors = 0x8404;  // 127 and 140
  workspace.image.pipelines[3].bigPipeRef = 0x0240;   // 126 once the flow is the pipeline's own
  ScriptedPresenter boxes;
  auto w = windows(boxes);
  w->runCheck(true);
  ASSERT_EQ(w->errorWindow().table()->rowCount(), 2);

  w->prompt().repairButton()->click();

  QTableWidget* table = w->errorWindow().table();
  ASSERT_EQ(table->rowCount(), 1);
  EXPECT_TRUE(table->item(0, 1)->text().contains(QStringLiteral("0240 должен замениться на 0040")));
  EXPECT_EQ(table->item(0, 1)->background().color(), QColor(Qt::red));
  EXPECT_TRUE(w->prompt().isVisible());
  EXPECT_TRUE(workspace.editor.checkFailed);
}

TEST_F(CheckWindowsTest, SpyModeShowsTheCodesAndTheObjectColumn) {
  workspace.editor.spyMode = true;
  ScriptedPresenter boxes;
  auto w = windows(boxes);
  w->runCheck(false);
  QTableWidget* table = w->errorWindow().table();
  EXPECT_EQ(table->columnWidth(2), 60);
  EXPECT_TRUE(table->item(1, 1)->text().endsWith(QStringLiteral(" 10")));
  EXPECT_EQ(table->item(0, 2)->text(), QStringLiteral("7"));
  EXPECT_EQ(table->item(1, 2)->text(), QString());
}

TEST_F(CheckWindowsTest, CheckButtonRunsTheCheckAgain) {
  ScriptedPresenter boxes;
  auto w = windows(boxes);
  w->runCheck(false);
  setSensor(workspace.image, 9, 0x0000);
  w->errorWindow().checkButton()->click();
  EXPECT_EQ(w->errorWindow().table()->rowCount(), 2);
}

}  // namespace
}  // namespace nastrum::testing

