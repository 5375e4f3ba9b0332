// Map 8: the current generators' law and parameter words and their scale.
#include "descriptors/descriptor_digits.h"
#include "maps/map_builders.h"
#include "maps/map_cells.h"

namespace nastrum::maps {

void buildGeneratorMap(const SettingsImage& image, MapPage& page, QChar sep) {
  MapTable t(1 + kGeneratorCount, 6);
  t.setWidths(200, 65);
  putHeading(t, 0, 0, QStringLiteral("Название параметра"));
  t.merge(0, 0, 1, 2);
  putHeading(t, 1, 0, QStringLiteral("Номер генератора тока"));
  t.merge(1, 0, kGeneratorCount, 1);
  const QStringList labels{QStringLiteral("Описатель закона"), QStringLiteral("Описатель параметра"),
                           QStringLiteral("Конец шкалы"), QStringLiteral("Начало шкалы")};
  for (int r = 0; r < labels.size(); ++r) putLabel(t, 0, 2 + r, labels[r]);
  for (int g = 0; g < kGeneratorCount; ++g) {
    const CurrentGenRecord& gen = image.currentGenerators[static_cast<std::size_t>(g)];
    putHeading(t, 1 + g, 1, objectNumberText(g));
    for (int r = 2; r < 6; ++r) putValue(t, 1 + g, r, QStringLiteral(" "));
    t.setText(1 + g, 2, wordText(gen.lawDescriptor));
    const int law = highByte(gen.lawDescriptor);
    if (law == 0x00 || law == 0xFF) continue;  // the generator is off
    t.setText(1 + g, 3, wordText(gen.paramDescriptor));
    t.setText(1 + g, 4, realText(gen.scaleEnd, sep));
    t.setText(1 + g, 5, realText(gen.scaleStart, sep));
  }
  page.table = std::move(t);
}

}  // namespace nastrum::maps
