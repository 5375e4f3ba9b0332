// Paints a map page onto paged devices (a printer, a PDF writer): the page
// header at the top of every page, then the table with its grid lines, merged
// regions, fonts, alignment and colours, broken between rows so that no merged
// region is cut. The table is scaled down to fit the page width; every cell's
// text is set whole (cell_text_fit.h) and its row grows to take it.
#pragma once

#include <functional>
#include <vector>

#include <QPagedPaintDevice>
#include <QRectF>

#include "maps/map_builder.h"

namespace nastrum {

// Where the cells of a page lie, in table pixels (96 per inch), the header
// not counted: the row heights are what the cells' texts need.
struct MapGeometry {
  std::vector<double> left;     // x of each column, plus the right edge
  std::vector<double> heights;  // of each row
  double headerHeight = 0;      // the page header above the table, with its gap

  double width() const { return left.back(); }
  // The box of the cell, or of the region it is the top-left cell of.
  QRectF cellBox(const MapTable& table, int column, int row) const;
};
MapGeometry measureMapPage(const MapPage& page);

// Paints onto a device whose page layout is already chosen and returns the
// number of pages painted (0 when painting could not begin).
int paintMapPages(const MapPage& page, QPagedPaintDevice& device);
// Several map pages one after another, each starting on a new sheet.
int paintMapPages(const std::vector<MapPage>& pages, QPagedPaintDevice& device);
// The same onto any painter: `area` is a sheet's printable size in device
// pixels, `pixel` the device pixels of one table pixel before shrinking to the
// width, `newSheet` turns to the next sheet.
int paintMapSheets(const std::vector<MapPage>& pages, QPainter& painter, const QSizeF& area, double pixel,
                   const std::function<void()>& newSheet);

// The pages paintMapPages will produce for a page of `pageWidth` by
// `pageHeight` table pixels (the header included).
int countMapPages(const MapPage& page, double pageWidth, double pageHeight);

// Writes the page as a landscape A4 PDF and returns its page count, 0 when
// the file cannot be written.
int writeMapPdf(const MapPage& page, const QString& path);
int writeMapPdf(const std::vector<MapPage>& pages, const QString& path);

}  // namespace nastrum
