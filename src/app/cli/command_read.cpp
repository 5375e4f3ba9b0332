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

// Fills `a` from the parsed arguments; an empty string when they are good,
// else the complaint. The protocol is chosen first: choosing it resets the
// network, which --network then sets.
QString Parse(const CliArgs& args, ReadArgs& a) {
  ExchangeSettings& s = a.settings;
  const auto given = [&](const char* name) { return args.isSet(QLatin1String(name)); };
  const auto value = [&](const char* name) { return args.value(QLatin1String(name)); };
  if (given("names")) a.choice = ReadChoice::Names;
  a.force = given("force");
  if (given("protocol")) {
    static const QStringList kProtocols = {"trad", "ft12", "ft11"};
    const qsizetype p = kProtocols.indexOf(value("protocol"));
    if (p < 0) return QStringLiteral("--protocol is trad, ft12 or ft11");
    ChooseProtocol(s, static_cast<int>(p));
  }
  const QString port = value("port");
  if (!IsAcceptablePortText(port))
    return QStringLiteral("--port takes a port number or a device path, not \"%1\"").arg(port);
  s.portItem = PortAddress::kOtherItem;
  s.otherPort = port;
  if (given("baud")) {
    static const QStringList kBauds = {"300", "600", "1200", "2400", "4800", "9600", "19200"};
    const qsizetype index = kBauds.indexOf(value("baud"));
    if (index < 0) return QStringLiteral("--baud is one of %1").arg(kBauds.join(QStringLiteral(", ")));
    s.baudIndex = static_cast<int>(index);
  }
  if (given("line")) {
    const auto line = IntIn(value("line"), 0, 2);
    if (!line) return QStringLiteral("--line is 0 (RS-232/RS-485), 1 (four-wire loop) or 2 (two-wire loop)");
    s.lineKind = *line;
  }
  if (given("crc")) {
    const auto crc = IntIn(value("crc"), 0, 2);
    if (!crc) return QStringLiteral("--crc is 0 (none), 1 (in the data) or 2 (instead of the checksum)");
    s.crcMode = *crc;
  }
  if (given("channel")) {
    const auto channel = IntIn(value("channel"), 0, 1);
    if (!channel) return QStringLiteral("--channel is 0 (main) or 1 (additional)");
    s.channel = *channel;
  }
  if (given("network")) {
    a.networkNumber = IntIn(value("network"), 0, kFrameNetworkMax);
    if (!a.networkNumber) return QStringLiteral("--network is a number from 0 to 254");
  }
  if (given("attempts")) {
    const auto n = IntIn(value("attempts"), 1, 99);
    if (!n) return QStringLiteral("--attempts is a number from 1 to 99");
    s.attempts = *n;
  }
  if (given("pause")) {
    const auto n = IntIn(value("pause"), 0, 15);
    if (!n) return QStringLiteral("--pause is a number of seconds from 0 to 15");
    s.pauseSeconds = *n;
  }
  if (given("password")) {
    const QString v = value("password");
    if (v.size() > 4 || !std::all_of(v.begin(), v.end(), IsPasswordCharacter))
      return QStringLiteral("--password is up to four hexadecimal digits");
    s.password = v;
  }
  a.out = value("out");
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

int runRead(const CliArgs& args, CliIo& io) {
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
  RunContext ctx{workspace, *session, a.settings, observer, presenter};
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

}  // namespace

CliCommand readCommand() {
  const auto option = [](const char* name, const char* value, const char* help, bool required = false) {
    return CliOption{QLatin1String(name), QLatin1String(value), QString::fromUtf8(help), required};
  };
  return {kName,
          QStringLiteral("read the settings (or, with --names, the names into an existing pair) from a device"),
          {},
          {option("port", "PATH", "the serial port: a port number or a device path", true),
           option("out", "FILE.bfm", "the settings pair to write (with --names: to update)", true),
           option("baud", "B", "300, 600, 1200, 2400, 4800, 9600 (default) or 19200"),
           option("line", "0|1|2", "0 RS-232/RS-485, 1 four-wire loop (default), 2 two-wire loop"),
           option("protocol", "trad|ft12|ft11", "the link protocol (default trad)"),
           option("crc", "0|1|2", "frame protocols: 0 none, 1 in the data, 2 instead of the checksum"),
           option("channel", "0|1", "the device's channel: 0 main, 1 additional"),
           option("network", "N", "the device's number on a network (at most 127 with trad)"),
           option("attempts", "N", "attempts per exchange, 1 to 99 (default 3)"),
           option("pause", "S", "seconds between attempts, 0 to 15 (default 3)"),
           option("names", "", "read the names and the desktop instead of the user constants"),
           option("password", "HHHH", "with --names: the device's password, up to four hex digits"),
           option("force", "", "replace an existing pair")},
          runRead,
          QStringLiteral("Ctrl+C stops the run as \"СТОП\" does. Exit 1 when the read failed (nothing is written).")};
}

}  // namespace nastrum::cli
