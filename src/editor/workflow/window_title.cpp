#include "editor/workflow/window_title.h"

#include "model/message_catalogue.h"
#include "model/settings_files.h"

namespace nastrum {

QString kindName(Word kind) {
  switch (kind) {
    case 1: return QStringLiteral("ОРВИК минимальный");
    case 3: return QStringLiteral("ОРВИК 9");
    default: return QStringLiteral("ОРВИК расширяемый");
  }
}

QString programTitle() { return programCaption(); }

QString windowTitle(Word kind, const QString& settingsPath, TitleSource source) {
  const QString shownPath = pathWithoutExtension(settingsPath);
  if (source == TitleSource::DeviceRead)
    return programTitle() + QStringLiteral(" : считанные настройки с ") + kindName(kind) + QStringLiteral(" - ") +
           shownPath;
  return QStringLiteral("Наструм - ") + kindName(kind) + QStringLiteral(": ") + shownPath;
}

}  // namespace nastrum
