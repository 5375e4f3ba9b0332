// `TForm1`: the modal exchange window through which every conversation with
// the device runs. It binds its controls to the ExchangeSettings rules and
// starts the run of its mode; the runs themselves are plain functions that
// report through the window's RunObserver side.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include <QDialog>

#include "link/runs/device_session.h"
#include "link/serial_port_list.h"
#include "link/runs/exchange_mode.h"
#include "link/runs/exchange_settings.h"
#include "link/runs/run_context.h"
#include "link/runs/run_observer.h"
#include "link/runs/run_outcome.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QStatusBar;
class QToolButton;

namespace nastrum {

class RadioGroup;

class ExchangeWindow : public QDialog, public RunObserver {
  Q_OBJECT
 public:
  using LinkFactory = std::function<std::unique_ptr<DeviceSession>()>;
  // A run returns how it ended; the window keeps that in the run state
  // (RunError, RunDone) and offers the start button again when it failed or
  // was stopped. The clock runs report only a stop. `choice` is the
  // `RadioGroup1` item the run was started with (0 constants, 1 names): the
  // user's pick in the read mode, what the opener showed in the write mode.
  using ModeRun = std::function<RunOutcome(RunContext&, int choice)>;

  // `makeLink` gives the device link the runs talk through (the serial port
  // in the program, a simulated device in tests); it is made at the first run.
  ExchangeWindow(Workspace& workspace, MessagePresenter& presenter, LinkFactory makeLink,
                 QWidget* parent = nullptr);
  ~ExchangeWindow() override;

  // The run the start button (or, in the clock modes, the opening) starts.
  void setModeRun(int mode, ModeRun run);

  // Sets the mode; the next showing (or activate()) lays the window out for it.
  void setMode(int mode);
  int mode() const;
  // Shows the window modally in `mode`; the caller reads the run state
  // afterwards. In the write mode `choice` is what the run will write (0
  // constants, 1 names): the window shows it and starts the run with it,
  // whatever an earlier run left in its controls. In the read mode it is
  // the item `RadioGroup1` starts from, which the user may change (names
  // only with a file open).
  int openModal(int mode, int choice = 0);
  // What openModal sets before showing: the mode and the opener's choice.
  void prepare(int mode, int choice = 0);
  // What happens every time the window is shown.
  void activate();

  // The `RadioGroup1` item the next start carries.
  int choice() const { return choice_; }
  // `Edit1` as the time page sets it.
  void setPassword(const QString& text);

  ExchangeSettings& settings() { return settings_; }

  // The ports "Др" offers beside the typed text: the system's, or a test's.
  using PortLister = std::function<QList<SerialPortEntry>()>;
  void setPortLister(PortLister lister) { listPorts_ = std::move(lister); }

  // Start and stop as the buttons do.
  void start();
  void requestStop();

  // RunObserver
  void logLine(const QString& line) override;
  void setProgressMaximum(int maximum) override;
  void setProgress(int position) override;
  int progress() const override;
  void setStatusText(const QString& text) override;
  void setDeviceLabel(const QString& text) override;
  void setSpeedLabel(const QString& text) override;
  void pumpEvents() override;
  bool stopRequested() const override { return stopRequested_; }
  void offerAnotherTry(bool offered) override;
  void setProgressVisible(bool visible) override;
  void setStopVisible(bool visible) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;  // Escape and the close box; closes the port

 private:
  void buildControls();
  void connectControls();
  void refreshSettingsControls();  // settings -> controls
  void onPortTextEdited(const QString& text);
  // "Др" with a port of the list chosen.
  void choosePort(const QString& path);
  void fillPortMenu();
  void applyChoice(int item);
  void closePort();

  Workspace& workspace_;
  MessagePresenter& presenter_;
  LinkFactory makeLink_;
  PortLister listPorts_ = AvailableSerialPorts;
  std::unique_ptr<DeviceSession> link_;
  std::array<ModeRun, kExchangeModeCount> runs_{};
  ExchangeSettings settings_;
  bool refreshing_ = false;
  bool runActive_ = false;
  bool stopRequested_ = false;  // "СТОП" during the run under way
  int choice_ = 0;              // `RadioGroup1`: the user's pick or the opener's
  QString lastPortText_;

  QFrame* panel1_ = nullptr;
  QFrame* panel2_ = nullptr;
  QFrame* panel3_ = nullptr;
  RadioGroup* rgCom_ = nullptr;
  QLineEdit* portEdit_ = nullptr;
  QToolButton* portList_ = nullptr;
  RadioGroup* rgSpeed_ = nullptr;
  RadioGroup* rgLine_ = nullptr;
  RadioGroup* rgProtocol_ = nullptr;
  RadioGroup* rgCrc_ = nullptr;
  RadioGroup* rgChannel_ = nullptr;
  QSpinBox* attempts_ = nullptr;
  QSpinBox* pause_ = nullptr;
  QCheckBox* network_ = nullptr;
  QLabel* networkLabel_ = nullptr;
  QSpinBox* networkNumber_ = nullptr;
  QLineEdit* backupRoot_ = nullptr;
  QPlainTextEdit* log_ = nullptr;
  QLabel* deviceLabel_ = nullptr;
  QLabel* speedLabel_ = nullptr;
  QPushButton* start_ = nullptr;
  QPushButton* stop_ = nullptr;
  QLabel* passwordLabel_ = nullptr;
  QLineEdit* password_ = nullptr;
  RadioGroup* readWrite_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QStatusBar* status_ = nullptr;
  QPushButton* exit_ = nullptr;
};

}  // namespace nastrum
