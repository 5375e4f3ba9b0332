// The table of one programming map: a grid of text cells addressed by column
// and row from 0, each with its font, alignment, colour and editability, plus
// merged regions and fixed column widths. The window, the printout, the copy
// and every export show this one model.
#pragma once

#include <optional>
#include <vector>

#include <QFont>
#include <QString>

namespace nastrum {

enum class CellFont { Body, Heading };  // Times New Roman 13 px regular / 16 px bold
enum class CellAlign { Left, Center };

struct MapCell {
  QString text;
  CellFont font = CellFont::Body;
  CellAlign align = CellAlign::Left;
  bool verticalCenter = false;
  bool yellow = false;    // the number rows of the logic maps
  bool editable = false;  // value cells may be typed over for printing
};

// A rectangle of cells shown as one; its text is the text of its top-left cell.
struct MapSpan {
  int column = 0;
  int row = 0;
  int columnSpan = 1;
  int rowSpan = 1;
  bool operator==(const MapSpan&) const = default;
};

class MapTable {
 public:
  static constexpr int kDefaultWidth = 30;

  MapTable() = default;
  MapTable(int columns, int rows);

  int columnCount() const { return columns_; }
  int rowCount() const { return rows_; }

  MapCell& cell(int column, int row);
  const MapCell& cell(int column, int row) const;
  void setText(int column, int row, const QString& text) { cell(column, row).text = text; }

  // Merges a rectangle; regions never overlap in the maps.
  void merge(int column, int row, int columnSpan, int rowSpan);
  const std::vector<MapSpan>& spans() const { return spans_; }
  // The region whose top-left cell this is.
  std::optional<MapSpan> spanAt(int column, int row) const;
  // Whether the cell lies inside a region without being its top-left cell.
  bool isCovered(int column, int row) const;

  int columnWidth(int column) const { return widths_[static_cast<std::size_t>(column)]; }
  void setColumnWidth(int column, int pixels) { widths_[static_cast<std::size_t>(column)] = pixels; }
  // Column 0 gets `first`, every other column `others`.
  void setWidths(int first, int others);

  bool operator==(const MapTable&) const = default;

 private:
  int columns_ = 0;
  int rows_ = 0;
  std::vector<MapCell> cells_;
  std::vector<MapSpan> spans_;
  std::vector<int> widths_;
};

// The face and size of a cell font.
QFont mapFont(CellFont font);

}  // namespace nastrum
