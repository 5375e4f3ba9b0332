// "Сеть": finds every device on the shared line of the exchange settings and
// saves the chosen ones. The table fills while the numbers are tried; the
// scan and the backup run on the window's thread and let input through
// between exchanges (and while the link waits), so "СТОП" and the window
// stay alive. The rules live in RunNetworkScan and RunSiteBackup.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QDialog>

#include "link/runs/device_session.h"
#include "link/runs/exchange_settings.h"
#include "link/runs/run_observer.h"
#include "link/scan/network_scan.h"
#include "link/scan/site_backup.h"
#include "model/message_presenter.h"
#include "model/workspace.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace nastrum {

class NetworkWindow : public QDialog, public RunObserver, public ScanListener, public SiteBackupListener {
  Q_OBJECT
 public:
  using LinkFactory = std::function<std::unique_ptr<DeviceSession>()>;
  // `linkSettings` are the exchange window's: the port, speed, line and
  // protocol the scan uses (its own network number is not).
  NetworkWindow(Workspace& workspace, MessagePresenter& presenter, LinkFactory makeLink,
                const ExchangeSettings& linkSettings, QWidget* parent = nullptr);
  ~NetworkWindow() override;

  // The folder "Сохранить все" saves to; DefaultBackupRoot() at first.
  void setBackupRoot(const QString& root);
  QString backupRoot() const { return root_; }
  // Asks for another folder ("Папка..."); empty keeps the current one.
  void setFolderChooser(std::function<QString(const QString& current)> choose) { chooseFolder_ = std::move(choose); }

  // The buttons' work, also for the keyboard and for tests.
  void startScan();
  void saveChosen();
  void requestStop();

  // The devices of the last scan and whether each one is ticked.
  const std::vector<ProbeResult>& rows() const { return rows_; }
  bool running() const { return running_; }

  // RunObserver
  void logLine(const QString& line) override;
  void setProgressMaximum(int maximum) override;
  void setProgress(int position) override;
  int progress() const override;
  void setStatusText(const QString&) override {}
  void setDeviceLabel(const QString& text) override;
  void setSpeedLabel(const QString&) override {}
  void pumpEvents() override;
  bool stopRequested() const override { return stopRequested_; }

  // ScanListener
  void probing(int number) override;
  void probed(const ProbeResult& result) override;
  // SiteBackupListener
  void backingUp(const ProbeResult& device) override;
  void backedUp(const SiteBackupEntry& entry) override;

 signals:
  // A row whose pair was saved was double-clicked.
  void openPairRequested(const QString& settingsPath);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void buildControls();
  void refreshRange();
  void refreshButtons();
  int rowOf(int number) const;
  void openRow(int row);
  RunContext context(const ExchangeSettings& settings);

  Workspace& workspace_;
  MessagePresenter& presenter_;
  LinkFactory makeLink_;
  std::unique_ptr<DeviceSession> link_;
  const ExchangeSettings& linkSettings_;
  QString root_;
  std::function<QString(const QString&)> chooseFolder_;
  std::vector<ProbeResult> rows_;
  std::vector<QString> savedPaths_;  // per row; empty while not saved
  bool running_ = false;
  bool stopRequested_ = false;
  int offeredLast_ = 0;  // the last number of the whole range the spin boxes last offered

  QLabel* linkLabel_ = nullptr;
  QSpinBox* first_ = nullptr;
  QSpinBox* last_ = nullptr;
  QPushButton* scan_ = nullptr;
  QPushButton* stop_ = nullptr;
  QLabel* tried_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QTableWidget* table_ = nullptr;
  QCheckBox* names_ = nullptr;
  QLineEdit* password_ = nullptr;
  QLabel* folder_ = nullptr;
  QPushButton* folderButton_ = nullptr;
  QPushButton* saveAll_ = nullptr;
  QPlainTextEdit* log_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace nastrum
