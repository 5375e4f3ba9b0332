// The check as the main window runs it: after opening a file, refusing setup
// while repairable errors stand, and letting it in after the correction.
#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "../check_test_image.h"
#include "check/ui/check_windows.h"
#include "editor/ui/base_form.h"
#include "editor/ui/file_dialogs.h"
#include "model/settings_files.h"
#include "support/scripted_presenter.h"

namespace nastrum::testing {
namespace {

class ChosenFile final : public FileDialogs {
 public:
  QString path;
  std::optional<QString> openSettingsPath() override { return path; }
  std::optional<QString> saveSettingsPath(const QString&) override { return std::nullopt; }
};

QAction* action(QWidget& window, const char* name) { return window.findChild<QAction*>(QString::fromLatin1(name)); }

TEST(CheckInMainWindow, OpenedFileWithRepairableErrorsIsCorrectedBeforeSetup) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  SettingsImage broken = meteredImage(2);
  setSensor(broken, 7, 0x2100, 0x0100);  // error 20
  setWaterPipeline(broken, 3);
  broken.pipelines[3].flowSensors = 0x0005;  // error 125
  ChosenFile files;
  files.path = dir.filePath("site.bfm");
  ASSERT_TRUE(writeSettingsPair(files.path, broken).settingsWritten);

  Workspace workspace;
  ScriptedPresenter boxes;
  Tbase_form form(workspace, boxes, files);
  CheckWindowHooks onMain{[&form] {
                            form.flows().HidePageSets();
                            form.refresh();
                          },
                          [&form] { form.refresh(); }, [] {}};
  CheckWindows check(workspace, boxes, &form, onMain, ReportTarget{dir.filePath("Report.txt"), [] { return QString("d"); }});
  check.installInto(form.hooks());

  action(form, "openAction")->trigger();

  QTableWidget* table = check.errorWindow().table();
  ASSERT_TRUE(check.errorWindow().isVisible());
  ASSERT_EQ(table->rowCount(), 2);
  EXPECT_EQ(table->item(0, 1)->background().color(), QColor(Qt::red));
  EXPECT_EQ(table->item(1, 1)->background().color(), QColor(Qt::red));
  EXPECT_TRUE(QFile::exists(dir.filePath("Report.txt")));
  EXPECT_TRUE(check.prompt().isVisible());
  EXPECT_TRUE(workspace.editor.checkFailed);

  // "Настройка" is refused: the prompt comes modally; its correction repairs and checks again.
  check.prompt().hide();
  boxes.then(AnswerOk);  // "Проверка ошибок не обнаружила."
  QTimer::singleShot(0, [&] { check.prompt().repairButton()->click(); });
  action(form, "nastroiki")->trigger();
  EXPECT_NE(form.flows().state().pages, PageSet::Editor);
  EXPECT_EQ(boxes.codes(), std::vector<int>{0});
  EXPECT_FALSE(workspace.editor.checkFailed);
  EXPECT_EQ(workspace.image.sensors[7].mainDescriptor, 0x2300);
  EXPECT_EQ(workspace.image.pipelines[3].flowSensors, 0x0040);
  EXPECT_FALSE(check.errorWindow().isVisible());
  EXPECT_FALSE(workspace.editor.modified);

  action(form, "nastroiki")->trigger();
  EXPECT_EQ(form.flows().state().pages, PageSet::Editor);

  // "Проверка" hides the pages again and, clean, says so.
  boxes.then(AnswerOk);
  action(form, "proverka")->trigger();
  EXPECT_EQ(form.flows().state().pages, PageSet::None);
  EXPECT_TRUE(boxes.allAnswered());
}

}  // namespace
}  // namespace nastrum::testing
