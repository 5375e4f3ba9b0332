// The "Время" tab: the running time to be written to the device, the
// computer's clock beside it, "<" to take the computer's time, and the two
// clock buttons. The clock runs themselves are started by the main window's
// clock action, which answers clockReadRequested and clockWriteRequested.
#pragma once

#include <functional>

#include <QDateTime>
#include <QWidget>

#include "editor/pages/time/time_page.h"
#include "model/message_presenter.h"

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimeEdit;
class QTimer;

namespace nastrum {

class TimePageWidget : public QWidget {
  Q_OBJECT
 public:
  TimePageWidget(Workspace& workspace, MessagePresenter& presenter, QWidget* parent = nullptr);

  TimePage& page() { return page_; }

  // Fills the controls from the image and the device seconds.
  void showCurrent();

  // The computer's clock (tests set their own) and the length of one
  // countdown step (tests shorten it).
  void setComputerClock(std::function<QDateTime()> now) { now_ = std::move(now); }
  std::function<QDateTime()> computerClock() const { return now_; }
  void setCountdownStepMs(int ms);

  // One tick of the page's one-second timer.
  void tick();

  // What the clock write is to send, asked when the bytes go out.
  ClockSource timeToWrite() const { return page_.timeToWrite(now_); }
  // A clock read's result becomes the page's time at once.
  void takeDeviceClock(const QDateTime& deviceTime);
  bool countingDown() const;

 signals:
  void imageEdited();
  // `Button5`: the exchange window is to run the clock read.
  void clockReadRequested();
  // `Button4` after the countdown: the exchange window is to run the clock
  // write with this password (and timeToWrite()).
  void clockWriteRequested(const QString& password);

 private:
  void build();
  void synchronise();
  void writeClock();
  void countdownStep();
  void endCountdown();
  void showCountdown(int secondsLeft);

  Workspace& workspace_;
  TimePage page_;
  std::function<QDateTime()> now_;
  int stepsLeft_ = 0;     // countdown steps still to come
  int secondsLeft_ = 0;   // what the countdown label says

  QDateEdit* date_ = nullptr;
  QTimeEdit* deviceTime_ = nullptr;
  QTimeEdit* computerTime_ = nullptr;
  QPushButton* sync_ = nullptr;
  QPushButton* read_ = nullptr;
  QPushButton* write_ = nullptr;
  QLineEdit* password_ = nullptr;
  QLabel* countdown_ = nullptr;
  QPushButton* cancelCountdown_ = nullptr;
  QTimer* timer_ = nullptr;
  QTimer* countdownTimer_ = nullptr;
};

}  // namespace nastrum
