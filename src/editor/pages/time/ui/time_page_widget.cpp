#include "editor/pages/time/ui/time_page_widget.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimeEdit>
#include <QTimer>

#include "widgets/input_filters.h"
#include "widgets/page_parts.h"
#include "link/clock/clock_countdown.h"

namespace nastrum {

namespace {

constexpr int kTickMs = 1000;

}  // namespace

TimePageWidget::TimePageWidget(Workspace& workspace, MessagePresenter& /*presenter*/, QWidget* parent)
    : QWidget(parent),
      workspace_(workspace),
      page_(workspace),
      now_([] { return QDateTime::currentDateTime(); }) {
  setObjectName(QStringLiteral("pageTime"));
  build();
  timer_ = new QTimer(this);
  timer_->setInterval(kTickMs);
  connect(timer_, &QTimer::timeout, this, &TimePageWidget::tick);
  timer_->start();
  // The countdown is a timer too: the page and every window keep answering,
  // and the page's own clock keeps running meanwhile.
  countdownTimer_ = new QTimer(this);
  countdownTimer_->setInterval(kCountdownSleepMs);
  connect(countdownTimer_, &QTimer::timeout, this, &TimePageWidget::countdownStep);
}

void TimePageWidget::setCountdownStepMs(int ms) { countdownTimer_->setInterval(ms); }

bool TimePageWidget::countingDown() const { return countdownTimer_->isActive(); }

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
  cancelCountdown_ = new QPushButton(QStringLiteral("Отменить запись времени"), this);
  cancelCountdown_->setObjectName(QStringLiteral("countdownCancel"));
  cancelCountdown_->hide();

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
  grid->addWidget(countdown_, 4, 0, 1, 3);
  grid->addWidget(cancelCountdown_, 4, 3, 1, 2);
  grid->setRowStretch(5, 1);
  grid->setColumnStretch(5, 1);
  setTabOrder(date_, deviceTime_);
  setTabOrder(deviceTime_, sync_);
  setTabOrder(sync_, computerTime_);
  setTabOrder(computerTime_, password_);
  setTabOrder(password_, read_);
  setTabOrder(read_, write_);
  setTabOrder(write_, cancelCountdown_);

  // A picker re-reads its own text when it loses the focus and may report the
  // value the running clock put there: only a value the page does not hold
  // yet is the user's edit.
  connect(deviceTime_, &QTimeEdit::timeChanged, this, [this](const QTime& t) {
    if (t == page_.deviceTime()) return;
    page_.setDeviceTime(t);
    emit imageEdited();
  });
  connect(date_, &QDateEdit::dateChanged, this, [this](const QDate& d) {
    if (d == page_.date(QDate())) return;
    page_.setDate(d);
    emit imageEdited();
  });
  connect(password_, &QLineEdit::textChanged, this, [this](const QString& text) { page_.setPassword(text); });
  connect(sync_, &QPushButton::clicked, this, &TimePageWidget::synchronise);
  connect(read_, &QPushButton::clicked, this, [this] {
    if (!countingDown()) emit clockReadRequested();
  });
  connect(write_, &QPushButton::clicked, this, &TimePageWidget::writeClock);
  connect(cancelCountdown_, &QPushButton::clicked, this, &TimePageWidget::endCountdown);
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
  page_.tick(now_());
  showCurrent();
}

void TimePageWidget::takeDeviceClock(const QDateTime& deviceTime) {
  page_.takeDeviceClock(deviceTime);
  showCurrent();
  emit imageEdited();
}

void TimePageWidget::synchronise() {
  page_.synchronise(now_());
  showCurrent();
  emit imageEdited();
}

void TimePageWidget::showCountdown(int secondsLeft) {
  countdown_->setText(CountdownText(secondsLeft));
  countdown_->show();
}

void TimePageWidget::writeClock() {
  if (countingDown()) return;
  const int seconds = page_.deviceSeconds();
  stepsLeft_ = CountdownSleeps(seconds);
  if (stepsLeft_ == 0) {
    emit clockWriteRequested(password_->text());
    return;
  }
  // Wait until the minute is about to end; the write itself then aims at its turn.
  secondsLeft_ = 60 - seconds % 60;
  showCountdown(secondsLeft_);
  cancelCountdown_->show();
  read_->setEnabled(false);
  write_->setEnabled(false);
  cancelCountdown_->setFocus();  // the pressed button is disabled now
  countdownTimer_->start();
}

void TimePageWidget::countdownStep() {
  secondsLeft_ -= kCountdownStepSeconds;
  if (--stepsLeft_ > 0) {
    showCountdown(secondsLeft_);
    return;
  }
  endCountdown();
  emit clockWriteRequested(password_->text());
}

void TimePageWidget::endCountdown() {
  countdownTimer_->stop();
  stepsLeft_ = 0;
  countdown_->hide();
  cancelCountdown_->hide();
  read_->setEnabled(true);
  write_->setEnabled(true);
}

}  // namespace nastrum
