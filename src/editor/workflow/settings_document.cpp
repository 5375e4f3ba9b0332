#include "editor/workflow/settings_document.h"

namespace nastrum {

SettingsDocument::SettingsDocument(Workspace& workspace, QObject* parent)
    : QObject(parent), workspace_(workspace), announcedKind_(workspace.image.deviceKind) {}

void SettingsDocument::setModified(bool modified) {
  if (workspace_.editor.modified == modified) return;
  workspace_.editor.modified = modified;
  emit modifiedChanged(modified);
}

void SettingsDocument::announceReplaced() {
  emit imageReplaced();
  const Word kind = workspace_.image.deviceKind;
  if (kind == announcedKind_) return;
  announcedKind_ = kind;
  emit kindChanged(kind);
}

}  // namespace nastrum
