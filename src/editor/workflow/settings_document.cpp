#include "editor/workflow/settings_document.h"

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

}  // namespace

SettingsDocument::SettingsDocument(Workspace& workspace, QObject* parent)
    : QObject(parent),
      workspace_(workspace),
      announcedKind_(workspace.image.deviceKind),
      announcedModified_(workspace.editor.modified),
      committed_(workspace.image) {}

void SettingsDocument::setModified(bool modified) {
  workspace_.editor.modified = modified;
  // Compared with what was last announced, not with the flag: a page that
  // set the flag itself before telling still gets "Сохранить" offered.
  if (announcedModified_ == modified) return;
  announcedModified_ = modified;
  emit modifiedChanged(modified);
}

void SettingsDocument::openUnnamed() {
  workspace_.editor.fileOpen = true;
  workspace_.editor.unnamedNew = true;
}

void SettingsDocument::beginOpening(const QString& path) {
  workspace_.editor.unnamedNew = false;
  workspace_.editor.currentFileName = path;
}

void SettingsDocument::openedFile() { workspace_.editor.fileOpen = true; }

void SettingsDocument::nameFile(const QString& path) { workspace_.editor.currentFileName = path; }

void SettingsDocument::renameTo(const QString& path) {
  workspace_.editor.currentFileName = path;
  workspace_.editor.unnamedNew = false;
}

void SettingsDocument::closeFile() {
  workspace_.editor.fileOpen = false;
  workspace_.editor.unnamedNew = false;
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
  emit stepMade(before, committed_);
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
  emit saved();
}

void SettingsDocument::startHistoryHere() {
  stepPending_ = false;
  committed_ = workspace_.image;
  emit historyStarted();
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
