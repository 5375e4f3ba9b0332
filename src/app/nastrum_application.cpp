#include "nastrum_application.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QUrl>

#include "app/actions/device_write_action.h"
#include "check/ui/check_windows.h"
#include "editor/ui/base_form.h"
#include "link/port_address.h"
#include "link/read/ui/device_read_action.h"
#include "link/runs/exchange_mode.h"
#include "link/runs/link_device_session.h"
#include "link/ui/exchange_window.h"

namespace nastrum {

namespace {

// The help file lives next to the program.
QString helpFilePath() { return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("VelmHelp.HLP")); }

}  // namespace

NastrumApplication::NastrumApplication()
    : mainWindow_(std::make_unique<Tbase_form>(workspace_, messages_, fileDialogs_)) {
  messages_.setParent(mainWindow_.get());
  fileDialogs_.setParent(mainWindow_.get());
  QObject::connect(mainWindow_.get(), &Tbase_form::helpRequested, [this] { openHelp(); });
  QObject::connect(mainWindow_.get(), &Tbase_form::helpContentsRequested, [this] { openHelp(); });

  exchangeWindow_ = std::make_unique<ExchangeWindow>(
      workspace_, messages_, [this] { return MakeSerialPortSession(clock_); }, mainWindow_.get());
  QObject::connect(mainWindow_.get(), &Tbase_form::linkParamsRequested,
                   [this] { exchangeWindow_->openModal(kSettingsMode); });
  deviceRead_ = std::make_unique<DeviceReadAction>(workspace_, *mainWindow_, *exchangeWindow_);
  deviceWrite_ = std::make_unique<DeviceWriteAction>(workspace_, messages_, *mainWindow_, *exchangeWindow_);

  Tbase_form& main = *mainWindow_;
  CheckWindowHooks onMain{[&main] {
                            main.flows().HidePageSets();
                            main.refresh();
                          },
                          [&main] { main.refresh(); }, {}};
  checkWindows_ = std::make_unique<CheckWindows>(workspace_, messages_, mainWindow_.get(), std::move(onMain));
  checkWindows_->installInto(main.hooks());
}

void NastrumApplication::openHelp() {
  const QString path = helpFilePath();
  if (QFileInfo::exists(path) && QDesktopServices::openUrl(QUrl::fromLocalFile(path))) return;
  messages_.present({0, QStringLiteral("Наструм - ОРВИК"),
                     QStringLiteral("Не удается открыть файл справки (") + QDir::toNativeSeparators(path) +
                         QStringLiteral(")"),
                     MessageIcon::Warning, MessageButtons::Ok});
}

NastrumApplication::~NastrumApplication() = default;

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
