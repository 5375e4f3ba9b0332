#include "app/cli/command_check.h"

#include <algorithm>

#include <QSaveFile>

#include "app/cli/cli_parser.h"
#include "app/cli/settings_loading.h"
#include "check/check_report.h"
#include "check/check_rules.h"
#include "check/check_session.h"
#include "check/repair_image.h"
#include "model/editor_state.h"
#include "model/settings_files.h"

namespace nastrum::cli {
namespace {

const QString kName = QStringLiteral("check");
constexpr int kExitErrorsFound = 1;

// Empty when the parsed arguments are usable, else the complaint.
QString complaintAbout(const CliArgs& args) {
  for (const char* option : {"report", "fix"})
    if (args.isSet(QLatin1String(option)) && args.value(QLatin1String(option)).isEmpty())
      return QStringLiteral("--%1 needs a path").arg(QLatin1String(option));
  if (args.isSet(QStringLiteral("fix"))) return settingsPathComplaint(args.value(QStringLiteral("fix")));
  return {};
}

void printRows(const CheckResult& result, QTextStream& out) {
  if (result.clean()) {
    out << QStringLiteral("Ошибок не обнаружено!") << '\n';
    return;
  }
  out << QStringLiteral("Проверка обнаружила %1 ошибок").arg(result.errorCount()) << '\n';
  int row = 0;
  for (const CheckError& error : result.errors) out << reportRow(++row, error.text) << '\n';
  const auto repairable = std::count_if(result.errors.begin(), result.errors.end(), [](const CheckError& e) { return e.repairable; });
  if (repairable > 0) out << QStringLiteral("Исправимо автоматически (--fix): %1").arg(repairable) << '\n';
}

bool writeReport(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

int runCheck(const CliArgs& args, CliIo& io) {
  if (const QString problem = complaintAbout(args); !problem.isEmpty()) return io.fail(kName, problem);
  const QString file = args.positional(0);
  const QString reportPath = args.value(QStringLiteral("report"));
  const QString fixPath = args.value(QStringLiteral("fix"));

  const std::unique_ptr<SettingsImage> image = loadSettings(kName, file, io);
  if (!image) return ExitBadInput;

  EditorState editor;
  CheckResult result = evaluateRules(*image, false);
  applyCheckMarks(*image, editor, result);
  printRows(result, io.out);

  if (!reportPath.isEmpty()) {
    const ReportHeader header{image->deviceKind, file, reportDateTime(QDateTime::currentDateTime())};
    if (!writeReport(reportPath, reportBytes(header, result))) {
      io.out.flush();
      return io.fail(kName, QStringLiteral("%1 cannot be written").arg(reportPath));
    }
  }

  if (!fixPath.isEmpty()) {
    // One round, as "Исправить автоматически": what it uncovers is listed
    // below, counted as repairable, for another run to correct.
    RepairImage(*image, result);
    result = evaluateRules(*image, false);
    applyCheckMarks(*image, editor, result);
    const WriteOutcome written = writeSettingsPair(fixPath, *image);
    if (!written.settingsWritten || !written.namesWritten) {
      io.out.flush();
      const QString failed = written.settingsWritten ? namesPathFor(fixPath) : fixPath;
      return io.fail(kName, QStringLiteral("%1 cannot be written").arg(failed));
    }
    io.out << QStringLiteral("После исправления (%1):").arg(fixPath) << '\n';
    printRows(result, io.out);
  }
  io.out.flush();
  return result.clean() ? ExitOk : kExitErrorsFound;
}

}  // namespace

CliCommand checkCommand() {
  return {kName,
          QStringLiteral("the settings check; exit 1 when it finds errors, 0 when none"),
          {{QStringLiteral("FILE.bfm"), QStringLiteral("the settings file to check")}},
          {{QStringLiteral("report"), QStringLiteral("PATH"),
            QStringLiteral("also write the report (code page 1251) to PATH")},
           {QStringLiteral("fix"), QStringLiteral("OUT.bfm"),
            QStringLiteral("apply the automatic correction once and save the result as OUT.bfm + OUT.nam")}},
          runCheck};
}

int runCheckCommand(const QStringList& args, CliIo& io) { return runCommand(checkCommand(), args, io); }

}  // namespace nastrum::cli
