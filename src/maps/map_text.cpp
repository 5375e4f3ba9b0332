#include "maps/map_text.h"

#include <QStringList>

namespace nastrum {

QString mapTableText(const MapTable& t, int left, int top, int right, int bottom) {
  QString text;
  for (int r = top; r <= bottom; ++r) {
    QStringList cells;
    for (int c = left; c <= right; ++c) cells << (t.isCovered(c, r) ? QString() : t.cell(c, r).text);
    text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
  }
  return text;
}

namespace {

QString csvField(const QString& text) {
  const bool quote = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
                     text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
  if (!quote) return text;
  QString escaped = text;
  escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
  return QLatin1Char('"') + escaped + QLatin1Char('"');
}

}  // namespace

QString mapTableCsv(const MapTable& t) {
  QString csv;
  for (int r = 0; r < t.rowCount(); ++r) {
    QStringList cells;
    for (int c = 0; c < t.columnCount(); ++c) cells << csvField(t.isCovered(c, r) ? QString() : t.cell(c, r).text);
    csv += cells.join(QLatin1Char(',')) + QStringLiteral("\r\n");
  }
  return csv;
}

QString mapPageHtml(const MapPage& page) {
  const MapTable& t = page.table;
  QString html = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1</title></head>\n<body>\n")
                     .arg(page.caption.toHtmlEscaped());
  if (!page.pageHeader.isEmpty())
    html += QStringLiteral("<p style=\"font-family:'Times New Roman',serif;font-size:16px;font-weight:bold\">%1</p>\n")
                .arg(page.pageHeader.toHtmlEscaped());
  html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" style=\"border-collapse:collapse\">\n<colgroup>");
  for (int c = 0; c < t.columnCount(); ++c) html += QStringLiteral("<col width=\"%1\">").arg(t.columnWidth(c));
  html += QStringLiteral("</colgroup>\n");
  for (int r = 0; r < t.rowCount(); ++r) {
    html += QStringLiteral("<tr>");
    for (int c = 0; c < t.columnCount(); ++c) {
      if (t.isCovered(c, r)) continue;
      const MapCell& cell = t.cell(c, r);
      QString attributes;
      if (const auto span = t.spanAt(c, r)) {
        if (span->columnSpan > 1) attributes += QStringLiteral(" colspan=\"%1\"").arg(span->columnSpan);
        if (span->rowSpan > 1) attributes += QStringLiteral(" rowspan=\"%1\"").arg(span->rowSpan);
      }
      if (cell.align == CellAlign::Center) attributes += QStringLiteral(" align=\"center\"");
      if (cell.yellow) attributes += QStringLiteral(" bgcolor=\"#ffff00\"");
      const bool heading = cell.font == CellFont::Heading;
      attributes += QStringLiteral(" style=\"font-family:'Times New Roman',serif;font-size:%1px;white-space:pre-wrap%2\"")
                        .arg(heading ? 16 : 13)
                        .arg(heading ? QStringLiteral(";font-weight:bold") : QString());
      html += QStringLiteral("<td%1>%2</td>").arg(attributes, cell.text.toHtmlEscaped());
    }
    html += QStringLiteral("</tr>\n");
  }
  html += QStringLiteral("</table>\n</body></html>\n");
  return html;
}

}  // namespace nastrum
