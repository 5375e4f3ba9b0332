// A readable dump of a built map page for golden files: caption, header,
// paging, widths, merged regions, then every row's cell texts and styles.
#pragma once

#include <QStringList>

#include "maps/map_builder.h"

namespace nastrum::testing {

// Per cell: H heading / b body font, c centred / l left, e editable, y yellow.
inline QString cellStyle(const MapCell& c) {
  QString s;
  s += c.font == CellFont::Heading ? QLatin1Char('H') : QLatin1Char('b');
  s += c.align == CellAlign::Center ? QLatin1Char('c') : QLatin1Char('l');
  if (c.editable) s += QLatin1Char('e');
  if (c.yellow) s += QLatin1Char('y');
  return s;
}

inline QString dumpMapPage(const MapPage& p) {
  const MapTable& t = p.table;
  QString out;
  out += QStringLiteral("== map %1 page %2/%3%4%5\n")
             .arg(p.number)
             .arg(p.page)
             .arg(p.pageCount)
             .arg(p.paged ? QStringLiteral(" paged") : QString())
             .arg(p.hasNextPage ? QStringLiteral(" next") : QString());
  out += QStringLiteral("caption: %1\nheader: %2\n").arg(p.caption, p.pageHeader);
  QStringList widths;
  for (int c = 0; c < t.columnCount(); ++c) widths << QString::number(t.columnWidth(c));
  out += QStringLiteral("size: %1x%2\nwidths: %3\n").arg(t.columnCount()).arg(t.rowCount()).arg(widths.join(QLatin1Char(' ')));
  QStringList spans;
  for (const MapSpan& s : t.spans()) spans << QStringLiteral("%1,%2+%3x%4").arg(s.column).arg(s.row).arg(s.columnSpan).arg(s.rowSpan);
  out += QStringLiteral("spans: %1\n").arg(spans.join(QLatin1Char(' ')));
  for (int r = 0; r < t.rowCount(); ++r) {
    QStringList texts, styles;
    for (int c = 0; c < t.columnCount(); ++c) {
      texts << (t.isCovered(c, r) ? QStringLiteral("~") : QLatin1Char('[') + t.cell(c, r).text + QLatin1Char(']'));
      styles << cellStyle(t.cell(c, r));
    }
    out += QStringLiteral("%1: %2\n   %3\n").arg(r, 2).arg(texts.join(QLatin1Char(' ')), styles.join(QLatin1Char(' ')));
  }
  return out;
}

}  // namespace nastrum::testing
