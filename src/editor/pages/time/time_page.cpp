#include "editor/pages/time/time_page.h"

#include "link/clock/device_clock_time.h"

namespace nastrum {

namespace {

int SecondsOf(const QTime& time) { return time.hour() * 3600 + time.minute() * 60 + time.second(); }

}  // namespace

TimePage::TimePage(Workspace& workspace) : workspace_(workspace) {}

QDate TimePage::date(const QDate& fallback) const {
  const SettingsImage& image = workspace_.image;
  const int ddmm = image.sys(sys::DateDDMM);
  const QDate d(image.sys(sys::DateYear), ddmm % 100, ddmm / 100);
  return d.isValid() ? d : fallback;
}

QTime TimePage::deviceTime() const {
  const int s = ((deviceSeconds_ % kSecondsPerDay) + kSecondsPerDay) % kSecondsPerDay;
  return QTime(s / 3600, s % 3600 / 60, s % 60);
}

void TimePage::storeClock(const QDate& date) {
  SetImageClock(workspace_.image, date, SecondsOf(deviceTime()));
}

void TimePage::tick(const QDateTime& computerNow) {
  if (!workspace_.file.isOpen()) return;
  if (followsComputer_) {
    // A timer drifts; the computer's clock does not.
    deviceSeconds_ = SecondsOf(computerNow.time());
    storeClock(computerNow.date());
    return;
  }
  QDate d = date(QDate::currentDate());
  deviceSeconds_ = (SecondsOf(deviceTime()) + 1) % kSecondsPerDay;
  // The device's own clock starts the next day at midnight; the time to be
  // written must too, or a write just after midnight would set yesterday.
  if (deviceSeconds_ == 0) d = d.addDays(1);
  storeClock(d);
}

void TimePage::setDeviceTime(const QTime& time) {
  followsComputer_ = false;
  deviceSeconds_ = SecondsOf(time);
  storeClock(date(QDate::currentDate()));
}

void TimePage::setDate(const QDate& d) {
  if (!d.isValid()) return;
  followsComputer_ = false;
  storeClock(d);
}

void TimePage::synchronise(const QDateTime& computerNow) {
  deviceSeconds_ = SecondsOf(computerNow.time());
  storeClock(computerNow.date());
  followsComputer_ = true;
}

void TimePage::takeDeviceClock(const QDateTime& deviceTime) {
  followsComputer_ = false;
  deviceSeconds_ = TakeDeviceClock(workspace_.image, deviceTime);
}

ClockSource TimePage::timeToWrite(const std::function<QDateTime()>& computerNow) const {
  if (followsComputer_) return computerNow;
  const QDateTime pressed = computerNow();
  const QDateTime shown(date(pressed.date()), deviceTime());
  return [computerNow, pressed, shown] { return shown.addMSecs(pressed.msecsTo(computerNow())); };
}

}  // namespace nastrum
