#include "app/cli/command_write.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "app/cli/cli_run_observer.h"
#include "app/cli/link_options.h"
#include "app/cli/settings_loading.h"
#include "check/check_report.h"
#include "check/check_rules.h"
#include "editor/descriptors/desktop_steps.h"
#include "link/runs/link_device_session.h"
#include "link/runs/result_texts.h"
#include "link/write/device_write_run.h"
#include "model/kind_profile.h"

namespace nastrum::cli {

namespace {

const QString kName = QStringLiteral("write");
constexpr int kExitWriteFailed = 1;

struct WriteArgs {
  LinkOptions link;
  QString file;
  std::optional<WriteRequest> request;
  bool changePassword = false;
  bool start = false;
  bool force = false;
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

// Fills `a` from the arguments; an empty string when they are good, else the complaint.
QString Parse(const QStringList& args, WriteArgs& a) {
  const QString whatComplaint = QStringLiteral("choose one of --all, --groups LIST and --names");
  auto choose = [&a](WriteRequest request) {
    if (a.request) return false;
    a.request = request;
    return true;
  };
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& opt = args[i];
    if (!opt.startsWith(QLatin1String("--"))) {
      if (!a.file.isEmpty()) return QStringLiteral("one settings file is written, got also %1").arg(opt);
      a.file = opt;
    } else if (opt == QLatin1String("--all")) {
      if (!choose({WriteChoice::Constants, WriteGroups::all()})) return whatComplaint;
    } else if (opt == QLatin1String("--names")) {
      if (!choose({WriteChoice::Names, {}})) return whatComplaint;
    } else if (opt == QLatin1String("--change-password")) {
      a.changePassword = true;
    } else if (opt == QLatin1String("--start")) {
      a.start = true;
    } else if (opt == QLatin1String("--force")) {
      a.force = true;
    } else if (i + 1 >= args.size()) {
      return QStringLiteral("%1 needs a value").arg(opt);
    } else if (const std::optional<QString> taken = TakeLinkOption(opt, args[i + 1], a.link)) {
      ++i;
      if (!taken->isEmpty()) return *taken;
    } else if (opt == QLatin1String("--groups")) {
      const std::optional<WriteGroups> groups = GroupsFrom(args[++i]);
      if (!groups) return QStringLiteral("--groups is a comma-separated list of sensors, pipelines, archives, system, regulators");
      if (!choose({WriteChoice::Constants, *groups})) return whatComplaint;
    } else if (opt == QLatin1String("--password")) {
      const QString v = args[++i];
      if (v.size() > 4 || !std::all_of(v.begin(), v.end(), IsPasswordCharacter))
        return QStringLiteral("--password is up to four hexadecimal digits");
      a.link.settings.password = v;
    } else {
      return QStringLiteral("unknown option %1").arg(opt);
    }
  }
  if (a.file.isEmpty()) return QStringLiteral("a settings file FILE.bfm is needed");
  if (!a.request) return whatComplaint;
  return FinishLinkOptions(a.link);
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

}  // namespace

CliCommand writeCommand() {
  return {kName,
          QStringLiteral("FILE.bfm ") + LinkOptionsUsage() +
              QStringLiteral(" (--all | --groups sensors,pipelines,archives,system,regulators | --names) "
                             "[--password HHHH] [--change-password] [--start] [--force]"),
          QStringLiteral("write the settings (or the names) of a pair to a device; the files stay as they are"),
          runWrite};
}

int runWrite(const QStringList& args, CliIo& io) {
  WriteArgs a;
  if (const QString complaint = Parse(args, a); !complaint.isEmpty()) return io.fail(kName, complaint);

  const std::unique_ptr<SettingsImage> image = loadSettings(kName, a.file, io);
  if (!image) return ExitBadInput;
  if (!isValidDeviceKind(image->deviceKind))
    return io.fail(kName, QStringLiteral("%1: unknown device kind %2").arg(a.file).arg(image->deviceKind));

  // The check and the run work on a copy in memory: the pair on disk is never changed by a write.
  Workspace workspace;
  workspace.image = *image;
  workspace.editor.fileOpen = true;
  if (!CheckAllowsWrite(workspace.image, a.force, io)) return ExitBadInput;
  if (kindProfile(workspace.image.deviceKind).hasDesktop) CloseDesktopGaps(workspace.image.names);

  SystemClock clock;
  const std::unique_ptr<DeviceSession> session = MakeSerialPortSession(clock);
  CliRunObserver observer(io.err, workspace.run, isatty(fileno(stderr)) == 1);
  CliPresenter presenter(io.err);
  RunContext ctx{workspace, *session, a.link.settings, observer, presenter};
  FixedWriteAnswerer answers(a.changePassword, a.start);
  const DeviceWriteOutcome outcome = RunDeviceWrite(ctx, *a.request, answers);
  session->close();
  observer.finish();

  if (outcome.succeeded()) return ExitOk;
  QString why = outcome.portFailed ? QStringLiteral("the port could not be opened") : ResultText(outcome.result).trimmed();
  if (why.isEmpty()) why = QStringLiteral("the write failed with code %1").arg(outcome.result);
  io.err << "nastrum-cli write: " << why << Qt::endl;
  return kExitWriteFailed;
}

}  // namespace nastrum::cli
