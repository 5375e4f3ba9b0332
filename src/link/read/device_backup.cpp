#include "link/read/device_backup.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "link/read/device_read_job.h"
#include "model/settings_files.h"

namespace nastrum {

QString DefaultBackupRoot() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("backups"));
}

QString BackupSettingsPath(const QString& root, int factoryNumber, const QDateTime& when) {
  const QString stamp = when.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
  // The factory number as the program shows it everywhere: four hex digits.
  const QString device = QStringLiteral("%1").arg(factoryNumber, 4, 16, QLatin1Char('0')).toUpper();
  return QDir(root).filePath(device + QLatin1Char('/') + stamp + QStringLiteral(".bfm"));
}

DeviceBackup RunDeviceBackup(RunContext& ctx, const QString& root, bool withNames, const QDateTime& when) {
  Workspace own;  // the backup's image is never the one being edited
  RunContext backupCtx{own, ctx.link, ctx.settings, ctx.observer, ctx.presenter};

  DeviceBackup backup;
  DeviceReadJob job;
  backup.outcome = job.run(backupCtx, ReadChoice::Constants);
  backup.factoryNumber = own.run.factoryNumber;
  if (!job.result()) return backup;
  own.image = *job.result();
  if (withNames) {
    backup.outcome = job.run(backupCtx, ReadChoice::Names);
    if (!job.result()) return backup;
    own.image = *job.result();
  }
  backup.image = std::make_unique<SettingsImage>(own.image);

  const QString path = BackupSettingsPath(root, backup.factoryNumber, when);
  if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !writeSettingsPair(path, own.image).settingsWritten) {
    ctx.log(QStringLiteral("Копию настроек не удалось сохранить: ") + QDir::toNativeSeparators(path));
    return backup;
  }
  backup.settingsPath = path;
  ctx.log(QStringLiteral("Копия настроек прибора: ") + QDir::toNativeSeparators(path));
  return backup;
}

}  // namespace nastrum
