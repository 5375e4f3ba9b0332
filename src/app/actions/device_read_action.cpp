#include "app/actions/device_read_action.h"

#include <QLineEdit>

#include "editor/ui/base_form.h"
#include "editor/workflow/device_read_takeover.h"
#include "link/ui/exchange_window.h"

namespace nastrum {

DeviceReadAction::DeviceReadAction(Workspace& workspace, Tbase_form& mainWindow, ExchangeWindow& exchangeWindow,
                                   QObject* parent)
    : QObject(parent), workspace_(workspace), main_(mainWindow), exchange_(exchangeWindow) {
  connect(&main_, &Tbase_form::readRequested, this, &DeviceReadAction::start);
}

void DeviceReadAction::start() { read(0); }

void DeviceReadAction::readNames() { read(1); }

void DeviceReadAction::read(int choice) {
  // The read mode also reads for the comparison window: the run is this
  // action's only while it has the window open.
  exchange_.setModeRun(kReadMode, [this](RunContext& ctx, int item) {
    const ReadChoice choice = item == 1 ? ReadChoice::Names : ReadChoice::Constants;
    ReadRunHooks hooks;
    hooks.showSection = [this](const QString& section) {
      if (QLineEdit* field = main_.diagnosticField1()) field->setText(section);
    };
    return job_.run(ctx, choice, hooks);
  });
  job_.clear();
  workspace_.run.runDone = false;
  exchange_.openModal(kReadMode, choice);
  AcceptDeviceRead(main_.flows(), workspace_, main_, job_.result(), job_.choice() == ReadChoice::Constants);
  job_.clear();
  main_.refresh();
}

}  // namespace nastrum
