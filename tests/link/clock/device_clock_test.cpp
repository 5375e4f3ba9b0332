// The clock values between the image words and the device's byte pairs, and
// the countdown before a clock write.
#include <gtest/gtest.h>

#include "link/clock/clock_countdown.h"
#include "link/clock/device_clock_time.h"

namespace nastrum {
namespace {

SettingsImage ImageWithClock(int hhmm, int ddmm, int year) {
  SettingsImage image;
  image.sys(sys::TimeHHMM) = hhmm;
  image.sys(sys::DateDDMM) = ddmm;
  image.sys(sys::DateYear) = year;
  return image;
}

TEST(ClockBytes, ImageWordsSplitIntoDecimalPairs) {
  struct Case {
    int hhmm, ddmm, year;
    BytePair time, date, yearBytes;
  };
  for (const Case& c : {Case{905, 103, 2024, {9, 5}, {1, 3}, {20, 24}},
                        Case{45, 3112, 2005, {0, 45}, {31, 12}, {20, 5}},
                        Case{2359, 2902, 2028, {23, 59}, {29, 2}, {20, 28}},
                        Case{0, 101, 1999, {0, 0}, {1, 1}, {19, 99}}}) {
    const auto time = ImageClockTime(ImageWithClock(c.hhmm, c.ddmm, c.year));
    ASSERT_TRUE(time) << c.hhmm << ' ' << c.ddmm;
    const auto bytes = ClockBytesFor(*time);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->time, c.time) << c.hhmm;
    EXPECT_EQ(bytes->date, c.date) << c.ddmm;
    EXPECT_EQ(bytes->year, c.yearBytes) << c.year;
  }
}

TEST(ClockBytes, WordsThatMakeNoDateOrTimeAreNotWritten) {
  for (const SettingsImage& image : {ImageWithClock(2460, 101, 2024), ImageWithClock(1200, 3002, 2024),
                                     ImageWithClock(1200, 113, 2024), ImageWithClock(-5, 101, 2024),
                                     ImageWithClock(1200, 2902, 2027), ImageWithClock(1200, 101, 12345)})
    EXPECT_FALSE(ImageClockTime(image)) << image.sys(sys::TimeHHMM) << ' ' << image.sys(sys::DateDDMM);
}

TEST(ClockBytes, DeviceBytesMakeTheDateAndTime) {
  const auto t = ClockTimeFromBytes(QByteArray("\x14\x05", 2), QByteArray("\x07\x03", 2), QByteArray("\x09\x05", 2));
  ASSERT_TRUE(t);
  EXPECT_EQ(*t, QDateTime(QDate(2005, 3, 7), QTime(9, 5)));
  EXPECT_FALSE(ClockTimeFromBytes(QByteArray("\x14\x05", 2), QByteArray("\x1F\x02", 2), QByteArray("\x09\x05", 2)))
      << "31 February";
  EXPECT_FALSE(ClockTimeFromBytes(QByteArray("\x14\x05", 2), QByteArray("\x07\x03", 2), QByteArray("\x18\x00", 2)))
      << "24:00";
  EXPECT_FALSE(ClockTimeFromBytes(QByteArray("\x14", 1), QByteArray("\x07\x03", 2), QByteArray("\x09\x05", 2)));
}

TEST(ClockBytes, TakingTheDeviceClockSetsTheTimeToWrite) {
  Workspace w;
  EXPECT_EQ(TakeDeviceClock(w.image, QDateTime(QDate(2005, 3, 7), QTime(9, 5, 42))), 9 * 3600 + 5 * 60)
      << "the device's seconds are not written back";
  EXPECT_EQ(w.image.sys(sys::TimeHHMM), 905);
  EXPECT_EQ(w.image.sys(sys::DateDDMM), 703);
  EXPECT_EQ(w.image.sys(sys::DateYear), 2005);
  EXPECT_FALSE(w.file.isModified()) << "the main window marks the settings modified";
}

struct CountdownTrace {
  QList<int> shown;
  int sleeps = 0;
  int seconds = 0;
  bool finished = false;
};

CountdownTrace Countdown(int deviceSeconds, int abandonAfter = -1) {
  CountdownTrace t;
  t.seconds = deviceSeconds;
  CountdownHooks hooks;
  hooks.show = [&](int left) { t.shown << left; };
  hooks.sleep = [&](int ms) {
    EXPECT_EQ(ms, kCountdownSleepMs);
    return t.sleeps++ != abandonAfter;
  };
  t.finished = RunCountdown(t.seconds, hooks);
  return t;
}

TEST(ClockCountdown, WaitsInFiveSecondStepsUntilTheMinuteEnds) {
  const CountdownTrace ten = Countdown(3600 + 10);
  EXPECT_EQ(ten.shown, (QList<int>{50, 45, 40, 35, 30, 25, 20, 15, 10, 5}));
  EXPECT_EQ(ten.sleeps, 9);
  EXPECT_EQ(ten.seconds % 60, 55);
  EXPECT_TRUE(ten.finished);

  for (int s : {0, 55, 57, 59}) {
    const CountdownTrace none = Countdown(120 + s);
    EXPECT_EQ(none.sleeps, 0) << s;
    EXPECT_TRUE(none.shown.isEmpty()) << s;
    EXPECT_EQ(none.seconds, 120 + s);
  }
  const CountdownTrace one = Countdown(54);
  EXPECT_EQ(one.sleeps, 0) << "(56 - 54) div 5 is 0: the write starts at once";
  const CountdownTrace fifty = Countdown(51);
  EXPECT_EQ(fifty.shown, (QList<int>{9, 4}));
  EXPECT_EQ(fifty.seconds, 56);
}

TEST(ClockCountdown, AnAbandonedPauseStopsTheWrite) {
  const CountdownTrace t = Countdown(10, 2);
  EXPECT_FALSE(t.finished);
  EXPECT_EQ(t.seconds, 20);
}

TEST(ClockCountdown, TheComputersTimeCountsDownToTheMinutesEnd) {
  int sleeps = 0;
  const CountdownHooks hooks{{}, [&](int) { return ++sleeps > 0; }};
  EXPECT_EQ(CountDownFrom(QDateTime(QDate(2026, 5, 4), QTime(10, 20, 10)), hooks),
            QDateTime(QDate(2026, 5, 4), QTime(10, 20, 55)));
  EXPECT_EQ(sleeps, 9);
  EXPECT_EQ(CountDownFrom(QDateTime(QDate(2026, 5, 4), QTime(23, 59, 57)), hooks),
            QDateTime(QDate(2026, 5, 4), QTime(23, 59, 57)));
  EXPECT_FALSE(CountDownFrom(QDateTime(QDate(2026, 5, 4), QTime(10, 20, 10)), {{}, [](int) { return false; }}));
}

TEST(ClockCountdown, LabelText) {
  EXPECT_EQ(CountdownText(50), QStringLiteral("Запись времени произойдет через 50 сек."));
}

}  // namespace
}  // namespace nastrum
