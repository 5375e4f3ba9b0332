// Map 3: the pipelines' descriptor words and reals; kind 1 shows its four
// pipelines on one page, the others eight a page.
#include "descriptors/pipeline_codes.h"
#include "maps/map_builders.h"
#include "maps/map_cells.h"
#include "model/kind_profile.h"

namespace nastrum::maps {

namespace {

constexpr int kPipelinesPerPage = 8;
constexpr int kRows = 22;

const QStringList& rowLabels() {
  static const QStringList labels{
      QStringLiteral("Основной описатель трубопровода"),
      QStringLiteral("Датчики расхода/перпада давления"),
      QStringLiteral("Датчики температуры"),
      QStringLiteral("Датчики давления, атмосферного давления"),
      QStringLiteral("Датчики плотности и калор-ти / связь труб-ов"),
      QStringLiteral("Ссылка, датчик температуры холодного источника"),
      QStringLiteral("Отключающий сигнал, датчик давления источника"),
      QStringLiteral("Момент смены тарифов"),
      QStringLiteral("Диаметр трубопровода"),
      QStringLiteral("Диаметр сужающего устройства"),
      QStringLiteral("Коэффициент линейного расширения трубы"),
      QStringLiteral("Коэффициент линейного расширения СУ"),
      QStringLiteral("Эквивалентная шероховатость"),
      QStringLiteral("Объемная доля СО2 / коэффициент сжимаемости"),
      QStringLiteral("Объемная доля N2 / динамическая вязкость"),
      QStringLiteral("Калорийность/Константа 41/Показатель адиабаты"),
      QStringLiteral("Плотность / Константа 42"),
      QStringLiteral("Месячный коэффициент пересчета"),
      QStringLiteral("Основной тариф"),
      QStringLiteral("Ночной тариф"),
  };
  return labels;
}

bool isPresentPipeline(Word mainDescriptor) {
  const std::optional<int> medium = pipelineMedium(mainDescriptor);
  return !medium || *medium != PipeOff;  // an unknown medium digit is still shown
}

void fillPipeline(MapTable& t, int column, const PipelineRecord& p, QChar sep) {
  t.setText(column, 2, wordText(p.mainDescriptor));
  if (!isPresentPipeline(p.mainDescriptor)) return;
  const Word words[] = {p.flowSensors, p.tempSensors, p.pressureSensors, p.densityCalorLink,
                        p.bigPipeRef, p.cutoffSource, p.impurityTariff};
  int row = 3;
  for (Word w : words) t.setText(column, row++, wordText(w));
  const double reals[] = {p.pipeDiameter, p.orificeDiameter, p.pipeExpansion, p.orificeExpansion,
                          p.roughness, p.co2Fraction, p.n2Fraction, p.gasCalorific,
                          p.gasDensity, p.monthFactor, p.mainTariff, p.nightTariff};
  for (double x : reals) t.setText(column, row++, realText(x, sep));
}

}  // namespace

void buildPipelineMap(const SettingsImage& image, MapPage& page, QChar sep) {
  const int count = kindProfile(image.deviceKind).pipelines;
  const int columns = std::min(count, kPipelinesPerPage);
  const int first = kPipelinesPerPage * (page.page - 1);
  MapTable t(1 + columns, kRows);
  t.setWidths(300, columns < kPipelinesPerPage ? 85 : 70);
  putHeading(t, 0, 0, QStringLiteral("Наименование параметра"));
  t.merge(0, 0, 1, 2);
  putHeading(t, 1, 0, QStringLiteral("НОМЕР ТРУБОПРОВОДА"));
  t.merge(1, 0, columns, 1);
  for (int r = 0; r < rowLabels().size(); ++r) putLabel(t, 0, 2 + r, rowLabels()[r]);
  for (int i = 0; i < columns; ++i) {
    const int n = first + i;
    putHeading(t, 1 + i, 1, n < count ? objectNumberText(n) : QString());
    for (int r = 2; r < kRows; ++r) putValue(t, 1 + i, r);
    if (n < count) fillPipeline(t, 1 + i, image.pipelines[static_cast<std::size_t>(n)], sep);
  }
  page.table = std::move(t);
  page.hasNextPage = anyPresent(first + kPipelinesPerPage, count - 1, [&](int n) {
    return isPresentPipeline(image.pipelines[static_cast<std::size_t>(n)].mainDescriptor);
  });
}

}  // namespace nastrum::maps
