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
  EXPECT_EQ(backup.settingsPath, QDir(root.path()).filePath("4711/2026-12-10_14-05-09.bfm"));
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
  for (const bool stop : {true, false}) {
    ReadRig rig;
    if (stop) rig.addDevice(3, FullImage(3, 1));  // else no device answers
    rig.observer.stop = stop;
    QTemporaryDir root;

    RunContext ctx = rig.ctx();
    const DeviceBackup backup = RunDeviceBackup(ctx, root.path(), true, kWhen);

    EXPECT_FALSE(backup.saved()) << stop;
    EXPECT_EQ(backup.image, nullptr) << stop;
    EXPECT_TRUE(backup.outcome.failed()) << stop;
    EXPECT_TRUE(QDir(root.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty()) << stop;
  }
}

}  // namespace
}  // namespace nastrum::test
