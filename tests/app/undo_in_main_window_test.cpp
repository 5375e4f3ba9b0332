// Undo and redo in the program: one user action with every change it set off
// is one step, the steps end where a file was opened, made or read, and
// "Сохранить" follows the stack's clean point.
#include <QCoreApplication>
#include <QKeySequence>

#include "app_rig.h"
#include "check/check_test_image.h"
#include "descriptors/archive_words.h"
#include "editor/pages/pipelines/ui/field_edits.h"
#include "editor/workflow/device_read_takeover.h"
#include "model/settings_files.h"
#include "model/settings_record.h"

namespace nastrum {
namespace {

QByteArray everyWord(const SettingsImage& image) {
  return encodeSettingsRecord(image) + encodeNamesRecord(image.names);
}

struct UndoRig : AppRig {
  QAction* undo() { return action("undoAction"); }
  QAction* redo() { return action("redoAction"); }
  // The step of an action is cut once its event has been handled.
  static void settle() { QCoreApplication::processEvents(); }

  void newImage(Word kind) {
    action("newAction")->trigger();
    form.flows().ChooseNewKind(kind);
    form.flows().ConfirmNewKind();
    form.refresh();
  }
  void enterSetup() {
    action("nastroiki")->trigger();
    ASSERT_EQ(form.flows().state().pages, PageSet::Editor);
    settle();
  }
  // "Открыть " of `image` written as a settings file; the check finds it clean.
  void openFile(const SettingsImage& image) {
    const QString path = dir.path(QStringLiteral("plant%1.bfm").arg(++files_));
    ASSERT_TRUE(writeSettingsPair(path, image).settingsWritten);
    files.openAnswers.push_back(path);
    boxes.then(AnswerOk);  // "Проверка ошибок не обнаружила."
    action("openAction")->trigger();
    ASSERT_TRUE(ws.file.isOpen());
  }
  PipelineChoiceBox* medium() { return form.findChild<PipelineChoiceBox*>(QStringLiteral("pipeMedium")); }
  // Pipeline 0 switched off on its page.
  void switchOffPipeline() {
    form.editorPages()->setCurrentIndex(static_cast<int>(EditorPage::Pipelines));
    ASSERT_NE(medium(), nullptr);
    medium()->choose(QStringLiteral("трубопровод отключен"));
    settle();
  }
  bool saveEnabled() { return action("saveAction")->isEnabled(); }
  int files_ = 0;
};

// Switching a pipeline off empties the interval archive recording it, and
// the archive page then clears "Расш. архив интервалов": undo takes the
// whole cascade back, word for word, and the page shows the medium again.
TEST(UndoInMainWindow, AMediumChangeWithItsCascadeIsOneStepUndoneWordForWord) {
  UndoRig rig;
  rig.newImage(2);
  testing::setWaterPipeline(rig.ws.image, 0);
  setArchiveWords(rig.ws.image, ArchiveFamily::Interval, 0, {0x0200, 0, 0});
  rig.form.flows().document().startHistoryHere();  // as if the file had just been opened
  rig.enterSetup();
  const QByteArray before = everyWord(rig.ws.image);
  ASSERT_EQ(rig.ws.image.sys(sys::SpecialFunctions), 1 << 8);
  const int steps = rig.form.flows().document().undoSteps();

  rig.boxes.then(AnswerYes);  // message 50: the interval archive records the pipeline
  rig.switchOffPipeline();
  EXPECT_EQ(rig.form.flows().document().undoSteps(), steps + 1) << "the cascade is part of the one step";
  const QByteArray after = everyWord(rig.ws.image);
  ASSERT_EQ(archiveWords(rig.ws.image, ArchiveFamily::Interval, 0).desc, 0);
  ASSERT_EQ(rig.ws.image.sys(sys::SpecialFunctions), 0);
  EXPECT_TRUE(rig.undo()->isEnabled());
  EXPECT_FALSE(rig.redo()->isEnabled());

  rig.undo()->trigger();
  EXPECT_EQ(everyWord(rig.ws.image), before);
  EXPECT_EQ(rig.medium()->currentText(), QStringLiteral("вода"));
  EXPECT_TRUE(rig.redo()->isEnabled());

  rig.redo()->trigger();
  EXPECT_EQ(everyWord(rig.ws.image), after);
  EXPECT_EQ(rig.medium()->currentText(), QStringLiteral("трубопровод отключен"));
  EXPECT_TRUE(rig.boxes.allAnswered());

  EXPECT_EQ(rig.undo()->shortcut(), QKeySequence(QKeySequence::Undo));
  EXPECT_TRUE(rig.redo()->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
}

TEST(UndoInMainWindow, ModifiedFollowsTheCleanPointOfSavesAndUndos) {
  UndoRig rig;
  rig.openFile(testing::meteredImage(2));
  rig.enterSetup();
  ASSERT_FALSE(rig.ws.file.isModified()) << "showing water pipeline 0 changes nothing";

  rig.switchOffPipeline();
  EXPECT_TRUE(rig.ws.file.isModified());
  rig.undo()->trigger();
  EXPECT_FALSE(rig.ws.file.isModified()) << "back at the opened image";
  EXPECT_FALSE(rig.saveEnabled());
  EXPECT_EQ(rig.medium()->currentText(), QStringLiteral("вода"));
  rig.redo()->trigger();
  EXPECT_TRUE(rig.ws.file.isModified());
  EXPECT_TRUE(rig.saveEnabled());

  rig.action("saveAction")->trigger();  // the same file, no window
  EXPECT_FALSE(rig.ws.file.isModified());
  rig.undo()->trigger();
  EXPECT_TRUE(rig.ws.file.isModified()) << "the image before the save differs from the file";
  EXPECT_EQ(rig.medium()->currentText(), QStringLiteral("вода"));
  rig.redo()->trigger();
  EXPECT_FALSE(rig.ws.file.isModified());
  EXPECT_TRUE(rig.boxes.allAnswered());
}

TEST(UndoInMainWindow, UndoNeverReachesPastANewImageAnOpenOrARead) {
  UndoRig rig;
  const auto editSomething = [&rig] {
    rig.enterSetup();
    rig.switchOffPipeline();
    ASSERT_TRUE(rig.undo()->isEnabled());
  };

  rig.openFile(testing::meteredImage(2));
  editSomething();
  rig.boxes.then(AnswerNo);  // message 4: the changes are dropped
  rig.newImage(2);
  EXPECT_FALSE(rig.undo()->isEnabled()) << "after \"Новый\"";
  EXPECT_FALSE(rig.redo()->isEnabled());

  rig.openFile(testing::meteredImage(2));
  EXPECT_FALSE(rig.undo()->isEnabled()) << "after \"Открыть \"";
  EXPECT_EQ(rig.ws.image.pipelines[0].mainDescriptor, 0x1000);

  // The device's names taken into the open file: a change to save, but no undo past it.
  editSomething();
  SettingsImage read = rig.ws.image;
  read.names.sensorNames[0].setBytes("T1");
  rig.ws.run.runDone = true;
  AcceptDeviceRead(rig.form.flows(), rig.ws, rig.form, &read, false);
  rig.form.refresh();
  EXPECT_TRUE(rig.ws.file.isModified());
  EXPECT_FALSE(rig.undo()->isEnabled()) << "after the names read";
  EXPECT_EQ(rig.ws.image.names.sensorNames[0].bytes(), QByteArray("T1"));
  EXPECT_TRUE(rig.boxes.allAnswered());
}

}  // namespace
}  // namespace nastrum
