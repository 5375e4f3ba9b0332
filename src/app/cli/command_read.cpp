#include "app/cli/command_read.h"

#include <unistd.h>

#include <cstdio>
#include <optional>

#include <QFileInfo>
#include <QSaveFile>

#include "app/cli/cli_run_observer.h"
#include "app/cli/link_options.h"
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
  LinkOptions link;
  ReadChoice choice = ReadChoice::Constants;
  QString out;
  bool force = false;
};

// Fills `a` from the arguments; an empty string when they are good, else the complaint.
QString Parse(const QStringList& args, ReadArgs& a) {
  ExchangeSettings& s = a.link.settings;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& opt = args[i];
    if (opt == QLatin1String("--names")) {
      a.choice = ReadChoice::Names;
      continue;
    }
    if (opt == QLatin1String("--force")) {
      a.force = true;
      continue;
    }
    if (!opt.startsWith(QLatin1String("--"))) return QStringLiteral("unexpected argument %1").arg(opt);
    if (i + 1 >= args.size()) return QStringLiteral("%1 needs a value").arg(opt);
    const QString v = args[++i];
    if (const std::optional<QString> taken = TakeLinkOption(opt, v, a.link)) {
      if (!taken->isEmpty()) return *taken;
    } else if (opt == QLatin1String("--password")) {
      if (v.size() > 4 || !std::all_of(v.begin(), v.end(), IsPasswordCharacter))
        return QStringLiteral("--password is up to four hexadecimal digits");
      s.password = v;
    } else if (opt == QLatin1String("--out")) {
      a.out = v;
    } else {
      return QStringLiteral("unknown option %1").arg(opt);
    }
  }
  if (const QString complaint = FinishLinkOptions(a.link); !complaint.isEmpty()) return complaint;
  if (a.out.isEmpty()) return QStringLiteral("--out FILE.bfm is required");
  if (const QString complaint = settingsPathComplaint(a.out); !complaint.isEmpty()) return complaint;
  if (a.choice == ReadChoice::Constants && !s.password.isEmpty())
    return QStringLiteral("--password goes with --names");
  return {};
}

bool WriteNamesFile(const QString& settingsPath, const NamesRegion& names) {
  QSaveFile file(namesPathFor(settingsPath));
  if (!file.open(QIODevice::WriteOnly)) return false;
  const QByteArray record = encodeNamesRecord(names);
  return file.write(record) == record.size() && file.commit();
}

}  // namespace

CliCommand readCommand() {
  return {kName,
          LinkOptionsUsage() + QStringLiteral(" [--names --password HHHH] --out FILE.bfm [--force]"),
          QStringLiteral("read the settings (or, with --names, the names into an existing pair) from a device"),
          runRead};
}

int runRead(const QStringList& args, CliIo& io) {
  ReadArgs a;
  const QString complaint = Parse(args, a);
  if (!complaint.isEmpty()) return io.fail(kName, complaint);

  Workspace workspace;
  if (a.choice == ReadChoice::Names) {
    // The names belong to a settings file: the pair must be there.
    const ReadOutcome opened = readSettingsPair(a.out, workspace.image, workspace.editor);
    if (!opened.ok()) return io.fail(kName, QStringLiteral("%1: names are read into an existing settings pair").arg(a.out));
    workspace.editor.fileOpen = true;
  } else if (!a.force) {
    for (const QString& existing : {a.out, namesPathFor(a.out)})
      if (QFileInfo::exists(existing))
        return io.fail(kName, QStringLiteral("%1 exists; use --force to replace it").arg(existing));
  }

  SystemClock clock;
  const std::unique_ptr<DeviceSession> session = MakeSerialPortSession(clock);
  CliRunObserver observer(io.err, workspace.run, isatty(fileno(stderr)) == 1);
  CliPresenter presenter(io.err);
  RunContext ctx{workspace, *session, a.link.settings, observer, presenter};
  DeviceReadJob job;
  job.run(ctx, a.choice);
  session->close();
  observer.finish();

  const SettingsImage* read = job.result();
  if (!read) {
    const int code = workspace.run.runError;
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

}  // namespace nastrum::cli
