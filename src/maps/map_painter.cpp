#include "maps/map_painter.h"

#include <algorithm>
#include <vector>

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "maps/cell_text_fit.h"

namespace nastrum {

namespace {

constexpr double kHeaderGap = 8.0;

double spanWidth(const MapGeometry& g, int column, int columns) {
  return g.left[static_cast<std::size_t>(column + columns)] - g.left[static_cast<std::size_t>(column)];
}

// The page header: the map's caption, left-aligned over the table's width.
MapCell headerCell(const MapPage& page) {
  MapCell cell;
  cell.text = page.pageHeader;
  cell.font = CellFont::Heading;
  cell.verticalCenter = true;
  return cell;
}

// Rows a page break may come before: no region spanning rows crosses it.
std::vector<bool> breakable(const MapTable& t) {
  std::vector<bool> ok(static_cast<std::size_t>(t.rowCount() + 1), true);
  for (const MapSpan& s : t.spans())
    for (int r = s.row + 1; r < s.row + s.rowSpan; ++r) ok[static_cast<std::size_t>(r)] = false;
  return ok;
}

// The first row of every page.
std::vector<int> pageStarts(const MapPage& page, const MapGeometry& g, double pageHeight) {
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
  drawCellText(p, cell, box);
}

void paintRows(QPainter& p, const MapPage& page, const MapGeometry& g, int first, int end) {
  const MapTable& t = page.table;
  double y = 0;
  if (!page.pageHeader.isEmpty()) {
    p.setPen(Qt::black);
    drawCellText(p, headerCell(page), QRectF(0, 0, g.width(), g.headerHeight - kHeaderGap));
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

QRectF MapGeometry::cellBox(const MapTable& table, int column, int row) const {
  const auto span = table.spanAt(column, row);
  const int columns = span ? span->columnSpan : 1;
  const int rows = span ? span->rowSpan : 1;
  double top = 0, height = 0;
  for (int r = 0; r < row; ++r) top += heights[static_cast<std::size_t>(r)];
  for (int r = row; r < row + rows; ++r) height += heights[static_cast<std::size_t>(r)];
  return {left[static_cast<std::size_t>(column)], top, spanWidth(*this, column, columns), height};
}

// Row heights that fit every cell's text as it is set; a region taller than
// its rows stretches its last row.
MapGeometry measureMapPage(const MapPage& page) {
  const MapTable& t = page.table;
  MapGeometry g;
  g.left.push_back(0);
  for (int c = 0; c < t.columnCount(); ++c) g.left.push_back(g.left.back() + t.columnWidth(c));
  g.heights.assign(static_cast<std::size_t>(t.rowCount()), 0.0);
  for (int r = 0; r < t.rowCount(); ++r)
    for (int c = 0; c < t.columnCount(); ++c) {
      if (t.isCovered(c, r)) continue;
      const auto span = t.spanAt(c, r);
      if (span && span->rowSpan > 1) continue;
      const double width = spanWidth(g, c, span ? span->columnSpan : 1);
      double& height = g.heights[static_cast<std::size_t>(r)];
      height = std::max(height, layoutCellText(t.cell(c, r), width).height);
    }
  for (const MapSpan& s : t.spans()) {
    if (s.rowSpan < 2) continue;
    const double need = layoutCellText(t.cell(s.column, s.row), spanWidth(g, s.column, s.columnSpan)).height;
    double have = 0;
    for (int r = s.row; r < s.row + s.rowSpan; ++r) have += g.heights[static_cast<std::size_t>(r)];
    if (need > have) g.heights[static_cast<std::size_t>(s.row + s.rowSpan - 1)] += need - have;
  }
  if (!page.pageHeader.isEmpty()) g.headerHeight = layoutCellText(headerCell(page), g.width()).height + kHeaderGap;
  return g;
}

int countMapPages(const MapPage& page, double pageWidth, double pageHeight) {
  const MapGeometry g = measureMapPage(page);
  const double scale = std::min(1.0, pageWidth / std::max(1.0, g.width()));
  return static_cast<int>(pageStarts(page, g, pageHeight / scale).size());
}

int paintMapPages(const MapPage& page, QPagedPaintDevice& device) { return paintMapPages(std::vector<MapPage>{page}, device); }

int paintMapPages(const std::vector<MapPage>& pages, QPagedPaintDevice& device) {
  QPainter painter;
  if (pages.empty() || !painter.begin(&device)) return 0;
  // width() and height() are the printable area in device pixels; table
  // pixels are screen pixels at 96 per inch.
  const int sheets = paintMapSheets(pages, painter, QSizeF(device.width(), device.height()), device.logicalDpiX() / 96.0,
                                    [&device] { device.newPage(); });
  painter.end();
  return sheets;
}

int paintMapSheets(const std::vector<MapPage>& pages, QPainter& painter, const QSizeF& area, double pixel,
                   const std::function<void()>& newSheet) {
  int sheets = 0;
  for (const MapPage& page : pages) {
    const MapGeometry g = measureMapPage(page);
    const double scale = std::min(pixel, area.width() / std::max(1.0, g.width()));  // shrink to the page width
    const std::vector<int> starts = pageStarts(page, g, area.height() / scale);
    for (std::size_t i = 0; i < starts.size(); ++i) {
      if (sheets++ > 0) newSheet();
      painter.resetTransform();
      painter.scale(scale, scale);
      const int end = i + 1 < starts.size() ? starts[i + 1] : page.table.rowCount();
      paintRows(painter, page, g, starts[i], end);
    }
  }
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
