#include "app/actions/network_action.h"

#include "editor/ui/base_form.h"
#include "link/scan/ui/network_window.h"

namespace nastrum {

NetworkAction::NetworkAction(Workspace& workspace, MessagePresenter& messages, ExchangeWindow::LinkFactory makeLink,
                             Tbase_form& mainWindow, ExchangeWindow& exchangeWindow, QObject* parent)
    : QObject(parent),
      window_(std::make_unique<NetworkWindow>(workspace, messages, std::move(makeLink), exchangeWindow.settings(),
                                              &mainWindow)) {
  connect(&mainWindow, &Tbase_form::networkRequested, window_.get(), [this] { window_->exec(); });
  connect(window_.get(), &NetworkWindow::openPairRequested, &mainWindow, [this, &mainWindow](const QString& path) {
    window_->close();
    mainWindow.openFile(path);
  });
}

NetworkAction::~NetworkAction() = default;

}  // namespace nastrum
