// Paints a map page onto paged devices (a printer, a PDF writer): the page
// header at the top of every page, then the table with its grid lines, merged
// regions, fonts, alignment and colours, broken between rows so that no merged
// region is cut. The table is scaled down to fit the page width.
#pragma once

#include <vector>

#include <QPagedPaintDevice>

#include "maps/map_builder.h"

namespace nastrum {

// Paints onto a device whose page layout is already chosen and returns the
// number of pages painted (0 when painting could not begin).
int paintMapPages(const MapPage& page, QPagedPaintDevice& device);
// Several map pages one after another, each starting on a new sheet.
int paintMapPages(const std::vector<MapPage>& pages, QPagedPaintDevice& device);

// The pages paintMapPages will produce for a page of `pageWidth` by
// `pageHeight` table pixels (the header included).
int countMapPages(const MapPage& page, double pageWidth, double pageHeight);

// Writes the page as a landscape A4 PDF and returns its page count, 0 when
// the file cannot be written.
int writeMapPdf(const MapPage& page, const QString& path);
int writeMapPdf(const std::vector<MapPage>& pages, const QString& path);

}  // namespace nastrum
