#include "app/cli/command_backup.h"

#include <unistd.h>

#include <cstdio>

#include <QDir>

#include "app/cli/cli_link_options.h"
#include "app/cli/cli_run_observer.h"
#include "app/cli/cli_scan_options.h"
#include "link/runs/link_device_session.h"
#include "link/scan/site_backup.h"
#include "model/hex_text.h"

namespace nastrum::cli {

namespace {

const QString kName = QStringLiteral("backup");
constexpr int kExitSomeFailed = 1;

int runBackup(const CliArgs& args, CliIo& io) {
  ExchangeSettings settings;
  NetworkRange range;
  if (const QString complaint = parseScanOptions(args, settings, range); !complaint.isEmpty())
    return io.fail(kName, complaint);
  if (const QString complaint = parsePasswordOption(args, settings); !complaint.isEmpty())
    return io.fail(kName, complaint);
  const QString dir = args.value(QStringLiteral("dir"));
  if (dir.isEmpty()) return io.fail(kName, QStringLiteral("--dir DIR is required"));
  if (!QDir().mkpath(dir)) return io.fail(kName, QStringLiteral("%1: the folder cannot be made").arg(dir));

  SystemClock clock;
  const std::unique_ptr<DeviceSession> session = MakeSerialPortSession(clock);
  CliRunObserver observer(io.err, isatty(fileno(stderr)) == 1);
  CliPresenter presenter(io.err);
  Workspace workspace;
  RunContext ctx{workspace, *session, settings, observer, presenter};
  const ScanReport scan = scanLine(ctx, range);
  const std::vector<ProbeResult> devices = scan.devices();
  if (scan.portFailed || scan.stopped) {
    observer.finish();
    return kExitSomeFailed;
  }
  if (devices.empty()) {
    observer.finish();
    io.err << "nastrum-cli backup: no device answered" << Qt::endl;
    return kExitSomeFailed;
  }

  const SiteBackupOptions options{dir, !args.isSet(QStringLiteral("no-names")), QDateTime::currentDateTime()};
  const SiteBackupReport report = RunSiteBackup(ctx, devices, options);
  observer.finish();
  for (const SiteBackupEntry& e : report.entries) {
    if (!e.saved()) continue;
    io.out << e.device.number << '\t' << HexWord(static_cast<Word>(e.device.factoryNumber)) << '\t'
           << QDir::toNativeSeparators(e.settingsPath) << Qt::endl;
  }
  const bool clean = report.allSaved() && devices.size() == scan.answered.size();
  return clean ? ExitOk : kExitSomeFailed;
}

}  // namespace

CliCommand backupCommand() {
  std::vector<CliOption> options = scanOptions();
  options.insert(options.begin() + 1, CliOption{QStringLiteral("dir"), QStringLiteral("DIR"),
                                                QStringLiteral("the folder the pairs go to, one folder per factory number"),
                                                true});
  options.push_back(CliOption{QStringLiteral("no-names"), {}, QStringLiteral("read the user constants only")});
  options.push_back(passwordOption(QStringLiteral("the devices' password for the names, up to four hex digits")));
  return {kName,
          QStringLiteral("scan a shared line and save every device found as DIR/<factory number>/<date_time>.bfm/.nam"),
          {},
          options,
          runBackup,
          QStringLiteral("Prints NUMBER<TAB>FACTORY NUMBER<TAB>PAIR for every device saved; the summary goes to "
                         "stderr. A device that fails does not stop the others. Exit 1 when some device (or some "
                         "number of the scan) failed, 0 when every device was saved.")};
}

}  // namespace nastrum::cli
