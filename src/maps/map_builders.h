// The builders of the single maps, called by buildMap. Each fills `page.table`
// and, for a paged map, `page.hasNextPage` for `page.page`.
#pragma once

#include "maps/map_builder.h"

namespace nastrum::maps {

void buildDistributionMap(const SettingsImage& image, MapPage& page);          // 1
void buildSensorMap(const SettingsImage& image, MapPage& page, QChar sep);     // 2
void buildPipelineMap(const SettingsImage& image, MapPage& page, QChar sep);   // 3
void buildArchiveMap(const SettingsImage& image, MapPage& page);               // 4..7
void buildGeneratorMap(const SettingsImage& image, MapPage& page, QChar sep);  // 8
void buildSystemMap(const SettingsImage& image, MapPage& page, QChar sep);     // 9
void buildLogicFlagMap(const SettingsImage& image, MapPage& page);             // 10
void buildRegulatorMap(const SettingsImage& image, MapPage& page, QChar sep);  // 11

}  // namespace nastrum::maps
