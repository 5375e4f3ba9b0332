// The rules of the "Время" page: the running copy of the time that a clock
// write will send (the seconds of the day kept here, the date and minutes in
// the image's TimeHHMM, DateDDMM and DateYear), the user's
// edits of it, the synchronisation with the computer's clock and the
// countdown before a write.
#pragma once

#include <QDateTime>

#include "link/clock/device_clock_time.h"
#include "model/workspace.h"

namespace nastrum {

class TimePage {
 public:
  explicit TimePage(Workspace& workspace);

  // The date of `tek_date`: the image's date words, or `fallback` when they
  // make no date.
  QDate date(const QDate& fallback) const;
  // The time of `tek_tektime`.
  QTime deviceTime() const;
  // Its seconds of the day; the countdown before a write waits on them.
  int deviceSeconds() const { return deviceSeconds_; }
  // A fresh image (new, opened, closed) starts the time over at 0:00:01; a
  // device read keeps it running.
  void forgetDeviceTime() { deviceSeconds_ = 1; }

  // The one-second timer: the device time moves on by a second (after 23:59:59
  // to 0:00:00 of the next day), or follows the computer's clock after "<",
  // and the image words follow. Never marks the settings as changed; does
  // nothing without an open settings file.
  void tick(const QDateTime& computerNow);

  // The user's edits: the settings count as changed.
  void setDeviceTime(const QTime& time);
  void setDate(const QDate& date);
  // "<": the device time and date become the computer's, and follow it
  // until the user sets another time or a clock read brings the device's.
  void synchronise(const QDateTime& computerNow);
  bool followsComputer() const { return followsComputer_; }

  // A successful clock read: the device's time becomes the page's.
  void takeDeviceClock(const QDateTime& deviceTime);

  // What a clock write sends, asked when the bytes go out: the computer's
  // time after "<", else the page's time running on with the computer's
  // clock from `computerNow`.
  ClockSource timeToWrite(const std::function<QDateTime()>& computerNow) const;

  // `Edit26`, the password the clock write sends.
  const QString& password() const { return password_; }
  void setPassword(const QString& text) { password_ = text; }

 private:
  void storeClock(const QDate& date);

  Workspace& workspace_;
  QString password_;
  bool followsComputer_ = false;
  int deviceSeconds_ = 1;
};

}  // namespace nastrum
