#include "link/clock/device_clock_time.h"

namespace nastrum {

ClockSource RunningFrom(const QDateTime& time, std::function<std::int64_t()> elapsedMs) {
  const std::int64_t start = elapsedMs();
  return [time, elapsedMs = std::move(elapsedMs), start] { return time.addMSecs(elapsedMs() - start); };
}

ClockSource ImageClockRunning(const SettingsImage& image, std::function<std::int64_t()> elapsedMs) {
  return RunningFrom(ImageClockTime(image).value_or(QDateTime()), std::move(elapsedMs));
}

std::optional<QDateTime> ImageClockTime(const SettingsImage& image) {
  const int hhmm = image.sys(sys::TimeHHMM);
  const int ddmm = image.sys(sys::DateDDMM);
  const int year = image.sys(sys::DateYear);
  if (hhmm < 0 || ddmm < 0 || year < 0 || year > 9999) return std::nullopt;
  const QDate date(year, ddmm % 100, ddmm / 100);
  const QTime time(hhmm / 100, hhmm % 100);
  if (!date.isValid() || !time.isValid() || ddmm > 3112 || hhmm > 2359) return std::nullopt;
  return QDateTime(date, time);
}

std::optional<ClockWriteBytes> ClockBytesFor(const QDateTime& time) {
  const QDate d = time.date();
  const QTime t = time.time();
  const auto timeBytes = DecimalPairToBytes(t.hour() * 100 + t.minute());
  const auto dateBytes = DecimalPairToBytes(d.day() * 100 + d.month());
  const auto yearBytes = DecimalPairToBytes(d.year());
  if (!timeBytes || !dateBytes || !yearBytes || d.year() < 0) return std::nullopt;
  return ClockWriteBytes{*timeBytes, *dateBytes, *yearBytes};
}

std::optional<QDateTime> ClockTimeFromBytes(const QByteArray& year, const QByteArray& date, const QByteArray& time) {
  if (year.size() < 2 || date.size() < 2 || time.size() < 2) return std::nullopt;
  const auto byte = [](const QByteArray& b, int i) { return static_cast<int>(static_cast<std::uint8_t>(b[i])); };
  const QDate d(byte(year, 0) * 100 + byte(year, 1), byte(date, 1), byte(date, 0));
  const QTime t(byte(time, 0), byte(time, 1));
  if (!d.isValid() || !t.isValid()) return std::nullopt;
  return QDateTime(d, t);
}

void SetImageClock(SettingsImage& image, const QDate& date, int secondsOfDay) {
  const int hours = secondsOfDay / 3600;
  const int minutes = secondsOfDay % 3600 / 60;
  image.sys(sys::TimeHHMM) = hours * 100 + minutes;
  image.sys(sys::DateDDMM) = date.day() * 100 + date.month();
  image.sys(sys::DateYear) = date.year();
}

int TakeDeviceClock(SettingsImage& image, const QDateTime& time) {
  const int seconds = time.time().hour() * 3600 + time.time().minute() * 60;
  SetImageClock(image, time.date(), seconds);
  return seconds;
}

}  // namespace nastrum
