// A backup read of a simulated device: the pair lands in the device's folder
// and holds what the device holds; a stopped or failed read saves nothing.
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "full_image.h"
#include "link/read/device_backup.h"
#include "model/editor_state.h"
#include "model/settings_files.h"
#include "read_rig.h"

namespace nastrum::test {
namespace {

const QDateTime kWhen(QDate(2026, 12, 10), QTime(14, 5, 9));

TEST(DeviceBackup, ThePairInTheDevicesFolderHoldsItsConstantsAndNames) {
  ReadRig rig;
  SettingsImage device = FullImage(2, 3);
  device.names.sensorNames[4].setBytes(QByteArray("PODACHA 1"));
  rig.addDevice(2, device, 4711);
  rig.workspace.image = FullImage(1, 9);
  const SettingsImage before = rig.workspace.image;
  QTemporaryDir root;

  RunContext ctx = rig.ctx();
  const DeviceBackup backup = RunDeviceBackup(ctx, root.path(), true, kWhen);

  ASSERT_TRUE(backup.saved());
  EXPECT_EQ(backup.settingsPath, QDir(root.path()).filePath("1267/2026-12-10_14-05-09.bfm"));
  EXPECT_EQ(backup.factoryNumber, 4711);
  SettingsImage read;
  EditorState editor;
  const ReadOutcome opened = readSettingsPair(backup.settingsPath, read, editor);
  ASSERT_TRUE(opened.ok());
  EXPECT_TRUE(opened.namesRead);
  EXPECT_EQ(read.deviceKind, 2);
  EXPECT_EQ(read.names.sensorNames[4].bytes().trimmed(), device.names.sensorNames[4].bytes());
  EXPECT_EQ(read.names.sensorNames[4].bytes().trimmed(), backup.image->names.sensorNames[4].bytes().trimmed());
  EXPECT_TRUE(rig.observer.log.contains("Копия настроек прибора: " + QDir::toNativeSeparators(backup.settingsPath)));
  EXPECT_EQ(rig.workspace.image.deviceKind, before.deviceKind) << "the user's image is not the backup's";
}

TEST(DeviceBackup, AStoppedOrFailedReadSavesNothing) {
  enum class Failure { Stop, NoDevice, NoPort };
  for (const Failure failure : {Failure::Stop, Failure::NoDevice, Failure::NoPort}) {
    const int row = static_cast<int>(failure);
    ReadRig rig;
    if (failure != Failure::NoDevice) rig.addDevice(3, FullImage(3, 1));
    rig.observer.stop = failure == Failure::Stop;
    rig.line.setMissingPort(failure == Failure::NoPort);
    QTemporaryDir root;

    RunContext ctx = rig.ctx();
    const DeviceBackup backup = RunDeviceBackup(ctx, root.path(), true, kWhen);

    EXPECT_FALSE(backup.saved()) << row;
    EXPECT_EQ(backup.image, nullptr) << row;
    // A port that would not open has no code of its own: the outcome says so.
    EXPECT_TRUE(backup.outcome.failed() || backup.outcome.portFailed) << row;
    EXPECT_EQ(backup.outcome.portFailed, failure == Failure::NoPort) << row;
    EXPECT_TRUE(QDir(root.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty()) << row;
  }
}

}  // namespace
}  // namespace nastrum::test
