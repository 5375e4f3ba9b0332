// A copy of what a device holds, taken before anything is written to it and
// when a whole site is saved: the constants and, when asked, the names, read
// one after the other and kept as a pair in a folder of the device's own.
#pragma once

#include <memory>

#include <QDateTime>
#include <QString>

#include "link/runs/run_context.h"
#include "link/runs/run_outcome.h"
#include "model/settings_image.h"

namespace nastrum {

// The folder every backup goes to unless the user chose another: "backups"
// in the program's data folder.
QString DefaultBackupRoot();

// `<root>/<factory number in four hex digits>/<YYYY-MM-DD_HH-MM-SS>.bfm`; the
// names file sits beside it.
QString BackupSettingsPath(const QString& root, int factoryNumber, const QDateTime& when);

struct DeviceBackup {
  RunOutcome outcome;                    // of the read that ended the backup (portFailed when the port would not open)
  std::unique_ptr<SettingsImage> image;  // what the device holds; null unless every read succeeded
  int factoryNumber = 0;                 // as the device greeted; 0 when it never did
  QString settingsPath;                  // the saved pair; empty unless it was saved
  bool saved() const { return !settingsPath.isEmpty(); }
};

// Reads the device on ctx's link into an image of its own (the user's image
// and run state are never touched) and saves the pair under `root`. Nothing
// is saved unless every read succeeded; a read that failed or was stopped
// leaves its code in `outcome`. A pair that cannot be written leaves `image`
// set and `settingsPath` empty, and says so in the log.
DeviceBackup RunDeviceBackup(RunContext& ctx, const QString& root, bool withNames, const QDateTime& when);

}  // namespace nastrum
