// The eleven programming maps, one row each: its number, where the
// "Карты программирования" menu lists it and with which caption, the window
// caption, how it pages and the builder that fills a page. Which kinds have a
// map is the kind profile's (kindProfile().hasMap).
#pragma once

#include <array>
#include <tuple>

#include <QChar>
#include <QString>

#include "model/kind_profile.h"
#include "model/settings_image.h"

namespace nastrum {

struct MapPage;

struct MapRow {
  int number = 0;                  // 1..kMapCount
  int menuPosition = 0;            // place in the menu, from 0
  const char* menuCaption = "";
  const char* titleSuffix = "";    // follows the kind's title in the window caption
  bool pageHeader = true;          // the caption is printed above the table
  int perPage = 0;                 // objects on one page; 0: the map has one page
  int (*objects)(const KindProfile&) = nullptr;  // what a paged map pages through
  void (*build)(const SettingsImage&, MapPage&, QChar separator) = nullptr;
};

// Every map, in number order.
const std::array<MapRow, kMapCount>& mapRows();
// The row of map `number`, or nullptr for a number no map has.
const MapRow* mapRow(int number);

// The kind's title followed by the map's suffix.
QString mapCaption(Word kind, int number);
// Whether the map pages with "< Пред." / "След. >".
bool isPagedMap(int number);
// The last page of the map on the kind (1 for a map without pages).
int mapPageCount(Word kind, int number);

// The daily and monthly maps (5, 6) list every slot of their arrays on every
// kind, two pages of 32: a working archive in a slot the kind does not use
// still shows on the second page.
constexpr int kDailyMapArchives = static_cast<int>(std::tuple_size_v<decltype(SettingsImage::dayArcDesc)>);
constexpr int kMonthlyMapArchives = static_cast<int>(std::tuple_size_v<decltype(SettingsImage::monthArcDesc)>);

}  // namespace nastrum
