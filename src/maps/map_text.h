// A map table as plain text, CSV and HTML: for the clipboard and the command
// line. A merged region's text appears once.
#pragma once

#include <QString>

#include "maps/map_builder.h"

namespace nastrum {

// The cells of columns left..right and rows top..bottom: tab between cells,
// a line break after each row; cells covered by a region are empty.
QString mapTableText(const MapTable& t, int left, int top, int right, int bottom);
inline QString mapTableText(const MapTable& t) { return mapTableText(t, 0, 0, t.columnCount() - 1, t.rowCount() - 1); }

// Comma-separated rows (RFC 4180 quoting); a region's text in its top-left
// cell, the cells it covers empty.
QString mapTableCsv(const MapTable& t);

// A complete HTML page: the caption as title, the page header above a table
// whose regions are colspan/rowspan, with widths, fonts and colours.
QString mapPageHtml(const MapPage& page);

}  // namespace nastrum
