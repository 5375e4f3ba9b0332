// File windows that answer from a script: a path, or std::nullopt for "Отмена".
#pragma once

#include <deque>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "editor/ui/file_dialogs.h"

namespace nastrum {

class ScriptedFileDialogs final : public FileDialogs {
 public:
  std::deque<std::optional<QString>> openAnswers;
  std::deque<std::optional<QString>> saveAnswers;
  std::vector<QString> proposed;

  std::optional<QString> openSettingsPath() override { return next(openAnswers, "file-open"); }
  std::optional<QString> saveSettingsPath(const QString& proposedPath) override {
    proposed.push_back(proposedPath);
    return next(saveAnswers, "file-save");
  }

 private:
  static std::optional<QString> next(std::deque<std::optional<QString>>& answers, const char* what) {
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected " << what << " window";
      return std::nullopt;
    }
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace nastrum
