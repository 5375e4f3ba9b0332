#include "editor/workflow/main_layout.h"

namespace nastrum {

MainLayout computeMainLayout(const Workspace& workspace, const MainWindowState& state) {
  MainLayout layout;
  const bool loaded = workspace.file.isOpen();
  const KindProfile& kind = kindProfile(workspace.image.deviceKind);

  layout.paramsMenuVisible = loaded;
  layout.mapsMenuVisible = loaded;
  layout.modeButtonsVisible = loaded;
  layout.setupEnabled = loaded;
  layout.saveAsEnabled = loaded;
  layout.closeEnabled = loaded;
  layout.writeEnabled = loaded;
  layout.saveEnabled = loaded && (workspace.file.isModified() || state.saveOffered);

  layout.editorPagesVisible = loaded && state.pages == PageSet::Editor;
  layout.viewPagesVisible = loaded && state.pages == PageSet::View;
  layout.regulatorPageVisible = kind.hasLogicFlags;
  layout.regulatorDesktopPageVisible = kind.hasDesktop;
  layout.viewRegulatorPageVisible = kind.hasViewRegulators();
  layout.mapItemVisible = kind.maps;

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
