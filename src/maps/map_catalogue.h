// The eleven programming maps: the window caption of a map on a device kind,
// and how many pages a paged map has. (The menu captions live with the menu.)
#pragma once

#include <QString>

#include "model/settings_image.h"

namespace nastrum {

// The kind's title followed by the map's suffix.
QString mapCaption(Word kind, int number);
// Whether the map pages with "< Пред." / "След. >" (maps 2, 3, 5, 6, 10).
bool isPagedMap(int number);
// The last page of the map on the kind (1 for a map without pages).
int mapPageCount(Word kind, int number);

}  // namespace nastrum
