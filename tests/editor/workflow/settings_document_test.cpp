// The document's signals as the file operations and the edits drive them.
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
    QObject::connect(&document, &SettingsDocument::replaced, [this](Word) { ++replaced; });
    QObject::connect(&document, &SettingsDocument::kindChanged, [this](Word kind) { kinds.push_back(kind); });
    QObject::connect(&document, &SettingsDocument::modifiedChanged, [this](bool on) { modified.push_back(on); });
  }

  int replaced = 0;
  std::vector<Word> kinds;
  std::vector<bool> modified;
};

TEST_F(SettingsDocumentTest, FileOperationsAndEditsAnnounceThemselves) {
  namedImage(3, dir.path("plant.bfm"));
  EXPECT_EQ(replaced, 1);
  EXPECT_EQ(kinds, std::vector<Word>{3});
  EXPECT_TRUE(modified.empty()) << "a new image is not modified";

  flows.markModified();
  flows.markModified();
  EXPECT_EQ(modified, std::vector<bool>{true}) << "only a change of the flag is announced";
  ASSERT_TRUE(flows.SaveImage());
  EXPECT_EQ(modified, (std::vector<bool>{true, false}));

  window.openAnswers.push_back(dir.path("plant.bfm"));
  flows.OpenImage();
  EXPECT_EQ(replaced, 2);
  EXPECT_EQ(kinds, std::vector<Word>{3}) << "the same kind again";

  boxes.then(AnswerOk);  // message 2
  window.openAnswers.push_back(dir.path("missing.bfm"));
  flows.OpenImage();
  EXPECT_EQ(replaced, 2) << "a file that could not be read leaves the image as it was";

  newImage(1);
  EXPECT_EQ(replaced, 3);
  EXPECT_EQ(kinds, (std::vector<Word>{3, 1}));

  flows.markModified();
  boxes.then(AnswerNo);  // message 11: close without saving
  flows.CloseImageAsked();
  EXPECT_EQ(replaced, 4);
  EXPECT_EQ(modified, (std::vector<bool>{true, false, true, false}));
  EXPECT_FALSE(flows.document().isOpen());
  EXPECT_TRUE(boxes.allAnswered());
}

TEST_F(SettingsDocumentTest, AnEditThatSetTheFlagItselfIsStillAnnounced) {
  newImage(2);
  ws.editor.modified = true;  // as a page's rules do before the page tells
  flows.markModified();
  EXPECT_EQ(modified, std::vector<bool>{true});
}

}  // namespace
}  // namespace nastrum
