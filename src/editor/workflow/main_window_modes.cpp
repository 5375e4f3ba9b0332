// The gate into the setup ("Настройка") and view ("Просмотр") modes, and the check.
#include "editor/workflow/main_window_flows.h"

namespace nastrum {

void MainWindowFlows::EnterSetup() {
  if (!workspace_.editor.fileOpen || state_.choosingKind) return;
  if (workspace_.editor.checkFailed) {
    window_.showCorrectionPrompt();
    return;
  }
  const Word kind = workspace_.image.deviceKind;
  window_.fillKindChoices(kind);
  window_.clearExchangeLog();
  workspace_.run.exchangeMode = 0;
  window_.refreshEditorPages();
  workspace_.editor.suppressEvents = false;

  state_.editorPage = editorPageFor(state_.viewPage, kind);
  state_.pipelinePage = PipelinePage::Description;
  state_.viewPage = ViewPage::Sensors;
  state_.pages = PageSet::Editor;
}

void MainWindowFlows::EnterView() {
  if (!workspace_.editor.fileOpen || state_.choosingKind) return;
  window_.fillViewTables();
  state_.viewPage = viewPageFor(state_.editorPage);
  state_.pages = PageSet::View;
}

void MainWindowFlows::CheckSettings() {
  if (!workspace_.editor.fileOpen || state_.choosingKind) return;
  window_.runCheck(true);
  state_.pages = PageSet::None;  // the check hides both page sets
}

}  // namespace nastrum
