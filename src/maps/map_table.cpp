#include "maps/map_table.h"

namespace nastrum {

MapTable::MapTable(int columns, int rows)
    : columns_(columns),
      rows_(rows),
      cells_(static_cast<std::size_t>(columns * rows)),
      widths_(static_cast<std::size_t>(columns), kDefaultWidth) {}

MapCell& MapTable::cell(int column, int row) {
  return cells_[static_cast<std::size_t>(row * columns_ + column)];
}

const MapCell& MapTable::cell(int column, int row) const {
  return cells_[static_cast<std::size_t>(row * columns_ + column)];
}

void MapTable::merge(int column, int row, int columnSpan, int rowSpan) {
  if (columnSpan * rowSpan > 1) spans_.push_back({column, row, columnSpan, rowSpan});
}

std::optional<MapSpan> MapTable::spanAt(int column, int row) const {
  for (const MapSpan& s : spans_)
    if (s.column == column && s.row == row) return s;
  return std::nullopt;
}

bool MapTable::isCovered(int column, int row) const {
  for (const MapSpan& s : spans_) {
    const bool inside = column >= s.column && column < s.column + s.columnSpan && row >= s.row && row < s.row + s.rowSpan;
    if (inside && !(column == s.column && row == s.row)) return true;
  }
  return false;
}

void MapTable::setWidths(int first, int others) {
  for (int c = 0; c < columns_; ++c) setColumnWidth(c, c == 0 ? first : others);
}

QFont mapFont(CellFont font) {
  QFont f(QStringLiteral("Times New Roman"));
  f.setStyleHint(QFont::Serif);
  f.setPixelSize(font == CellFont::Heading ? 16 : 13);
  f.setBold(font == CellFont::Heading);
  return f;
}

}  // namespace nastrum
