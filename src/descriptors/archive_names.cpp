#include "descriptors/archive_names.h"

namespace nastrum {

int archiveNameCount(ArchiveFamily family, int kind) { return archiveCount(family, kind); }

bool familyHasNames(const SettingsImage& image, ArchiveFamily family) {
  const int count = archiveNameCount(family, image.deviceKind);
  for (int n = 0; n < count; ++n)
    if (!archiveName(image, family, n).isEmpty()) return true;
  return false;
}

bool clipboardHasNames(const NameClipboard& clip, ArchiveFamily family, int kind) {
  const int count = archiveNameCount(family, kind);
  for (int n = 0; n < count; ++n)
    if (!clip[static_cast<std::size_t>(n)].isEmpty()) return true;
  return false;
}

void copyArchiveNames(const SettingsImage& image, ArchiveFamily family, NameClipboard& clip) {
  for (auto& slot : clip) slot.clear();
  const int count = archiveNameCount(family, image.deviceKind);
  for (int n = 0; n < count; ++n) clip[static_cast<std::size_t>(n)] = archiveName(image, family, n);
}

void pasteArchiveNames(SettingsImage& image, ArchiveFamily family, const NameClipboard& clip) {
  const int count = archiveNameCount(family, image.deviceKind);
  for (int n = 0; n < count; ++n) archiveName(image, family, n) = clip[static_cast<std::size_t>(n)];
}

void clearArchiveNames(SettingsImage& image, ArchiveFamily family, NameClipboard& clip) {
  for (auto& slot : clip) slot.clear();
  const int count = archiveNameCount(family, image.deviceKind);
  for (int n = 0; n < count; ++n) archiveName(image, family, n).clear();
}

}  // namespace nastrum
