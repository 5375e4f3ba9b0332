#include "app/cli/command_write.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "app/cli/cli_run_observer.h"
#include "app/cli/cli_link_options.h"
#include "app/cli/comparison_output.h"
#include "app/cli/settings_loading.h"
#include "check/check_report.h"
#include "check/check_rules.h"
#include "descriptors/desktop_steps.h"
#include "link/runs/link_device_session.h"
#include "link/runs/names_layout.h"
#include "link/runs/result_texts.h"
#include "link/safe_write/safe_write.h"
#include "link/safe_write/ui/write_changes.h"
#include "link/write/device_write_run.h"
#include "model/hex_text.h"
#include "model/kind_profile.h"

namespace nastrum::cli {

namespace {

const QString kName = QStringLiteral("write");
constexpr int kExitWriteFailed = 1;
// The device acknowledged the write but does not hold what was sent.
constexpr int kExitVerifyMismatch = 3;

struct WriteArgs {
  ExchangeSettings settings;
  QString file;
  std::optional<WriteRequest> request;
  bool changePassword = false;
  bool start = false;
  bool force = false;
  bool emptyNames = false;
  SafeWriteOptions safe;
  ComparisonFormat format = ComparisonFormat::Text;
  bool captions = false;
};

// "sensors,pipelines" -> the groups; nothing for an unknown name.
std::optional<WriteGroups> GroupsFrom(const QString& list) {
  static const QStringList kNames = {QStringLiteral("sensors"), QStringLiteral("pipelines"), QStringLiteral("archives"),
                                     QStringLiteral("system"), QStringLiteral("regulators")};
  WriteGroups groups;
  for (const QString& name : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    const qsizetype index = kNames.indexOf(name.trimmed());
    if (index < 0) return std::nullopt;
    groups.set(static_cast<WriteGroup>(index), true);
  }
  if (!groups.any()) return std::nullopt;
  return groups;
}

// Fills `a` from the parsed arguments; an empty string when they are good, else the complaint.
QString Parse(const CliArgs& args, WriteArgs& a) {
  if (const QString complaint = parseLinkOptions(args, a.settings); !complaint.isEmpty()) return complaint;
  if (const QString complaint = parsePasswordOption(args, a.settings); !complaint.isEmpty()) return complaint;
  a.file = args.positional(0);
  a.changePassword = args.isSet(QStringLiteral("change-password"));
  a.start = args.isSet(QStringLiteral("start"));
  a.force = args.isSet(QStringLiteral("force"));
  a.emptyNames = args.isSet(QStringLiteral("empty-names"));
  a.safe.backupRoot = args.value(QStringLiteral("backup-dir"));
  a.safe.changedOnly = args.isSet(QStringLiteral("changed-only"));
  a.safe.verify = args.isSet(QStringLiteral("verify"));
  a.safe.dryRun = args.isSet(QStringLiteral("dry-run"));
  a.captions = args.isSet(QStringLiteral("captions"));
  if (!parseComparisonFormat(args, a.format)) return QStringLiteral("--format is text, json or html");
  if ((args.isSet(QStringLiteral("format")) || a.captions) && !a.safe.dryRun)
    return QStringLiteral("--format and --captions go with --dry-run");
  const bool all = args.isSet(QStringLiteral("all"));
  const bool names = args.isSet(QStringLiteral("names"));
  const bool groups = args.isSet(QStringLiteral("groups"));
  if (int(all) + int(names) + int(groups) != 1) return QStringLiteral("choose one of --all, --groups LIST and --names");
  if (a.emptyNames && !names) return QStringLiteral("--empty-names goes with --names");
  if (all) a.request = WriteRequest{WriteChoice::Constants, WriteGroups::all()};
  if (names) a.request = WriteRequest{WriteChoice::Names, {}};
  if (groups) {
    const std::optional<WriteGroups> chosen = GroupsFrom(args.value(QStringLiteral("groups")));
    if (!chosen)
      return QStringLiteral("--groups is a comma-separated list of sensors, pipelines, archives, system, regulators");
    a.request = WriteRequest{WriteChoice::Constants, *chosen};
  }
  if (a.changePassword && (a.request->choice == WriteChoice::Names || !a.request->groups.system))
    return QStringLiteral("--change-password goes with the system group (--all, or --groups with system)");
  return {};
}

// The check of the window's "Запись в ОРВИК": errors refuse the write unless forced.
bool CheckAllowsWrite(SettingsImage& image, bool force, CliIo& io) {
  const CheckResult result = evaluateRules(image, false);
  if (result.clean()) return true;
  io.err << QStringLiteral("Проверка обнаружила %1 ошибок").arg(result.errorCount()) << Qt::endl;
  int row = 0;
  for (const CheckError& error : result.errors) io.err << reportRow(++row, error.text) << Qt::endl;
  if (force) return true;
  io.err << "nastrum-cli write: the settings have errors; correct them or use --force" << Qt::endl;
  return false;
}

int runWrite(const CliArgs& args, CliIo& io) {
  WriteArgs a;
  if (const QString complaint = Parse(args, a); !complaint.isEmpty()) return io.fail(kName, complaint);

  const std::unique_ptr<SettingsImage> image = loadSettings(kName, a.file, io);
  if (!image) return ExitBadInput;
  if (!isValidDeviceKind(image->deviceKind))
    return io.fail(kName, QStringLiteral("%1: unknown device kind %2").arg(a.file).arg(image->deviceKind));

  // The small model has no regulators: such a write would send nothing and say the device holds it all.
  if (a.request->choice == WriteChoice::Constants && WriteProgressMaximum(image->deviceKind, a.request->groups) == 0)
    return io.fail(kName, QStringLiteral("%1: a device of kind %2 has nothing of the groups chosen to write")
                              .arg(a.file)
                              .arg(image->deviceKind));

  if (a.request->choice == WriteChoice::Names && NamesAreBlank(image->names) && !a.emptyNames)
    return io.fail(kName, QStringLiteral("%1 holds no name at all (never read from a device nor typed): writing it would "
                                         "blank every name on the device. Read the device's names into it first "
                                         "(read --names --out %1), or give --empty-names")
                              .arg(a.file));

  // The check and the run work on a copy in memory: the pair on disk is never changed by a write.
  Workspace workspace;
  workspace.image = *image;
  if (!CheckAllowsWrite(workspace.image, a.force, io)) return ExitBadInput;
  if (kindProfile(workspace.image.deviceKind).hasDesktop) CloseDesktopGaps(workspace.image.names);

  SystemClock clock;
  const std::unique_ptr<DeviceSession> session = MakeSerialPortSession(clock);
  CliRunObserver observer(io.err, isatty(fileno(stderr)) == 1);
  CliPresenter presenter(io.err);
  RunContext ctx{workspace, *session, a.settings, observer, presenter};
  FixedWriteAnswerer answers(a.changePassword, a.start);
  const SafeWriteOutcome outcome = RunSafeWrite(ctx, *a.request, a.safe, answers);
  session->close();
  observer.finish();

  // What the write would change: the device as it is, then the file.
  if (a.safe.dryRun && outcome.preview.held)
    printComparison(WriteChangesComparison(outcome.preview, a.file), a.format, a.captions, kName, io);
  if (outcome.succeeded()) return ExitOk;
  QString why = outcome.portFailed     ? QStringLiteral("the port could not be opened")
                : outcome.backupFailed ? QStringLiteral("no backup of the device could be taken; nothing was written")
                                       : ResultText(outcome.result).trimmed();
  if (why.isEmpty()) why = QStringLiteral("the write failed with code %1").arg(outcome.result);
  io.err << "nastrum-cli write: " << why << Qt::endl;
  if (!outcome.backupPath.isEmpty())
    io.err << "nastrum-cli write: the device's settings before the write: " << outcome.backupPath << Qt::endl;
  return outcome.verifyFailed() ? kExitVerifyMismatch : kExitWriteFailed;
}

}  // namespace

CliCommand writeCommand() {
  std::vector<CliOption> options = linkOptions();
  options.push_back(passwordOption(QStringLiteral("the device's password, up to four hexadecimal digits")));
  const auto flag = [](const char* name, const char* help) {
    return CliOption{QLatin1String(name), {}, QString::fromUtf8(help)};
  };
  options.push_back(flag("all", "write every group of the settings"));
  options.push_back({QStringLiteral("groups"), QStringLiteral("LIST"),
                     QStringLiteral("write these groups: sensors,pipelines,archives,system,regulators")});
  options.push_back(flag("names", "write the names and the desktop through the device's loader"));
  options.push_back(flag("change-password", "answer \"Да\" when asked whether to change the device's password"));
  options.push_back(flag("start", "answer \"Да\" when asked whether to start the device after the write"));
  options.push_back(flag("force", "write although the check finds errors"));
  options.push_back(flag("empty-names", "with --names: write although the pair holds no name at all, which blanks "
                                        "every name on the device"));
  options.push_back({QStringLiteral("backup-dir"), QStringLiteral("DIR"),
                     QStringLiteral("where the device is backed up before the write, as DIR/FACTORY/DATE_TIME.bfm "
                                    "(default: the program's data folder)")});
  options.push_back(flag("changed-only", "send only the items whose bytes differ from the backup"));
  options.push_back(flag("verify", "read back every item (or the names) written and compare; exit 3 on a difference"));
  options.push_back(flag("dry-run", "back up the device, print what the write would change (as diff does) and "
                                    "write nothing"));
  options.push_back({QStringLiteral("format"), QStringLiteral("text|json|html"),
                     QStringLiteral("with --dry-run: the form of the differences, as diff's")});
  options.push_back(flag("captions", "with --dry-run, text: the pages' words and values instead of field names"));
  return {kName,
          QStringLiteral("write the settings (or the names) of a pair to a device; the files stay as they are"),
          {{QStringLiteral("FILE.bfm"), QStringLiteral("the settings pair to write")}},
          options,
          runWrite,
          QStringLiteral("The device is backed up before anything is sent; a failed backup sends nothing. Ctrl+C stops "
                         "the run as \"СТОП\" does. Exit 1 when the write failed, with the result's text; 3 when "
                         "--verify read back a value other than the one written.")};
}

}  // namespace nastrum::cli
