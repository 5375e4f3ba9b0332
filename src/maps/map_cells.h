// What the maps share: the texts of words, numbers and reals, the styles of
// heading, label and value cells, and the bands of eight objects that the
// sensor and archive maps lay out.
#pragma once

#include <functional>

#include <QStringList>

#include "maps/map_table.h"
#include "model/settings_image.h"

namespace nastrum::maps {

QString wordText(Word w);                       // HexWord
QString objectNumberText(int n);                // "00" … "63"
QString decimal4Text(Word w);                   // low 16 bits, decimal, at least four digits
QString realText(double x, QChar separator);   // FormatReal8

// Read-only heading: heading font, centred vertically and horizontally.
void putHeading(MapTable& t, int column, int row, const QString& text);
// Read-only row label in column 0: body font, left-aligned.
void putLabel(MapTable& t, int column, int row, const QString& text);
// An editable value cell: body font, centred, starting as `text`.
void putValue(MapTable& t, int column, int row, const QString& text = {});
// An empty read-only row merged across the table, between bands.
void putSeparator(MapTable& t, int row);

// Band layout of the sensor and archive maps (eight object columns).
constexpr int kBandColumns = 8;
struct BandShape {
  QString cornerHeading;   // column 0 over the heading and number rows
  QString familyHeading;   // merged over columns 1..8
  QStringList rowLabels;   // the value rows
  QString emptyValue;      // what a value cell starts as
};
// Lays out one band at row `top` for objects first..first+7, numbering only
// those up to `last` (the family's last object); value cells start empty.
void layBand(MapTable& t, int top, const BandShape& shape, int first, int last);
// The rows a band takes: heading, numbers, values.
inline int bandRows(const BandShape& shape) { return 2 + static_cast<int>(shape.rowLabels.size()); }

// Band 1 and every further band up to the last band k (at most maxBands) for
// which some object from band k's first up to `last` is present.
int shownBands(int first, int maxBands, int bandSize, int last, const std::function<bool(int)>& present);
// Whether some object in from..last is present.
bool anyPresent(int from, int last, const std::function<bool(int)>& present);

}  // namespace nastrum::maps
