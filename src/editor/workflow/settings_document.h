// The settings image as a document that windows follow by signals, so that no
// window reaches into another to learn that the image changed. It is the one
// place that sets or clears the modified flag, and it cuts the edits into
// steps an undo stack can keep: everything one user action changed (a page
// edit with its cascades, a paste, a correction, a hex edit) is one step.
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
  // Made by "Новый" or a device read: the name is one the user never chose.
  bool isUnnamedNew() const { return workspace_.editor.unnamedNew; }
  // The full path of the settings file the title and the messages name.
  const QString& fileName() const { return workspace_.editor.currentFileName; }

  // Where the image belongs. In the windows only these change it; a run
  // without a window (the command line, a backup) sets up the workspace it
  // made for itself.
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
  // Undo and redo: the image becomes `image` as a step saw it. The check's
  // marks stay as the last check left them: they describe that check, not
  // the step.
  void restore(const SettingsImage& image);
  // The undo stack's clean state (the image as last opened or saved).
  void setModified(bool modified);

 signals:
  // The image was replaced as a whole; `kind` is its device kind (a word no
  // kind has counts as the kind every profile falls back to).
  void replaced(DeviceKind kind);
  // What a page keeps beside the image (the names copy, the device time to
  // set) goes with an emptied image.
  void freshImage();
  void kindChanged(Word kind);
  void modifiedChanged(bool modified);
  // One user action changed the image from `before` to `after`.
  void stepMade(const SettingsImage& before, const SettingsImage& after);
  // The image matches its files: the undo stack's clean point.
  void saved();
  // A point no undo may pass (replaced, or names read from the device).
  void historyStarted();
  // An undo or redo put a step's image in place: the pages show it afresh.
  void restored();

 private:
  Workspace& workspace_;
  Word announcedKind_;
  bool announcedModified_;
  SettingsImage committed_;  // the image as the last step left it
  bool stepPending_ = false;
};

}  // namespace nastrum
