// The system's file-open and file-save windows for settings files, behind an
// interface so that tests can answer them.
#pragma once

#include <optional>

#include <QString>

class QSettings;
class QWidget;

namespace nastrum {

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // An existing .bfm file, or nothing when cancelled.
  virtual std::optional<QString> openSettingsPath() = 0;
  // The name the user typed, proposing `proposedPath`; nothing when cancelled.
  virtual std::optional<QString> saveSettingsPath(const QString& proposedPath) = 0;
};

class SystemFileDialogs final : public FileDialogs {
 public:
  explicit SystemFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }
  // Where each window remembers the folder it was last left in; none: the
  // windows start in the current folder.
  void setSettings(QSettings* settings) { settings_ = settings; }

  std::optional<QString> openSettingsPath() override;
  std::optional<QString> saveSettingsPath(const QString& proposedPath) override;

 private:
  QWidget* parent_;
  QSettings* settings_ = nullptr;
};

// The system's save window for a PDF, starting in the folder it was last
// left in (kept under `folderKey` in `settings`, which may be null).
QString choosePdfPath(QWidget* parent, QSettings* settings, const QString& folderKey, const QString& caption,
                      const QString& proposed);

}  // namespace nastrum
