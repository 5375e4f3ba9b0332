// The settings files opened or saved last, newest first, as "Файл" lists them.
#pragma once

#include <QStringList>

namespace nastrum {

class RecentFiles {
 public:
  static constexpr int kMaximum = 5;

  // Empty names and repeats are dropped, the list cut to kMaximum.
  explicit RecentFiles(const QStringList& paths = {});

  // `path` becomes the newest; an earlier entry for the same file goes.
  void add(const QString& path);
  void remove(const QString& path);
  const QStringList& paths() const { return paths_; }

 private:
  QStringList paths_;
};

}  // namespace nastrum
