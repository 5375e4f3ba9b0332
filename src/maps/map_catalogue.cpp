#include "maps/map_catalogue.h"

#include <algorithm>
#include <array>

#include "model/kind_profile.h"

namespace nastrum {

namespace {

// What follows the kind's title in the caption of maps 1..11.
constexpr std::array<const char*, kMapCount> kTitleSuffixes{
    " Распределение трубопроводов и датчиков",
    "   Описание датчиков",
    "   Описание трубопроводов",
    " Описание часовых архивов",
    " Описание суточных архивов",
    " Описание месячных архивов",
    " Описание расширенных архивов интервалов",
    " Описание генераторов тока",
    " Системные параметры",
    " Программирование регуляторов",
    " Программирование регуляторов",
};

QString kindTitle(Word kind) {
  switch (kind) {
    case 1: return QStringLiteral("Карта программирования ОРВИК 5 минимальный:");
    case 3: return QStringLiteral("Карта программирования ОРВИК 9:");
    default: return QStringLiteral("Карта программирования ОРВИК 5 расширяемый:");
  }
}

int pagesOf(int objects, int perPage) { return (objects + perPage - 1) / perPage; }

}  // namespace

QString mapCaption(Word kind, int number) {
  const bool known = number >= 1 && number <= kMapCount;
  return kindTitle(kind) + (known ? QString::fromUtf8(kTitleSuffixes[static_cast<std::size_t>(number - 1)]) : QString());
}

bool isPagedMap(int number) {
  return number == 2 || number == 3 || number == 5 || number == 6 || number == 10;
}

int mapPageCount(Word kind, int number) {
  const KindProfile& profile = kindProfile(kind);
  switch (number) {
    case 2: return std::max(1, pagesOf(profile.sensors, 16));
    case 3: return std::max(1, pagesOf(profile.pipelines, 8));
    case 5: return pagesOf(kDailyMapArchives, 32);
    case 6: return pagesOf(kMonthlyMapArchives, 32);
    case 10: return std::max(1, pagesOf(profile.logicFlags, 64));
    default: return 1;
  }
}

}  // namespace nastrum
