#include "editor/ui/page_host.h"

namespace nastrum {

PageHost::PageHost(Tbase_form& mainWindow) : main_(mainWindow) {
  MainWindowHooks& hooks = main_.hooks();
  hooks.refreshEditorPagesHook = [this] { showEditorPages(); };
  hooks.fillKindChoicesHook = [this](Word kind) { fillKindChoices(kind); };
  hooks.fillViewTablesHook = [this] { showViewPages(); };
}

PageHost::~PageHost() {
  MainWindowHooks& hooks = main_.hooks();
  hooks.refreshEditorPagesHook = nullptr;
  hooks.fillKindChoicesHook = nullptr;
  hooks.fillViewTablesHook = nullptr;
}

}  // namespace nastrum
