// The settings image as a document that windows follow by signals, so that no
// window reaches into another to learn that the image changed. It is the one
// place that sets or clears the modified flag.
#pragma once

#include <QObject>

#include "model/workspace.h"

namespace nastrum {

class SettingsDocument : public QObject {
  Q_OBJECT

 public:
  explicit SettingsDocument(Workspace& workspace, QObject* parent = nullptr);

  Workspace& workspace() const { return workspace_; }
  SettingsImage& image() const { return workspace_.image; }
  bool isOpen() const { return workspace_.editor.fileOpen; }
  bool isModified() const { return workspace_.editor.modified; }
  Word kind() const { return workspace_.image.deviceKind; }

  // Every edit of the image: "Сохранить" is offered from now on.
  void markModified() { setModified(true); }
  // Opened, saved, read, closed: the image matches its files (or has none).
  void markUnmodified() { setModified(false); }
  // The image was replaced as a whole or dropped (new, opened, read,
  // closed, reset): the windows show it afresh.
  void announceReplaced();

 signals:
  void imageReplaced();
  void kindChanged(Word kind);
  void modifiedChanged(bool modified);

 private:
  void setModified(bool modified);

  Workspace& workspace_;
  Word announcedKind_;
  bool announcedModified_;
};

}  // namespace nastrum
