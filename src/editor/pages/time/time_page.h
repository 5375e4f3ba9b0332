// The rules of the "Время" page: the running copy of the time that a clock
// write will send (the seconds of the day in `editor.deviceSeconds`, the date
// and minutes in the image's TimeHHMM, DateDDMM and DateYear), the user's
// edits of it, the synchronisation with the computer's clock and the
// countdown before a write.
#pragma once

#include <QDateTime>

#include "link/clock/clock_countdown.h"
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

  // The one-second timer: the device time moves on by a second (after 23:59:59
  // to 0:00:00 of the next day) and the image words follow. Never marks the
  // settings as changed; does nothing without an open settings file.
  void tick();

  // The user's edits: the settings count as changed.
  void setDeviceTime(const QTime& time);
  void setDate(const QDate& date);
  // "<": the device time and date become the computer's.
  void synchronise(const QDateTime& computerNow);

  // `Edit26`, the password the clock write sends.
  const QString& password() const { return password_; }
  void setPassword(const QString& text) { password_ = text; }

  // The countdown before a clock write (`Button4`); the image words follow
  // the advanced seconds. False when it was abandoned.
  bool countDown(const CountdownHooks& hooks);

 private:
  void storeClock(const QDate& date);

  Workspace& workspace_;
  QString password_;
};

}  // namespace nastrum
