// MainWindowServices for flow tests: scripted file windows and a record of
// the hooks the flows called.
#pragma once

#include <deque>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "editor/workflow/main_window_services.h"
#include "model/document_file.h"

namespace nastrum {

class FakeWindowServices final : public MainWindowServices {
 public:
  // Answers of the next file windows; std::nullopt is "Отмена".
  std::deque<std::optional<QString>> openAnswers;
  std::deque<std::optional<QString>> saveAnswers;

  std::vector<QString> proposedSaveNames;
  std::vector<bool> checks;  // withReport of every check run, in order
  const DocumentFile* file = nullptr;  // the settings' file, as each check found it:
  std::vector<QString> checkedFileNames;
  int openWindowsShown = 0;
  int checkWindowsClosed = 0;
  int correctionPrompts = 0;
  int viewTablesFilled = 0;
  std::vector<Word> kindChoicesFilled;

  std::optional<QString> chooseFileToOpen() override {
    ++openWindowsShown;
    if (openAnswers.empty()) {
      ADD_FAILURE() << "unexpected file-open window";
      return std::nullopt;
    }
    auto answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
  }
  std::optional<QString> chooseFileToSave(const QString& proposedPath) override {
    proposedSaveNames.push_back(proposedPath);
    if (saveAnswers.empty()) {
      ADD_FAILURE() << "unexpected file-save window";
      return std::nullopt;
    }
    auto answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
  }
  void closeCheckWindows() override { ++checkWindowsClosed; }
  void runCheck(bool withReport) override {
    checks.push_back(withReport);
    if (file) checkedFileNames.push_back(file->fileName());
  }
  void showCorrectionPrompt() override { ++correctionPrompts; }
  void fillKindChoices(Word kind) override { kindChoicesFilled.push_back(kind); }
  void fillViewTables() override { ++viewTablesFilled; }
};

}  // namespace nastrum
