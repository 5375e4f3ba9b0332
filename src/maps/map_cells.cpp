#include "maps/map_cells.h"

#include "model/hex_text.h"
#include "model/real_text.h"

namespace nastrum::maps {

QString wordText(Word w) { return HexWord(w); }

QString objectNumberText(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

QString decimal4Text(Word w) { return QStringLiteral("%1").arg(w & 0xFFFF, 4, 10, QLatin1Char('0')); }

QString realText(double x, QChar separator) { return FormatReal8(x, separator); }

void putHeading(MapTable& t, int column, int row, const QString& text) {
  MapCell& c = t.cell(column, row);
  c = MapCell{};
  c.text = text;
  c.font = CellFont::Heading;
  c.align = CellAlign::Center;
  c.verticalCenter = true;
}

void putLabel(MapTable& t, int column, int row, const QString& text) {
  MapCell& c = t.cell(column, row);
  c = MapCell{};
  c.text = text;
}

void putValue(MapTable& t, int column, int row, const QString& text) {
  MapCell& c = t.cell(column, row);
  c = MapCell{};
  c.text = text;
  c.align = CellAlign::Center;
  c.editable = true;
}

void putSeparator(MapTable& t, int row) {
  for (int c = 0; c < t.columnCount(); ++c) t.cell(c, row) = MapCell{};
  t.merge(0, row, t.columnCount(), 1);
}

void layBand(MapTable& t, int top, const BandShape& shape, int first, int last) {
  putHeading(t, 0, top, shape.cornerHeading);
  t.merge(0, top, 1, 2);
  putHeading(t, 1, top, shape.familyHeading);
  t.merge(1, top, kBandColumns, 1);
  for (int i = 0; i < kBandColumns; ++i) {
    const int object = first + i;
    putHeading(t, 1 + i, top + 1, object <= last ? objectNumberText(object) : QString());
  }
  for (int r = 0; r < shape.rowLabels.size(); ++r) {
    const int row = top + 2 + r;
    putLabel(t, 0, row, shape.rowLabels[r]);
    for (int i = 0; i < kBandColumns; ++i) putValue(t, 1 + i, row, first + i <= last ? shape.emptyValue : QString());
  }
}

bool anyPresent(int from, int last, const std::function<bool(int)>& present) {
  for (int n = from; n <= last; ++n)
    if (present(n)) return true;
  return false;
}

int shownBands(int first, int maxBands, int bandSize, int last, const std::function<bool(int)>& present) {
  int bands = 1;
  for (int k = 2; k <= maxBands; ++k)
    if (anyPresent(first + (k - 1) * bandSize, last, present)) bands = k;
  return bands;
}

}  // namespace nastrum::maps
