#include "editor/workflow/recent_files.h"

#include <QDir>

namespace nastrum {

namespace {

// Windows file names do not tell case apart; elsewhere they do.
bool sameFile(const QString& a, const QString& b) {
#ifdef Q_OS_WIN
  constexpr Qt::CaseSensitivity kCase = Qt::CaseInsensitive;
#else
  constexpr Qt::CaseSensitivity kCase = Qt::CaseSensitive;
#endif
  return QDir::cleanPath(QDir::fromNativeSeparators(a)).compare(QDir::cleanPath(QDir::fromNativeSeparators(b)),
                                                                  kCase) == 0;
}

}  // namespace

RecentFiles::RecentFiles(const QStringList& paths) {
  for (auto it = paths.crbegin(); it != paths.crend(); ++it) add(*it);
}

void RecentFiles::add(const QString& path) {
  if (path.isEmpty()) return;
  remove(path);
  paths_.prepend(path);
  while (paths_.size() > kMaximum) paths_.removeLast();
}

void RecentFiles::remove(const QString& path) {
  paths_.removeIf([&path](const QString& p) { return sameFile(p, path); });
}

}  // namespace nastrum
