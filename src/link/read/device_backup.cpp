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
  return QDir(root).filePath(QString::number(factoryNumber) + QLatin1Char('/') + stamp + QStringLiteral(".bfm"));
}

DeviceBackup RunDeviceBackup(RunContext& ctx, const QString& root, bool withNames, const QDateTime& when) {
  Workspace own;  // the backup's image is never the one being edited
  own.editor.fileOpen = true;
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
