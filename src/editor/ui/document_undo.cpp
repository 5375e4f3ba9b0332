#include "editor/ui/document_undo.h"

#include <QUndoCommand>

namespace nastrum {

namespace {

class ImageStep final : public QUndoCommand {
 public:
  ImageStep(SettingsDocument& document, const SettingsImage& before, const SettingsImage& after)
      : document_(document), before_(before), after_(after) {}

  void undo() override { document_.restore(before_); }
  void redo() override {
    // Pushing the step runs redo once; the image is already `after` then.
    if (done_) document_.restore(after_);
    done_ = true;
  }

 private:
  SettingsDocument& document_;
  const SettingsImage before_;
  const SettingsImage after_;
  bool done_ = false;
};

}  // namespace

// A step holds two whole images (some tens of kilobytes in memory): a long
// session keeps its last few hundred steps, not all of them.
constexpr int kUndoLimit = 200;

DocumentUndo::DocumentUndo(SettingsDocument& document, QObject* parent) : QObject(parent), document_(document) {
  stack_.setUndoLimit(kUndoLimit);
  connect(&document_, &SettingsDocument::stepMade, this, [this](const SettingsImage& before, const SettingsImage& after) {
    stack_.push(new ImageStep(document_, before, after));
  });
  connect(&document_, &SettingsDocument::saved, this, [this] { stack_.setClean(); });
  connect(&document_, &SettingsDocument::historyStarted, this, &DocumentUndo::startAfresh);
  connect(&stack_, &QUndoStack::indexChanged, this, [this] {
    if (!restarting_) document_.setModified(!stack_.isClean());
  });
  connect(&stack_, &QUndoStack::canUndoChanged, this, &DocumentUndo::changed);
  connect(&stack_, &QUndoStack::canRedoChanged, this, &DocumentUndo::changed);
}

void DocumentUndo::startAfresh() {
  // The image may be modified already (the device's names taken into an
  // open file): then no point of the new history is clean.
  restarting_ = true;
  stack_.clear();
  if (document_.isModified()) stack_.resetClean();
  restarting_ = false;
}

void DocumentUndo::undo() {
  document_.commitStep();
  stack_.undo();
}

void DocumentUndo::redo() {
  document_.commitStep();
  stack_.redo();
}

}  // namespace nastrum
