#include "editor/workflow/settings_document.h"

#include <QUndoCommand>

#include "model/settings_record.h"

namespace nastrum {

namespace {

// The words the check writes to describe its last run; no edit of the user's.
constexpr int kCheckMarks[] = {sys::PrivilegedMark, sys::CheckErrorsMark};

void copyCheckMarks(const SettingsImage& from, SettingsImage& to) {
  for (const int mark : kCheckMarks) to.sys(mark) = from.sys(mark);
}

// Compared as the files would store them, so a real that reads back the same
// (or a NaN) is no change, and the check's marks are left out.
bool sameSettings(const SettingsImage& a, SettingsImage b) {
  copyCheckMarks(a, b);
  return storesSame(a, b);
}

// A step holds two whole images (some tens of kilobytes in memory): a long
// session keeps its last few hundred steps, not all of them.
constexpr int kUndoLimit = 200;

}  // namespace

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

SettingsDocument::SettingsDocument(Workspace& workspace, QObject* parent)
    : QObject(parent), workspace_(workspace), announcedKind_(workspace.image.deviceKind), committed_(workspace.image) {
  history_.setUndoLimit(kUndoLimit);
  connect(&history_, &QUndoStack::indexChanged, this, [this] {
    if (!restarting_) setModified(!history_.isClean());
  });
  connect(&history_, &QUndoStack::canUndoChanged, this, &SettingsDocument::undoChanged);
  connect(&history_, &QUndoStack::canRedoChanged, this, &SettingsDocument::undoChanged);
}

void SettingsDocument::setModified(bool modified) {
  if (workspace_.file.modified_ == modified) return;
  workspace_.file.modified_ = modified;
  emit modifiedChanged(modified);
}

void SettingsDocument::openUnnamed() {
  workspace_.file.open_ = true;
  workspace_.file.unnamedNew_ = true;
}

void SettingsDocument::beginOpening(const QString& path) {
  workspace_.file.unnamedNew_ = false;
  workspace_.file.fileName_ = path;
}

void SettingsDocument::openedFile() { workspace_.file.open_ = true; }

void SettingsDocument::nameFile(const QString& path) { workspace_.file.fileName_ = path; }

void SettingsDocument::renameTo(const QString& path) {
  workspace_.file.fileName_ = path;
  workspace_.file.unnamedNew_ = false;
}

void SettingsDocument::closeFile() {
  workspace_.file.open_ = false;
  workspace_.file.unnamedNew_ = false;
}

void SettingsDocument::markModified() {
  setModified(true);
  if (stepPending_) return;
  stepPending_ = true;
  QMetaObject::invokeMethod(this, &SettingsDocument::commitStep, Qt::QueuedConnection);
}

void SettingsDocument::commitStep() {
  if (!stepPending_) return;
  stepPending_ = false;
  if (sameSettings(committed_, workspace_.image)) return;
  const SettingsImage before = committed_;
  committed_ = workspace_.image;
  history_.push(new ImageStep(*this, before, committed_));
}

void SettingsDocument::recordCorrection() {
  stepPending_ = true;
  if (isModified())
    commitStep();
  else
    markUnmodified();
}

void SettingsDocument::markUnmodified() {
  commitStep();
  // What changed without being an edit (a save clears the privileged mark,
  // the check normalises words) is where the next step starts from.
  committed_ = workspace_.image;
  setModified(false);
  history_.setClean();
}

void SettingsDocument::startHistoryHere() {
  stepPending_ = false;
  committed_ = workspace_.image;
  startHistory();
}

void SettingsDocument::startHistory() {
  // The image may be modified already (the device's names taken into an
  // open file): then no point of the new history is clean.
  restarting_ = true;
  history_.clear();
  if (isModified()) history_.resetClean();
  restarting_ = false;
}

void SettingsDocument::undo() {
  commitStep();
  history_.undo();
}

void SettingsDocument::redo() {
  commitStep();
  history_.redo();
}

void SettingsDocument::announceReplaced() {
  startHistoryHere();
  const Word kind = workspace_.image.deviceKind;
  emit replaced(deviceKindOf(kind).value_or(DeviceKind::Expandable));
  if (kind == announcedKind_) return;
  announcedKind_ = kind;
  emit kindChanged(kind);
}

void SettingsDocument::restore(const SettingsImage& image) {
  stepPending_ = false;
  SettingsImage& current = workspace_.image;
  const SettingsImage marks = current;
  current = image;
  copyCheckMarks(marks, current);
  committed_ = current;
  emit restored();
}

}  // namespace nastrum
