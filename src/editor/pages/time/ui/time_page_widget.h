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

  // The computer's clock (tests set a fixed one) and one countdown pause
  // (by default a wait that keeps the windows answering; false abandons).
  void setComputerClock(std::function<QDateTime()> now) { now_ = std::move(now); }
  void setCountdownPause(std::function<bool(int ms)> pause) { pause_ = std::move(pause); }

  // One tick of the page's one-second timer.
  void tick();

 signals:
  void imageEdited();
  // `Button5`: the exchange window is to run the clock read.
  void clockReadRequested();
  // `Button4` after the countdown: the exchange window is to run the clock
  // write with this password.
  void clockWriteRequested(const QString& password);

 private:
  void build();
  void synchronise();
  void writeClock();
  void showCountdown(int secondsLeft);
  bool waitKeepingWindowsAlive(int ms);

  Workspace& workspace_;
  TimePage page_;
  std::function<QDateTime()> now_;
  std::function<bool(int)> pause_;
  bool countingDown_ = false;

  QDateEdit* date_ = nullptr;
  QTimeEdit* deviceTime_ = nullptr;
  QTimeEdit* computerTime_ = nullptr;
  QPushButton* sync_ = nullptr;
  QPushButton* read_ = nullptr;
  QPushButton* write_ = nullptr;
  QLineEdit* password_ = nullptr;
  QLabel* countdown_ = nullptr;
  QTimer* timer_ = nullptr;
};

}  // namespace nastrum
