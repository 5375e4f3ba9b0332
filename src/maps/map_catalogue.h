// The eleven programming maps: the window caption of a map on a device kind,
// and how many pages a paged map has. (The menu captions live with the menu.)
#pragma once

#include <tuple>

#include <QString>

#include "model/settings_image.h"

namespace nastrum {

// The kind's title followed by the map's suffix.
QString mapCaption(Word kind, int number);
// Whether the map pages with "< Пред." / "След. >" (maps 2, 3, 5, 6, 10).
bool isPagedMap(int number);
// The last page of the map on the kind (1 for a map without pages).
int mapPageCount(Word kind, int number);

// The daily and monthly maps (5, 6) list every slot of their arrays on every
// kind, two pages of 32: a working archive in a slot the kind does not use
// still shows on the second page.
constexpr int kDailyMapArchives = static_cast<int>(std::tuple_size_v<decltype(SettingsImage::dayArcDesc)>);
constexpr int kMonthlyMapArchives = static_cast<int>(std::tuple_size_v<decltype(SettingsImage::monthArcDesc)>);

}  // namespace nastrum
