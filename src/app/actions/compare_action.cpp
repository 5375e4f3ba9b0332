#include "app/actions/compare_action.h"

#include "compare/ui/compare_window.h"
#include "editor/ui/base_form.h"
#include "editor/ui/file_dialogs.h"
#include "link/read/device_read_job.h"
#include "link/read/read_reach.h"
#include "link/ui/exchange_window.h"
#include "model/hex_text.h"

namespace nastrum {

CompareAction::CompareAction(Workspace& workspace, MessagePresenter& messages, FileDialogs& files,
                             Tbase_form& mainWindow, ExchangeWindow& exchangeWindow, QObject* parent)
    : QObject(parent), workspace_(workspace), exchange_(exchangeWindow) {
  CompareWindowHooks hooks;
  hooks.chooseSettings = [&files] { return files.openSettingsPath(); };
  hooks.readDevice = [this](bool& namesRead) { return readDevice(namesRead); };
  hooks.showSetup = [&mainWindow](const SetupPlace& place) { mainWindow.showSetupAt(place); };
  hooks.choosePdfPath = [this](const QString& proposed) {
    return choosePdfPath(window_.get(), settings_, QStringLiteral("folders/comparePdf"),
                         QStringLiteral("Сохранить в PDF"), proposed);
  };
  window_ = std::make_unique<CompareWindow>(workspace, messages, std::move(hooks), &mainWindow);
  connect(&mainWindow, &Tbase_form::compareRequested, window_.get(), &CompareWindow::open);
}

CompareAction::~CompareAction() = default;

std::optional<OtherSettings> CompareAction::readDevice(bool& namesRead) {
  DeviceReadJob job;
  // The exchange window's read mode runs this read while it is open here;
  // the read action puts its own run back when it opens the window.
  exchange_.setModeRun(kReadMode, [&job](RunContext& ctx, int item) {
    const ReadChoice choice = item == 1 ? ReadChoice::Names : ReadChoice::Constants;
    return job.run(ctx, choice);
  });
  exchange_.openModal(kReadMode);
  exchange_.setModeRun(kReadMode, {});
  const SettingsImage* read = job.result();
  if (!read) return std::nullopt;

  namesRead = job.choice() == ReadChoice::Names;
  OtherSettings other;
  other.image = *read;
  other.name = QStringLiteral("ОРВИК №") + HexWord(workspace_.run.factoryNumber);
  other.scope = namesRead ? NamesReadReach(read->deviceKind) : ConstantsReadReach(read->deviceKind);
  other.fromDevice = true;
  return other;
}

}  // namespace nastrum
