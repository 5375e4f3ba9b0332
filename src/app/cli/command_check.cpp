#include "app/cli/command_check.h"

#include <algorithm>

#include <QSaveFile>

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

struct CheckArgs {
  QString file;
  QString reportPath;
  QString fixPath;
};

// Reads the arguments; an empty error means they are usable.
QString parse(const QStringList& args, CheckArgs& parsed) {
  for (int i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    if (a == QLatin1String("--report") || a == QLatin1String("--fix")) {
      if (i + 1 >= args.size() || args[i + 1].isEmpty()) return QStringLiteral("%1 needs a path").arg(a);
      (a == QLatin1String("--report") ? parsed.reportPath : parsed.fixPath) = args[++i];
    } else if (a.startsWith(QLatin1String("--"))) {
      return QStringLiteral("unknown option %1").arg(a);
    } else if (parsed.file.isEmpty()) {
      parsed.file = a;
    } else {
      return QStringLiteral("only one settings file is checked, got also %1").arg(a);
    }
  }
  if (parsed.file.isEmpty()) return QStringLiteral("a settings file is needed");
  if (!parsed.fixPath.isEmpty()) return settingsPathComplaint(parsed.fixPath);
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

}  // namespace

CliCommand checkCommand() {
  return {kName, QStringLiteral("FILE.bfm [--report PATH] [--fix OUT.bfm]"),
          QStringLiteral("the settings check; exit 1 when it finds errors, 0 when none"), runCheckCommand};
}

int runCheckCommand(const QStringList& args, CliIo& io) {
  CheckArgs parsed;
  if (const QString problem = parse(args, parsed); !problem.isEmpty()) return io.fail(kName, problem);

  const std::unique_ptr<SettingsImage> image = loadSettings(kName, parsed.file, io);
  if (!image) return ExitBadInput;

  EditorState editor;
  editor.currentFileName = parsed.file;
  CheckResult result = evaluateRules(*image, false);
  applyCheckMarks(*image, editor, result);
  printRows(result, io.out);

  if (!parsed.reportPath.isEmpty()) {
    const ReportHeader header{image->deviceKind, parsed.file, reportDateTime(QDateTime::currentDateTime())};
    if (!writeReport(parsed.reportPath, reportBytes(header, result))) {
      io.out.flush();
      return io.fail(kName, QStringLiteral("%1 cannot be written").arg(parsed.reportPath));
    }
  }

  if (!parsed.fixPath.isEmpty()) {
    RepairImage(*image, result);
    result = evaluateRules(*image, false);
    applyCheckMarks(*image, editor, result);
    const WriteOutcome written = writeSettingsPair(parsed.fixPath, *image);
    if (!written.settingsWritten || !written.namesWritten) {
      io.out.flush();
      const QString failed = written.settingsWritten ? namesPathFor(parsed.fixPath) : parsed.fixPath;
      return io.fail(kName, QStringLiteral("%1 cannot be written").arg(failed));
    }
    io.out << QStringLiteral("После исправления (%1):").arg(parsed.fixPath) << '\n';
    printRows(result, io.out);
  }
  io.out.flush();
  return result.clean() ? ExitOk : kExitErrorsFound;
}

}  // namespace nastrum::cli
