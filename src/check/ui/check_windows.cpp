#include "check/ui/check_windows.h"

#include <QApplication>

#include "editor/workflow/fault_place.h"

namespace nastrum {

CheckWindows::CheckWindows(Workspace& workspace, MessagePresenter& presenter, QWidget* parent, CheckWindowHooks hooks,
                           ReportTarget report)
    : QObject(parent),
      workspace_(workspace),
      hooks_(std::move(hooks)),
      window_(new ErrorWindow(parent)),
      prompt_(new CorrectionPrompt(parent)),
      session_(workspace, presenter, *this, std::move(report)) {
  connect(window_, &ErrorWindow::checkRequested, this, [this] { session_.RunCheck(true); });
  connect(window_, &ErrorWindow::rowChosen, this, [this](int row) {
    const QList<CheckError>& errors = session_.lastResult().errors;
    if (row < 0 || row >= errors.size()) return;
    if (const std::optional<SetupPlace> place = faultPlace(errors[row])) emit faultChosen(*place);
  });
  connect(window_, &ErrorWindow::closed, this, [this] { windowOpen_ = false; });
  connect(window_, &ErrorWindow::repairRequested, this, &CheckWindows::repair);
  connect(prompt_, &CorrectionPrompt::repairRequested, this, &CheckWindows::repair);
  connect(prompt_, &CorrectionPrompt::declined, this, [this] { session_.declineRepair(); });
}

CheckWindows::~CheckWindows() = default;

void CheckWindows::repair() {
  session_.repair();
  emit imageRepaired();
}

bool CheckWindows::runCheck(bool withReport) { return session_.RunCheck(withReport); }

void CheckWindows::checkWithReport() { session_.checkWithReport(); }

bool CheckWindows::allowSetup() {
  if (!workspace_.editor.checkFailed) return true;
  prompt_->exec();
  return false;
}

void CheckWindows::closeWindows() {
  closeCorrectionPrompt();
  closeErrorWindow();
}

void CheckWindows::beep() {
  if (hooks_.beep)
    hooks_.beep();
  else
    QApplication::beep();
}

void CheckWindows::hidePageSets() {
  if (hooks_.hidePageSets) hooks_.hidePageSets();
}

void CheckWindows::showErrors(const CheckResult& result, bool spyMode) {
  window_->setFileName(workspace_.file.fileName());
  window_->showResult(result, spyMode);
  window_->show();
  window_->raise();
  windowOpen_ = true;
}

void CheckWindows::closeErrorWindow() {
  window_->close();
  windowOpen_ = false;
}

void CheckWindows::setCorrectionButtonVisible(bool visible) { window_->setCorrectionButtonVisible(visible); }

void CheckWindows::showCorrectionPrompt() {
  if (prompt_->isVisible()) return;  // shown modally already
  prompt_->show();
  prompt_->raise();
}

void CheckWindows::closeCorrectionPrompt() {
  if (prompt_->isVisible()) prompt_->done(QDialog::Accepted);
}

void CheckWindows::enableSetup() {
  if (hooks_.enableSetup) hooks_.enableSetup();
}

}  // namespace nastrum
