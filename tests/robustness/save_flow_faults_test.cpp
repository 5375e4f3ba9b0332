// Saving from the main window when only the names file fails: the settings
// are saved, the user is told the names were not, and the image stays
// modified so that closing still offers to save.
#include <QDir>
#include <QFile>

#include "editor/workflow/flow_fixture.h"
#include "model/settings_files.h"
#include "model/settings_record.h"

using namespace nastrum;

namespace {

void expectNamesNotSavedBox(const ScriptedPresenter& boxes, const QString& namesPath) {
  ASSERT_EQ(boxes.shown().size(), 1u);
  const MessageBoxSpec& box = boxes.last();
  EXPECT_EQ(box.code, 0) << "a box of its own, outside the numbered catalogue";
  EXPECT_EQ(box.caption, QStringLiteral("Ошибка записи файла"));
  EXPECT_EQ(box.icon, MessageIcon::Stop);
  EXPECT_TRUE(box.text.contains(namesPath)) << box.text.toStdString();
}

// The names file of `stem` is replaced by a folder, which no one can write over.
void blockNames(const TempCurrentDir& dir, const QString& stem) {
  QFile::remove(dir.path(stem + QStringLiteral(".nam")));
  ASSERT_TRUE(QDir().mkpath(dir.path(stem + QStringLiteral(".nam"))));
}

}  // namespace

TEST_F(FlowTest, SaveWhoseNamesFailSavesTheSettingsAndSaysSo) {
  namedImage(2, QStringLiteral("plant"));
  blockNames(dir, QStringLiteral("plant"));
  ws.image.names.sensorNames[3].setBytes("edited");
  flows.markModified();

  boxes.then(AnswerOk);
  EXPECT_FALSE(flows.SaveImage());
  expectNamesNotSavedBox(boxes, QStringLiteral("plant.nam"));
  EXPECT_EQ(dir.read(QStringLiteral("plant.bfm")), encodeSettingsRecord(ws.image));
  EXPECT_TRUE(ws.file.isModified()) << "the unsaved names are still to be saved";

  // Closing offers to save again; a save that loses the names again keeps the image.
  boxes.clear();
  boxes.then(AnswerYes).then(AnswerOk);
  flows.CloseImageAsked();
  EXPECT_EQ(boxes.codes(), (std::vector<int>{11, 0}));
  EXPECT_TRUE(ws.file.isOpen());
  EXPECT_EQ(ws.image.names.sensorNames[3].bytes(), QByteArray("edited"));
}

TEST_F(FlowTest, SaveAsWhoseNamesFailMovesToTheNewSettingsAndStaysModified) {
  namedImage(1, QStringLiteral("plant"));
  ASSERT_TRUE(QDir().mkpath(dir.path(QStringLiteral("other.nam"))));
  flows.markModified();

  window.saveAnswers.push_back(QStringLiteral("other"));
  boxes.then(AnswerOk);
  EXPECT_FALSE(flows.SaveImageAs());
  expectNamesNotSavedBox(boxes, QStringLiteral("other.nam"));
  EXPECT_EQ(dir.read(QStringLiteral("other.bfm")).size(), kSettingsRecordSize);
  EXPECT_EQ(ws.file.fileName(), QStringLiteral("other.bfm")) << "Save goes where the settings now are";
  EXPECT_EQ(flows.state().title, QStringLiteral("Наструм - ОРВИК минимальный: other"));
  EXPECT_TRUE(ws.file.isModified());
}
