// The names menu of each archive family ("Копировать", "Вставить",
// "Очистить"): whole families of names through the names clipboard.
#pragma once

#include <array>

#include "descriptors/archive_words.h"

namespace nastrum {

using NameClipboard = std::array<NameSlot, 64>;

// Names the menu acts on: hourly 32; daily 32/64; monthly 32/63; interval 13/12.
int archiveNameCount(ArchiveFamily family, int kind);
bool familyHasNames(const SettingsImage& image, ArchiveFamily family);
// "Вставить" is offered when one of the clipboard's first slots holds a name.
bool clipboardHasNames(const NameClipboard& clip, ArchiveFamily family, int kind);
// Clears the clipboard, then copies the family's names into its first slots.
void copyArchiveNames(const SettingsImage& image, ArchiveFamily family, NameClipboard& clip);
// Copies the clipboard's first slots over the family's names (after
// question 73 when familyHasNames).
void pasteArchiveNames(SettingsImage& image, ArchiveFamily family, const NameClipboard& clip);
// After question 72: empties the clipboard and every name of the family.
void clearArchiveNames(SettingsImage& image, ArchiveFamily family, NameClipboard& clip);

}  // namespace nastrum
