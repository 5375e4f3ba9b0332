#include "maps/map_builder.h"

#include <algorithm>

#include "maps/map_builders.h"
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
  if (number != 1) result.pageHeader = result.caption;
  switch (number) {
    case 1: maps::buildDistributionMap(image, result); break;
    case 2: maps::buildSensorMap(image, result, separator); break;
    case 3: maps::buildPipelineMap(image, result, separator); break;
    case 4:
    case 5:
    case 6:
    case 7: maps::buildArchiveMap(image, result); break;
    case 8: maps::buildGeneratorMap(image, result, separator); break;
    case 9: maps::buildSystemMap(image, result, separator); break;
    case 10: maps::buildLogicFlagMap(image, result); break;
    case 11: maps::buildRegulatorMap(image, result, separator); break;
    default: break;
  }
  result.hasNextPage = result.hasNextPage && result.page < result.pageCount;
  return result;
}

}  // namespace nastrum
