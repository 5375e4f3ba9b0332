#include "editor/workflow/settings_document.h"

namespace nastrum {

SettingsDocument::SettingsDocument(Workspace& workspace, QObject* parent)
    : QObject(parent),
      workspace_(workspace),
      announcedKind_(workspace.image.deviceKind),
      announcedModified_(workspace.editor.modified) {}

void SettingsDocument::setModified(bool modified) {
  workspace_.editor.modified = modified;
  // Compared with what was last announced, not with the flag: a page that
  // set the flag itself before telling still gets "Сохранить" offered.
  if (announcedModified_ == modified) return;
  announcedModified_ = modified;
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
