#include "link/scan/ui/network_window.h"

#include <algorithm>

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "link/read/device_backup.h"
#include "link/runs/greeting.h"
#include "model/hex_text.h"

namespace nastrum {

namespace {

enum Column { kNumber, kDevice, kVersion, kFactory, kCopy, kColumnCount };

QTableWidgetItem* Cell(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

QString ProtocolName(int protocol) {
  static const char* const kNames[] = {"Традиционный", "FT1.2", "FT1.1"};
  return QString::fromUtf8(kNames[std::clamp(protocol, 0, 2)]);
}

}  // namespace

NetworkWindow::NetworkWindow(Workspace& workspace, MessagePresenter& presenter, LinkFactory makeLink,
                             const ExchangeSettings& linkSettings, QWidget* parent)
    : QDialog(parent),
      workspace_(workspace),
      presenter_(presenter),
      makeLink_(std::move(makeLink)),
      linkSettings_(linkSettings),
      root_(DefaultBackupRoot()) {
  setObjectName(QStringLiteral("networkWindow"));
  setWindowTitle(QStringLiteral("Сеть"));
  chooseFolder_ = [this](const QString& current) {
    return QFileDialog::getExistingDirectory(this, QStringLiteral("Папка для копий настроек"), current);
  };
  buildControls();
  setBackupRoot(root_);
}

NetworkWindow::~NetworkWindow() = default;

void NetworkWindow::buildControls() {
  linkLabel_ = new QLabel(this);
  linkLabel_->setObjectName(QStringLiteral("linkLabel"));

  first_ = new QSpinBox(this);
  first_->setObjectName(QStringLiteral("firstNumber"));
  last_ = new QSpinBox(this);
  last_->setObjectName(QStringLiteral("lastNumber"));
  auto* firstLabel = new QLabel(QStringLiteral("Сетевые номера &с"), this);
  firstLabel->setBuddy(first_);
  auto* lastLabel = new QLabel(QStringLiteral("&по"), this);
  lastLabel->setBuddy(last_);
  scan_ = new QPushButton(QStringLiteral("&Искать"), this);
  scan_->setObjectName(QStringLiteral("scanButton"));
  scan_->setDefault(true);
  stop_ = new QPushButton(QStringLiteral("СТОП"), this);
  stop_->setObjectName(QStringLiteral("B_stop"));
  stop_->hide();

  tried_ = new QLabel(this);
  tried_->setObjectName(QStringLiteral("triedLabel"));
  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("scanProgress"));
  progress_->setAccessibleName(QStringLiteral("Проверено номеров"));
  progress_->setFormat(QStringLiteral("%v из %m"));

  table_ = new QTableWidget(0, kColumnCount, this);
  table_->setObjectName(QStringLiteral("devicesTable"));
  table_->setAccessibleName(QStringLiteral("Найденные приборы"));
  table_->setHorizontalHeaderLabels(
      {QStringLiteral("№"), QStringLiteral("Прибор"), QStringLiteral("Версия"), QStringLiteral("Заводской №"), QStringLiteral("Копия")});
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setTabKeyNavigation(false);  // Tab leaves the table; the arrows move within it
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  auto* tableLabel = new QLabel(QStringLiteral("&Приборы на линии (отмеченные сохраняются):"), this);
  tableLabel->setBuddy(table_);

  names_ = new QCheckBox(QStringLiteral("&Имена и рабочий стол"), this);
  names_->setObjectName(QStringLiteral("namesBox"));
  names_->setChecked(true);
  password_ = new QLineEdit(this);
  password_->setObjectName(QStringLiteral("Edit1"));
  password_->setEchoMode(QLineEdit::Password);
  password_->setMaxLength(4);
  password_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Fa-f]{0,4}")), password_));
  password_->setAccessibleName(QStringLiteral("Пароль приборов"));
  auto* passwordLabel = new QLabel(QStringLiteral("Паро&ль:"), this);
  passwordLabel->setBuddy(password_);
  connect(names_, &QCheckBox::toggled, password_, &QWidget::setEnabled);

  folder_ = new QLabel(this);
  folder_->setObjectName(QStringLiteral("folderLabel"));
  folder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  folderButton_ = new QPushButton(QStringLiteral("П&апка..."), this);
  folderButton_->setObjectName(QStringLiteral("folderButton"));
  folderButton_->setAccessibleDescription(QStringLiteral("Папка, в которую сохраняются копии настроек"));
  saveAll_ = new QPushButton(QStringLiteral("Сохранить &все"), this);
  saveAll_->setObjectName(QStringLiteral("saveAllButton"));

  log_ = new QPlainTextEdit(this);
  log_->setObjectName(QStringLiteral("M"));
  log_->setReadOnly(true);
  log_->setAccessibleName(QStringLiteral("Журнал обмена"));
  close_ = new QPushButton(QStringLiteral("Выход"), this);
  close_->setObjectName(QStringLiteral("Button2"));

  auto* range = new QHBoxLayout;
  range->addWidget(firstLabel);
  range->addWidget(first_);
  range->addWidget(lastLabel);
  range->addWidget(last_);
  range->addWidget(scan_);
  range->addWidget(stop_);
  range->addStretch();
  auto* progressRow = new QHBoxLayout;
  progressRow->addWidget(tried_);
  progressRow->addWidget(progress_, 1);
  auto* save = new QGridLayout;
  save->addWidget(names_, 0, 0);
  save->addWidget(passwordLabel, 0, 1);
  save->addWidget(password_, 0, 2);
  save->addWidget(folderButton_, 1, 0);
  save->addWidget(folder_, 1, 1, 1, 3);
  save->addWidget(saveAll_, 0, 3);
  save->setColumnStretch(3, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(linkLabel_);
  layout->addLayout(range);
  layout->addLayout(progressRow);
  layout->addWidget(tableLabel);
  layout->addWidget(table_, 2);
  layout->addLayout(save);
  layout->addWidget(log_, 1);
  layout->addLayout(bottom);

  setTabOrder(first_, last_);
  setTabOrder(last_, scan_);
  setTabOrder(scan_, stop_);
  setTabOrder(stop_, table_);
  setTabOrder(table_, names_);
  setTabOrder(names_, password_);
  setTabOrder(password_, saveAll_);
  setTabOrder(saveAll_, folderButton_);
  setTabOrder(folderButton_, log_);
  setTabOrder(log_, close_);

  connect(scan_, &QPushButton::clicked, this, &NetworkWindow::startScan);
  connect(stop_, &QPushButton::clicked, this, &NetworkWindow::requestStop);
  connect(saveAll_, &QPushButton::clicked, this, &NetworkWindow::saveChosen);
  connect(close_, &QPushButton::clicked, this, &NetworkWindow::close);
  connect(folderButton_, &QPushButton::clicked, this, [this] {
    const QString chosen = chooseFolder_ ? chooseFolder_(root_) : QString();
    if (!chosen.isEmpty()) setBackupRoot(chosen);
  });
  connect(table_, &QTableWidget::cellActivated, this, [this](int row, int) { openRow(row); });
  connect(table_, &QTableWidget::itemChanged, this, [this] { refreshButtons(); });
  resize(720, 560);
}

void NetworkWindow::setBackupRoot(const QString& root) {
  root_ = root;
  folder_->setText(QDir::toNativeSeparators(root_));
}

void NetworkWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  refreshRange();
  refreshButtons();
}

void NetworkWindow::refreshRange() {
  // The whole range the protocol addresses until the user narrows it; a
  // range left whole follows a change of protocol.
  const NetworkRange full = FullNetworkRange(linkSettings_);
  const bool whole = offeredLast_ == 0 || last_->value() == offeredLast_;
  for (QSpinBox* box : {first_, last_}) box->setRange(full.first, full.last);
  if (whole) last_->setValue(full.last);
  offeredLast_ = full.last;
  const PortAddress port = ChosenPort(linkSettings_);
  linkLabel_->setText(QStringLiteral("Порт %1, скорость %2, протокол \"%3\" (меняются в \"Параметры обмена\")")
                          .arg(port.display, SpeedItemText(linkSettings_.baudIndex).trimmed(),
                               ProtocolName(itemOf(linkSettings_.protocol))));
}

void NetworkWindow::refreshButtons() {
  bool anyTicked = false;
  for (int row = 0; row < table_->rowCount(); ++row)
    anyTicked = anyTicked || table_->item(row, kNumber)->checkState() == Qt::Checked;
  scan_->setVisible(!running_);
  stop_->setVisible(running_);
  first_->setEnabled(!running_);
  last_->setEnabled(!running_);
  saveAll_->setEnabled(!running_ && anyTicked);
  folderButton_->setEnabled(!running_);
  close_->setEnabled(!running_);
}

RunContext NetworkWindow::context(const ExchangeSettings& settings) {
  return RunContext{workspace_, *link_, settings, *this, presenter_};
}

void NetworkWindow::startScan() {
  if (running_) return;
  if (!link_ && makeLink_) link_ = makeLink_();
  if (!link_) return;
  refreshRange();
  running_ = true;
  stopRequested_ = false;
  rows_.clear();
  savedPaths_.clear();
  table_->setRowCount(0);
  refreshButtons();
  stop_->setFocus();
  logLine(QStringLiteral("** Поиск приборов на линии **"));

  const ExchangeSettings settings = linkSettings_;
  RunContext ctx = context(settings);
  const NetworkRange range{first_->value(), std::max(first_->value(), last_->value())};
  const ScanReport report = RunNetworkScan(ctx, ScanOptions{range, 1}, *this);

  running_ = false;
  if (report.stopped) logLine(QStringLiteral("Поиск прерван пользователем."));
  logLine(QStringLiteral("Найдено приборов: %1").arg(report.devices().size()));
  tried_->setText(report.portFailed ? QStringLiteral("Порт не открыт") : QStringLiteral("Проверено: %1").arg(report.tried));
  refreshButtons();
  (saveAll_->isEnabled() ? static_cast<QWidget*>(saveAll_) : scan_)->setFocus();
}

void NetworkWindow::saveChosen() {
  if (running_) return;
  std::vector<ProbeResult> chosen;
  for (int row = 0; row < table_->rowCount(); ++row)
    if (table_->item(row, kNumber)->checkState() == Qt::Checked) chosen.push_back(rows_[static_cast<std::size_t>(row)]);
  if (chosen.empty()) return;
  if (!link_ && makeLink_) link_ = makeLink_();
  if (!link_) return;
  running_ = true;
  stopRequested_ = false;
  refreshButtons();
  stop_->setFocus();
  logLine(QStringLiteral("** Сохранение настроек приборов **"));

  ExchangeSettings settings = linkSettings_;
  settings.password = password_->text();
  RunContext ctx = context(settings);
  RunSiteBackup(ctx, chosen, SiteBackupOptions{root_, names_->isChecked(), QDateTime::currentDateTime()}, this);

  running_ = false;
  refreshButtons();
  table_->setFocus();
}

void NetworkWindow::requestStop() {
  if (running_) stopRequested_ = true;
}

void NetworkWindow::logLine(const QString& line) { log_->appendPlainText(line); }

void NetworkWindow::setProgressMaximum(int maximum) { progress_->setMaximum(maximum); }

void NetworkWindow::setProgress(int position) { progress_->setValue(position); }

int NetworkWindow::progress() const { return progress_->value(); }

void NetworkWindow::setDeviceLabel(const QString& text) { tried_->setText(text); }

void NetworkWindow::pumpEvents() { QCoreApplication::processEvents(); }

void NetworkWindow::probing(int number) { tried_->setText(QStringLiteral("Проверяется № %1").arg(number)); }

void NetworkWindow::probed(const ProbeResult& result) {
  if (result.status == ProbeStatus::Silent) return;
  rows_.push_back(result);
  savedPaths_.emplace_back();
  const int row = table_->rowCount();
  QSignalBlocker quiet(table_);
  table_->insertRow(row);
  QTableWidgetItem* number = Cell(QString::number(result.number));
  if (result.served()) {
    number->setFlags(number->flags() | Qt::ItemIsUserCheckable);
    number->setCheckState(Qt::Checked);
  }
  table_->setItem(row, kNumber, number);
  const bool found = result.status == ProbeStatus::Found;
  QString device = found ? DeviceKindText(result.identity.modelCode) : ProbeText(result).section(QStringLiteral(": "), 1);
  table_->setItem(row, kDevice, Cell(device));
  table_->setItem(row, kVersion, Cell(found ? VersionText(result.identity) : QString()));
  table_->setItem(row, kFactory, Cell(found ? HexWord(static_cast<Word>(result.factoryNumber)) : QString()));
  table_->setItem(row, kCopy, Cell(QString()));
  quiet.unblock();
  refreshButtons();
}

int NetworkWindow::rowOf(int number) const {
  for (std::size_t i = 0; i < rows_.size(); ++i)
    if (rows_[i].number == number) return static_cast<int>(i);
  return -1;
}

void NetworkWindow::backingUp(const ProbeResult& device) {
  tried_->setText(QStringLiteral("Сохраняется № %1").arg(device.number));
  const int row = rowOf(device.number);
  if (row >= 0) table_->item(row, kCopy)->setText(QStringLiteral("читается..."));
}

void NetworkWindow::backedUp(const SiteBackupEntry& entry) {
  const int row = rowOf(entry.device.number);
  if (row < 0) return;
  savedPaths_[static_cast<std::size_t>(row)] = entry.settingsPath;
  table_->item(row, kCopy)->setText(entry.saved() ? QDir::toNativeSeparators(entry.settingsPath)
                                                  : QStringLiteral("не сохранено: ") + entry.failure);
}

void NetworkWindow::openRow(int row) {
  if (running_ || row < 0 || row >= static_cast<int>(savedPaths_.size())) return;
  const QString path = savedPaths_[static_cast<std::size_t>(row)];
  if (path.isEmpty()) return;
  emit openPairRequested(path);
}

void NetworkWindow::closeEvent(QCloseEvent* event) {
  if (running_) {
    // A scan or backup under way is asked to stop; the window stays until it has ended.
    requestStop();
    event->ignore();
    return;
  }
  if (link_) link_->close();
  QDialog::closeEvent(event);
}

void NetworkWindow::reject() {
  if (running_) {
    requestStop();
    return;
  }
  if (link_) link_->close();
  QDialog::reject();
}

}  // namespace nastrum
