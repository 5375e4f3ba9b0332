#include "editor/pages/time/ui/time_page_widget.h"

#include <QDateEdit>
#include <QEventLoop>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimeEdit>
#include <QTimer>

#include "editor/pages/inputs/input_filters.h"
#include "editor/pages/inputs/page_parts.h"

namespace nastrum {

namespace {

constexpr int kTickMs = 1000;

}  // namespace

TimePageWidget::TimePageWidget(Workspace& workspace, MessagePresenter& /*presenter*/, QWidget* parent)
    : QWidget(parent),
      workspace_(workspace),
      page_(workspace),
      now_([] { return QDateTime::currentDateTime(); }),
      pause_([this](int ms) { return waitKeepingWindowsAlive(ms); }) {
  setObjectName(QStringLiteral("pageTime"));
  build();
  timer_ = new QTimer(this);
  timer_->setInterval(kTickMs);
  connect(timer_, &QTimer::timeout, this, &TimePageWidget::tick);
  timer_->start();
}

void TimePageWidget::build() {
  date_ = new QDateEdit(this);
  date_->setObjectName(QStringLiteral("tek_date"));
  date_->setToolTip(QStringLiteral("Текущая дата"));
  date_->setDisplayFormat(QLocale().dateFormat(QLocale::LongFormat));
  date_->setCalendarPopup(true);
  deviceTime_ = new QTimeEdit(this);
  deviceTime_->setObjectName(QStringLiteral("tek_tektime"));
  deviceTime_->setDisplayFormat(QStringLiteral("HH:mm:ss"));
  computerTime_ = new QTimeEdit(this);
  computerTime_->setObjectName(QStringLiteral("tek_time"));
  computerTime_->setDisplayFormat(QStringLiteral("HH:mm:ss"));
  computerTime_->setReadOnly(true);
  computerTime_->setButtonSymbols(QAbstractSpinBox::NoButtons);
  sync_ = new QPushButton(QStringLiteral("<"), this);
  sync_->setObjectName(QStringLiteral("sync_b"));
  sync_->setToolTip(QStringLiteral("Синхронизация часов ОРВИКа с часами компьютера"));
  sync_->setAccessibleName(sync_->toolTip());
  read_ = new QPushButton(QStringLiteral("Считать время с ОРВИК"), this);
  read_->setObjectName(QStringLiteral("Button5"));
  write_ = new QPushButton(QStringLiteral("Записать время в ОРВИК"), this);
  write_->setObjectName(QStringLiteral("Button4"));
  password_ = hexEdit(QStringLiteral("Edit26"), 4, this);
  password_->setEchoMode(QLineEdit::Password);
  countdown_ = new QLabel(this);
  countdown_->setObjectName(QStringLiteral("countdownLabel"));
  countdown_->hide();

  auto* grid = new QGridLayout(this);
  grid->addWidget(captionFor(QStringLiteral("Дата ОРВИК:"), date_, this), 0, 0);
  grid->addWidget(date_, 0, 1);
  grid->addWidget(captionFor(QStringLiteral("Время ОРВИК:"), deviceTime_, this), 1, 0);
  grid->addWidget(deviceTime_, 1, 1);
  grid->addWidget(sync_, 1, 2);
  grid->addWidget(captionFor(QStringLiteral("Системное время:"), computerTime_, this), 1, 3);
  grid->addWidget(computerTime_, 1, 4);
  grid->addWidget(captionFor(QStringLiteral("Пароль к ОРВИК:"), password_, this), 2, 0);
  grid->addWidget(password_, 2, 1);
  grid->addWidget(read_, 3, 0, 1, 2);
  grid->addWidget(write_, 3, 2, 1, 3);
  grid->addWidget(countdown_, 4, 0, 1, 5);
  grid->setRowStretch(5, 1);
  grid->setColumnStretch(5, 1);
  setTabOrder(date_, deviceTime_);
  setTabOrder(deviceTime_, sync_);
  setTabOrder(sync_, computerTime_);
  setTabOrder(computerTime_, password_);
  setTabOrder(password_, read_);
  setTabOrder(read_, write_);

  connect(deviceTime_, &QTimeEdit::timeChanged, this, [this](const QTime& t) {
    page_.setDeviceTime(t);
    emit imageEdited();
  });
  connect(date_, &QDateEdit::dateChanged, this, [this](const QDate& d) {
    page_.setDate(d);
    emit imageEdited();
  });
  connect(password_, &QLineEdit::textChanged, this, [this](const QString& text) { page_.setPassword(text); });
  connect(sync_, &QPushButton::clicked, this, &TimePageWidget::synchronise);
  connect(read_, &QPushButton::clicked, this, [this] {
    if (!countingDown_) emit clockReadRequested();
  });
  connect(write_, &QPushButton::clicked, this, &TimePageWidget::writeClock);
}

void TimePageWidget::showCurrent() {
  const QDateTime now = now_();
  const QSignalBlocker blockDate(date_), blockTime(deviceTime_), blockComputer(computerTime_),
      blockPassword(password_);
  date_->setDate(page_.date(now.date()));
  deviceTime_->setTime(page_.deviceTime());
  computerTime_->setTime(now.time());
  password_->setText(page_.password());
}

void TimePageWidget::tick() {
  page_.tick();
  showCurrent();
}

void TimePageWidget::synchronise() {
  page_.synchronise(now_());
  showCurrent();
  emit imageEdited();
}

void TimePageWidget::showCountdown(int secondsLeft) {
  countdown_->setText(CountdownText(secondsLeft));
  countdown_->show();
  deviceTime_->blockSignals(true);
  deviceTime_->setTime(page_.deviceTime());
  deviceTime_->blockSignals(false);
}

bool TimePageWidget::waitKeepingWindowsAlive(int ms) {
  // The page may go with its window while the user waits.
  QPointer<TimePageWidget> alive(this);
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
  loop.exec();
  return !alive.isNull();
}

void TimePageWidget::writeClock() {
  if (countingDown_) return;
  countingDown_ = true;
  // The countdown advances the seconds itself; the timer must not add its own.
  timer_->stop();
  read_->setEnabled(false);
  write_->setEnabled(false);
  QPointer<TimePageWidget> alive(this);
  CountdownHooks hooks;
  hooks.show = [this](int left) { showCountdown(left); };
  const std::function<bool(int)> pause = pause_;
  hooks.sleep = [pause](int ms) { return pause(ms); };
  // The rules keep their state in the workspace, so a copy counts down safely
  // even if the page goes during a pause.
  TimePage page = page_;
  const bool finished = page.countDown(hooks);
  if (!alive) return;
  countingDown_ = false;
  countdown_->hide();
  read_->setEnabled(true);
  write_->setEnabled(true);
  timer_->start();
  showCurrent();
  if (finished) emit clockWriteRequested(password_->text());
}

}  // namespace nastrum
