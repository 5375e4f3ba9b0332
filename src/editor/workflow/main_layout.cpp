#include "editor/workflow/main_layout.h"

namespace nastrum {

MainLayout computeMainLayout(const Workspace& workspace, const MainWindowState& state) {
  MainLayout layout;
  const bool loaded = workspace.editor.fileOpen;
  const Word kind = workspace.image.deviceKind;

  layout.paramsMenuVisible = loaded;
  layout.mapsMenuVisible = loaded;
  layout.modeButtonsVisible = loaded;
  layout.setupEnabled = loaded;
  layout.saveAsEnabled = loaded;
  layout.closeEnabled = loaded;
  layout.writeEnabled = loaded;
  layout.saveEnabled = loaded && (workspace.editor.modified || state.saveOffered);

  layout.editorPagesVisible = loaded && state.pages == PageSet::Editor;
  layout.viewPagesVisible = loaded && state.pages == PageSet::View;
  layout.regulatorPageVisible = kind == 2;
  layout.regulatorDesktopPageVisible = kind == 3;
  layout.viewRegulatorPageVisible = kind == 2 || kind == 3;

  for (int item = 1; item <= kMapCount; ++item) {
    bool shown = true;
    if (item == 7 || item == 8) shown = kind != 1;
    if (item == 10) shown = kind == 2;
    if (item == 11) shown = kind == 3;
    layout.mapItemVisible[static_cast<std::size_t>(item - 1)] = shown;
  }

  if (state.choosingKind) {
    layout.kindGroupVisible = true;
    layout.fileMenuVisible = false;
    layout.helpMenuVisible = false;
    layout.toolBarVisible = false;
    layout.saveVisible = false;
    layout.paramsMenuVisible = false;
    layout.mapsMenuVisible = false;
    layout.modeButtonsVisible = false;
    layout.writeEnabled = false;
    layout.editorPagesVisible = false;
    layout.viewPagesVisible = false;
  }

  layout.diagnosticsVisible = workspace.editor.spyMode;
  return layout;
}

}  // namespace nastrum
