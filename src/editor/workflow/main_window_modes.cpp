// The gate into the setup ("Настройка") and view ("Просмотр") modes, and the check.
#include "editor/workflow/main_window_flows.h"

#include "model/kind_profile.h"

namespace nastrum {

void MainWindowFlows::EnterSetup() {
  if (!document_.isOpen() || state_.choosingKind) return;
  if (workspace_.editor.checkFailed) {
    window_.showCorrectionPrompt();
    return;
  }
  const Word kind = workspace_.image.deviceKind;
  window_.fillKindChoices(kind);
  workspace_.run.exchangeMode = 0;
  window_.refreshEditorPages();

  state_.editorPage = editorPageFor(state_.viewPage, kind);
  state_.pipelinePage = PipelinePage::Description;
  state_.viewPage = ViewPage::Sensors;
  state_.pages = PageSet::Editor;
}

void MainWindowFlows::EnterView() {
  if (!document_.isOpen() || state_.choosingKind) return;
  window_.fillViewTables();
  ViewPage page = viewPageFor(state_.editorPage);
  // The editor page last shown may belong to a file of another kind opened
  // since; a kind without regulators has no such view page.
  if (page == ViewPage::Regulators && !kindProfile(workspace_.image.deviceKind).hasViewRegulators())
    page = ViewPage::Sensors;
  state_.viewPage = page;
  state_.pages = PageSet::View;
}

void MainWindowFlows::CheckSettings() {
  if (!document_.isOpen() || state_.choosingKind) return;
  window_.runCheck(true);
  state_.pages = PageSet::None;  // the check hides both page sets
}

}  // namespace nastrum
