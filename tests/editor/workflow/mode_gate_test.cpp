#include "editor/workflow/flow_fixture.h"

using namespace nastrum;

TEST_F(FlowTest, SetupIsRefusedWhileTheCheckLeftRepairableErrors) {
  newImage(2);
  ws.editor.checkFailed = true;
  flows.EnterSetup();
  EXPECT_EQ(window.correctionPrompts, 1);
  EXPECT_EQ(flows.state().pages, PageSet::None);

  flows.EnterView();
  EXPECT_EQ(flows.state().pages, PageSet::View) << "the view mode stays possible";
}

TEST_F(FlowTest, SetupPreparesThePagesOfTheKind) {
  newImage(3);
  window.kindChoicesFilled.clear();
  ws.run.exchangeMode = 3;
  flows.EnterSetup();
  EXPECT_EQ(flows.state().pages, PageSet::Editor);
  EXPECT_EQ(window.kindChoicesFilled, std::vector<Word>{3});
  EXPECT_EQ(ws.run.exchangeMode, 0);
  EXPECT_TRUE(flows.layout().editorPagesVisible);
  EXPECT_FALSE(flows.layout().viewPagesVisible);
}

TEST_F(FlowTest, ModesOpenOnTheMatchingPage) {
  struct Case {
    Word kind;
    ViewPage lastView;
    EditorPage expected;
  };
  const Case toSetup[] = {
      {2, ViewPage::Regulators, EditorPage::Regulators},
      {3, ViewPage::Regulators, EditorPage::RegulatorsDesktop},
      {1, ViewPage::Regulators, EditorPage::Sensors},
      {2, ViewPage::System, EditorPage::System},
  };
  for (const Case& c : toSetup) {
    newImage(c.kind);
    flows.setViewPage(c.lastView);
    flows.setPipelinePage(PipelinePage::ConnectedSensors);
    flows.EnterSetup();
    EXPECT_EQ(flows.state().editorPage, c.expected) << "kind " << c.kind;
    EXPECT_EQ(flows.state().pipelinePage, PipelinePage::Description);
    EXPECT_EQ(flows.state().viewPage, ViewPage::Sensors);
  }

  const std::pair<EditorPage, ViewPage> toView[] = {
      {EditorPage::Time, ViewPage::Sensors},
      {EditorPage::RegulatorsDesktop, ViewPage::Regulators},
      {EditorPage::Archives, ViewPage::Archives},
  };
  for (const auto& [editorPage, expected] : toView) {
    flows.setEditorPage(editorPage);
    flows.EnterView();
    EXPECT_EQ(flows.state().viewPage, expected);
    EXPECT_EQ(flows.state().pages, PageSet::View);
  }
}

TEST_F(FlowTest, ViewNeverOpensOnARegulatorPageTheKindLacks) {
  newImage(2);
  flows.setEditorPage(EditorPage::Regulators);
  ws.image.deviceKind = 1;  // a file of the small model opened since
  flows.EnterView();
  EXPECT_EQ(flows.state().viewPage, ViewPage::Sensors);
  EXPECT_EQ(flows.state().pages, PageSet::View);
}

TEST_F(FlowTest, CheckHidesThePagesAndNeedsAnImage) {
  flows.CheckSettings();
  flows.EnterSetup();
  flows.EnterView();
  EXPECT_TRUE(window.checks.empty());
  EXPECT_EQ(flows.state().pages, PageSet::None);
  EXPECT_EQ(window.viewTablesFilled, 0);

  newImage(2);
  flows.EnterSetup();
  window.checks.clear();
  flows.CheckSettings();
  EXPECT_EQ(window.checks, std::vector<bool>{true});
  EXPECT_EQ(flows.state().pages, PageSet::None);
}
