#include "app/cli/command_read.h"

#include <unistd.h>

#include <cstdio>
#include <optional>

#include <QFileInfo>
#include <QSaveFile>

#include "app/cli/cli_link_options.h"
#include "app/cli/cli_run_observer.h"
#include "app/cli/settings_loading.h"
#include "link/read/device_read_job.h"
#include "link/runs/exchange_settings.h"
#include "link/runs/link_device_session.h"
#include "link/runs/result_texts.h"
#include "model/settings_files.h"
#include "model/settings_record.h"

namespace nastrum::cli {

namespace {

const QString kName = QStringLiteral("read");
constexpr int kExitReadFailed = 1;

struct ReadArgs {
  ExchangeSettings settings;
  ReadChoice choice = ReadChoice::Constants;
  QString out;
  bool force = false;
};

// Fills `a` from the parsed arguments; an empty string when they are good,
// else the complaint.
QString Parse(const CliArgs& args, ReadArgs& a) {
  if (QString complaint = parseLinkOptions(args, a.settings); !complaint.isEmpty()) return complaint;
  if (QString complaint = parsePasswordOption(args, a.settings); !complaint.isEmpty()) return complaint;
  if (args.isSet(QStringLiteral("names"))) a.choice = ReadChoice::Names;
  a.force = args.isSet(QStringLiteral("force"));
  a.out = args.value(QStringLiteral("out"));
  if (a.out.isEmpty()) return QStringLiteral("--out FILE.bfm is required");
  if (const QString complaint = settingsPathComplaint(a.out); !complaint.isEmpty()) return complaint;
  if (a.choice == ReadChoice::Constants && !a.settings.password.isEmpty())
    return QStringLiteral("--password goes with --names");
  return {};
}

bool WriteNamesFile(const QString& settingsPath, const NamesRegion& names) {
  QSaveFile file(namesPathFor(settingsPath));
  if (!file.open(QIODevice::WriteOnly)) return false;
  const QByteArray record = encodeNamesRecord(names);
  return file.write(record) == record.size() && file.commit();
}

int runRead(const CliArgs& args, CliIo& io) {
  ReadArgs a;
  const QString complaint = Parse(args, a);
  if (!complaint.isEmpty()) return io.fail(kName, complaint);

  Workspace workspace;
  if (a.choice == ReadChoice::Names) {
    // The names belong to a settings file: the pair must be there.
    const ReadOutcome opened = readSettingsPair(a.out, workspace.image, workspace.editor);
    if (!opened.ok()) return io.fail(kName, QStringLiteral("%1: names are read into an existing settings pair").arg(a.out));
  } else if (!a.force) {
    for (const QString& existing : {a.out, namesPathFor(a.out)})
      if (QFileInfo::exists(existing))
        return io.fail(kName, QStringLiteral("%1 exists; use --force to replace it").arg(existing));
  }

  SystemClock clock;
  const std::unique_ptr<DeviceSession> session = MakeSerialPortSession(clock);
  CliRunObserver observer(io.err, isatty(fileno(stderr)) == 1);
  CliPresenter presenter(io.err);
  RunContext ctx{workspace, *session, a.settings, observer, presenter};
  DeviceReadJob job;
  const RunOutcome outcome = job.run(ctx, a.choice);
  session->close();
  observer.finish();

  const SettingsImage* read = job.result();
  if (!read) {
    const int code = outcome.result;
    QString why = code != 0 ? ResultText(code).trimmed() : observer.deviceLabel();
    if (code == 0 && !why.endsWith(QStringLiteral("не отвечает"))) why = QStringLiteral("the read did not complete");
    io.err << "nastrum-cli read: " << why << Qt::endl;
    return kExitReadFailed;
  }
  if (a.choice == ReadChoice::Names) {
    if (!WriteNamesFile(a.out, read->names))
      return io.fail(kName, QStringLiteral("%1: cannot be written").arg(namesPathFor(a.out)));
    return ExitOk;
  }
  const WriteOutcome written = writeSettingsPair(a.out, *read);
  if (!written.settingsWritten) return io.fail(kName, QStringLiteral("%1: cannot be written").arg(a.out));
  if (!written.namesWritten) return io.fail(kName, QStringLiteral("%1: cannot be written").arg(namesPathFor(a.out)));
  return ExitOk;
}

}  // namespace

CliCommand readCommand() {
  const auto option = [](const char* name, const char* value, const char* help, bool required = false) {
    return CliOption{QLatin1String(name), QLatin1String(value), QString::fromUtf8(help), required};
  };
  std::vector<CliOption> options = linkOptions();
  options.insert(options.begin() + 1,
                 option("out", "FILE.bfm", "the settings pair to write (with --names: to update)", true));
  options.push_back(option("names", "", "read the names and the desktop instead of the user constants"));
  options.push_back(passwordOption(QStringLiteral("with --names: the device's password, up to four hex digits")));
  options.push_back(option("force", "", "replace an existing pair"));
  return {kName,
          QStringLiteral("read the settings (or, with --names, the names into an existing pair) from a device"),
          {},
          options,
          runRead,
          QStringLiteral("Ctrl+C stops the run as \"СТОП\" does. Exit 1 when the read failed (nothing is written).")};
}

}  // namespace nastrum::cli
