// The one application object: it owns the settings image with its state and
// every window, and wires them together. Nothing else is global.
#pragma once

#include <memory>

#include "editor/ui/file_dialogs.h"
#include "editor/ui/message_box_presenter.h"
#include "link/clock.h"
#include "model/workspace.h"

namespace nastrum {

class DeviceReadAction;
class DeviceWriteAction;
class ExchangeWindow;
class CheckWindows;
class Tbase_form;

class NastrumApplication {
 public:
  NastrumApplication();
  ~NastrumApplication();
  NastrumApplication(const NastrumApplication&) = delete;
  NastrumApplication& operator=(const NastrumApplication&) = delete;

  void show();
  Tbase_form& mainWindow() { return *mainWindow_; }
  // The exchange window starts with "Др" and this port chosen (the
  // demonstration's simulated device); nothing is kept between starts.
  void preselectPort(const QString& port);

 private:
  void openHelp();

  Workspace workspace_;
  MessageBoxPresenter messages_;
  SystemFileDialogs fileDialogs_;
  std::unique_ptr<Tbase_form> mainWindow_;
  SystemClock clock_;
  std::unique_ptr<ExchangeWindow> exchangeWindow_;  // `TForm1`, made once after the main window
  std::unique_ptr<DeviceReadAction> deviceRead_;
  std::unique_ptr<DeviceWriteAction> deviceWrite_;
  std::unique_ptr<CheckWindows> checkWindows_;
};

}  // namespace nastrum
