// The document's signals as the file operations and the edits drive them.
#include <functional>
#include <vector>

#include "editor/workflow/flow_fixture.h"
#include "model/message_catalogue.h"

namespace nastrum {
namespace {

class SettingsDocumentTest : public FlowTest {
 protected:
  void SetUp() override {
    FlowTest::SetUp();
    SettingsDocument& document = flows.document();
    QObject::connect(&document, &SettingsDocument::replaced, [this](DeviceKind kind) { replaced.push_back(kind); });
    QObject::connect(&document, &SettingsDocument::kindChanged, [this](Word kind) { kinds.push_back(kind); });
    QObject::connect(&document, &SettingsDocument::modifiedChanged, [this](bool on) { modified.push_back(on); });
  }

  std::vector<DeviceKind> replaced;
  std::vector<Word> kinds;
  std::vector<bool> modified;
};

TEST_F(SettingsDocumentTest, FileOperationsAndEditsAnnounceThemselves) {
  namedImage(3, dir.path("plant.bfm"));
  EXPECT_EQ(replaced, std::vector<DeviceKind>{DeviceKind::Large});
  EXPECT_EQ(kinds, std::vector<Word>{3});
  EXPECT_TRUE(modified.empty()) << "a new image is not modified";

  flows.markModified();
  flows.markModified();
  EXPECT_EQ(modified, std::vector<bool>{true}) << "only a change of the flag is announced";
  ASSERT_TRUE(flows.SaveImage());
  EXPECT_EQ(modified, (std::vector<bool>{true, false}));

  window.openAnswers.push_back(dir.path("plant.bfm"));
  flows.OpenImage();
  EXPECT_EQ(replaced.size(), 2u);
  EXPECT_EQ(kinds, std::vector<Word>{3}) << "the same kind again";

  boxes.then(AnswerOk);  // message 2
  window.openAnswers.push_back(dir.path("missing.bfm"));
  flows.OpenImage();
  EXPECT_EQ(replaced.size(), 2u) << "a file that could not be read leaves the image as it was";

  newImage(1);
  EXPECT_EQ(replaced.size(), 3u);
  EXPECT_EQ(replaced.back(), DeviceKind::Minimal);
  EXPECT_EQ(kinds, (std::vector<Word>{3, 1}));

  flows.markModified();
  boxes.then(AnswerNo);  // message 11: close without saving
  flows.CloseImageAsked();
  EXPECT_EQ(replaced.size(), 4u);
  EXPECT_EQ(modified, (std::vector<bool>{true, false, true, false}));
  EXPECT_FALSE(flows.document().isOpen());
  EXPECT_TRUE(boxes.allAnswered());
}

// The image emptied before it is filled takes what the pages keep beside it
// along; a device read fills it without emptying it first.
TEST_F(SettingsDocumentTest, OnlyAnEmptiedImageIsAnnouncedFresh) {
  int fresh = 0;
  QObject::connect(&flows.document(), &SettingsDocument::freshImage, [&fresh] { ++fresh; });
  const struct {
    const char* step;
    std::function<void()> run;
    int fresh;
  } steps[] = {
      {"new", [this] { namedImage(2, dir.path("plant.bfm")); }, 1},
      {"save", [this] { ASSERT_TRUE(flows.SaveImage()); }, 0},
      {"open", [this] { flows.OpenImage(dir.path("plant.bfm")); }, 1},
      {"open a missing file", [this] {
         boxes.then(AnswerOk);
         flows.OpenImage(dir.path("none.bfm"));
       }, 0},
      {"device read", [this] {
         ws.run.factoryNumber = 0x12;
         flows.TakeOverDeviceRead();
       }, 0},
      {"close", [this] { flows.CloseImage(); }, 1},
  };
  for (const auto& step : steps) {
    fresh = 0;
    window.openAnswers.clear();
    step.run();
    EXPECT_EQ(fresh, step.fresh) << step.step;
  }
  EXPECT_FALSE(flows.document().isOpen());
}

// Where the image belongs, as the file operations leave it.
TEST_F(SettingsDocumentTest, TheFileOperationsSayWhereTheImageBelongs) {
  const SettingsDocument& document = flows.document();
  newImage(2);
  EXPECT_TRUE(document.isOpen());
  EXPECT_TRUE(document.isUnnamedNew());
  EXPECT_FALSE(document.fileName().isEmpty());

  window.saveAnswers.push_back(dir.path("plant"));
  ASSERT_TRUE(flows.SaveImage());
  EXPECT_FALSE(document.isUnnamedNew());
  EXPECT_TRUE(document.fileName().endsWith(QStringLiteral("plant.bfm"))) << document.fileName().toStdString();

  flows.CloseImage();
  EXPECT_FALSE(document.isOpen());
  boxes.then(AnswerOk);
  flows.OpenImage(dir.path("none.bfm"));
  EXPECT_FALSE(document.isOpen()) << "a failed open leaves nothing open";
  EXPECT_TRUE(document.fileName().endsWith(QStringLiteral("none.bfm"))) << "the message named it";
  flows.OpenImage(dir.path("plant.bfm"));
  EXPECT_TRUE(document.isOpen());
  EXPECT_FALSE(document.isUnnamedNew());
}

// One user action is one step however often its handlers report the edit;
// an edit that changed nothing is none; undo leaves the check's marks alone
// and walks back to the clean state; a replacement starts the history anew.
TEST_F(SettingsDocumentTest, EditsAreCutIntoStepsOfWholeImages) {
  newImage(2);
  SettingsDocument& document = flows.document();
  EXPECT_FALSE(document.canUndo());

  ws.image.pipelines[0].mainDescriptor = 0x1000;
  flows.markModified();
  ws.image.hourArcDesc[0] = 0x0200;  // a cascade of the same action
  flows.markModified();
  document.commitStep();  // as once the event has been handled
  EXPECT_EQ(document.undoSteps(), 1);

  ws.image.sys(sys::CheckErrorsMark) = 1;  // a check ran
  flows.markModified();
  document.commitStep();
  EXPECT_EQ(document.undoSteps(), 1) << "the check's marks are no edit";

  document.undo();
  EXPECT_EQ(ws.image.pipelines[0].mainDescriptor, 0);
  EXPECT_EQ(ws.image.hourArcDesc[0], 0) << "the cascade went with its edit";
  EXPECT_EQ(ws.image.sys(sys::CheckErrorsMark), 1) << "the marks describe the last check";
  EXPECT_FALSE(document.isModified()) << "back at the image as it was made";
  EXPECT_EQ(modified, (std::vector<bool>{true, false}));
  document.redo();
  EXPECT_EQ(ws.image.pipelines[0].mainDescriptor, 0x1000);
  EXPECT_EQ(ws.image.hourArcDesc[0], 0x0200);
  EXPECT_TRUE(document.isModified());

  ws.image.pipelines[1].mainDescriptor = 0x1000;
  flows.markModified();
  boxes.then(AnswerNo);  // message 4: the change is dropped
  newImage(3);
  document.commitStep();
  EXPECT_FALSE(document.canUndo()) << "no undo reaches back past a new image";
  EXPECT_FALSE(document.canRedo());
  EXPECT_FALSE(document.isModified());
  EXPECT_TRUE(boxes.allAnswered());
}

}  // namespace
}  // namespace nastrum
