#include "maps/map_painter.h"

#include <algorithm>
#include <vector>

#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace nastrum {

namespace {

constexpr double kPadding = 3.0;
constexpr double kHeaderGap = 8.0;

struct Geometry {
  std::vector<double> left;    // x of each column, plus the right edge
  std::vector<double> heights;  // of each row
  double headerHeight = 0;
};

double spanWidth(const Geometry& g, int column, int columns) { return g.left[static_cast<std::size_t>(column + columns)] - g.left[static_cast<std::size_t>(column)]; }

// Row heights that fit every cell's wrapped text; a region taller than its
// rows stretches its last row.
Geometry measure(const MapPage& page) {
  const MapTable& t = page.table;
  Geometry g;
  g.left.push_back(0);
  for (int c = 0; c < t.columnCount(); ++c) g.left.push_back(g.left.back() + t.columnWidth(c));
  g.heights.assign(static_cast<std::size_t>(t.rowCount()), 0.0);
  const auto textHeight = [](const MapCell& cell, double width) {
    const QFontMetricsF metrics(mapFont(cell.font));
    const QRectF box = metrics.boundingRect(QRectF(0, 0, std::max(1.0, width - 2 * kPadding), 1e6), Qt::TextWordWrap,
                                            cell.text.isEmpty() ? QStringLiteral(" ") : cell.text);
    return box.height() + 2 * kPadding;
  };
  for (int r = 0; r < t.rowCount(); ++r)
    for (int c = 0; c < t.columnCount(); ++c) {
      if (t.isCovered(c, r)) continue;
      const auto span = t.spanAt(c, r);
      if (span && span->rowSpan > 1) continue;
      const double width = spanWidth(g, c, span ? span->columnSpan : 1);
      g.heights[static_cast<std::size_t>(r)] = std::max(g.heights[static_cast<std::size_t>(r)], textHeight(t.cell(c, r), width));
    }
  for (const MapSpan& s : t.spans()) {
    if (s.rowSpan < 2) continue;
    const double need = textHeight(t.cell(s.column, s.row), spanWidth(g, s.column, s.columnSpan));
    double have = 0;
    for (int r = s.row; r < s.row + s.rowSpan; ++r) have += g.heights[static_cast<std::size_t>(r)];
    if (need > have) g.heights[static_cast<std::size_t>(s.row + s.rowSpan - 1)] += need - have;
  }
  if (!page.pageHeader.isEmpty())
    g.headerHeight = QFontMetricsF(mapFont(CellFont::Heading)).height() + kHeaderGap;
  return g;
}

// Rows a page break may come before: no region spanning rows crosses it.
std::vector<bool> breakable(const MapTable& t) {
  std::vector<bool> ok(static_cast<std::size_t>(t.rowCount() + 1), true);
  for (const MapSpan& s : t.spans())
    for (int r = s.row + 1; r < s.row + s.rowSpan; ++r) ok[static_cast<std::size_t>(r)] = false;
  return ok;
}

// The first row of every page.
std::vector<int> pageStarts(const MapPage& page, const Geometry& g, double pageHeight) {
  const std::vector<bool> ok = breakable(page.table);
  std::vector<int> starts{0};
  double used = g.headerHeight;
  int lastBreak = 0;
  for (int r = 0; r < page.table.rowCount(); ++r) {
    if (ok[static_cast<std::size_t>(r)]) lastBreak = r;
    const double h = g.heights[static_cast<std::size_t>(r)];
    if (used + h > pageHeight && lastBreak > starts.back()) {
      starts.push_back(lastBreak);
      used = g.headerHeight;
      for (int k = lastBreak; k < r; ++k) used += g.heights[static_cast<std::size_t>(k)];
    }
    used += h;
  }
  return starts;
}

void paintCell(QPainter& p, const MapCell& cell, const QRectF& box) {
  p.fillRect(box, cell.yellow ? QColor(Qt::yellow) : QColor(Qt::white));
  p.setPen(QPen(Qt::black, 0));
  p.drawRect(box);
  p.setFont(mapFont(cell.font));
  const int align = (cell.align == CellAlign::Center ? Qt::AlignHCenter : Qt::AlignLeft) |
                    (cell.verticalCenter ? Qt::AlignVCenter : Qt::AlignTop) | Qt::TextWordWrap;
  p.drawText(box.adjusted(kPadding, kPadding, -kPadding, -kPadding), align, cell.text);
}

void paintRows(QPainter& p, const MapPage& page, const Geometry& g, int first, int end) {
  const MapTable& t = page.table;
  double y = 0;
  if (!page.pageHeader.isEmpty()) {
    p.setFont(mapFont(CellFont::Heading));
    p.setPen(Qt::black);
    p.drawText(QRectF(0, 0, g.left.back(), g.headerHeight - kHeaderGap), Qt::AlignLeft | Qt::AlignVCenter, page.pageHeader);
    y = g.headerHeight;
  }
  std::vector<double> top(static_cast<std::size_t>(t.rowCount() + 1), 0);
  for (int r = first; r < t.rowCount(); ++r) top[static_cast<std::size_t>(r + 1)] = top[static_cast<std::size_t>(r)] + g.heights[static_cast<std::size_t>(r)];
  for (int r = first; r < end; ++r)
    for (int c = 0; c < t.columnCount(); ++c) {
      if (t.isCovered(c, r)) continue;
      const auto span = t.spanAt(c, r);
      const int columns = span ? span->columnSpan : 1;
      const int rows = span ? std::min(span->rowSpan, end - r) : 1;
      const QRectF box(g.left[static_cast<std::size_t>(c)], y + top[static_cast<std::size_t>(r)] - top[static_cast<std::size_t>(first)],
                       spanWidth(g, c, columns), top[static_cast<std::size_t>(r + rows)] - top[static_cast<std::size_t>(r)]);
      paintCell(p, t.cell(c, r), box);
    }
}

}  // namespace

int countMapPages(const MapPage& page, double pageWidth, double pageHeight) {
  const Geometry g = measure(page);
  const double scale = std::min(1.0, pageWidth / std::max(1.0, g.left.back()));
  return static_cast<int>(pageStarts(page, g, pageHeight / scale).size());
}

int paintMapPages(const MapPage& page, QPagedPaintDevice& device) { return paintMapPages(std::vector<MapPage>{page}, device); }

int paintMapPages(const std::vector<MapPage>& pages, QPagedPaintDevice& device) {
  QPainter painter;
  if (pages.empty() || !painter.begin(&device)) return 0;
  // width() and height() are the printable area in device pixels.
  const QRectF area(0, 0, device.width(), device.height());
  const double pixel = device.logicalDpiX() / 96.0;
  int sheets = 0;
  for (const MapPage& page : pages) {
    const Geometry g = measure(page);
    // Table pixels are screen pixels at 96 per inch; shrink to the page width.
    const double scale = std::min(pixel, area.width() / std::max(1.0, g.left.back()));
    const std::vector<int> starts = pageStarts(page, g, area.height() / scale);
    for (std::size_t i = 0; i < starts.size(); ++i) {
      if (sheets++ > 0) device.newPage();
      painter.resetTransform();
      painter.scale(scale, scale);
      const int end = i + 1 < starts.size() ? starts[i + 1] : page.table.rowCount();
      paintRows(painter, page, g, starts[i], end);
    }
  }
  painter.end();
  return sheets;
}

int writeMapPdf(const MapPage& page, const QString& path) { return writeMapPdf(std::vector<MapPage>{page}, path); }

int writeMapPdf(const std::vector<MapPage>& pages, const QString& path) {
  QFile file(path);
  if (pages.empty() || !file.open(QIODevice::WriteOnly)) return 0;
  QPdfWriter writer(&file);
  writer.setTitle(pages.front().caption);
  writer.setCreator(QStringLiteral("Наструм - ОРВИК"));
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
  const int sheets = paintMapPages(pages, writer);
  return file.error() == QFileDevice::NoError ? sheets : 0;
}

}  // namespace nastrum
