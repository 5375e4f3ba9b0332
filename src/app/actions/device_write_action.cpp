#include "app/actions/device_write_action.h"

#include "descriptors/desktop_steps.h"
#include "editor/ui/base_form.h"
#include "link/runs/exchange_mode.h"
#include "link/runs/names_layout.h"
#include "link/safe_write/ui/write_changes.h"
#include "link/safe_write/ui/write_preview_dialog.h"
#include "link/write/changed_items.h"
#include "link/ui/exchange_window.h"
#include "link/write/ui/write_group_window.h"
#include "model/kind_profile.h"
#include "model/message_catalogue.h"
#include "model/settings_files.h"
#include "model/settings_record.h"

namespace nastrum {

namespace {

constexpr int kCheckFoundErrorsMessage = 67;
constexpr int kConstantsItem = 0;
constexpr int kNamesItem = 1;

}  // namespace

DeviceWriteAction::DeviceWriteAction(Workspace& workspace, MessagePresenter& presenter, Tbase_form& mainWindow,
                                     RunCheck runCheck, ExchangeWindow& exchangeWindow, QObject* parent)
    : QObject(parent),
      workspace_(workspace),
      presenter_(presenter),
      main_(mainWindow),
      runCheck_(std::move(runCheck)),
      exchange_(exchangeWindow),
      groups_(new WriteGroupWindow(&mainWindow)) {
  // The run writes what the group window returned; the exchange window only shows it.
  exchange_.setModeRun(kWriteMode, [this](RunContext& ctx, int /*choice*/) { return runWrite(ctx); });
  confirm_ = [this](const WritePreview& preview) { return confirmInWindow(preview); };
  connect(&main_, &Tbase_form::writeRequested, this, &DeviceWriteAction::start);
  main_.setWriteAvailable(true);  // "Запись в ОРВИК" is live from now on
}

RunOutcome DeviceWriteAction::runWrite(RunContext& ctx) {
  PresenterWriteAnswerer answers(ctx.presenter);
  SafeWriteOptions options;
  options.backupRoot = ctx.settings.backupRoot;
  options.changedOnly = groups_->changedOnly();
  options.verify = groups_->verify();
  SafeWriteOutcome outcome = RunSafeWrite(ctx, request_, options, answers, confirm_);
  if (outcome.cancelled || outcome.nothingToChange)
    lastDevice_ = std::move(outcome.held);
  else
    lastDevice_.reset();
  if (outcome.succeeded() && !outcome.nothingToChange) markModifiedUnlessSaved();
  // A write never counts as a finished read.
  return RunOutcome{outcome.result, false, outcome.portFailed};
}

bool DeviceWriteAction::confirmInWindow(const WritePreview& preview) {
  WritePreviewDialog dialog(preview, WriteChangesComparison(preview, workspace_.file.fileName()), &exchange_);
  return dialog.exec() == QDialog::Accepted;
}

void DeviceWriteAction::markModifiedUnlessSaved() {
  const QString path = workspace_.file.fileName();
  SettingsImage onDisk;
  EditorState editor;
  const bool same = !path.isEmpty() && readSettingsPair(path, onDisk, editor).ok() &&
                    encodeSettingsRecord(onDisk) == encodeSettingsRecord(workspace_.image) &&
                    encodeNamesRecord(onDisk.names) == encodeNamesRecord(workspace_.image.names);
  if (!same && !workspace_.file.isModified()) main_.flows().markModified();
}

bool DeviceWriteAction::checkAllowsWrite() {
  // A check that could not create its report (message 62 said so) ran no
  // rule: the mark an earlier check left says nothing of the settings now.
  const bool ran = runCheck_(true);
  if (workspace_.editor.accessLevel == 1) return true;
  if (!ran) return false;
  if (workspace_.image.sys(sys::CheckErrorsMark) == 0) return true;
  ShowMessageCode(presenter_, kCheckFoundErrorsMessage);
  return false;
}

bool DeviceWriteAction::blankNamesAllowed() {
  if (!NamesAreBlank(workspace_.image.names)) return true;
  const int answer = presenter_.present(programMessage(
      QStringLiteral("В открытых настройках нет ни одного имени: имена не считывались с ОРВИК и не вводились.\n"
                     "Запись заменит все имена в ОРВИК пустыми.\n\n"
                     "Считать сначала имена с ОРВИК?\n"
                     "«Да» — считать имена с ОРВИК, «Нет» — записать пустые имена, «Отмена» — ничего не записывать."),
      MessageIcon::Warning, MessageButtons::YesNoCancel));
  if (answer == AnswerYes) emit namesReadWanted();
  return answer == AnswerNo;
}

void DeviceWriteAction::start() {
  if (!workspace_.file.isOpen()) return;
  main_.flows().HidePageSets();
  main_.closeCheckWindows();
  workspace_.run.exchangeMode = kWriteMode;
  main_.refresh();

  if (!checkAllowsWrite()) {
    main_.refresh();
    return;
  }
  const int kind = workspace_.image.deviceKind;
  if (kindProfile(kind).hasDesktop) CloseDesktopGaps(workspace_.image.names);

  std::optional<WriteGroups> differing;
  if (lastDevice_ && lastDevice_->deviceKind == kind) differing = DifferingGroups(kind, workspace_.image, *lastDevice_);
  const std::optional<WriteRequest> request = groups_->choose(kind, differing);
  main_.refresh();
  if (!request) return;
  if (request->choice == WriteChoice::Names && !blankNamesAllowed()) return;
  request_ = *request;
  exchange_.openModal(kWriteMode, request->choice == WriteChoice::Names ? kNamesItem : kConstantsItem);
  main_.refresh();
}

}  // namespace nastrum
