#include "editor/workflow/flow_fixture.h"
#include "model/settings_record.h"

using namespace nastrum;

namespace {

// A named, saved kind 2 image with an edit after the save.
class UnsavedChangesTest : public FlowTest {
 protected:
  void SetUp() override {
    FlowTest::SetUp();
    namedImage(2, QStringLiteral("plant"));
    ws.image.sensors[3].mainDescriptor = 0x2340;
    flows.markModified();
  }
  bool editSaved() const {
    SettingsImage onDisk;
    decodeSettingsRecord(dir.read(QStringLiteral("plant.bfm")), onDisk);
    return onDisk.sensors[3].mainDescriptor == 0x2340;
  }
};

}  // namespace

TEST_F(UnsavedChangesTest, NewImageAsksMessage4) {
  boxes.then(AnswerCancel);
  flows.NewImage();
  EXPECT_FALSE(flows.state().choosingKind);
  EXPECT_TRUE(ws.file.isOpen() && ws.file.isModified());

  boxes.then(AnswerNo);
  flows.NewImage();
  EXPECT_TRUE(flows.state().choosingKind);
  EXPECT_FALSE(ws.file.isOpen());
  EXPECT_EQ(ws.image.sensors[3].mainDescriptor, 0) << "the discarded image is reset";
  EXPECT_FALSE(editSaved());
  EXPECT_EQ(boxes.codes(), (std::vector<int>{4, 4}));
}

TEST_F(UnsavedChangesTest, NewImageSavesOnYes) {
  boxes.then(AnswerYes);
  flows.NewImage();
  EXPECT_TRUE(flows.state().choosingKind);
  EXPECT_TRUE(editSaved());
}

TEST_F(FlowTest, YesWhoseSaveFailsKeepsTheImage) {
  // An unnamed image: "Да" goes to "Сохранить как ...", which the user cancels.
  newImage(2);
  flows.markModified();
  window.saveAnswers.push_back(std::nullopt);
  window.saveAnswers.push_back(std::nullopt);
  window.saveAnswers.push_back(std::nullopt);
  boxes.then(AnswerYes).then(AnswerYes).then(AnswerYes);

  flows.NewImage();
  EXPECT_FALSE(flows.state().choosingKind);
  flows.OpenImage();
  EXPECT_EQ(window.openWindowsShown, 0);
  EXPECT_FALSE(flows.QueryExit()) << "the program must not end with the changes unsaved";
  EXPECT_TRUE(ws.file.isOpen() && ws.file.isModified());
  EXPECT_EQ(boxes.codes(), (std::vector<int>{4, 4, 11}));
}

TEST_F(UnsavedChangesTest, OpenAsksMessage4BeforeTheFileWindow) {
  boxes.then(AnswerCancel);
  flows.OpenImage();
  EXPECT_EQ(window.openWindowsShown, 0);
  EXPECT_TRUE(ws.file.isOpen());

  boxes.then(AnswerNo);
  window.openAnswers.push_back(std::nullopt);
  flows.OpenImage();
  EXPECT_EQ(window.openWindowsShown, 1);
  EXPECT_FALSE(ws.file.isOpen());
  EXPECT_FALSE(editSaved());
}

TEST_F(UnsavedChangesTest, QueryExitAsksMessage11) {
  struct Case {
    int answer;
    bool ends;
    bool saved;
  };
  for (const Case& c : {Case{AnswerCancel, false, false}, Case{AnswerNo, true, false}, Case{AnswerYes, true, true}}) {
    boxes.clear();
    boxes.then(c.answer);
    const int closedBefore = window.checkWindowsClosed;
    EXPECT_EQ(flows.QueryExit(), c.ends) << c.answer;
    EXPECT_EQ(boxes.codes(), std::vector<int>{11});
    EXPECT_EQ(editSaved(), c.saved) << c.answer;
    EXPECT_EQ(window.checkWindowsClosed, closedBefore + 1);
  }
}

TEST_F(FlowTest, QueryExitWithoutChangesAsksMessage16) {
  boxes.then(AnswerNo).then(AnswerYes);
  EXPECT_FALSE(flows.QueryExit());
  newImage(2);
  EXPECT_TRUE(flows.QueryExit());
  EXPECT_EQ(boxes.codes(), (std::vector<int>{16, 16}));
}

TEST_F(UnsavedChangesTest, CloseKeyAsksBeforeDroppingChanges) {
  boxes.then(AnswerCancel);
  flows.CloseImageAsked();
  EXPECT_TRUE(ws.file.isOpen());

  boxes.then(AnswerNo);
  flows.CloseImageAsked();
  EXPECT_FALSE(ws.file.isOpen());
  EXPECT_FALSE(editSaved());
  EXPECT_EQ(boxes.codes(), (std::vector<int>{11, 11}));
}

TEST_F(FlowTest, CloseKeyWithoutChangesClosesAtOnce) {
  newImage(3);
  flows.CloseImageAsked();
  EXPECT_FALSE(ws.file.isOpen());
  EXPECT_TRUE(boxes.shown().empty());
}
