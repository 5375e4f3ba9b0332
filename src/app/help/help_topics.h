// Which help page belongs to which tab or window: tabs are known by the
// named placeholder they keep ("pageSensors", "viewArchives", …), windows by
// their object name ("TForm1", "logik", …).
#pragma once

#include <QString>

namespace nastrum {

// The contents, opened by "Содержание...".
inline const QString kHelpContentsPage = QStringLiteral("index.html");
// The main window without an image, or any window without a page of its own.
inline const QString kHelpMainWindowPage = QStringLiteral("main_window.html");

// The page of a tab or window, or an empty string when it has none.
QString helpPageForName(const QString& objectName);

}  // namespace nastrum
