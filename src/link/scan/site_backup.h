// The backup of a whole site: every chosen device of a scan read in turn and
// kept as a pair in its own folder, as the backup before a write keeps it.
// A device that fails is listed with the reason and the next one follows.
#pragma once

#include <vector>

#include <QDateTime>
#include <QString>
#include <QStringList>

#include "link/runs/run_context.h"
#include "link/runs/run_outcome.h"
#include "link/scan/network_scan.h"

namespace nastrum {

struct SiteBackupEntry {
  ProbeResult device;    // as the scan found it
  RunOutcome outcome;    // of the read that ended its backup
  QString settingsPath;  // the saved pair; empty when it was not saved
  QString failure;       // why not, in words

  bool saved() const { return !settingsPath.isEmpty(); }
};

struct SiteBackupReport {
  std::vector<SiteBackupEntry> entries;  // one per chosen device, in the order chosen
  bool stopped = false;

  int savedCount() const;
  bool allSaved() const { return savedCount() == static_cast<int>(entries.size()); }
};

class SiteBackupListener {
 public:
  virtual ~SiteBackupListener() = default;
  virtual void backingUp(const ProbeResult& /*device*/) {}
  virtual void backedUp(const SiteBackupEntry& entry) = 0;
};

struct SiteBackupOptions {
  QString root;           // the pairs go to <root>/<factory number>/<when>.bfm
  bool withNames = true;  // the names need the device's key and the password of the settings
  QDateTime when;         // one stamp for the whole site
};

// Backs up `devices` one after the other on the port and line of
// ctx.settings, each at its own network number. After "СТОП" the devices not
// yet read are listed as stopped. The port is closed at the end.
SiteBackupReport RunSiteBackup(RunContext& ctx, const std::vector<ProbeResult>& devices,
                               const SiteBackupOptions& options, SiteBackupListener* listener = nullptr);

// The summary the log ends with: a count, then one line per device.
QStringList SiteBackupSummary(const SiteBackupReport& report);

}  // namespace nastrum
