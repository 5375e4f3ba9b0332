// The system's file-open and file-save windows for settings files, behind an
// interface so that tests can answer them.
#pragma once

#include <optional>

#include <QString>

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

  std::optional<QString> openSettingsPath() override;
  std::optional<QString> saveSettingsPath(const QString& proposedPath) override;

 private:
  QWidget* parent_;
};

}  // namespace nastrum
