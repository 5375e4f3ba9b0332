// One settings check from start to end, as every caller runs it: report file,
// rule evaluation, the marks in the image and editor state, the windows, and
// the automatic correction that follows.
#pragma once

#include <functional>

#include <QString>

#include "check/check_result.h"
#include "check/check_view.h"
#include "model/message_presenter.h"
#include "model/workspace.h"

namespace nastrum {

// Where the report goes and which moment its header names; tests inject both.
struct ReportTarget {
  QString path = QStringLiteral("Report.txt");  // relative: the current directory
  std::function<QString()> dateTime;             // empty: the local clock
};

// Records a check's outcome in the image and the editor state: the error mark
// stored with the settings, the privileged mark cleared by a clean check, and
// CheckFailed, which refuses setup until the correction has run.
void applyCheckMarks(SettingsImage& image, EditorState& editor, const CheckResult& result);

class CheckSession {
 public:
  CheckSession(Workspace& workspace, MessagePresenter& presenter, CheckView& view, ReportTarget report = {});

  // Runs every rule; with a report writes it and answers a clean check with a
  // message. Returns false only when the report could not be created (message
  // 62 was shown and nothing changed).
  bool RunCheck(bool withReport);

  // "Проверка": a beep, then the check with report.
  void checkWithReport();

  // "Исправить автоматически": repairs what the last check flagged as
  // repairable, then checks again with report.
  void repair();

  // "Не исправлять" in the prompt: offers the correction in the error window.
  void declineRepair();

  const CheckResult& lastResult() const { return last_; }

 private:
  Workspace& workspace_;
  MessagePresenter& presenter_;
  CheckView& view_;
  ReportTarget report_;
  CheckResult last_;
};

}  // namespace nastrum
