// The read run against the simulated device on an in-process line: every
// kind read whole, the end lines, STOP and failures in the middle, the names.
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "full_image.h"
#include "link/read/read_map.h"
#include "link/runs/result_texts.h"
#include "model/editor_state.h"
#include "model/field_walk.h"
#include "model/reset_image.h"
#include "model/settings_files.h"
#include "read_rig.h"

namespace nastrum::test {
namespace {

// The image as its saved pair holds it.
SettingsImage Saved(const SettingsImage& image, const QString& path) {
  EXPECT_TRUE(writeSettingsPair(path, image).settingsWritten);
  SettingsImage back;
  EditorState editor;
  EXPECT_TRUE(readSettingsPair(path, back, editor).ok());
  return back;
}

// The fields whose text differs, with both values.
QStringList Differences(const SettingsImage& got, const SettingsImage& want) {
  const std::vector<Field> a = walkFields(got), b = walkFields(want);
  QStringList out;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
    if (a[i].text != b[i].text) out << a[i].path + QStringLiteral(": ") + a[i].text + QStringLiteral(" want ") + b[i].text;
  return out;
}

class ReadEveryKind : public ::testing::TestWithParam<int> {};

TEST_P(ReadEveryKind, TheSavedPairHoldsWhatTheDeviceHolds) {
  const int kind = GetParam();
  ReadRig rig;
  const SettingsImage device = FullImage(kind, 1);
  rig.addDevice(kind, device, 0x0A7F);
  SettingsImage target = FullImage(kind == 1 ? 3 : 1, 2);  // another kind's image: the kind comes from the device

  rig.read(ReadChoice::Constants, target);

  EXPECT_TRUE(rig.workspace.run.runDone);
  EXPECT_EQ(rig.workspace.run.runError, 0);
  EXPECT_EQ(rig.workspace.run.factoryNumber, 0x0A7F);
  EXPECT_EQ(rig.observer.log.last(), QStringLiteral("Чтение прошло успешно."));
  const int maxima[] = {0, 619, 2919, 2081};
  EXPECT_EQ(rig.observer.progressMaximum, maxima[kind]);
  SettingsImage scratch;
  const int exchanges = static_cast<int>(PlanConstantsRead(kind, scratch).size());
  EXPECT_EQ(rig.observer.progressPosition, std::min(maxima[kind], exchanges));

  QTemporaryDir dir;
  const SettingsImage want = AfterConstantsRead(device, FullImage(kind == 1 ? 3 : 1, 2), kind);
  EXPECT_EQ(Differences(Saved(target, dir.filePath("got.bfm")), Saved(want, dir.filePath("want.bfm"))), QStringList{});
}

INSTANTIATE_TEST_SUITE_P(Kinds, ReadEveryKind, ::testing::Values(1, 2, 3));

TEST(ReadRun, GreetingCarriesTheFactoryNumber) {
  ReadRig rig;
  rig.addDevice(3, FullImage(3, 1), 0x00BE);
  SettingsImage target = FullImage(3, 2);
  rig.read(ReadChoice::Constants, target);
  ASSERT_GE(rig.observer.log.size(), 2);
  EXPECT_EQ(rig.observer.log[0], QStringLiteral("Подключенный прибор:   OK"));
  EXPECT_EQ(rig.observer.log[1], QStringLiteral("ОРВИК 9 версия 3.2 заводской №00BE"));
  EXPECT_EQ(rig.observer.status, QStringLiteral("Вас приветствует ОРВИК 9 версия 3.2"));
}

TEST(ReadRun, StopDuringTheSensorsLeavesTheLaterFamiliesUntouched) {
  ReadRig rig;
  rig.addDevice(2, FullImage(2, 1));
  const SettingsImage base = FullImage(2, 2);
  SettingsImage target = base;
  rig.observer.onPump = [&] {
    if (rig.observer.progressPosition == 5 && !rig.observer.stop) rig.pressStop();
  };

  rig.read(ReadChoice::Constants, target);

  EXPECT_FALSE(rig.workspace.run.runDone);
  EXPECT_EQ(rig.workspace.run.runError, 23);
  const int position = rig.observer.progressPosition;
  EXPECT_EQ(position, 6);  // the exchange under way when STOP came still counts
  EXPECT_EQ(rig.observer.log.mid(rig.observer.log.size() - 2),
            (QStringList{ResultText(23) + QStringLiteral(" "), QStringLiteral("6   ") + ResultText(23)}));
  // Sensor 0 was read up to its fourth real; everything after kept its value.
  EXPECT_NE(target.sensors[0].maxValue, base.sensors[0].maxValue);
  EXPECT_EQ(target.sensors[0].minValue, base.sensors[0].minValue);
  EXPECT_EQ(target.sensors[1].mainDescriptor, base.sensors[1].mainDescriptor);
  for (std::size_t k = 0; k < 16; ++k) EXPECT_EQ(target.pipelines[k].flowSensors, base.pipelines[k].flowSensors);
  EXPECT_EQ(target.hourArcDesc, base.hourArcDesc);
  EXPECT_EQ(target.logicK1, base.logicK1);
  EXPECT_EQ(target.modemInitMain, base.modemInitMain);
  EXPECT_EQ(target.sys(sys::SettlementHourDate), base.sys(sys::SettlementHourDate));
}

// A device that falls silent costs the window nothing: the run lets input
// through at least every slice of its waiting, and STOP pressed during the
// link's retry pause ends the run once the exchange under way is over.
TEST(ReadRun, ASilentDeviceKeepsTheWindowAliveAndTakesStop) {
  ReadRig rig;
  rig.settings.attempts = 3;
  rig.settings.pauseSeconds = 3;
  constexpr int kAnswered = 20;
  rig.addDevice(2, FullImage(2, 1)).faults().add({sim::FaultKind::StopAnswering, false, kAnswered});
  SettingsImage target = FullImage(2, 2);
  std::vector<std::int64_t> pumpsAt;
  std::int64_t silentFrom = -1, stoppedAt = -1;
  rig.observer.onPump = [&] {
    const std::int64_t now = rig.clock.nowMs();
    pumpsAt.push_back(now);
    if (silentFrom < 0 && rig.ports.front().requests() > kAnswered) silentFrom = now;
    // Within the link's own retry pause of the first silent exchange.
    if (silentFrom >= 0 && stoppedAt < 0 && now - silentFrom >= 1500) {
      stoppedAt = now;
      rig.pressStop();
    }
  };

  const RunOutcome outcome = rig.read(ReadChoice::Constants, target);

  ASSERT_GE(stoppedAt, 0);
  EXPECT_EQ(outcome.result, 23);
  EXPECT_FALSE(outcome.done);
  EXPECT_EQ(rig.workspace.run.runError, 23);
  // The exchange under way ended with its second try; no further attempt.
  EXPECT_EQ(rig.ports.front().requests(), kAnswered + 2);
  EXPECT_LT(rig.clock.nowMs() - stoppedAt, 4000);
  std::int64_t longest = 0;
  for (std::size_t i = 1; i < pumpsAt.size(); ++i) longest = std::max(longest, pumpsAt[i] - pumpsAt[i - 1]);
  EXPECT_LE(longest, kIdleSliceMs + 10);
  EXPECT_EQ(rig.observer.log.last().section(QStringLiteral("   "), 1), ResultText(23));
}

TEST(ReadRun, AFailingExchangeEndsWithThePositionAndTheCodesText) {
  ReadRig rig;
  // Identification (two requests) and the factory number (one) pass, then
  // 56 parameters; the device falls silent at the 57th.
  rig.addDevice(2, FullImage(2, 1)).faults().add({sim::FaultKind::StopAnswering, false, 59});
  const SettingsImage base = FullImage(2, 2);
  SettingsImage target = base;

  rig.read(ReadChoice::Constants, target);

  EXPECT_FALSE(rig.workspace.run.runDone);
  EXPECT_EQ(rig.workspace.run.runError, 1);
  // A kind 2 device that stopped answering gets the text once more.
  EXPECT_EQ(rig.observer.log.mid(rig.observer.log.size() - 2),
            (QStringList{QStringLiteral("57   ") + ResultText(1), ResultText(1)}));
  EXPECT_NE(target.sensors[5].mainDescriptor, base.sensors[5].mainDescriptor);
  EXPECT_EQ(target.sensors[5].auxDescriptor, base.sensors[5].auxDescriptor);
  EXPECT_EQ(target.sensors[6].mainDescriptor, base.sensors[6].mainDescriptor);
}

TEST(ReadRun, AModelThisProgramDoesNotServeIsNotRead) {
  ReadRig rig;
  rig.addDevice(4, FullImage(2, 1));
  const SettingsImage base = FullImage(2, 2);
  SettingsImage target = base;
  rig.read(ReadChoice::Constants, target);
  EXPECT_FALSE(rig.workspace.run.runDone);
  EXPECT_EQ(rig.workspace.run.runError, 0);
  EXPECT_EQ(rig.observer.log.last(),
            QStringLiteral("Программа работает только с минимальным, расширяемым ОРВИКом и ОРВИКом 9"));
  EXPECT_EQ(target.deviceKind, base.deviceKind);
  EXPECT_EQ(target.sensors[0].mainDescriptor, base.sensors[0].mainDescriptor);
}

TEST(ReadRun, NoDeviceEndsAtTheIdentification) {
  ReadRig rig;
  SettingsImage target = FullImage(2, 2);
  rig.read(ReadChoice::Constants, target);
  EXPECT_FALSE(rig.workspace.run.runDone);
  EXPECT_EQ(rig.observer.log, (QStringList{QStringLiteral("0   ") + ResultText(1)}));
}

TEST(ReadRun, TheDiagnosticModeShowsTheSectionsAndTheSettlementBytes) {
  ReadRig rig;
  rig.addDevice(3, FullImage(3, 1));  // settlement hour and day 23 16
  rig.workspace.editor.spyMode = true;
  QStringList sections;
  ReadRunHooks hooks;
  hooks.showSection = [&sections](const QString& s) {
    if (sections.isEmpty() || sections.last() != s) sections << s;
  };
  SettingsImage target = FullImage(3, 2);
  rig.read(ReadChoice::Constants, target, hooks);
  ASSERT_TRUE(rig.workspace.run.runDone);
  EXPECT_TRUE(rig.observer.log.contains(QStringLiteral("2316")));
  for (const char* s : {"Расширенный архив интервала № 0", "Расширенный архив интервала № 11", "чтение архива событий 1 часть",
                        "чтение таблиц", "чтение генераторов тока", "Коррекция хода часов", "Расчетный час и дата",
                        "Базовая скорость обмена по ИРПС", "Регулятор № 63"})
    EXPECT_TRUE(sections.contains(QString::fromUtf8(s))) << s;
  EXPECT_FALSE(sections.contains(QStringLiteral("чтение архива событий 2 часть")));
}

TEST(ReadRun, NamesAndTheDesktopOfTheLargeModel) {
  ReadRig rig;
  SettingsImage device = FullImage(3, 1);
  device.names.desktopNames[5].clear();  // a free work-table entry
  device.names.desktopParams[5] = 0xFFFF;
  device.sys(sys::PasswordPresent) = 1;
  device.sys(sys::DevicePassword) = 0x5A3C;
  rig.addDevice(3, device);
  rig.settings.password = QStringLiteral("5a3c");
  const SettingsImage base = FullImage(2, 2);
  SettingsImage target = base;

  rig.read(ReadChoice::Names, target);

  ASSERT_TRUE(rig.workspace.run.runDone) << rig.observer.log.join('\n').toStdString();
  EXPECT_TRUE(rig.observer.log.contains(QStringLiteral("Пароль верен")));
  EXPECT_TRUE(rig.observer.log.contains(QStringLiteral("Чтение имен")));
  EXPECT_TRUE(target.names.desktopNames[5].isEmpty());
  EXPECT_EQ(target.names.desktopParams[5], 0xFFFF);
  EXPECT_EQ(target.names.desktopNames[6].bytes(), device.names.desktopNames[6].bytes().leftJustified(16, ' '));
  EXPECT_EQ(target.names.desktopParams[6], device.names.desktopParams[6] & 0xFFFF);
  EXPECT_EQ(target.names.sensorNames[63].bytes().trimmed(), device.names.sensorNames[63].bytes());
  EXPECT_EQ(target.names.intervalArcNames[11].bytes().trimmed(), device.names.intervalArcNames[11].bytes());
  // Only the names change: the settings and the kind stay.
  EXPECT_EQ(target.deviceKind, base.deviceKind);
  EXPECT_EQ(target.sensors[0].mainDescriptor, base.sensors[0].mainDescriptor);
}

TEST(ReadRun, NamesWithAWrongPasswordEndWithCodeOne) {
  ReadRig rig;
  rig.addDevice(2, FullImage(2, 1)).faults().add({sim::FaultKind::WrongPassword});
  rig.settings.password = QStringLiteral("1234");
  const SettingsImage base = FullImage(2, 2);
  SettingsImage target = base;
  rig.read(ReadChoice::Names, target);
  EXPECT_FALSE(rig.workspace.run.runDone);
  EXPECT_EQ(rig.workspace.run.runError, 1);
  EXPECT_TRUE(rig.observer.log.contains(QStringLiteral("0   ") + ResultText(1)));
  EXPECT_EQ(target.names.sensorNames[0], base.names.sensorNames[0]);
}

TEST(DeviceReadJob, HandsOverOnlyASuccessfulRead) {
  ReadRig rig;
  rig.addDevice(1, FullImage(1, 1)).faults().add({sim::FaultKind::StopAnswering, false, 100});
  rig.workspace.image = FullImage(2, 2);
  const SettingsImage before = rig.workspace.image;
  DeviceReadJob job;
  RunContext ctx = rig.ctx();
  job.run(ctx, ReadChoice::Constants);
  EXPECT_EQ(job.result(), nullptr);
  EXPECT_EQ(rig.workspace.image.sensors[0].mainDescriptor, before.sensors[0].mainDescriptor);

  rig.devices.front().faults().clear();
  job.run(ctx, ReadChoice::Constants);
  ASSERT_NE(job.result(), nullptr);
  // A fresh image with the device's settings: nothing of the current file's names.
  EXPECT_EQ(job.result()->deviceKind, 1);
  EXPECT_TRUE(job.result()->names.sensorNames[0].isEmpty());
  EXPECT_EQ(rig.workspace.image.deviceKind, 2);
}

}  // namespace
}  // namespace nastrum::test
