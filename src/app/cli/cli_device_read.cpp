#include "app/cli/cli_device_read.h"

#include <unistd.h>

#include <cstdio>

#include "app/cli/cli_run_observer.h"
#include "link/read/device_read_job.h"
#include "link/runs/link_device_session.h"
#include "link/runs/result_texts.h"

namespace nastrum::cli {

DeviceImage readDeviceImage(const QString& command, const ExchangeSettings& settings, ReadChoice choice,
                            const SettingsImage& base, CliIo& io) {
  Workspace workspace;
  workspace.image = base;  // a names read keeps the other settings of the image it reads into

  SystemClock clock;
  const std::unique_ptr<DeviceSession> session = MakeSerialPortSession(clock);
  CliRunObserver observer(io.err, isatty(fileno(stderr)) == 1);
  CliPresenter presenter(io.err);
  RunContext ctx{workspace, *session, settings, observer, presenter};
  DeviceReadJob job;
  const RunOutcome outcome = job.run(ctx, choice);
  session->close();
  observer.finish();

  DeviceImage read;
  if (!job.result()) {
    const QString why = outcome.result != 0 ? ResultText(outcome.result).trimmed() : QStringLiteral("the read did not complete");
    io.fail(command, QStringLiteral("the device could not be read: ") + why);
    return read;
  }
  read.image = std::make_unique<SettingsImage>(*job.result());
  read.factoryNumber = workspace.run.factoryNumber;
  return read;
}

}  // namespace nastrum::cli
