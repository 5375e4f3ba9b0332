// The settings document's steps on a QUndoStack: undo and redo put a step's
// whole image back (an image is small, about 18 KB). The stack starts afresh
// wherever the document says no undo may pass (new, open, read), and the
// modified flag follows its clean state.
#pragma once

#include <QObject>
#include <QUndoStack>

#include "editor/workflow/settings_document.h"

namespace nastrum {

class DocumentUndo : public QObject {
  Q_OBJECT

 public:
  explicit DocumentUndo(SettingsDocument& document, QObject* parent = nullptr);

  bool canUndo() const { return stack_.canUndo(); }
  bool canRedo() const { return stack_.canRedo(); }
  // An edit still waiting to become a step becomes one first, so that undo
  // takes back exactly what the user just did.
  void undo();
  void redo();

  QUndoStack& stack() { return stack_; }

 signals:
  // canUndo or canRedo may have changed.
  void changed();

 private:
  void startAfresh();

  SettingsDocument& document_;
  QUndoStack stack_;
  bool restarting_ = false;
};

}  // namespace nastrum
