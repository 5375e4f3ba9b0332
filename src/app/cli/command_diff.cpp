#include "app/cli/command_diff.h"

#include "app/cli/settings_loading.h"

namespace nastrum::cli {

namespace {
const QString kName = QStringLiteral("diff");
}

QStringList differingFields(const std::vector<Field>& a, const std::vector<Field>& b) {
  // Every image walks the same fields in the same order.
  Q_ASSERT(a.size() == b.size());
  QStringList lines;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
    if (a[i].text != b[i].text) lines << a[i].path + QStringLiteral(": ") + a[i].text + QStringLiteral(" -> ") + b[i].text;
  return lines;
}

CliCommand diffCommand() {
  return {kName, QStringLiteral("A.bfm B.bfm"),
          QStringLiteral("one line per differing field; exit 1 when any differ, 0 when none"), runDiff};
}

int runDiff(const QStringList& args, CliIo& io) {
  QStringList paths;
  for (const QString& a : args) {
    if (a.startsWith(QLatin1String("--"))) return io.fail(kName, QStringLiteral("unknown option %1").arg(a));
    paths << a;
  }
  if (paths.size() != 2)
    return io.fail(kName, QStringLiteral("two settings files are needed, got %1").arg(paths.size()));

  const std::unique_ptr<SettingsImage> first = loadSettings(kName, paths[0], io);
  if (!first) return ExitBadInput;
  const std::unique_ptr<SettingsImage> second = loadSettings(kName, paths[1], io);
  if (!second) return ExitBadInput;

  const QStringList lines = differingFields(walkFields(*first), walkFields(*second));
  for (const QString& line : lines) io.out << line << '\n';
  io.out.flush();
  return lines.isEmpty() ? ExitOk : ExitDiffers;
}

}  // namespace nastrum::cli
