#include "maps/map_builder.h"

#include <algorithm>

#include "maps/map_catalogue.h"
#include "model/kind_profile.h"

namespace nastrum {

MapPage buildMap(const SettingsImage& image, int number, int page, QChar separator) {
  MapPage result;
  result.number = number;
  result.caption = mapCaption(image.deviceKind, number);
  if (!kindProfile(image.deviceKind).hasMap(number)) return result;
  result.paged = isPagedMap(number);
  result.pageCount = mapPageCount(image.deviceKind, number);
  result.page = std::clamp(page, 1, result.pageCount);
  if (const MapRow* row = mapRow(number)) {
    if (row->pageHeader) result.pageHeader = result.caption;
    row->build(image, result, separator);
  }
  result.hasNextPage = result.hasNextPage && result.page < result.pageCount;
  return result;
}

}  // namespace nastrum
