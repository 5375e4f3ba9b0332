// The settings image as a document that windows follow by signals, so that no
// window reaches into another to learn that the image changed. It is the one
// writer of where the image belongs (open, its file, modified), and it keeps
// the undo history: everything one user action changed (a page edit with its
// cascades, a paste, a correction, a hex edit) is one step, and undo and
// redo put a step's whole image back (an image is small, about 18 KB).
#pragma once

#include <QObject>
#include <QUndoStack>

#include "model/workspace.h"

namespace nastrum {

class SettingsDocument : public QObject {
  Q_OBJECT

 public:
  explicit SettingsDocument(Workspace& workspace, QObject* parent = nullptr);

  Workspace& workspace() const { return workspace_; }
  SettingsImage& image() const { return workspace_.image; }
  const DocumentFile& file() const { return workspace_.file; }
  bool isOpen() const { return file().isOpen(); }
  bool isModified() const { return file().isModified(); }
  bool isUnnamedNew() const { return file().isUnnamedNew(); }
  const QString& fileName() const { return file().fileName(); }

  // Where the image belongs.
  //
  // An image made by "Новый" or read from the device is open; the name it
  // gets (nameFile) is not the user's choice.
  void openUnnamed();
  // An open of `path` begins: messages name that file from now on, while
  // nothing counts as open until openedFile() says the read went well.
  void beginOpening(const QString& path);
  void openedFile();
  // Names the file without changing what is open.
  void nameFile(const QString& path);
  // The user chose `path` and the settings were written there.
  void renameTo(const QString& path);
  // Nothing is open: closed, at the start, or another image is on its way.
  void closeFile();
  Word kind() const { return workspace_.image.deviceKind; }

  // Every edit of the image: "Сохранить" is offered from now on. The step is
  // cut once the event that made the edit has been handled, so the cascades
  // it set off join it.
  void markModified();
  // The automatic correction changed the image: a step of its own at once,
  // which leaves the modified flag as it was (the correction is not the
  // user's change, and an unmodified image stays so).
  void recordCorrection();
  // Opened, saved, read, closed: the image matches its files (or has none).
  void markUnmodified();
  // The image was replaced as a whole or dropped (new, opened, read,
  // closed, reset): the windows show it afresh, and no undo reaches back
  // past this point.
  void announceReplaced();
  // The image was emptied before it was filled (new, opened, closed, at
  // start); a device read fills it without that. Comes before
  // announceReplaced().
  void announceFresh() { emit freshImage(); }
  // Part of the image came from elsewhere (the device's names): no undo
  // reaches back past this point; the modified flag stays as it is.
  void startHistoryHere();

  // Cuts the step of the edits made so far now instead of later; a save, an
  // undo and a replacement call it first so that no edit slips past them.
  void commitStep();
  // Undo and redo. An edit still waiting to become a step becomes one
  // first, so that undo takes back exactly what the user just did. The
  // check's marks stay as the last check left them: they describe that
  // check, not the step.
  bool canUndo() const { return history_.canUndo(); }
  bool canRedo() const { return history_.canRedo(); }
  void undo();
  void redo();
  int undoSteps() const { return history_.count(); }

 signals:
  // The image was replaced as a whole; `kind` is its device kind (a word no
  // kind has counts as the kind every profile falls back to).
  void replaced(DeviceKind kind);
  // What a page keeps beside the image (the names copy, the device time to
  // set) goes with an emptied image.
  void freshImage();
  void kindChanged(Word kind);
  void modifiedChanged(bool modified);
  // canUndo or canRedo may have changed.
  void undoChanged();
  // An undo or redo put a step's image in place: the pages show it afresh.
  void restored();

 private:
  friend class ImageStep;
  // The image becomes `image` as a step saw it.
  void restore(const SettingsImage& image);
  void setModified(bool modified);
  void startHistory();

  Workspace& workspace_;
  Word announcedKind_;
  SettingsImage committed_;  // the image as the last step left it
  bool stepPending_ = false;
  QUndoStack history_;
  bool restarting_ = false;  // clearing the history is no change of the flag
};

}  // namespace nastrum
