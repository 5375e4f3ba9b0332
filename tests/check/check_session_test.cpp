#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "check/check_session.h"
#include "check/repair_image.h"
#include "check_test_image.h"
#include "model/cp1251.h"
#include "recording_check_view.h"
#include "rule_case.h"
#include "support/scripted_presenter.h"

namespace nastrum::testing {
namespace {

class CheckSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    workspace.image = meteredImage(2);
    workspace.file = DocumentFile::opened(QStringLiteral("site.bfm"));
  }
  CheckSession session(MessagePresenter& presenter) {
    return CheckSession(workspace, presenter, view, ReportTarget{reportPath(), [] { return QStringLiteral("10.12.2026 04:00"); }});
  }
  QString reportPath() const { return dir.filePath(QStringLiteral("Report.txt")); }
  QByteArray report() const {
    QFile f(reportPath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  // Sensor 7 with error 20 (repairable) and pipeline 3 with 141 (repairable).
  void breakRepairably() {
    setSensor(workspace.image, 7, 0x2140, 0x0100);  // its own channel
    setWaterPipeline(workspace.image, 3);
    workspace.image.pipelines[3].densityCalorLink = 0x0028;  // self (3) and 5
    setWaterPipeline(workspace.image, 5);
  }

  QTemporaryDir dir;
  Workspace workspace;
  RecordingCheckView view;
};

TEST_F(CheckSessionTest, CleanCheckClearsTheMarksAndAllowsSetup) {
  workspace.image.sys(sys::PrivilegedMark) = 1;
  workspace.image.sys(sys::CheckErrorsMark) = 1;
  workspace.editor.checkFailed = true;
  ScriptedPresenter boxes{AnswerOk};
  CheckSession s = session(boxes);

  EXPECT_TRUE(s.RunCheck(true));

  ASSERT_EQ(boxes.codes(), std::vector<int>{0});
  EXPECT_EQ(boxes.last().caption, QStringLiteral("Итог проверки"));
  EXPECT_EQ(boxes.last().text, QStringLiteral("Проверка ошибок не обнаружила."));
  EXPECT_EQ(boxes.last().icon, MessageIcon::Information);
  EXPECT_EQ(workspace.image.sys(sys::PrivilegedMark), 0);
  EXPECT_EQ(workspace.image.sys(sys::CheckErrorsMark), 0);
  EXPECT_FALSE(workspace.editor.checkFailed);
  EXPECT_EQ(view.calls, (QStringList{"hidePageSets", "closeErrorWindow", "enableSetup"}));
  EXPECT_TRUE(report().contains(toCp1251(QStringLiteral("Ошибок не обнаружено!"))));
}

TEST_F(CheckSessionTest, CleanCheckWithoutReportShowsNoMessageAndWritesNothing) {
  ScriptedPresenter boxes;
  CheckSession s = session(boxes);
  EXPECT_TRUE(s.RunCheck(false));
  EXPECT_TRUE(boxes.shown().empty());
  EXPECT_FALSE(QFile::exists(reportPath()));
}

TEST_F(CheckSessionTest, RepairableErrorsRefuseSetupAndOfferTheCorrection) {
  breakRepairably();
  ScriptedPresenter boxes;
  CheckSession s = session(boxes);

  EXPECT_TRUE(s.RunCheck(true));

  EXPECT_TRUE(boxes.shown().empty());
  EXPECT_TRUE(workspace.editor.checkFailed);
  EXPECT_EQ(workspace.image.sys(sys::CheckErrorsMark), 1);
  EXPECT_EQ(flagsOf(s.lastResult()), (std::vector<Flag>{{CheckGroup::Sensor, 7, 20}, {CheckGroup::Pipeline, 3, 141}}));
  EXPECT_TRUE(view.windowOpen);
  EXPECT_TRUE(view.promptOpen);
  EXPECT_FALSE(view.correctionButton);
  EXPECT_FALSE(view.calls.contains("enableSetup"));
}

TEST_F(CheckSessionTest, ErrorsThatCannotBeRepairedLeaveSetupAllowed) {
  setSensor(workspace.image, 7, 0x5000);
  ScriptedPresenter boxes;
  CheckSession s = session(boxes);
  s.RunCheck(true);
  EXPECT_FALSE(workspace.editor.checkFailed);
  EXPECT_EQ(workspace.image.sys(sys::CheckErrorsMark), 1);
  EXPECT_TRUE(view.windowOpen);
  EXPECT_FALSE(view.promptOpen);
  EXPECT_FALSE(view.correctionButton);
}

TEST_F(CheckSessionTest, RepairChangesExactlyTheAnnouncedDigitsAndChecksAgain) {
  breakRepairably();
  workspace.image.sensors[7].mainDescriptor = 0x2100;  // becomes a valid 2300
  ScriptedPresenter boxes{AnswerOk};  // the new check is clean
  CheckSession s = session(boxes);
  s.RunCheck(true);
  const SettingsImage before = workspace.image;

  s.repair();

  EXPECT_EQ(workspace.image.sensors[7].mainDescriptor, 0x2300);
  EXPECT_EQ(workspace.image.pipelines[3].densityCalorLink, 0x0020);  // bit 5 stays
  EXPECT_EQ(workspace.image.sensors[7].auxDescriptor, before.sensors[7].auxDescriptor);
  EXPECT_EQ(workspace.image.pipelines[3].flowSensors, before.pipelines[3].flowSensors);
  EXPECT_FALSE(workspace.editor.checkFailed);
  EXPECT_FALSE(workspace.file.isModified());
  EXPECT_FALSE(view.promptOpen);
  EXPECT_FALSE(view.windowOpen);
  EXPECT_TRUE(view.calls.contains("beep"));
  EXPECT_EQ(boxes.codes(), std::vector<int>{0});
}

TEST_F(CheckSessionTest, RepairThatLeavesOtherErrorsRefreshesTheWindow) {
  breakRepairably();
  setSensor(workspace.image, 9, 0x5000);  // not repairable
  ScriptedPresenter boxes;
  CheckSession s = session(boxes);
  s.RunCheck(true);
  s.repair();
  EXPECT_EQ(workspace.image.sensors[7].mainDescriptor, 0x2340);
  // The repaired type now shows a conversion the pulse sensor does not have.
  EXPECT_EQ(flagsOf(s.lastResult()), (std::vector<Flag>{{CheckGroup::Sensor, 7, 21}, {CheckGroup::Sensor, 9, 10}}));
  EXPECT_FALSE(workspace.editor.checkFailed);
  EXPECT_TRUE(view.windowOpen);
  EXPECT_FALSE(view.promptOpen);
}

TEST_F(CheckSessionTest, RepairThatUncoversARepairableErrorOffersTheCorrectionAgain) {
  setSensor(workspace.image, 4, 0x2300, 0x0100);
  setWaterPipeline(workspace.image, 3);
  workspace.image.pipelines[3].flowSensors = 0x8404;  // flow of unused pipeline 4 (127), a sub-range sensor (140)
  workspace.image.pipelines[3].bigPipeRef = 0x0240;   // harmless while the flow comes from elsewhere
  ScriptedPresenter boxes;
  CheckSession s = session(boxes);
  s.RunCheck(true);

  s.repair();

  // The shown rows are mended; the big pipe the pulse sensor may not have
  // is a new red row, offered again rather than changed unseen.
  EXPECT_EQ(workspace.image.pipelines[3].flowSensors, 0x0440);
  EXPECT_EQ(workspace.image.pipelines[3].bigPipeRef, 0x0240);
  ASSERT_EQ(flagsOf(s.lastResult()), (std::vector<Flag>{{CheckGroup::Pipeline, 3, 126}}));
  EXPECT_EQ(view.shown.errors, s.lastResult().errors);
  EXPECT_TRUE(workspace.editor.checkFailed);
  EXPECT_TRUE(view.promptOpen);
  EXPECT_FALSE(view.correctionButton);
  EXPECT_TRUE(report().contains(toCp1251(s.lastResult().errors[0].text)));
}

TEST_F(CheckSessionTest, DecliningOffersTheCorrectionInTheWindowWithTheSameResult) {
  breakRepairably();
  ScriptedPresenter boxes;
  CheckSession s = session(boxes);
  s.RunCheck(true);
  s.declineRepair();
  EXPECT_TRUE(view.correctionButton);
  EXPECT_FALSE(view.promptOpen);
  EXPECT_TRUE(workspace.editor.checkFailed);

  Workspace viaPrompt = workspace;
  s.repair();
  RepairImage(viaPrompt.image, evaluateRules(viaPrompt.image, false));
  EXPECT_EQ(workspace.image.sensors[7].mainDescriptor, viaPrompt.image.sensors[7].mainDescriptor);
  EXPECT_EQ(workspace.image.pipelines[3].densityCalorLink, viaPrompt.image.pipelines[3].densityCalorLink);
  EXPECT_FALSE(view.correctionButton);
}

TEST_F(CheckSessionTest, UnwritableReportShowsMessage62AndChangesNothing) {
  breakRepairably();
  workspace.image.sys(sys::CheckErrorsMark) = 0;
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Report.txt")));  // a folder in the way
  ScriptedPresenter boxes{AnswerOk};
  CheckSession s = session(boxes);

  EXPECT_FALSE(s.RunCheck(true));

  EXPECT_EQ(boxes.codes(), std::vector<int>{62});
  EXPECT_FALSE(workspace.editor.checkFailed);
  EXPECT_EQ(workspace.image.sys(sys::CheckErrorsMark), 0);
  EXPECT_FALSE(view.windowOpen);
}

}  // namespace
}  // namespace nastrum::testing
