// How the text of a map cell is set inside its box so that every character
// shows, the same way on screen, in print and in PDF. A text that fits keeps
// the cell's font and wraps between words; a word wider than the box (a real
// in exponent form in a narrow column) first takes a smaller size of the font,
// and if even the smallest size is too wide it is broken inside the word. The
// row grows to the height the text needs, so nothing is ever clipped.
#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

#include "maps/map_table.h"

class QPainter;

namespace nastrum {

// Space between a cell's border and its text, in table pixels.
constexpr double kCellPadding = 3.0;

struct CellTextLayout {
  QFont font;       // the cell's font, or a smaller size of it
  int flags = 0;    // alignment and wrap flags for QPainter::drawText
  double height = 0;  // what the text needs at the box's width, padding included
};

Qt::Alignment cellAlignment(const MapCell& cell);

CellTextLayout layoutCellText(const QString& text, const QFont& font, Qt::Alignment alignment, double boxWidth);
inline CellTextLayout layoutCellText(const MapCell& cell, double boxWidth) {
  return layoutCellText(cell.text, mapFont(cell.font), cellAlignment(cell), boxWidth);
}

// Draws the text into `box` (the padding inside it) as layoutCellText sets it,
// in the painter's pen.
void drawCellText(QPainter& painter, const QString& text, const QFont& font, Qt::Alignment alignment, const QRectF& box);
inline void drawCellText(QPainter& painter, const MapCell& cell, const QRectF& box) {
  drawCellText(painter, cell.text, mapFont(cell.font), cellAlignment(cell), box);
}

}  // namespace nastrum
