// Maps 4 to 7: the hourly, daily, monthly and interval archives' descriptor
// and component words in bands of eight.
#include "descriptors/archive_words.h"
#include "maps/map_builders.h"
#include "maps/map_catalogue.h"
#include "maps/map_cells.h"

namespace nastrum::maps {

namespace {

constexpr int kArchivesPerPage = 32;
constexpr int kMaxBands = 4;

struct ArchiveMapShape {
  ArchiveFamily family;
  BandShape band;
};

ArchiveMapShape shapeOf(int number) {
  const QString corner = QStringLiteral("Название параметра");
  const QString desc = QStringLiteral("Описатель");
  const QString pos = QStringLiteral("Положительная составляющая");
  switch (number) {
    case 4:
      return {ArchiveFamily::Hourly,
              {corner, QStringLiteral("Номер часового архива"), {desc, pos, QStringLiteral("Отрицательная составляющая")}, QStringLiteral(" ")}};
    case 5:
      return {ArchiveFamily::Daily, {corner, QStringLiteral("Номер суточного архива"), {desc, pos, QStringLiteral("Отрицательная составляющая")}, {}}};
    case 6:
      return {ArchiveFamily::Monthly, {corner, QStringLiteral("Номер месячного архива"), {desc, pos, QStringLiteral("Отрицательная составляющая")}, {}}};
    default:
      return {ArchiveFamily::Interval,
              {corner, QStringLiteral("Номер расширенного архива интервалов"), {desc, pos, QStringLiteral("Отрицательная составляющие")}, {}}};
  }
}

int archivesOnMap(ArchiveFamily family, Word kind) {
  switch (family) {
    case ArchiveFamily::Daily: return kDailyMapArchives;
    case ArchiveFamily::Monthly: return kMonthlyMapArchives;
    default: return archiveCount(family, kind);
  }
}

}  // namespace

void buildArchiveMap(const SettingsImage& image, MapPage& page) {
  const ArchiveMapShape shape = shapeOf(page.number);
  const int last = archivesOnMap(shape.family, image.deviceKind) - 1;
  const auto working = [&](int n) { return isArchiveWorking(archiveWords(image, shape.family, n).desc); };
  const int first = kArchivesPerPage * (page.page - 1);
  // The hourly map always shows its four bands.
  const int bands = shape.family == ArchiveFamily::Hourly ? kMaxBands : shownBands(first, kMaxBands, kBandColumns, last, working);
  const int rowsPerBand = bandRows(shape.band);
  MapTable t(1 + kBandColumns, bands * rowsPerBand + (bands - 1));
  t.setWidths(200, 70);
  for (int b = 0; b < bands; ++b) {
    const int top = b * (rowsPerBand + 1);
    if (b > 0) putSeparator(t, top - 1);
    const int bandFirst = first + b * kBandColumns;
    layBand(t, top, shape.band, bandFirst, last);
    for (int i = 0; i < kBandColumns && bandFirst + i <= last; ++i) {
      const ArchiveWords w = archiveWords(image, shape.family, bandFirst + i);
      t.setText(1 + i, top + 2, wordText(w.desc));
      if (!isArchiveWorking(w.desc)) continue;
      t.setText(1 + i, top + 3, wordText(w.pos));
      t.setText(1 + i, top + 4, wordText(w.neg));
    }
  }
  page.table = std::move(t);
  page.hasNextPage = anyPresent(first + kArchivesPerPage, last, working);
}

}  // namespace nastrum::maps
