// Map 2: the sensors' descriptors and constants, sixteen sensors a page in two
// bands of eight.
#include "descriptors/sensor_codes.h"
#include "maps/map_builders.h"
#include "maps/map_cells.h"
#include "model/kind_profile.h"

namespace nastrum::maps {

namespace {

constexpr int kSensorsPerPage = 16;

const BandShape& sensorBand() {
  static const BandShape shape{
      QStringLiteral("Наименование параметра"),
      QStringLiteral("Номер датчика"),
      {QStringLiteral("Описатель датчика основной"), QStringLiteral("Описатель датчика дополнительный"),
       QStringLiteral("Константа 1"), QStringLiteral("Константа 2"), QStringLiteral("Константа 3"),
       QStringLiteral("Максимальное значение"), QStringLiteral("Минимальное значение"),
       QStringLiteral("Замена при выходе за максимум"), QStringLiteral("Замена при выходе за минимум"),
       QStringLiteral("Замена при обрыве датчика"), QStringLiteral("Коэффициент пересчета")},
      {}};
  return shape;
}

void fillSensor(MapTable& t, int column, int top, const SensorRecord& s, bool present, QChar sep) {
  t.setText(column, top + 2, wordText(s.mainDescriptor));
  if (!present) return;
  t.setText(column, top + 3, wordText(s.auxDescriptor));
  const double reals[] = {s.const1, s.const2, s.const3, s.maxValue, s.minValue,
                          s.substAboveMax, s.substBelowMin, s.substOnFault, s.monthFactor};
  int row = top + 4;
  for (double x : reals) t.setText(column, row++, realText(x, sep));
}

}  // namespace

void buildSensorMap(const SettingsImage& image, MapPage& page, QChar sep) {
  const int last = kindProfile(image.deviceKind).sensors - 1;
  const auto present = [&](int n) {
    return sensorFamily(image.sensors[static_cast<std::size_t>(n)].mainDescriptor, image.deviceKind) != SensorFamily::Absent;
  };
  const int first = kSensorsPerPage * (page.page - 1);
  const int bands = shownBands(first, 2, kBandColumns, last, present);
  const int rowsPerBand = bandRows(sensorBand());
  MapTable t(1 + kBandColumns, bands * rowsPerBand + (bands - 1));
  t.setWidths(220, 70);
  for (int b = 0; b < bands; ++b) {
    const int top = b * (rowsPerBand + 1);
    if (b > 0) putSeparator(t, top - 1);
    const int bandFirst = first + b * kBandColumns;
    layBand(t, top, sensorBand(), bandFirst, last);
    for (int i = 0; i < kBandColumns && bandFirst + i <= last; ++i) {
      const int n = bandFirst + i;
      fillSensor(t, 1 + i, top, image.sensors[static_cast<std::size_t>(n)], present(n), sep);
    }
  }
  page.table = std::move(t);
  page.hasNextPage = anyPresent(first + kSensorsPerPage, last, present);
}

}  // namespace nastrum::maps
