// The desktop of the large model: 16 entries, each a name (DesktopNames) and
// a parameter word (DesktopParams) that says which value the device shows.
// An entry is present exactly when its name is not empty; present entries are
// kept together from entry 0 upwards.
#pragma once

#include <optional>

#include <QString>

#include "descriptors/choice_list.h"
#include "model/settings_image.h"

namespace nastrum {

constexpr int kDesktopEntryCount = 16;

// The three groups of a parameter word.
enum class DesktopGroup { Measurement = 0, Calculation = 1, Control = 2 };

ChoiceList desktopGroups();  // "ИЗМЕРЕНИЕ", "РАСЧЕТ", "КОНТРОЛЬ", coded by DesktopGroup
// The items of a group in list order: item codes (d3 d4) for sensors and
// pipelines, whole words for "КОНТРОЛЬ".
ChoiceList desktopItems(DesktopGroup group);

// The group of a word by its first digit (0..3, 8, 4); nullopt for any other.
std::optional<DesktopGroup> desktopGroupOf(Word word);
// The word a group starts with: 0x0010, 0x800E, 0x4010.
Word desktopGroupDefault(DesktopGroup group);
// The highest sensor or pipeline number of a group (63, 15; 0 for "КОНТРОЛЬ").
int desktopHighestNumber(DesktopGroup group);
// The sensor (d1 d2) or pipeline (d2) of a word.
int desktopNumberOf(DesktopGroup group, Word word);
// The code the item list selects for a word: d3 d4, or the whole word.
int desktopItemCodeOf(DesktopGroup group, Word word);
// The word of a group, number and item code.
Word desktopWord(DesktopGroup group, int number, int itemCode);

// The entry a new tick creates.
QString desktopDefaultName();
constexpr Word kDesktopDefaultWord = 0x0010;

bool desktopEntryPresent(const NamesRegion& names, int entry);
// Whether an entry below `entry` is absent (ticking or unticking it would
// leave a gap).
bool desktopGapBelow(const NamesRegion& names, int entry);

// Closes the gap at an absent entry: when entry+1 is present, entries
// entry+1..15 move down one place, each with its name and word, and entry 15
// becomes empty with word 0.
// Returns whether anything moved.
bool closeDesktopGap(NamesRegion& names, int entry);

// Removes an entry: its name empty, its word 0, then the gap closed.
void removeDesktopEntry(NamesRegion& names, int entry);

}  // namespace nastrum
