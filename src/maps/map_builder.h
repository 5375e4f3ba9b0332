// Building a programming map from the settings image: one page of one map,
// with what the window needs around the table (caption, page header, paging).
#pragma once

#include <QChar>

#include "maps/map_table.h"
#include "model/settings_image.h"

namespace nastrum {

struct MapPage {
  int number = 0;
  int page = 1;       // 1..pageCount
  int pageCount = 1;
  bool paged = false;        // shows the page label and both page buttons
  bool hasNextPage = false;  // "След. >" enabled
  QString caption;           // the window caption
  QString pageHeader;        // printed above the table (empty for map 1)
  MapTable table;
};

// Page `page` (clamped to the map's pages) of map `number` for the image's
// kind; reals use `separator`. A map the kind does not have (see
// kindProfile().hasMap) gives an empty table.
MapPage buildMap(const SettingsImage& image, int number, int page, QChar separator);

}  // namespace nastrum
