#include <gtest/gtest.h>

#include "editor/workflow/main_layout.h"
#include "editor/workflow/settings_document.h"

using namespace nastrum;

namespace {

// An open image, as made and perhaps edited through its document.
Workspace loaded(Word kind, bool modified = false) {
  Workspace ws;
  ws.image.deviceKind = kind;
  SettingsDocument document(ws);
  document.openUnnamed();
  if (modified) document.markModified();
  return ws;
}

}  // namespace

TEST(MainLayout, NoImageOffersOnlyTheFileMenuStartItems) {
  const MainLayout l = computeMainLayout(Workspace{}, MainWindowState{});
  EXPECT_TRUE(l.fileMenuVisible && l.helpMenuVisible && l.toolBarVisible && l.readEnabled && l.saveVisible);
  EXPECT_FALSE(l.saveEnabled || l.saveAsEnabled || l.writeEnabled || l.closeEnabled);
  EXPECT_FALSE(l.paramsMenuVisible || l.mapsMenuVisible || l.modeButtonsVisible);
  EXPECT_FALSE(l.editorPagesVisible || l.viewPagesVisible || l.kindGroupVisible || l.diagnosticsVisible);
}

TEST(MainLayout, LoadedImageOpensMenusAndSaveFollowsModified) {
  MainLayout l = computeMainLayout(loaded(2), MainWindowState{});
  EXPECT_TRUE(l.paramsMenuVisible && l.mapsMenuVisible && l.modeButtonsVisible && l.setupEnabled);
  EXPECT_TRUE(l.saveAsEnabled && l.writeEnabled && l.closeEnabled);
  EXPECT_FALSE(l.saveEnabled);
  EXPECT_FALSE(l.editorPagesVisible || l.viewPagesVisible);  // until a mode is chosen

  l = computeMainLayout(loaded(2, true), MainWindowState{});
  EXPECT_TRUE(l.saveEnabled);
}

TEST(MainLayout, KindDecidesMapItemsAndRegulatorPages) {
  struct Case {
    Word kind;
    std::array<bool, kMapCount> maps;
    bool regulators, regulatorsDesktop, viewRegulators;
  };
  const Case cases[] = {
      {1, {true, true, true, true, true, true, false, false, true, false, false}, false, false, false},
      {2, {true, true, true, true, true, true, true, true, true, true, false}, true, false, true},
      {3, {true, true, true, true, true, true, true, true, true, false, true}, false, true, true},
  };
  for (const Case& c : cases) {
    const MainLayout l = computeMainLayout(loaded(c.kind), MainWindowState{});
    EXPECT_EQ(l.mapItemVisible, c.maps) << "kind " << c.kind;
    EXPECT_EQ(l.regulatorPageVisible, c.regulators) << "kind " << c.kind;
    EXPECT_EQ(l.regulatorDesktopPageVisible, c.regulatorsDesktop) << "kind " << c.kind;
    EXPECT_EQ(l.viewRegulatorPageVisible, c.viewRegulators) << "kind " << c.kind;
  }
}

TEST(MainLayout, ChoosingTheKindHidesMenusToolBarAndPages) {
  MainWindowState state;
  state.choosingKind = true;
  state.pages = PageSet::Editor;
  const MainLayout l = computeMainLayout(loaded(2, true), state);
  EXPECT_TRUE(l.kindGroupVisible);
  EXPECT_FALSE(l.fileMenuVisible || l.helpMenuVisible || l.toolBarVisible || l.saveVisible);
  EXPECT_FALSE(l.paramsMenuVisible || l.mapsMenuVisible || l.modeButtonsVisible || l.writeEnabled);
  EXPECT_FALSE(l.editorPagesVisible || l.viewPagesVisible);
}

TEST(MainLayout, AtMostOnePageSetAndDiagnosticsInSpyMode) {
  Workspace ws = loaded(3);
  MainWindowState state;
  state.pages = PageSet::View;
  MainLayout l = computeMainLayout(ws, state);
  EXPECT_TRUE(l.viewPagesVisible);
  EXPECT_FALSE(l.editorPagesVisible);
  EXPECT_FALSE(l.diagnosticsVisible);
  ws.editor.spyMode = true;
  state.pages = PageSet::Editor;
  l = computeMainLayout(ws, state);
  EXPECT_TRUE(l.editorPagesVisible && l.diagnosticsVisible);
  EXPECT_FALSE(l.viewPagesVisible);
}
