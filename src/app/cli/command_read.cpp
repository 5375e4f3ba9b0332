#include "app/cli/command_read.h"

#include <unistd.h>

#include <cstdio>
#include <optional>

#include <QFileInfo>
#include <QSaveFile>

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
  std::optional<int> networkNumber;
  ReadChoice choice = ReadChoice::Constants;
  QString out;
  bool force = false;
};

std::optional<int> IntIn(const QString& text, int low, int high) {
  bool ok = false;
  const int v = text.toInt(&ok);
  if (!ok || v < low || v > high) return std::nullopt;
  return v;
}

// Fills `a` from the arguments; an empty string when they are good, else the complaint.
QString Parse(const QStringList& args, ReadArgs& a) {
  ExchangeSettings& s = a.settings;
  bool portGiven = false;
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
    if (opt == QLatin1String("--port")) {
      if (!IsAcceptablePortText(v)) return QStringLiteral("--port takes a port number or a device path, not \"%1\"").arg(v);
      s.portItem = PortAddress::kOtherItem;
      s.otherPort = v;
      portGiven = true;
    } else if (opt == QLatin1String("--baud")) {
      static const QStringList kBauds = {"300", "600", "1200", "2400", "4800", "9600", "19200"};
      const qsizetype index = kBauds.indexOf(v);
      if (index < 0) return QStringLiteral("--baud is one of %1").arg(kBauds.join(QStringLiteral(", ")));
      s.baudIndex = static_cast<int>(index);
    } else if (opt == QLatin1String("--line")) {
      const auto line = IntIn(v, 0, 2);
      if (!line) return QStringLiteral("--line is 0 (RS-232/RS-485), 1 (four-wire loop) or 2 (two-wire loop)");
      s.lineKind = *line;
    } else if (opt == QLatin1String("--protocol")) {
      static const QStringList kProtocols = {"trad", "ft12", "ft11"};
      const qsizetype p = kProtocols.indexOf(v);
      if (p < 0) return QStringLiteral("--protocol is trad, ft12 or ft11");
      ChooseProtocol(s, static_cast<int>(p));
    } else if (opt == QLatin1String("--crc")) {
      const auto crc = IntIn(v, 0, 2);
      if (!crc) return QStringLiteral("--crc is 0 (none), 1 (in the data) or 2 (instead of the checksum)");
      s.crcMode = *crc;
    } else if (opt == QLatin1String("--channel")) {
      const auto channel = IntIn(v, 0, 1);
      if (!channel) return QStringLiteral("--channel is 0 (main) or 1 (additional)");
      s.channel = *channel;
    } else if (opt == QLatin1String("--network")) {
      a.networkNumber = IntIn(v, 0, kFrameNetworkMax);
      if (!a.networkNumber) return QStringLiteral("--network is a number from 0 to 254");
    } else if (opt == QLatin1String("--attempts")) {
      const auto n = IntIn(v, 1, 99);
      if (!n) return QStringLiteral("--attempts is a number from 1 to 99");
      s.attempts = *n;
    } else if (opt == QLatin1String("--pause")) {
      const auto n = IntIn(v, 0, 15);
      if (!n) return QStringLiteral("--pause is a number of seconds from 0 to 15");
      s.pauseSeconds = *n;
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
  if (!portGiven) return QStringLiteral("--port PATH is required");
  if (a.out.isEmpty()) return QStringLiteral("--out FILE.bfm is required");
  if (const QString complaint = settingsPathComplaint(a.out); !complaint.isEmpty()) return complaint;
  if (a.networkNumber) {
    if (s.protocol == 0 && *a.networkNumber > kTraditionalNetworkMax)
      return QStringLiteral("--network is at most 127 with the traditional protocol");
    if (s.protocol == 0) SetNetwork(s, true);
    SetNetworkNumber(s, *a.networkNumber);
  }
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
          QStringLiteral("--port PATH [--baud B] [--line 0|1|2] [--protocol trad|ft12|ft11] [--crc 0|1|2] "
                         "[--channel 0|1] [--network N] [--attempts N] [--pause S] [--names --password HHHH] "
                         "--out FILE.bfm [--force]"),
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

}  // namespace nastrum::cli
