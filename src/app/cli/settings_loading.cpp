#include "app/cli/settings_loading.h"

#include <QFileInfo>

#include "model/editor_state.h"
#include "model/reset_image.h"
#include "model/settings_files.h"
#include "model/settings_record.h"

namespace nastrum::cli {

std::unique_ptr<SettingsImage> loadSettings(const QString& command, const QString& path, CliIo& io) {
  auto image = std::make_unique<SettingsImage>();
  EditorState editor;
  ResetImage(*image, editor);
  const ReadOutcome read = readSettingsPair(path, *image, editor);
  switch (read.failure) {
    case ReadFailure::None:
      break;
    case ReadFailure::SettingsUnreadable:
      if (QFileInfo(path).isDir()) {
        io.fail(command, path + QStringLiteral(": is a folder, not a settings file"));
      } else if (!QFileInfo::exists(path)) {
        io.fail(command, path + QStringLiteral(": no such file"));
      } else {
        io.fail(command, path + QStringLiteral(": cannot be read or is shorter than %1 bytes").arg(kSettingsRecordSize));
      }
      return nullptr;
    case ReadFailure::UnknownDeviceKind:
      io.fail(command, path + QStringLiteral(": not a settings file (its device kind word is not 1, 2 or 3)"));
      return nullptr;
  }
  if (!read.namesRead)
    io.err << "nastrum-cli " << command << ": note: names file " << namesPathFor(path)
           << " missing or short; names are empty" << Qt::endl;
  return image;
}

QString settingsPathComplaint(const QString& path) {
  if (path.endsWith(QLatin1String(".bfm"), Qt::CaseInsensitive)) return {};
  return QStringLiteral("%1: a settings file name must end in .bfm").arg(path);
}

}  // namespace nastrum::cli
