// A write that can be undone and is proven: the device is backed up first
// (a failed or stopped backup sends nothing), what will change is shown for
// confirmation, only the items that differ are written, and every item
// written is read back and compared.
#pragma once

#include <functional>
#include <memory>

#include <QDateTime>
#include <QString>

#include "link/safe_write/write_preview.h"
#include "link/write/device_write_run.h"

namespace nastrum {

struct SafeWriteOptions {
  QString backupRoot;       // empty: DefaultBackupRoot()
  bool changedOnly = true;  // "только изменения": only the items that differ from the backup
  bool verify = true;       // read back every item written, or the names
  bool dryRun = false;      // back up and tell what would change; send nothing
  QDateTime when;           // names the backup; invalid: now
};

// Asked with what will change; false cancels the write. Not asked when
// nothing would change.
using ConfirmWrite = std::function<bool(const WritePreview&)>;

struct SafeWriteOutcome {
  int result = 0;                        // the first failing code (the stop code after "СТОП" or a cancel)
  bool portFailed = false;               // the port could not be opened (for the backup or the write); nothing was sent
  bool backupFailed = false;             // no backup: nothing was sent
  bool cancelled = false;                // the user said "Отмена" to what will change
  bool nothingToChange = false;          // the device already holds it: nothing was sent
  int itemsWritten = 0;                  // constants items the device acknowledged
  std::unique_ptr<SettingsImage> held;   // the device before the write, as backed up
  QString backupPath;                    // the saved pair; empty when there is none
  int factoryNumber = 0;                 // as the device greeted the backup read
  WritePreview preview;                  // what would change; set once the backup is in (points into `held`)

  bool succeeded() const { return result == 0 && !portFailed && !backupFailed && !cancelled; }
  bool verifyFailed() const;
};

// Backs up the device on ctx's link, then (unless a dry run, nothing to
// change or a cancel) writes the workspace's image as `request` says. The
// converter adjustment is applied to the image first, so the preview shows
// what will really be sent.
SafeWriteOutcome RunSafeWrite(RunContext& ctx, const WriteRequest& request, const SafeWriteOptions& options,
                              WriteAnswerer& answers, const ConfirmWrite& confirm = {});

}  // namespace nastrum
