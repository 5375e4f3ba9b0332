#include "maps/map_catalogue.h"

#include <algorithm>

#include "maps/map_builders.h"

namespace nastrum {

namespace {

using maps::buildArchiveMap;

constexpr std::array<MapRow, kMapCount> kMaps{{
    {1, 0, "Распределение трубопроводов и датчиков", " Распределение трубопроводов и датчиков", false, 0, nullptr,
     [](const SettingsImage& im, MapPage& p, QChar) { maps::buildDistributionMap(im, p); }},
    {2, 2, "Описание датчиков", "   Описание датчиков", true, 16, [](const KindProfile& k) { return k.sensors; },
     maps::buildSensorMap},
    // The menu lists the pipeline description before the sensor description.
    {3, 1, "Описание трубопроводов", "   Описание трубопроводов", true, 8, [](const KindProfile& k) { return k.pipelines; },
     maps::buildPipelineMap},
    {4, 3, "Описание часовых архивов", " Описание часовых архивов", true, 0, nullptr,
     [](const SettingsImage& im, MapPage& p, QChar) { buildArchiveMap(im, p); }},
    {5, 4, "Описание суточных архивов", " Описание суточных архивов", true, 32,
     [](const KindProfile&) { return kDailyMapArchives; },
     [](const SettingsImage& im, MapPage& p, QChar) { buildArchiveMap(im, p); }},
    {6, 5, "Описание месячных архивов", " Описание месячных архивов", true, 32,
     [](const KindProfile&) { return kMonthlyMapArchives; },
     [](const SettingsImage& im, MapPage& p, QChar) { buildArchiveMap(im, p); }},
    {7, 6, "Описание расширенных архивов интервалов", " Описание расширенных архивов интервалов", true, 0, nullptr,
     [](const SettingsImage& im, MapPage& p, QChar) { buildArchiveMap(im, p); }},
    {8, 7, "Описание генераторов тока", " Описание генераторов тока", true, 0, nullptr, maps::buildGeneratorMap},
    // The first letter of the menu caption is the Latin C, as the program always showed it.
    {9, 8, "Cистемные параметры", " Системные параметры", true, 0, nullptr, maps::buildSystemMap},
    {10, 9, "Программирование регуляторов", " Программирование регуляторов", true, 64,
     [](const KindProfile& k) { return k.logicFlags; },
     [](const SettingsImage& im, MapPage& p, QChar) { maps::buildLogicFlagMap(im, p); }},
    {11, 10, "Программирование регуляторов", " Программирование регуляторов", true, 0, nullptr, maps::buildRegulatorMap},
}};

// A map added to kMapCount needs its row here, in number order, on a menu
// place of its own (a row left out keeps number 0).
constexpr bool rowsComplete() {
  std::array<bool, kMapCount> placed{};
  for (std::size_t i = 0; i < kMaps.size(); ++i) {
    const MapRow& row = kMaps[i];
    if (row.number != static_cast<int>(i) + 1) return false;
    if (row.menuPosition < 0 || row.menuPosition >= kMapCount || placed[static_cast<std::size_t>(row.menuPosition)])
      return false;
    placed[static_cast<std::size_t>(row.menuPosition)] = true;
    if (row.perPage < 0) return false;
  }
  return true;
}
static_assert(rowsComplete(), "every programming map needs one row, numbered in order, with a menu place of its own");

QString kindTitle(Word kind) {
  switch (kindProfile(kind).kind) {
    case DeviceKind::Minimal: return QStringLiteral("Карта программирования ОРВИК 5 минимальный:");
    case DeviceKind::Large: return QStringLiteral("Карта программирования ОРВИК 9:");
    case DeviceKind::Expandable: break;
  }
  return QStringLiteral("Карта программирования ОРВИК 5 расширяемый:");
}

}  // namespace

const std::array<MapRow, kMapCount>& mapRows() { return kMaps; }

const MapRow* mapRow(int number) {
  return number >= 1 && number <= kMapCount ? &kMaps[static_cast<std::size_t>(number - 1)] : nullptr;
}

QString mapCaption(Word kind, int number) {
  const MapRow* row = mapRow(number);
  return kindTitle(kind) + (row ? QString::fromUtf8(row->titleSuffix) : QString());
}

bool isPagedMap(int number) {
  const MapRow* row = mapRow(number);
  return row && row->perPage > 0;
}

int mapPageCount(Word kind, int number) {
  const MapRow* row = mapRow(number);
  if (!row || row->perPage == 0) return 1;
  const int objects = row->objects(kindProfile(kind));
  return std::max(1, (objects + row->perPage - 1) / row->perPage);
}

}  // namespace nastrum
