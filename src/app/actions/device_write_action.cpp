#include "app/actions/device_write_action.h"

#include "descriptors/desktop_steps.h"
#include "editor/ui/base_form.h"
#include "link/runs/exchange_mode.h"
#include "link/runs/names_layout.h"
#include "link/ui/exchange_window.h"
#include "link/write/ui/write_group_window.h"
#include "model/kind_profile.h"
#include "model/message_catalogue.h"

namespace nastrum {

namespace {

constexpr int kCheckFoundErrorsMessage = 67;
constexpr int kConstantsItem = 0;
constexpr int kNamesItem = 1;

}  // namespace

DeviceWriteAction::DeviceWriteAction(Workspace& workspace, MessagePresenter& presenter, Tbase_form& mainWindow,
                                     ExchangeWindow& exchangeWindow, QObject* parent)
    : QObject(parent),
      workspace_(workspace),
      presenter_(presenter),
      main_(mainWindow),
      exchange_(exchangeWindow),
      groups_(new WriteGroupWindow(&mainWindow)) {
  // The run writes what the group window returned; the exchange window only shows it.
  exchange_.setModeRun(kWriteMode, [this](RunContext& ctx, int /*choice*/) {
    PresenterWriteAnswerer answers(ctx.presenter);
    const DeviceWriteOutcome outcome = RunDeviceWrite(ctx, request_, answers);
    return RunOutcome{outcome.result, false};
  });
  connect(&main_, &Tbase_form::writeRequested, this, &DeviceWriteAction::start);
  main_.setWriteAvailable(true);  // "Запись в ОРВИК" is live from now on
}

bool DeviceWriteAction::checkAllowsWrite() {
  main_.hooks().runCheck(true);
  const bool errors = workspace_.image.sys(sys::CheckErrorsMark) != 0;
  if (!errors || workspace_.editor.accessLevel == 1) return true;
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
  if (!workspace_.editor.fileOpen) return;
  main_.flows().HidePageSets();
  main_.hooks().closeCheckWindows();
  workspace_.run.exchangeMode = kWriteMode;
  main_.refresh();

  if (!checkAllowsWrite()) {
    main_.refresh();
    return;
  }
  const int kind = workspace_.image.deviceKind;
  if (kindProfile(kind).hasDesktop) {
    workspace_.editor.suppressEvents = false;
    CloseDesktopGaps(workspace_.image.names);
  }

  const std::optional<WriteRequest> request = groups_->choose(kind);
  main_.refresh();
  if (!request) return;
  if (request->choice == WriteChoice::Names && !blankNamesAllowed()) return;
  request_ = *request;
  exchange_.openModal(kWriteMode, request->choice == WriteChoice::Names ? kNamesItem : kConstantsItem);
  main_.refresh();
}

}  // namespace nastrum
