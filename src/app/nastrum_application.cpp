#include "nastrum_application.h"

#include <QApplication>
#include <QFileInfo>
#include <QScreen>

#include "app/actions/compare_action.h"
#include "app/actions/device_clock_action.h"
#include "app/actions/device_read_action.h"
#include "app/actions/device_write_action.h"
#include "app/editor_pages.h"
#include "app/help/help_desk.h"
#include "app/help/help_location.h"
#include "check/ui/check_windows.h"
#include "compare/ui/compare_window.h"
#include "maps/ui/map_form.h"
#include "editor/ui/base_form.h"
#include "editor/ui/file_dialogs.h"
#include "editor/ui/message_box_presenter.h"
#include "editor/ui/page_host.h"
#include "link/clock.h"
#include "link/port_address.h"
#include "link/runs/exchange_mode.h"
#include "link/runs/link_device_session.h"
#include "link/ui/exchange_window.h"

namespace nastrum {

struct NastrumApplication::SystemParts {
  MessageBoxPresenter messages;
  SystemFileDialogs fileDialogs;
  SystemClock clock;

  ApplicationParts parts() {
    return {messages, fileDialogs, clock, [this] { return MakeSerialPortSession(clock); }};
  }
};

NastrumApplication::NastrumApplication() : NastrumApplication(std::make_unique<SystemParts>()) {}

NastrumApplication::NastrumApplication(std::unique_ptr<SystemParts> system)
    : NastrumApplication(system->parts(), std::move(system)) {}

NastrumApplication::NastrumApplication(const ApplicationParts& parts) : NastrumApplication(parts, nullptr) {}

NastrumApplication::NastrumApplication(const ApplicationParts& parts, std::unique_ptr<SystemParts>&& system)
    : system_(std::move(system)),
      messages_(parts.messages),
      clock_(parts.clock),
      mainWindow_(std::make_unique<Tbase_form>(workspace_, parts.messages, parts.fileDialogs)) {
  if (system_) {
    system_->messages.setParent(mainWindow_.get());
    system_->fileDialogs.setParent(mainWindow_.get());
  }
  Tbase_form& main = *mainWindow_;
  help_ = std::make_unique<HelpDesk>(main, messages_, defaultHelpDirs());

  pages_ = std::make_unique<PageHost>(main);
  const InstalledPages installed = installEditorPages(*pages_, main, workspace_, messages_);

  exchangeWindow_ = std::make_unique<ExchangeWindow>(workspace_, messages_, parts.makeLink, &main);
  QObject::connect(&main, &Tbase_form::linkParamsRequested, [this] { exchangeWindow_->openModal(kSettingsMode); });

  CheckWindowHooks onMain{[&main] {
                            main.flows().HidePageSets();
                            main.refresh();
                          },
                          [&main] { main.refresh(); }, {}};
  checkWindows_ = std::make_unique<CheckWindows>(workspace_, messages_, &main, std::move(onMain));
  QObject::connect(&main, &Tbase_form::checkWanted, checkWindows_.get(), &CheckWindows::runCheck);
  QObject::connect(&main, &Tbase_form::correctionPromptWanted, checkWindows_.get(), &CheckWindows::allowSetup);
  QObject::connect(&main, &Tbase_form::checkWindowsClosing, checkWindows_.get(), &CheckWindows::closeWindows);
  QObject::connect(checkWindows_.get(), &CheckWindows::imageRepaired, &main, [&main] {
    main.flows().document().recordCorrection();
    main.refresh();
  });
  QObject::connect(checkWindows_.get(), &CheckWindows::faultChosen, &main, &Tbase_form::showSetupAt);

  // `Tmap_form`: the main window closes it wherever it closes the error window.
  mapForm_ = std::make_unique<MapForm>(workspace_, messages_, &main);
  QObject::connect(&main, &Tbase_form::mapRequested, [this, &main](int number) {
    main.flows().HidePageSets();
    main.refresh();
    mapForm_->showMap(number);
  });
  QObject::connect(&main, &Tbase_form::checkWindowsClosing, mapForm_.get(), [this] {
    mapForm_->close();
    if (compare_) compare_->window().close();  // it compares the image about to be replaced
  });

  deviceRead_ = std::make_unique<DeviceReadAction>(workspace_, main, *exchangeWindow_);
  deviceWrite_ = std::make_unique<DeviceWriteAction>(workspace_, messages_, main, *exchangeWindow_);
  QObject::connect(deviceWrite_.get(), &DeviceWriteAction::namesReadWanted, deviceRead_.get(),
                   &DeviceReadAction::readNames);
  deviceClock_ = std::make_unique<DeviceClockAction>(workspace_, main, *exchangeWindow_);
  deviceClock_->attach(*installed.time);
  compare_ = std::make_unique<CompareAction>(workspace_, messages_, parts.fileDialogs, main, *exchangeWindow_);
}

NastrumApplication::~NastrumApplication() = default;

SettingsDocument& NastrumApplication::document() { return mainWindow_->flows().document(); }

void NastrumApplication::openAtStart(const QString& path) {
  if (path.isEmpty()) return;
  mainWindow_->openFile(QFileInfo(path).absoluteFilePath());
}

void NastrumApplication::preselectPort(const QString& port) {
  ExchangeSettings& settings = exchangeWindow_->settings();
  settings.portItem = PortAddress::kOtherItem;
  settings.otherPort = port;
}

void NastrumApplication::show() {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = mainWindow_->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    mainWindow_->move(frame.topLeft());
  }
  mainWindow_->show();
}

}  // namespace nastrum
