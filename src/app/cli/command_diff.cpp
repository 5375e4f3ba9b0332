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

namespace {

int runDiff(const CliArgs& args, CliIo& io) {
  const std::unique_ptr<SettingsImage> first = loadSettings(kName, args.positional(0), io);
  if (!first) return ExitBadInput;
  const std::unique_ptr<SettingsImage> second = loadSettings(kName, args.positional(1), io);
  if (!second) return ExitBadInput;

  const QStringList lines = differingFields(walkFields(*first), walkFields(*second));
  for (const QString& line : lines) io.out << line << '\n';
  io.out.flush();
  return lines.isEmpty() ? ExitOk : ExitDiffers;
}

}  // namespace

CliCommand diffCommand() {
  return {kName,
          QStringLiteral("one line per differing field; exit 1 when any differ, 0 when none"),
          {{QStringLiteral("A.bfm"), QStringLiteral("the first settings file")},
           {QStringLiteral("B.bfm"), QStringLiteral("the settings file compared with it")}},
          {},
          runDiff};
}

}  // namespace nastrum::cli
