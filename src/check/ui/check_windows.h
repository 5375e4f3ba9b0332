// The check as the main window uses it: the session bound to the error
// window and the correction prompt. The main window supplies what the check
// does to it (hiding the page sets, enabling "Настройка").
#pragma once

#include <functional>

#include <QObject>

#include "check/check_session.h"
#include "check/ui/correction_prompt.h"
#include "check/ui/error_window.h"
#include "editor/workflow/setup_place.h"

namespace nastrum {

struct CheckWindowHooks {
  std::function<void()> hidePageSets;
  std::function<void()> enableSetup;
  std::function<void()> beep;  // empty: the system beep
};

class CheckWindows : public QObject, private CheckView {
  Q_OBJECT
 public:
  CheckWindows(Workspace& workspace, MessagePresenter& presenter, QWidget* parent, CheckWindowHooks hooks = {},
               ReportTarget report = {});
  ~CheckWindows() override;

  // RunCheck with or without report; false when it could not create the
  // report and so ran no rule.
  bool runCheck(bool withReport);
  // "Проверка": a beep, then the check with report.
  void checkWithReport();
  // Setup may be entered; otherwise the correction prompt is shown modally.
  bool allowSetup();
  // A file operation closes the error window (and the prompt with it).
  void closeWindows();
  // "Исправить автоматически" in the prompt or the error window.
  void repair();

  // The automatic correction changed the image (a step of its own).
 signals:
  void imageRepaired();
  // A row of the error window was double-clicked: the setup mode is to open
  // where its fault is.
  void faultChosen(const SetupPlace& place);

 public:
  ErrorWindow& errorWindow() { return *window_; }
  CorrectionPrompt& prompt() { return *prompt_; }
  CheckSession& session() { return session_; }
  bool errorWindowOpen() const { return windowOpen_; }

 private:
  void beep() override;
  void hidePageSets() override;
  void showErrors(const CheckResult& result, bool spyMode) override;
  void closeErrorWindow() override;
  void setCorrectionButtonVisible(bool visible) override;
  void showCorrectionPrompt() override;
  void closeCorrectionPrompt() override;
  void enableSetup() override;

  Workspace& workspace_;
  CheckWindowHooks hooks_;
  ErrorWindow* window_;
  CorrectionPrompt* prompt_;
  CheckSession session_;
  bool windowOpen_ = false;
};

}  // namespace nastrum
