// "Сеть..." wired between the main window and the window "Сеть": the scan
// uses the exchange window's link settings, and a saved pair double-clicked
// in its table opens in the main window.
#pragma once

#include <memory>

#include <QObject>

#include "link/ui/exchange_window.h"

namespace nastrum {

class MessagePresenter;
class NetworkWindow;
class Tbase_form;
struct Workspace;

class NetworkAction : public QObject {
  Q_OBJECT
 public:
  NetworkAction(Workspace& workspace, MessagePresenter& messages, ExchangeWindow::LinkFactory makeLink,
                Tbase_form& mainWindow, ExchangeWindow& exchangeWindow, QObject* parent = nullptr);
  ~NetworkAction() override;

  NetworkWindow& window() { return *window_; }

 private:
  std::unique_ptr<NetworkWindow> window_;
};

}  // namespace nastrum
