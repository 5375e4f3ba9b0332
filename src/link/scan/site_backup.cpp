#include "link/scan/site_backup.h"

#include <algorithm>

#include <QDir>

#include "link/read/device_backup.h"
#include "link/runs/result_texts.h"
#include "link/runs/run_codes.h"
#include "model/hex_text.h"

namespace nastrum {

namespace {

QString StoppedText() { return ResultText(run_code::kStoppedByUser).trimmed(); }

QString FailureOf(const DeviceBackup& backup) {
  if (backup.image) return QStringLiteral("копию не удалось записать в папку");
  if (backup.outcome.portFailed) return QStringLiteral("порт не открыт");
  if (backup.outcome.result == run_code::kOk) return QStringLiteral("прибор не отвечает");
  return ResultText(backup.outcome.result).trimmed();
}

SiteBackupEntry BackUpOne(RunContext& ctx, const ProbeResult& device, const SiteBackupOptions& options) {
  SiteBackupEntry entry;
  entry.device = device;
  if (!device.served()) {
    entry.failure = QStringLiteral("прибор этого вида программа не читает");
    return entry;
  }
  const ExchangeSettings own = SettingsForNumber(ctx.settings, device.number);
  RunContext deviceCtx{ctx.workspace, ctx.link, own, ctx.observer, ctx.presenter};
  ctx.log(QStringLiteral("** Копия прибора № %1 **").arg(device.number));
  const DeviceBackup backup = RunDeviceBackup(deviceCtx, options.root, options.withNames, options.when);
  entry.outcome = backup.outcome;
  if (backup.saved())
    entry.settingsPath = backup.settingsPath;
  else
    entry.failure = FailureOf(backup);
  return entry;
}

}  // namespace

int SiteBackupReport::savedCount() const {
  return static_cast<int>(std::count_if(entries.begin(), entries.end(), [](const SiteBackupEntry& e) { return e.saved(); }));
}

SiteBackupReport RunSiteBackup(RunContext& ctx, const std::vector<ProbeResult>& devices,
                               const SiteBackupOptions& options, SiteBackupListener* listener) {
  SiteBackupReport report;
  for (const ProbeResult& device : devices) {
    SiteBackupEntry entry;
    if (ctx.stopped()) {
      entry.device = device;
      entry.outcome.result = run_code::kStoppedByUser;
      entry.failure = StoppedText();
      report.stopped = true;
    } else {
      if (listener) listener->backingUp(device);
      entry = BackUpOne(ctx, device, options);
      if (ctx.stopped()) report.stopped = true;
    }
    report.entries.push_back(entry);
    if (listener) listener->backedUp(report.entries.back());
    ctx.observer.pumpEvents();
  }
  ctx.link.close();
  for (const QString& line : SiteBackupSummary(report)) ctx.log(line);
  return report;
}

QStringList SiteBackupSummary(const SiteBackupReport& report) {
  QStringList lines;
  lines << QStringLiteral("Сохранено копий: %1 из %2").arg(report.savedCount()).arg(report.entries.size());
  for (const SiteBackupEntry& e : report.entries) {
    QString line = QStringLiteral("№ %1").arg(e.device.number);
    if (e.device.status == ProbeStatus::Found)
      line += QStringLiteral(" (заводской № %1)").arg(HexWord(static_cast<Word>(e.device.factoryNumber)));
    line += e.saved() ? QStringLiteral(": ") + QDir::toNativeSeparators(e.settingsPath)
                      : QStringLiteral(": не сохранено, ") + e.failure;
    lines << line;
  }
  return lines;
}

}  // namespace nastrum
