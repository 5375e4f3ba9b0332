// The clock runs through the program's link layer against the simulated
// device on a virtual clock, with the exact log lines.
#include <deque>

#include <gtest/gtest.h>

#include "link/clock/clock_countdown.h"
#include "link/clock/clock_runs.h"
#include "link/runs/link_device_session.h"
#include "link/runs/recording_observer.h"
#include "link/runs/run_codes.h"
#include "link/runs/run_retry.h"
#include "model/reset_image.h"
#include "sim/device_port.h"
#include "sim/sim_serial_line.h"
#include "sim/simulated_device.h"
#include "support/scripted_presenter.h"

namespace nastrum {
namespace {

const QString kConnected = QStringLiteral("Подключенный прибор:   OK");
const QString kMismatch = QStringLiteral("Подключенный ОРВИК не соответствует настрокайм.");

struct ClockRig {
  explicit ClockRig(int model, std::optional<std::uint16_t> password = std::nullopt) {
    settings.attempts = 1;
    settings.pauseSeconds = 0;
    presenter.acknowledgeOkBoxes();
    EditorState editor;
    SettingsImage deviceImage;
    ResetImage(deviceImage, editor);
    sim::DeviceConfig config;
    config.modelCode = model;
    config.password = password;
    device.emplace(config, deviceImage, clock);
    port.emplace(*device);
    line.attach(*port);
    ResetImage(workspace.image, workspace.editor);
    workspace.image.deviceKind = model >= 1 && model <= 3 ? model : 2;
  }

  void setImageClock(int hhmm, int ddmm, int year) {
    workspace.image.sys(sys::TimeHHMM) = hhmm;
    workspace.image.sys(sys::DateDDMM) = ddmm;
    workspace.image.sys(sys::DateYear) = year;
  }

  std::optional<QDateTime> read() {
    RunContext ctx{workspace, session, settings, observer, presenter};
    std::optional<QDateTime> reading;
    RunClockRead(ctx, reading);
    return reading;
  }
  void write() {
    RunContext ctx{workspace, session, settings, observer, presenter};
    RunClockWrite(ctx, ImageClockRunning(workspace.image, [this] { return clock.nowMs(); }));
  }
  QDateTime deviceTime() const { return device->now(); }

  VirtualClock clock;
  sim::SimSerialLine line{clock};
  std::optional<sim::SimulatedDevice> device;
  std::optional<sim::DevicePort> port;
  LinkDeviceSession session{line, clock};
  Workspace workspace;
  ExchangeSettings settings;
  test::RecordingObserver observer;
  ScriptedPresenter presenter;
};

TEST(ClockRead, ReadsTheDeviceClock) {
  ClockRig rig(2);
  rig.workspace.run.runError = run_code::kStoppedByUser;  // left by an earlier run
  const auto reading = rig.read();
  ASSERT_TRUE(reading) << rig.observer.log.join('\n').toStdString();
  EXPECT_EQ(*reading, QDateTime(QDate(2026, 1, 15), QTime(12, 0)));
  EXPECT_EQ(rig.observer.log, (QStringList{kConnected, QStringLiteral("ОРВИК  5 расшир. версия 3.2"),
                                           QStringLiteral("Чтение времени прошло успешно.")}));
  EXPECT_TRUE(rig.workspace.run.runDone);
  EXPECT_EQ(rig.workspace.run.runError, 0);
  EXPECT_EQ(rig.observer.progressPosition, 2);
  EXPECT_FALSE(rig.workspace.file.isModified()) << "the caller takes the reading over";
}

TEST(ClockRead, AnEarlyModelGetsOnlyTheMismatchLineAfterTheGreeting) {
  ClockRig rig(0);
  EXPECT_FALSE(rig.read());
  ASSERT_GE(rig.observer.log.size(), 2);
  EXPECT_EQ(rig.observer.log.last(), kMismatch);
  EXPECT_TRUE(rig.observer.log[rig.observer.log.size() - 2].contains(QStringLiteral("базовый")));
  EXPECT_FALSE(rig.workspace.run.runDone);
}

TEST(ClockRead, ASilentDeviceEndsWithTheReadError) {
  ClockRig rig(2);
  rig.device->faults().add({sim::FaultKind::NoAnswer});
  EXPECT_FALSE(rig.read());
  EXPECT_EQ(rig.observer.log.first(), QStringLiteral("Подключенный прибор:   Нет ответа от ОРВИК "));
  EXPECT_EQ(rig.observer.log.last(), QStringLiteral("Ошибка чтения."));
  EXPECT_EQ(rig.workspace.run.runError, run_code::kNoAnswer);
  EXPECT_FALSE(rig.workspace.run.runDone);
}

TEST(ClockRead, StopSkipsTheReads) {
  ClockRig rig(3);
  rig.observer.onPump = [&] { rig.observer.stop = true; };
  EXPECT_FALSE(rig.read());
  EXPECT_EQ(rig.observer.log.last(), QStringLiteral("Ошибка чтения."));
  EXPECT_EQ(rig.workspace.run.runError, run_code::kStoppedByUser);
}

TEST(ClockWrite, WritesTheImageClock) {
  ClockRig rig(2);
  rig.setImageClock(905, 703, 2005);
  rig.write();
  EXPECT_EQ(rig.observer.log.last(), QStringLiteral("Запись времени прошло успешно."))
      << rig.observer.log.join('\n').toStdString();
  EXPECT_TRUE(rig.observer.log.contains(QStringLiteral("Передача пароля ")));
  EXPECT_TRUE(rig.workspace.run.runDone);
  const QDateTime now = rig.deviceTime();
  EXPECT_EQ(now.date(), QDate(2005, 3, 7));
  EXPECT_EQ(now.time().hour(), 9);
  EXPECT_EQ(now.time().minute(), 5);
  EXPECT_EQ(rig.observer.progressPosition, 1);
}

TEST(ClockWrite, ARefusedPasswordWritesNothing) {
  ClockRig rig(3, 0x1234);
  rig.setImageClock(905, 703, 2005);
  rig.settings.password = QStringLiteral("4321");
  rig.write();
  EXPECT_EQ(rig.observer.log.last(), QStringLiteral("Увы ! пароль не тот...   OK"));
  EXPECT_FALSE(rig.workspace.run.runDone);
  EXPECT_EQ(rig.deviceTime().date(), QDate(2026, 1, 15));

  rig.observer.log.clear();
  rig.settings.password = QStringLiteral("1234");
  rig.write();
  EXPECT_EQ(rig.observer.log.last(), QStringLiteral("Запись времени прошло успешно."));
  EXPECT_EQ(rig.deviceTime().date(), QDate(2005, 3, 7));
}

TEST(ClockWrite, ADeviceOfAnotherKindIsNotWritten) {
  ClockRig rig(1);
  rig.workspace.image.deviceKind = 3;
  rig.setImageClock(905, 703, 2005);
  rig.write();
  EXPECT_EQ(rig.observer.log.last(), kMismatch);
  EXPECT_EQ(rig.deviceTime().date(), QDate(2026, 1, 15));
}

TEST(ClockWrite, AFailedWriteSaysWhy) {
  ClockRig rig(2);
  rig.setImageClock(905, 703, 2005);
  rig.device->faults().add({sim::FaultKind::NoAnswer, false, 7});  // the connection and the access check pass
  rig.write();
  EXPECT_FALSE(rig.workspace.run.runDone);
  EXPECT_NE(rig.workspace.run.runError, 0);
  EXPECT_FALSE(rig.observer.log.contains(QStringLiteral("Запись времени прошло успешно.")));
  EXPECT_EQ(rig.observer.log.last().trimmed(), QStringLiteral("Нет ответа от ОРВИК"))
      << rig.observer.log.join('\n').toStdString();
}

TEST(ClockWrite, ImageWordsThatMakeNoDateAreNotSent) {
  ClockRig rig(2);
  rig.setImageClock(905, 3002, 2005);
  rig.write();
  EXPECT_EQ(rig.observer.log, QStringList{QStringLiteral("Неверные дата или время, запись отменена.")});
  EXPECT_FALSE(rig.workspace.run.runDone);
  EXPECT_NE(rig.workspace.run.runError, 0);
}

}  // namespace
}  // namespace nastrum

namespace nastrum {
namespace {

// The device starts its seconds from 0 when it takes the time. Whatever the
// second at which the user presses the button, after the page's countdown the
// write waits for the turn of the minute and sends the minute then current,
// so the device agrees with the computer afterwards.
TEST(ClockWrite, TheDeviceAgreesWithTheComputerAfterASetAtAnySecond) {
  for (int second = 0; second < 60; ++second) {
    ClockRig rig(2);
    const QDateTime computerStart(QDate(2026, 12, 31), QTime(23, 59, second, 400));
    const auto computerNow = [&] { return computerStart.addMSecs(rig.clock.nowMs()); };
    // The page's countdown before the window opens.
    rig.clock.advance(std::int64_t{kCountdownSleepMs} * CountdownSleeps(second));
    RunContext ctx{rig.workspace, rig.session, rig.settings, rig.observer, rig.presenter};
    RunClockWrite(ctx, computerNow);
    ASSERT_TRUE(rig.workspace.run.runDone) << second << rig.observer.log.join('\n').toStdString();
    const qint64 behind = rig.deviceTime().msecsTo(computerNow());
    EXPECT_LE(std::abs(behind), 2000) << "second " << second << ": device " << rig.deviceTime().toString().toStdString()
                                      << ", computer " << computerNow().toString().toStdString();
  }
}

TEST(ClockWrite, AStopWhileWaitingForTheMinuteSendsNothing) {
  ClockRig rig(2);
  const QDateTime start(QDate(2026, 5, 4), QTime(10, 20, 30));
  rig.observer.onPump = [&] { rig.observer.stop = rig.clock.nowMs() > 5000; };
  RunContext ctx{rig.workspace, rig.session, rig.settings, rig.observer, rig.presenter};
  RunClockWrite(ctx, [&] { return start.addMSecs(rig.clock.nowMs()); });
  EXPECT_FALSE(rig.workspace.run.runDone);
  EXPECT_EQ(rig.deviceTime().date(), QDate(2026, 1, 15)) << "the device keeps its own clock";
  // Nothing failed on the line, yet the run did not write: its last line says it was stopped, never "OK".
  EXPECT_EQ(rig.observer.log.last(), QStringLiteral("Чтение/запись прервано пользователем."))
      << rig.observer.log.join('\n').toStdString();
  EXPECT_EQ(rig.workspace.run.runError, 23);
}

}  // namespace
}  // namespace nastrum
