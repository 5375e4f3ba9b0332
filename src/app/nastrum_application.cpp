#include "nastrum_application.h"

#include <QApplication>
#include <QFileInfo>
#include <QScreen>
#include <QTabWidget>
#include <QSettings>

#include "app/actions/compare_action.h"
#include "app/actions/network_action.h"
#include "app/actions/device_clock_action.h"
#include "app/actions/device_read_action.h"
#include "app/actions/device_write_action.h"
#include "app/editor_pages.h"
#include "app/first_placement.h"
#include "app/window_memory.h"
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
#include "link/runs/exchange_settings_store.h"
#include "link/runs/result_texts.h"
#include "link/runs/link_device_session.h"
#include "link/ui/exchange_window.h"

namespace nastrum {

struct NastrumApplication::SystemParts {
  MessageBoxPresenter messages;
  SystemFileDialogs fileDialogs;
  SystemClock clock;
  // The user's own settings file (~/.config/Nastrum/Nastrum-ORVIK.conf on Linux).
  QSettings settings{QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Nastrum"),
                     QStringLiteral("Nastrum-ORVIK")};

  ApplicationParts parts() {
    return {messages, fileDialogs, clock, [this] { return MakeSerialPortSession(clock); }, &settings};
  }
};

NastrumApplication::NastrumApplication() : NastrumApplication(std::make_unique<SystemParts>()) {}

NastrumApplication::NastrumApplication(std::unique_ptr<SystemParts> system)
    : NastrumApplication(system->parts(), std::move(system)) {}

NastrumApplication::NastrumApplication(const ApplicationParts& parts) : NastrumApplication(parts, nullptr) {}

NastrumApplication::NastrumApplication(const ApplicationParts& parts, std::unique_ptr<SystemParts>&& system)
    : system_(std::move(system)),
      settings_(parts.settings),
      messages_(parts.messages),
      clock_(parts.clock),
      mainWindow_(std::make_unique<Tbase_form>(workspace_, parts.messages, parts.fileDialogs)) {
  if (system_) {
    system_->messages.setParent(mainWindow_.get());
    system_->fileDialogs.setParent(mainWindow_.get());
    system_->fileDialogs.setSettings(settings_);
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
  MapFormHooks mapHooks;
  mapHooks.choosePdfPath = [this](const QString& proposed) {
    return choosePdfPath(mapForm_.get(), settings_, QStringLiteral("folders/mapPdf"),
                         QStringLiteral("Сохранить карту в PDF"), proposed);
  };
  mapForm_ = std::make_unique<MapForm>(workspace_, messages_, &main, std::move(mapHooks));
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
  deviceWrite_ = std::make_unique<DeviceWriteAction>(
      workspace_, messages_, main, [this](bool withReport) { return checkWindows_->runCheck(withReport); },
      *exchangeWindow_);
  QObject::connect(deviceWrite_.get(), &DeviceWriteAction::namesReadWanted, deviceRead_.get(),
                   &DeviceReadAction::readNames);
  deviceClock_ = std::make_unique<DeviceClockAction>(workspace_, main, *exchangeWindow_);
  deviceClock_->attach(*installed.time);
  compare_ = std::make_unique<CompareAction>(workspace_, messages_, parts.fileDialogs, main, *exchangeWindow_);
  network_ = std::make_unique<NetworkAction>(workspace_, messages_, parts.makeLink, main, *exchangeWindow_);
  compare_->setSettings(settings_);

  windows_ = std::make_unique<WindowMemory>(
      settings_, QStringList{main.objectName(), exchangeWindow_->objectName(),
                             checkWindows_->errorWindow().objectName(), mapForm_->objectName(),
                             compare_->window().objectName(), QStringLiteral("helpWindow")});
  restoreRemembered();
  QObject::connect(exchangeWindow_.get(), &QDialog::finished, [this] {
    saveLinkSettings();
    showLinkStatus();
  });
  QObject::connect(&main, &Tbase_form::recentFilesChanged, [this] {
    if (settings_) settings_->setValue(QStringLiteral("recentFiles"), mainWindow_->recentFiles());
  });
}

NastrumApplication::~NastrumApplication() { saveRemembered(); }

namespace {

// The tab stored under `key` when it is one of the `count` tabs.
template <typename Page, typename Set>
void restorePage(QSettings& settings, const QString& key, int count, Set set) {
  bool ok = false;
  const int index = settings.value(key).toInt(&ok);
  if (ok && index >= 0 && index < count) set(static_cast<Page>(index));
}

const QString kEditorPageKey = QStringLiteral("main/editorPage");
const QString kPipelinePageKey = QStringLiteral("main/pipelinePage");
const QString kViewPageKey = QStringLiteral("main/viewPage");

}  // namespace

void NastrumApplication::restoreRemembered() {
  if (settings_) {
    exchangeWindow_->settings() = LoadExchangeSettings(*settings_);
    mainWindow_->setRecentFiles(settings_->value(QStringLiteral("recentFiles")).toStringList());
    MainWindowFlows& flows = mainWindow_->flows();
    restorePage<EditorPage>(*settings_, kEditorPageKey, mainWindow_->editorPages()->count(),
                            [&flows](EditorPage p) { flows.setEditorPage(p); });
    restorePage<PipelinePage>(*settings_, kPipelinePageKey, mainWindow_->pipelinePages()->count(),
                              [&flows](PipelinePage p) { flows.setPipelinePage(p); });
    restorePage<ViewPage>(*settings_, kViewPageKey, mainWindow_->viewPages()->count(),
                          [&flows](ViewPage p) { flows.setViewPage(p); });
  }
  showLinkStatus();
}

void NastrumApplication::saveRemembered() {
  if (!settings_) return;
  windows_->saveShown();
  saveLinkSettings();
  const MainWindowState& state = mainWindow_->flows().state();
  settings_->setValue(kEditorPageKey, static_cast<int>(state.editorPage));
  settings_->setValue(kPipelinePageKey, static_cast<int>(state.pipelinePage));
  settings_->setValue(kViewPageKey, static_cast<int>(state.viewPage));
  settings_->setValue(QStringLiteral("recentFiles"), mainWindow_->recentFiles());
  settings_->sync();
}

void NastrumApplication::saveLinkSettings() {
  if (settings_ && keepLinkSettings_) SaveExchangeSettings(*settings_, exchangeWindow_->settings());
}

void NastrumApplication::showLinkStatus() {
  mainWindow_->setPortStatus(ChosenPort(exchangeWindow_->settings()).display);
  const RunState& run = workspace_.run;
  if (run.runDone) mainWindow_->setRunStatus(QStringLiteral("Обмен завершен: ") + ResultText(0).trimmed());
  else if (run.runError != 0) mainWindow_->setRunStatus(ResultText(run.runError).trimmed());
}

SettingsDocument& NastrumApplication::document() { return mainWindow_->flows().document(); }

void NastrumApplication::openAtStart(const QString& path) {
  if (path.isEmpty()) return;
  mainWindow_->openFile(QFileInfo(path).absoluteFilePath());
}

void NastrumApplication::preselectPort(const QString& port) {
  keepLinkSettings_ = false;
  ExchangeSettings& settings = exchangeWindow_->settings();
  settings.portItem = PortAddress::kOtherItem;
  settings.otherPort = port;
}

void NastrumApplication::show() {
  // The pages' sizes settle once their layouts have run.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  mainWindow_->refresh();
  if (windows_->restore(*mainWindow_)) {
    mainWindow_->show();
    return;
  }
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) {
    mainWindow_->show();
    return;
  }
  const FirstPlacement placement = firstPlacement(mainWindow_->roomySize(), screen->availableGeometry());
  if (placement.maximised) {
    mainWindow_->showMaximized();
    return;
  }
  mainWindow_->setGeometry(placement.geometry);
  mainWindow_->show();
}

}  // namespace nastrum
