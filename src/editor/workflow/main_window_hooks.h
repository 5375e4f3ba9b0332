// MainWindowServices made of replaceable functions: the main window fills the
// file windows, and the other areas (check, pages, exchange, maps) install
// their parts when they are wired in. An unset hook does nothing.
#pragma once

#include <functional>

#include "editor/workflow/main_window_services.h"

namespace nastrum {

class MainWindowHooks final : public MainWindowServices {
 public:
  std::function<std::optional<QString>()> chooseOpen;
  std::function<std::optional<QString>(const QString&)> chooseSave;
  std::function<void()> closeCheckWindowsHook;
  std::function<void(bool withReport)> runCheckHook;
  std::function<void()> correctionPromptHook;
  std::function<void()> refreshEditorPagesHook;
  std::function<void(Word kind)> fillKindChoicesHook;
  std::function<void()> clearExchangeLogHook;
  std::function<void()> fillViewTablesHook;

  std::optional<QString> chooseFileToOpen() override { return chooseOpen ? chooseOpen() : std::nullopt; }
  std::optional<QString> chooseFileToSave(const QString& proposedPath) override {
    return chooseSave ? chooseSave(proposedPath) : std::nullopt;
  }
  void closeCheckWindows() override { call(closeCheckWindowsHook); }
  void runCheck(bool withReport) override {
    if (runCheckHook) runCheckHook(withReport);
  }
  void showCorrectionPrompt() override { call(correctionPromptHook); }
  void refreshEditorPages() override { call(refreshEditorPagesHook); }
  void fillKindChoices(Word kind) override {
    if (fillKindChoicesHook) fillKindChoicesHook(kind);
  }
  void clearExchangeLog() override { call(clearExchangeLogHook); }
  void fillViewTables() override { call(fillViewTablesHook); }

 private:
  static void call(const std::function<void()>& hook) {
    if (hook) hook();
  }
};

}  // namespace nastrum
