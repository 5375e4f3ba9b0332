#include "check/check_session.h"

#include <QFile>

#include "check/check_report.h"
#include "check/check_rules.h"
#include "check/repair_image.h"
#include "model/message_catalogue.h"

namespace nastrum {

void applyCheckMarks(SettingsImage& image, EditorState& editor, const CheckResult& result) {
  editor.checkFailed = result.checkFailed();
  if (result.clean()) {
    image.sys(sys::PrivilegedMark) = 0;
    image.sys(sys::CheckErrorsMark) = 0;
  } else {
    image.sys(sys::CheckErrorsMark) = 1;
  }
}

CheckSession::CheckSession(Workspace& workspace, MessagePresenter& presenter, CheckView& view, ReportTarget report)
    : workspace_(workspace), presenter_(presenter), view_(view), report_(std::move(report)) {}

bool CheckSession::RunCheck(bool withReport) {
  view_.hidePageSets();

  QFile reportFile(report_.path);
  if (withReport && !reportFile.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    ShowMessageCode(presenter_, 62);
    return false;
  }

  const ReportHeader header{workspace_.image.deviceKind, workspace_.file.fileName(),
                            report_.dateTime ? report_.dateTime() : reportDateTime(QDateTime::currentDateTime())};
  last_ = evaluateRules(workspace_.image, workspace_.editor.spyMode);
  applyCheckMarks(workspace_.image, workspace_.editor, last_);

  if (withReport) {
    const QByteArray bytes = reportBytes(header, last_);
    if (reportFile.write(bytes) != bytes.size() || !reportFile.flush()) ShowMessageCode(presenter_, 62);
    reportFile.close();
  }

  if (last_.clean()) {
    if (withReport)
      presenter_.present(MessageBoxSpec{0, QStringLiteral("Итог проверки"), QStringLiteral("Проверка ошибок не обнаружила."),
                                        MessageIcon::Information, MessageButtons::Ok});
    view_.closeErrorWindow();
    view_.enableSetup();
    return true;
  }

  view_.showErrors(last_, workspace_.editor.spyMode);
  // With repairable rows the prompt offers the correction; the window's own
  // button waits for "Не исправлять".
  view_.setCorrectionButtonVisible(false);
  if (last_.checkFailed()) view_.showCorrectionPrompt();
  return true;
}

void CheckSession::checkWithReport() {
  view_.beep();
  RunCheck(true);
}

void CheckSession::repair() {
  RepairImage(workspace_.image, last_);
  workspace_.editor.checkFailed = false;
  view_.setCorrectionButtonVisible(false);
  checkWithReport();
  // A repair that uncovers new repairable errors leaves the new prompt open.
  if (!workspace_.editor.checkFailed) view_.closeCorrectionPrompt();
}

void CheckSession::declineRepair() {
  view_.setCorrectionButtonVisible(true);
  view_.closeCorrectionPrompt();
}

}  // namespace nastrum
