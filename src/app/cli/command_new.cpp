#include "app/cli/command_new.h"

#include <memory>

#include <QFileInfo>

#include "app/cli/settings_loading.h"
#include "model/editor_state.h"
#include "model/reset_image.h"
#include "model/settings_files.h"

namespace nastrum::cli {

namespace {
const QString kName = QStringLiteral("new");
}

CliCommand newCommand() {
  return {kName, QStringLiteral("--kind 1|2|3 FILE.bfm [--force]"),
          QStringLiteral("write a fresh settings pair (FILE.bfm and FILE.nam) of a device kind"), runNew};
}

int runNew(const QStringList& args, CliIo& io) {
  QString kindText;
  QString path;
  bool force = false;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    if (a == QLatin1String("--kind")) {
      if (++i >= args.size()) return io.fail(kName, QStringLiteral("--kind needs a value: 1, 2 or 3"));
      kindText = args[i];
    } else if (a.startsWith(QLatin1String("--kind="))) {
      kindText = a.mid(7);
    } else if (a == QLatin1String("--force")) {
      force = true;
    } else if (a.startsWith(QLatin1String("--"))) {
      return io.fail(kName, QStringLiteral("unknown option %1").arg(a));
    } else if (path.isEmpty()) {
      path = a;
    } else {
      return io.fail(kName, QStringLiteral("one settings file only, got %1 and %2").arg(path, a));
    }
  }
  if (kindText.isEmpty()) return io.fail(kName, QStringLiteral("--kind 1|2|3 is required"));
  bool ok = false;
  const int kind = kindText.toInt(&ok);
  if (!ok || !isValidDeviceKind(kind))
    return io.fail(kName, QStringLiteral("device kind must be 1, 2 or 3, not \"%1\"").arg(kindText));
  if (path.isEmpty()) return io.fail(kName, QStringLiteral("no settings file given"));
  if (const QString complaint = settingsPathComplaint(path); !complaint.isEmpty()) return io.fail(kName, complaint);
  if (!force) {
    for (const QString& existing : {path, namesPathFor(path)})
      if (QFileInfo::exists(existing))
        return io.fail(kName, QStringLiteral("%1 exists; use --force to replace it").arg(existing));
  }

  auto image = std::make_unique<SettingsImage>();
  EditorState editor;
  ResetImage(*image, editor);
  image->deviceKind = kind;
  const WriteOutcome written = writeSettingsPair(path, *image);
  if (!written.settingsWritten) return io.fail(kName, QStringLiteral("%1: cannot be written").arg(path));
  if (!written.namesWritten) return io.fail(kName, QStringLiteral("%1: cannot be written").arg(namesPathFor(path)));
  return ExitOk;
}

}  // namespace nastrum::cli
