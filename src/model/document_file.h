// Where the settings image belongs: whether one is open, the file it is kept
// in, and whether it still equals that file. Everyone reads it; while the
// windows are open only the settings document changes it, as files are made,
// opened, saved and closed and as the user edits. Nothing else may say the
// image is saved when it is not.
#pragma once

#include <QString>

namespace nastrum {

class SettingsDocument;

class DocumentFile {
 public:
  DocumentFile() = default;  // nothing open

  // A file the user named, open and as it is on disk: where a run without
  // windows (a test, a tool) starts from.
  static DocumentFile opened(const QString& path) {
    DocumentFile file;
    file.open_ = true;
    file.fileName_ = path;
    return file;
  }

  // An image is loaded (new, opened or read from the device).
  bool isOpen() const { return open_; }
  // The image changed since it was opened, read or saved.
  bool isModified() const { return modified_; }
  // Made by "Новый" or a device read: the name is one the user never chose.
  bool isUnnamedNew() const { return unnamedNew_; }
  // The full path of the settings file the title and the messages name.
  const QString& fileName() const { return fileName_; }

 private:
  friend class SettingsDocument;  // the one writer, so the undo stack's clean state and the flag agree

  bool open_ = false;
  bool modified_ = false;
  bool unnamedNew_ = false;
  QString fileName_;
};

}  // namespace nastrum
