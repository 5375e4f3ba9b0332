// The backup of a whole site: a pair per device, equal to what the device
// holds, in the device's own folder; a device that fails fails alone.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "../read/full_image.h"
#include "link/read/device_backup.h"
#include "model/editor_state.h"
#include "model/reset_image.h"
#include "model/settings_files.h"
#include "scan_rig.h"
#include "sim/faults.h"

namespace nastrum::test {
namespace {

const QDateTime kWhen(QDate(2026, 12, 11), QTime(3, 4, 5));

struct SiteDevice {
  int number, model;
  std::uint16_t factory;
};
const SiteDevice kSite[] = {{3, 1, 301}, {17, 2, 1702}, {29, 3, 2903}};

SettingsImage DeviceImage(const SiteDevice& d) {
  SettingsImage image = FullImage(d.model, d.number);
  image.names.sensorNames[0].setBytes("PODACHA " + QByteArray::number(d.number));
  return image;
}

// What a constants read of the device gives (into a new image), saved as a
// pair beside the backup's and read back as the file holds it.
QByteArray WantedRecord(const SiteDevice& d, const QString& dir) {
  SettingsImage fresh;
  EditorState editor;
  ResetImage(fresh, editor);
  const QString path = QDir(dir).filePath(QStringLiteral("want%1.bfm").arg(d.number));
  EXPECT_TRUE(writeSettingsPair(path, AfterConstantsRead(DeviceImage(d), fresh, d.model)).settingsWritten);
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  return file.readAll();
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct SiteRig : ScanRig {
  SiteRig() {
    for (const SiteDevice& d : kSite) addDevice(d.number, d.model, DeviceImage(d), d.factory);
  }
  SiteBackupReport backUp(const std::vector<ProbeResult>& found) {
    RunContext c = ctx();
    return RunSiteBackup(c, found, SiteBackupOptions{root.path(), true, kWhen});
  }
  QTemporaryDir root;
  QTemporaryDir scratch;
};

TEST(SiteBackup, WritesOnePairPerDeviceEqualToTheDevice) {
  SiteRig rig;
  const std::vector<ProbeResult> found = rig.scan({1, 32}).devices();
  ASSERT_EQ(found.size(), 3u);

  const SiteBackupReport report = rig.backUp(found);

  ASSERT_EQ(report.entries.size(), 3u);
  EXPECT_TRUE(report.allSaved());
  for (std::size_t i = 0; i < std::size(kSite); ++i) {
    const SiteBackupEntry& e = report.entries[i];
    ASSERT_TRUE(e.saved()) << e.failure.toStdString();
    EXPECT_EQ(e.settingsPath, BackupSettingsPath(rig.root.path(), kSite[i].factory, kWhen));
    EXPECT_EQ(FileBytes(e.settingsPath), WantedRecord(kSite[i], rig.scratch.path())) << kSite[i].number;
    SettingsImage saved;
    EditorState editor;
    ASSERT_TRUE(readSettingsPair(e.settingsPath, saved, editor).namesRead);
    EXPECT_EQ(saved.names.sensorNames[0].bytes().trimmed(), DeviceImage(kSite[i]).names.sensorNames[0].bytes());
  }
  EXPECT_EQ(rig.observer.log.mid(rig.observer.log.size() - 4, 1),
            QStringList{QStringLiteral("Сохранено копий: 3 из 3")});
  EXPECT_FALSE(rig.session.isOpen());
}

TEST(SiteBackup, ADeviceThatDiesMidwayFailsAloneAndTheOthersAreSaved) {
  SiteRig rig;
  const std::vector<ProbeResult> found = rig.scan({1, 32}).devices();
  ASSERT_EQ(found.size(), 3u);
  // The middle device falls silent a little way into its constants.
  rig.devices[1].faults().add(sim::Fault{sim::FaultKind::StopAnswering, false, rig.ports[1].requests() + 40});

  const SiteBackupReport report = rig.backUp(found);

  ASSERT_EQ(report.entries.size(), 3u);
  EXPECT_EQ(report.savedCount(), 2);
  EXPECT_TRUE(report.entries[0].saved());
  EXPECT_FALSE(report.entries[1].saved());
  EXPECT_TRUE(report.entries[2].saved());
  EXPECT_EQ(report.entries[1].failure, QStringLiteral("Нет ответа от ОРВИК"));
  EXPECT_FALSE(QFileInfo::exists(QFileInfo(BackupSettingsPath(rig.root.path(), kSite[1].factory, kWhen)).absolutePath()));
  const QStringList summary = SiteBackupSummary(report);
  EXPECT_EQ(summary[0], QStringLiteral("Сохранено копий: 2 из 3"));
  EXPECT_EQ(summary[2], QStringLiteral("№ 17 (заводской № 06A6): не сохранено, Нет ответа от ОРВИК"));
}

TEST(SiteBackup, APortLostAfterTheScanIsNamedForEachDevice) {
  SiteRig rig;
  const std::vector<ProbeResult> found = rig.scan({1, 32}).devices();
  ASSERT_EQ(found.size(), 3u);
  rig.line.setMissingPort(true);  // the adapter pulled out

  const SiteBackupReport report = rig.backUp(found);

  EXPECT_EQ(report.savedCount(), 0);
  for (const SiteBackupEntry& e : report.entries) EXPECT_EQ(e.failure, QStringLiteral("порт не открыт"));
}

TEST(SiteBackup, StopLeavesTheDevicesNotYetReadListedAsStopped) {
  SiteRig rig;
  const std::vector<ProbeResult> found = rig.scan({1, 32}).devices();
  ASSERT_EQ(found.size(), 3u);
  struct StopAfterFirst final : SiteBackupListener {
    RecordingObserver* observer = nullptr;
    void backedUp(const SiteBackupEntry&) override { observer->stop = true; }
  } listener;
  listener.observer = &rig.observer;

  RunContext c = rig.ctx();
  const SiteBackupReport report = RunSiteBackup(c, found, SiteBackupOptions{rig.root.path(), false, kWhen}, &listener);

  EXPECT_TRUE(report.stopped);
  EXPECT_TRUE(report.entries[0].saved());
  for (std::size_t i = 1; i < 3; ++i) {
    EXPECT_FALSE(report.entries[i].saved());
    EXPECT_EQ(report.entries[i].failure, QStringLiteral("Чтение/запись прервано пользователем."));
  }
}

}  // namespace
}  // namespace nastrum::test
