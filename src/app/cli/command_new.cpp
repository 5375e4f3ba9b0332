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

int writeFreshPair(const CliArgs& args, CliIo& io) {
  const QString kindText = args.value(QStringLiteral("kind"));
  const QString path = args.positional(0);
  bool ok = false;
  const int kind = kindText.toInt(&ok);
  if (!ok || !isValidDeviceKind(kind))
    return io.fail(kName, QStringLiteral("device kind must be 1, 2 or 3, not \"%1\"").arg(kindText));
  if (const QString complaint = settingsPathComplaint(path); !complaint.isEmpty()) return io.fail(kName, complaint);
  if (!args.isSet(QStringLiteral("force"))) {
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

}  // namespace

CliCommand newCommand() {
  return {kName,
          QStringLiteral("write a fresh settings pair (FILE.bfm and FILE.nam) of a device kind"),
          {{QStringLiteral("FILE.bfm"), QStringLiteral("the settings file to write; its names go to FILE.nam")}},
          {{QStringLiteral("kind"), QStringLiteral("1|2|3"), QStringLiteral("the device kind"), true},
           {QStringLiteral("force"), {}, QStringLiteral("replace an existing pair")}},
          writeFreshPair};
}

}  // namespace nastrum::cli
