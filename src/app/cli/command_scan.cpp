#include "app/cli/command_scan.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "app/cli/cli_run_observer.h"
#include "app/cli/cli_scan_options.h"
#include "link/runs/link_device_session.h"

namespace nastrum::cli {

namespace {

const QString kName = QStringLiteral("scan");
constexpr int kExitSomeFailed = 1;

int runScan(const CliArgs& args, CliIo& io) {
  ExchangeSettings settings;
  NetworkRange range;
  if (const QString complaint = parseScanOptions(args, settings, range); !complaint.isEmpty())
    return io.fail(kName, complaint);

  SystemClock clock;
  const std::unique_ptr<DeviceSession> session = MakeSerialPortSession(clock);
  CliRunObserver observer(io.err, isatty(fileno(stderr)) == 1);
  CliPresenter presenter(io.err);
  Workspace workspace;
  RunContext ctx{workspace, *session, settings, observer, presenter};
  const ScanReport report = scanLine(ctx, range);
  observer.finish();

  for (const ProbeResult& device : report.devices()) io.out << deviceLine(device) << Qt::endl;
  if (report.stopped) io.err << "nastrum-cli scan: stopped after " << report.tried << " numbers" << Qt::endl;
  const bool clean = report.complete(range) && report.devices().size() == report.answered.size();
  return clean ? ExitOk : kExitSomeFailed;
}

}  // namespace

CliCommand scanCommand() {
  // One identification per number: the run-level retries of a read do not apply.
  std::vector<CliOption> options = scanOptions();
  std::erase_if(options, [](const CliOption& o) { return o.name == QLatin1String("attempts") || o.name == QLatin1String("pause"); });
  return {kName,
          QStringLiteral("list the devices that answer on a shared line, one line each"),
          {},
          options,
          runScan,
          QStringLiteral("Prints NUMBER<TAB>KIND<TAB>FACTORY NUMBER<TAB>VERSION for every device that identified "
                         "itself; numbers with an unreadable answer or two devices answering together are named on "
                         "stderr. Exit 1 when such a number was met, the port could not be opened or Ctrl+C "
                         "stopped the scan.")};
}

}  // namespace nastrum::cli
