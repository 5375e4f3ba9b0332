// The device's date and time as the image keeps it (TimeHHMM, DateDDMM,
// DateYear and the seconds of the day) and as the clock parameters carry it.
#pragma once

#include <array>
#include <functional>
#include <optional>

#include <QDateTime>

#include "link/value_formats.h"
#include "model/workspace.h"

namespace nastrum {

constexpr int kSecondsPerDay = 86400;

// The date and time a clock write is to set, asked at the moment the bytes
// go out: the write waits for the connection, the password and the turn of
// the minute first, and the device starts its seconds from 0 when it takes
// the time, so a time taken earlier would leave it behind.
using ClockSource = std::function<QDateTime()>;

// A fixed time that runs on with `elapsedMs` from the moment it is made, for
// a time the user typed.
ClockSource RunningFrom(const QDateTime& time, std::function<std::int64_t()> elapsedMs);

// The image's date and time words running on the same way; an invalid time
// when they make no date.
ClockSource ImageClockRunning(const SettingsImage& image, std::function<std::int64_t()> elapsedMs);

// The three clock parameters' byte pairs, in the order they are written.
struct ClockWriteBytes {
  BytePair time;  // hours, minutes
  BytePair date;  // day, month
  BytePair year;  // century, year of century
};

// The time to be written: the image's date with the time of its TimeHHMM
// (seconds are not written). Nothing when the words do not make a real date
// and time, which would set the device's clock to nonsense.
std::optional<QDateTime> ImageClockTime(const SettingsImage& image);
std::optional<ClockWriteBytes> ClockBytesFor(const QDateTime& time);

// What the three clock reads gave, year bytes first: 20, 5 is 2005. Nothing
// when the bytes are no valid date and time.
std::optional<QDateTime> ClockTimeFromBytes(const QByteArray& year, const QByteArray& date, const QByteArray& time);

// The device time of a successful clock read becomes the time to be written:
// the image's date and time words follow it, and the seconds of the day it
// gives (seconds 0) are the time page's; the caller marks the settings
// modified.
int TakeDeviceClock(SettingsImage& image, const QDateTime& time);

// The image's clock words from a date and the seconds of a day; the
// settings are not marked as changed by this.
void SetImageClock(SettingsImage& image, const QDate& date, int secondsOfDay);

}  // namespace nastrum
