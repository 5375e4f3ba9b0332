// "Считать время с ОРВИК" and "Записать время в ОРВИК" of the time page wired
// to the exchange window's clock modes: the report and map windows are closed
// first, the window runs the clock read or write at once, and a successful
// read becomes the page's time.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QPointer>

#include <optional>

#include "link/clock/device_clock_time.h"
#include "model/workspace.h"

namespace nastrum {

class ExchangeWindow;
class Tbase_form;
class TimePageWidget;

class DeviceClockAction : public QObject {
  Q_OBJECT
 public:
  DeviceClockAction(Workspace& workspace, Tbase_form& mainWindow, ExchangeWindow& exchangeWindow,
                    QObject* parent = nullptr);

  // Follows the buttons of `page` and refreshes it after a read.
  void attach(TimePageWidget& page);

  // `Button5`: the exchange window in mode 3.
  void readClock();
  // `Button4` after its countdown: the exchange window in mode 4 with the
  // page's password.
  void writeClock(const QString& password);

 private:
  void takeReading(const QDateTime& time);

  Workspace& workspace_;
  Tbase_form& main_;
  ExchangeWindow& exchange_;
  QPointer<TimePageWidget> page_;
  std::optional<QDateTime> reading_;
  ClockSource timeToWrite_;  // the write under way sends what this gives
};

}  // namespace nastrum
