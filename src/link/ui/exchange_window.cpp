#include "link/ui/exchange_window.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "link/runs/run_codes.h"
#include "link/runs/run_retry.h"
#include "link/ui/radio_group.h"

namespace nastrum {

namespace {

constexpr int kDefaultProgressMaximum = 2968;

// `Edit1` takes hexadecimal digits and control keys and beeps at anything else.
class HexKeyFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      const QString text = key->text();
      const bool control = text.isEmpty() || text[0].unicode() < 0x20 || text[0].unicode() == 0x7F;
      if (!control && !IsPasswordCharacter(text[0])) {
        QApplication::beep();
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }
};

QSpinBox* MakeSpin(const QString& name, int minimum, int maximum, int value, QWidget* parent) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(name);
  spin->setRange(minimum, maximum);
  spin->setValue(value);
  if (auto* edit = spin->findChild<QLineEdit*>()) edit->setReadOnly(true);  // arrows only
  return spin;
}

QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

}  // namespace

ExchangeWindow::ExchangeWindow(Workspace& workspace, MessagePresenter& presenter, LinkFactory makeLink,
                               QWidget* parent)
    : QDialog(parent), workspace_(workspace), presenter_(presenter), makeLink_(std::move(makeLink)) {
  setObjectName(QStringLiteral("TForm1"));
  setWindowTitle(QStringLiteral("Установление связи с ОРВИК:"));
  setModal(true);
  buildControls();
  connectControls();
  refreshSettingsControls();
}

ExchangeWindow::~ExchangeWindow() { closePort(); }

void ExchangeWindow::buildControls() {
  auto* root = new QVBoxLayout(this);

  panel1_ = new QFrame(this);
  panel1_->setObjectName(QStringLiteral("Panel1"));
  auto* grid = new QGridLayout(panel1_);
  QStringList ports;
  for (int i = 1; i <= 8; ++i) ports << QStringLiteral("Com%1").arg(i);
  ports << QStringLiteral("Др");
  rgCom_ = new RadioGroup(QStringLiteral("RGcom"), QStringLiteral("Сом-порт:"), ports, panel1_);
  portEdit_ = new QLineEdit(panel1_);
  portEdit_->setObjectName(QStringLiteral("PortEditM"));
  QStringList speeds;
  for (int i = 0; !SpeedItemText(i).isEmpty(); ++i) speeds << SpeedItemText(i);
  rgSpeed_ = new RadioGroup(QStringLiteral("RGsk"), QStringLiteral("Скорость:"), speeds, panel1_);
  rgLine_ = new RadioGroup(QStringLiteral("RGVs"), QStringLiteral("Вид связи:"),
                           {QStringLiteral("RS-232, RS-485"), QStringLiteral("ИРПС (4x-пр)"),
                            QStringLiteral("ИРПС (2х-пр)")},
                           panel1_);
  rgProtocol_ = new RadioGroup(QStringLiteral("Rprot"), QStringLiteral("Протокол обмена:"),
                               {QStringLiteral("Традиционный"), QStringLiteral("FT1.2"), QStringLiteral("FT1.1")},
                               panel1_);
  rgCrc_ = new RadioGroup(QStringLiteral("RCRC"), QStringLiteral("CRC:"),
                          {QStringLiteral("не раcсчитывается"), QStringLiteral("в данных"),
                           QStringLiteral("вместо КС")},
                          panel1_);
  rgChannel_ = new RadioGroup(QStringLiteral("RGim"), QStringLiteral("Канал обмена:"),
                              {QStringLiteral("Основной"), QStringLiteral("Дополнительный")}, panel1_);
  attempts_ = MakeSpin(QStringLiteral("SpinEdit2"), 1, 99, 3, panel1_);
  pause_ = MakeSpin(QStringLiteral("SpinEdit1"), 0, 15, 3, panel1_);
  network_ = new QCheckBox(QStringLiteral("Сеть:"), panel1_);
  network_->setObjectName(QStringLiteral("RBset"));
  networkLabel_ = MakeLabel(QStringLiteral("Label_SpinEdit3"), QStringLiteral("Сетевой №"), panel1_);
  networkNumber_ = MakeSpin(QStringLiteral("SpinEdit3"), 0, kTraditionalNetworkMax, 1, panel1_);

  grid->addWidget(rgCom_, 0, 0, 3, 1);
  // The ports present on the machine, for "Др"; the field still takes any text.
  portList_ = new QToolButton(panel1_);
  portList_->setObjectName(QStringLiteral("portListButton"));
  portList_->setText(QStringLiteral("…"));
  portList_->setToolTip(QStringLiteral("Порты, найденные в системе"));
  portList_->setPopupMode(QToolButton::InstantPopup);
  portList_->setMenu(new QMenu(portList_));
  auto* portRow = new QHBoxLayout;
  portRow->addWidget(portEdit_, 1);
  portRow->addWidget(portList_);
  grid->addLayout(portRow, 3, 0);
  grid->addWidget(rgSpeed_, 0, 1, 3, 1);
  grid->addWidget(rgLine_, 0, 2);
  grid->addWidget(rgProtocol_, 1, 2);
  grid->addWidget(rgCrc_, 2, 2);
  grid->addWidget(rgChannel_, 0, 3);
  auto* attemptsRow = new QHBoxLayout;
  attemptsRow->addWidget(MakeLabel(QStringLiteral("Label_SpinEdit2a"), QStringLiteral("Количество "), panel1_));
  attemptsRow->addWidget(MakeLabel(QStringLiteral("Label_SpinEdit2b"), QStringLiteral("повторов:"), panel1_));
  attemptsRow->addWidget(attempts_);
  grid->addLayout(attemptsRow, 1, 3);
  auto* pauseRow = new QHBoxLayout;
  pauseRow->addWidget(MakeLabel(QStringLiteral("Label_SpinEdit1"),
                                QStringLiteral("Тайм-аут для приведения \r\nОРВИКа  в рабочее состояние"), panel1_));
  pauseRow->addWidget(pause_);
  pauseRow->addWidget(MakeLabel(QStringLiteral("Label_SpinEdit1s"), QStringLiteral(", c."), panel1_));
  grid->addLayout(pauseRow, 2, 3);
  auto* networkRow = new QHBoxLayout;
  networkRow->addWidget(network_);
  networkRow->addWidget(networkLabel_);
  networkRow->addWidget(networkNumber_);
  grid->addLayout(networkRow, 3, 3);
  // Where a write keeps the copy of the device it takes first.
  auto* backupRow = new QHBoxLayout;
  backupRow->addWidget(MakeLabel(QStringLiteral("Label_backupRoot"), QStringLiteral("Папка копий настроек:"), panel1_));
  backupRoot_ = new QLineEdit(panel1_);
  backupRoot_->setObjectName(QStringLiteral("backupRoot"));
  backupRoot_->setPlaceholderText(QStringLiteral("папка данных программы"));
  backupRow->addWidget(backupRoot_, 1);
  grid->addLayout(backupRow, 4, 0, 1, 4);
  root->addWidget(panel1_);

  panel3_ = new QFrame(this);
  panel3_->setObjectName(QStringLiteral("Panel3"));
  auto* logLayout = new QVBoxLayout(panel3_);
  log_ = new QPlainTextEdit(panel3_);
  log_->setObjectName(QStringLiteral("M"));
  log_->setReadOnly(true);
  // Room for a run's usual lines without scrolling.
  constexpr int kLogLines = 12;
  log_->setMinimumHeight(log_->fontMetrics().lineSpacing() * kLogLines + 2 * log_->frameWidth() +
                         static_cast<int>(2 * log_->document()->documentMargin()));
  logLayout->addWidget(log_);
  root->addWidget(panel3_, 1);

  panel2_ = new QFrame(this);
  panel2_->setObjectName(QStringLiteral("Panel2"));
  auto* labels = new QHBoxLayout(panel2_);
  deviceLabel_ = MakeLabel(QStringLiteral("Label2"), QString(), panel2_);
  speedLabel_ = MakeLabel(QStringLiteral("Label7"), QString(), panel2_);
  labels->addWidget(deviceLabel_);
  labels->addStretch();
  labels->addWidget(speedLabel_);
  root->addWidget(panel2_);

  readWrite_ = new RadioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("Считать:"),
                              {QStringLiteral("Константы пользователя"), QStringLiteral("Имена и рабочий стол")}, this);
  readWrite_->setItemIndex(0);
  root->addWidget(readWrite_);

  auto* passwordRow = new QHBoxLayout;
  passwordLabel_ = MakeLabel(QStringLiteral("Label4"), QStringLiteral("Пароль:"), this);
  password_ = new QLineEdit(this);
  password_->setObjectName(QStringLiteral("Edit1"));
  password_->setEchoMode(QLineEdit::Password);
  password_->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));  // "*" for each character
  password_->setMaxLength(4);
  password_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Fa-f]{0,4}")), password_));
  password_->installEventFilter(new HexKeyFilter(password_));
  passwordRow->addWidget(passwordLabel_);
  passwordRow->addWidget(password_);
  passwordRow->addStretch();
  root->addLayout(passwordRow);

  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("ProgressBar1"));
  progress_->setRange(0, kDefaultProgressMaximum);
  progress_->setValue(0);
  root->addWidget(progress_);

  auto* buttons = new QHBoxLayout;
  start_ = new QPushButton(QStringLiteral("Чтение параметров"), this);
  start_->setObjectName(QStringLiteral("Set_OnLine"));
  stop_ = new QPushButton(QStringLiteral("СТОП"), this);
  stop_->setObjectName(QStringLiteral("B_stop"));
  stop_->hide();
  exit_ = new QPushButton(QStringLiteral("Выход"), this);
  exit_->setObjectName(QStringLiteral("Button2"));
  exit_->setAutoDefault(false);
  start_->setAutoDefault(false);
  stop_->setAutoDefault(false);
  buttons->addWidget(start_);
  buttons->addWidget(stop_);
  buttons->addStretch();
  buttons->addWidget(exit_);
  root->addLayout(buttons);

  status_ = new QStatusBar(this);
  status_->setObjectName(QStringLiteral("StatusBar1"));
  status_->setSizeGripEnabled(false);
  root->addWidget(status_);
}

void ExchangeWindow::connectControls() {
  const auto bind = [this](auto* sender, auto signal, auto apply) {
    connect(sender, signal, this, [this, apply](auto value) {
      if (refreshing_) return;
      apply(value);
      refreshSettingsControls();
    });
  };
  bind(rgCom_, &RadioGroup::itemClicked, [this](int i) { settings_.portItem = i; });
  bind(rgSpeed_, &RadioGroup::itemClicked, [this](int i) { settings_.baudIndex = i; });
  bind(rgLine_, &RadioGroup::itemClicked, [this](int i) { settings_.lineKind = lineKindOfItem(i); });
  bind(rgProtocol_, &RadioGroup::itemClicked, [this](int i) { ChooseProtocol(settings_, protocolOfItem(i)); });
  bind(rgCrc_, &RadioGroup::itemClicked, [this](int i) { settings_.crcMode = crcModeOfItem(i); });
  bind(rgChannel_, &RadioGroup::itemClicked, [this](int i) { settings_.channel = i; });
  bind(attempts_, &QSpinBox::valueChanged, [this](int v) { settings_.attempts = v; });
  bind(pause_, &QSpinBox::valueChanged, [this](int v) { settings_.pauseSeconds = v; });
  bind(networkNumber_, &QSpinBox::valueChanged, [this](int v) { SetNetworkNumber(settings_, v); });
  bind(network_, &QCheckBox::clicked, [this](bool on) { SetNetwork(settings_, on); });
  connect(portEdit_, &QLineEdit::textEdited, this, &ExchangeWindow::onPortTextEdited);
  connect(portList_->menu(), &QMenu::aboutToShow, this, &ExchangeWindow::fillPortMenu);
  connect(password_, &QLineEdit::textChanged, this, [this](const QString& t) { settings_.password = t; });
  connect(backupRoot_, &QLineEdit::textEdited, this, [this](const QString& t) { settings_.backupRoot = t.trimmed(); });
  connect(readWrite_, &RadioGroup::itemClicked, this, &ExchangeWindow::applyChoice);
  connect(start_, &QPushButton::clicked, this, &ExchangeWindow::start);
  connect(stop_, &QPushButton::clicked, this, &ExchangeWindow::requestStop);
  connect(exit_, &QPushButton::clicked, this, &ExchangeWindow::close);
}

void ExchangeWindow::refreshSettingsControls() {
  refreshing_ = true;
  rgCom_->setItemIndex(settings_.portItem);
  portEdit_->setText(settings_.otherPort);
  backupRoot_->setText(settings_.backupRoot);
  lastPortText_ = settings_.otherPort;
  portEdit_->setEnabled(settings_.portItem == kOtherPortItem);
  rgSpeed_->setItemIndex(settings_.baudIndex);
  rgLine_->setItemIndex(itemOf(settings_.lineKind));
  rgProtocol_->setItemIndex(itemOf(settings_.protocol));
  rgCrc_->setItemIndex(itemOf(settings_.crcMode));
  rgCrc_->setVisible(CrcChoiceVisible(settings_));
  rgChannel_->setItemIndex(settings_.channel);
  attempts_->setValue(settings_.attempts);
  pause_->setValue(settings_.pauseSeconds);
  network_->setChecked(settings_.network);
  network_->setEnabled(NetworkBoxEnabled(settings_));
  networkNumber_->setMaximum(NetworkMaximum(settings_));
  networkNumber_->setValue(settings_.networkNumber);
  networkLabel_->setVisible(settings_.network);
  networkNumber_->setVisible(settings_.network);
  refreshing_ = false;
}

void ExchangeWindow::onPortTextEdited(const QString& text) {
  // A number of up to three digits or a device path; anything else is refused.
  if (IsAcceptablePortText(text)) {
    lastPortText_ = text;
    settings_.otherPort = text;
    return;
  }
  QApplication::beep();
  portEdit_->setText(lastPortText_);
}

void ExchangeWindow::fillPortMenu() {
  QMenu* menu = portList_->menu();
  menu->clear();
  const QList<SerialPortEntry> ports = listPorts_ ? listPorts_() : QList<SerialPortEntry>{};
  for (const SerialPortEntry& port : ports) {
    if (!IsAcceptablePortText(port.path)) continue;
    QAction* item = menu->addAction(SerialPortEntryText(port));
    connect(item, &QAction::triggered, this, [this, path = port.path] { choosePort(path); });
  }
  if (menu->isEmpty()) menu->addAction(QStringLiteral("Последовательные порты не найдены"))->setEnabled(false);
}

void ExchangeWindow::choosePort(const QString& path) {
  settings_.portItem = kOtherPortItem;
  settings_.otherPort = path;
  refreshSettingsControls();
}

void ExchangeWindow::setModeRun(int mode, ModeRun run) {
  if (mode >= 0 && mode < kExchangeModeCount) runs_[static_cast<std::size_t>(mode)] = std::move(run);
}

void ExchangeWindow::setMode(int mode) { workspace_.run.exchangeMode = mode; }

int ExchangeWindow::mode() const { return workspace_.run.exchangeMode; }

void ExchangeWindow::prepare(int mode, int choice) {
  setMode(mode);
  choice_ = choice;
}

int ExchangeWindow::openModal(int mode, int choice) {
  prepare(mode, choice);
  return exec();
}

void ExchangeWindow::activate() {
  // The port of an earlier showing is not reused.
  closePort();
  log_->clear();
  status_->clearMessage();
  progress_->setRange(0, kDefaultProgressMaximum);
  progress_->setValue(0);
  deviceLabel_->clear();
  speedLabel_->clear();
  stop_->hide();
  refreshSettingsControls();

  const ModeLayout layout = LayoutForMode(mode(), workspace_.file.isOpen());
  setWindowTitle(layout.windowCaption);
  panel1_->setVisible(layout.settingsPanel);
  panel2_->setVisible(layout.log);
  panel3_->setVisible(layout.log);
  progress_->setVisible(layout.progress);
  start_->setVisible(layout.startButton);
  if (!layout.startCaption.isEmpty()) start_->setText(layout.startCaption);
  if (layout.clearPassword) password_->clear();
  passwordLabel_->setVisible(layout.password);
  password_->setVisible(layout.password);
  // The read and write modes show what the opener chose: the caption tells
  // what the start button will read or write.
  if (mode() == kReadMode && !layout.readChoice) choice_ = 0;
  readWrite_->setItemIndex(choice_);
  if (mode() == kReadMode || mode() == kWriteMode) {
    const ChoiceEffect effect = ChoiceEffectFor(mode(), choice_);
    start_->setText(effect.startCaption);
    passwordLabel_->setVisible(effect.passwordVisible);
    password_->setVisible(effect.passwordVisible);
  }
  readWrite_->setVisible(layout.readChoice);
  readWrite_->setEnabled(true);
  start_->setEnabled(true);
  password_->setEnabled(true);
}

void ExchangeWindow::applyChoice(int item) {
  const ChoiceEffect effect = ChoiceEffectFor(mode(), item);
  if (effect.startCaption.isEmpty()) return;
  choice_ = item;
  readWrite_->setItemIndex(item);
  start_->setText(effect.startCaption);
  passwordLabel_->setVisible(effect.passwordVisible);
  password_->setVisible(effect.passwordVisible);
}

void ExchangeWindow::setPassword(const QString& text) {
  password_->setText(text.left(4));
  settings_.password = password_->text();
}

void ExchangeWindow::start() {
  if (runActive_) return;
  runActive_ = true;
  stopRequested_ = false;
  RunState& run = workspace_.run;
  run.runDone = false;
  run.runError = run_code::kOk;
  run.stopRequested = false;
  start_->hide();
  stop_->show();
  logLine(QStringLiteral("** Обмен с ОРВИК **"));
  passwordLabel_->hide();
  password_->hide();
  pumpEvents();

  if (mode() == kReadMode || mode() == kWriteMode) readWrite_->setEnabled(false);
  const ModeRun& modeRun = runs_[static_cast<std::size_t>(std::clamp(mode(), 0, kExchangeModeCount - 1))];
  RunOutcome outcome;
  if (modeRun) {
    if (!link_ && makeLink_) link_ = makeLink_();
    if (link_) {
      settings_.password = password_->text();
      RunContext ctx{workspace_, *link_, settings_, *this, presenter_};
      outcome = modeRun(ctx, choice_);
    }
  }
  // "СТОП" sets RunError whatever the run made of it.
  if (stopRequested_) outcome.result = run_code::kStoppedByUser;
  StoreOutcome(run, outcome, stopRequested_);

  logLine(QStringLiteral("** Конец обмена **"));
  // A port that would not open ends a run with no code, yet the user must be
  // able to pick another port and start again.
  if (outcome.failed() || outcome.portFailed) start_->show();
  stop_->hide();
  password_->setEnabled(true);
  runActive_ = false;
}

void ExchangeWindow::requestStop() {
  if (runActive_) stopRequested_ = true;
}

void ExchangeWindow::logLine(const QString& line) { log_->appendPlainText(line); }

void ExchangeWindow::setProgressMaximum(int maximum) { progress_->setMaximum(maximum); }

void ExchangeWindow::setProgress(int position) { progress_->setValue(position); }

int ExchangeWindow::progress() const { return progress_->value(); }

void ExchangeWindow::setStatusText(const QString& text) { status_->showMessage(text); }

void ExchangeWindow::setDeviceLabel(const QString& text) { deviceLabel_->setText(text); }

void ExchangeWindow::setSpeedLabel(const QString& text) { speedLabel_->setText(text); }

void ExchangeWindow::pumpEvents() { QCoreApplication::processEvents(); }

void ExchangeWindow::offerAnotherTry(bool offered) {
  readWrite_->setVisible(offered && (mode() == kReadMode ? workspace_.file.isOpen() : false));
  readWrite_->setEnabled(offered);
  passwordLabel_->setVisible(offered);
  password_->setVisible(offered);
  if (!offered) start_->hide();
}

void ExchangeWindow::setProgressVisible(bool visible) { progress_->setVisible(visible); }

void ExchangeWindow::setStopVisible(bool visible) { stop_->setVisible(visible); }

void ExchangeWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  activate();
  if (LayoutForMode(mode(), workspace_.file.isOpen()).startsAtOnce)
    QTimer::singleShot(0, this, &ExchangeWindow::start);
}

void ExchangeWindow::closeEvent(QCloseEvent* event) {
  if (runActive_) {
    // A run in progress is asked to stop; the window stays until it has ended.
    requestStop();
    event->ignore();
    return;
  }
  closePort();
  QDialog::closeEvent(event);
}

void ExchangeWindow::reject() {
  if (runActive_) {
    requestStop();
    return;
  }
  closePort();
  QDialog::reject();
}

void ExchangeWindow::closePort() {
  if (link_) link_->close();
}

}  // namespace nastrum
