#include "editor/workflow/main_window_state.h"

#include "model/kind_profile.h"

namespace nastrum {

ViewPage viewPageFor(EditorPage page) {
  switch (page) {
    case EditorPage::Pipelines: return ViewPage::Pipelines;
    case EditorPage::Archives: return ViewPage::Archives;
    case EditorPage::System: return ViewPage::System;
    case EditorPage::Regulators:
    case EditorPage::RegulatorsDesktop: return ViewPage::Regulators;
    case EditorPage::Sensors:
    case EditorPage::Time: return ViewPage::Sensors;
  }
  return ViewPage::Sensors;
}

EditorPage editorPageFor(ViewPage page, Word kind) {
  switch (page) {
    case ViewPage::Pipelines: return EditorPage::Pipelines;
    case ViewPage::Archives: return EditorPage::Archives;
    case ViewPage::System: return EditorPage::System;
    case ViewPage::Regulators: {
      const KindProfile& profile = kindProfile(kind);
      if (profile.hasLogicFlags) return EditorPage::Regulators;
      if (profile.hasDesktop) return EditorPage::RegulatorsDesktop;
      return EditorPage::Sensors;  // a kind without a regulator page
    }
    case ViewPage::Sensors: return EditorPage::Sensors;
  }
  return EditorPage::Sensors;
}

}  // namespace nastrum
