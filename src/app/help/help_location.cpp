#include "help_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/help/help_topics.h"

namespace nastrum {

QStringList defaultHelpDirs() {
  const QDir programDir(QCoreApplication::applicationDirPath());
  QStringList dirs{QDir::cleanPath(programDir.filePath(QStringLiteral("../share/nastrum/help"))),
                   programDir.filePath(QStringLiteral("help"))};
#ifdef NASTRUM_SOURCE_HELP_DIR
  dirs << QStringLiteral(NASTRUM_SOURCE_HELP_DIR);
#endif
  return dirs;
}

QString findHelpDir(const QStringList& candidates) {
  for (const QString& dir : candidates) {
    if (QFileInfo(QDir(dir).filePath(kHelpContentsPage)).isFile()) return dir;
  }
  return {};
}

}  // namespace nastrum
