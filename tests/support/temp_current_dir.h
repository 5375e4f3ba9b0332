// Runs a test inside a fresh temporary directory as the current directory, so
// that relative names such as "adjustment_0.bfm" land there; restores the old
// current directory afterwards.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace nastrum {

class TempCurrentDir {
 public:
  TempCurrentDir() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
  ~TempCurrentDir() { QDir::setCurrent(previous_); }
  TempCurrentDir(const TempCurrentDir&) = delete;
  TempCurrentDir& operator=(const TempCurrentDir&) = delete;

  QString path(const QString& name) const { return dir_.filePath(name); }

  // Writes `bytes` to `name` inside the directory.
  bool write(const QString& name, const QByteArray& bytes) const {
    QFile file(path(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
  }
  QByteArray read(const QString& name) const {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

 private:
  QTemporaryDir dir_;
  QString previous_;
};

}  // namespace nastrum
