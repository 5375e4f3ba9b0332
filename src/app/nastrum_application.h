// The one application object: it owns the settings image with its state and
// every window, and wires them together. Nothing else is global. The program
// makes it with the real message boxes, file windows, serial port and clock;
// a test makes it with its own, and so drives the program's own wiring.
#pragma once

#include <functional>
#include <memory>

#include <QString>

class QSettings;

#include "model/workspace.h"

namespace nastrum {

class CheckWindows;
class Clock;
class CompareAction;
class NetworkAction;
class DeviceReadAction;
class DeviceSession;
class DeviceWriteAction;
class DeviceClockAction;
class MapForm;
class ExchangeWindow;
class HelpDesk;
class FileDialogs;
class MessagePresenter;
class PageHost;
class SettingsDocument;
class Tbase_form;
class WindowMemory;

// What the program talks to outside itself.
struct ApplicationParts {
  MessagePresenter& messages;
  FileDialogs& fileDialogs;
  // The clock the device actions wait on; the program's is the wall clock.
  Clock& clock;
  // The device link of the exchange runs, made at a run's start (the
  // program's is the serial port chosen in the exchange window, on `clock`).
  std::function<std::unique_ptr<DeviceSession>()> makeLink;
  // Where window places, link settings, recent files and folders are kept
  // between starts; nothing is kept without it. The program's is the user's
  // own settings file, a test's a file of its own.
  QSettings* settings = nullptr;
};

class NastrumApplication {
 public:
  // The program: message boxes, the system's file windows, the serial port
  // chosen in the exchange window and the wall clock.
  NastrumApplication();
  // Tests: the parts must outlive the application object.
  explicit NastrumApplication(const ApplicationParts& parts);
  ~NastrumApplication();
  NastrumApplication(const NastrumApplication&) = delete;
  NastrumApplication& operator=(const NastrumApplication&) = delete;

  void show();
  // The program was started with a settings file: it is opened as "Открыть "
  // opens a chosen file (check, report, error window); a file that cannot be
  // read gives its message and leaves the program without an image.
  void openAtStart(const QString& path);
  // The exchange window starts with "Др" and this port chosen (the
  // demonstration's simulated device); the link settings of such a start
  // are not kept, so the next start does not look for that port.
  void preselectPort(const QString& port);
  // A start that only answers a question (--version) leaves the user's
  // settings file as it found it.
  void rememberNothing() { settings_ = nullptr; }

  Workspace& workspace() { return workspace_; }
  Clock& clock() { return clock_; }
  // The image followed by signals: replaced, kind changed, modified changed.
  SettingsDocument& document();
  Tbase_form& mainWindow() { return *mainWindow_; }
  ExchangeWindow& exchangeWindow() { return *exchangeWindow_; }
  CheckWindows& checkWindows() { return *checkWindows_; }
  PageHost& pages() { return *pages_; }
  HelpDesk& help() { return *help_; }
  CompareAction& compare() { return *compare_; }
  NetworkAction& network() { return *network_; }

 private:
  struct SystemParts;
  explicit NastrumApplication(std::unique_ptr<SystemParts> system);
  NastrumApplication(const ApplicationParts& parts, std::unique_ptr<SystemParts>&& system);
  // What is kept between starts: read when the windows are made, written as
  // it changes and when the program ends.
  void restoreRemembered();
  void saveRemembered();
  void saveLinkSettings();
  void showLinkStatus();

  std::unique_ptr<SystemParts> system_;  // the program's own parts; none in tests
  QSettings* settings_;
  bool keepLinkSettings_ = true;
  Workspace workspace_;
  MessagePresenter& messages_;
  Clock& clock_;
  std::unique_ptr<Tbase_form> mainWindow_;
  std::unique_ptr<PageHost> pages_;
  std::unique_ptr<ExchangeWindow> exchangeWindow_;  // `TForm1`, made once after the main window
  std::unique_ptr<CheckWindows> checkWindows_;
  std::unique_ptr<DeviceReadAction> deviceRead_;
  std::unique_ptr<DeviceWriteAction> deviceWrite_;
  std::unique_ptr<DeviceClockAction> deviceClock_;
  std::unique_ptr<CompareAction> compare_;
  std::unique_ptr<NetworkAction> network_;
  std::unique_ptr<MapForm> mapForm_;
  std::unique_ptr<HelpDesk> help_;
  std::unique_ptr<WindowMemory> windows_;
};

}  // namespace nastrum
