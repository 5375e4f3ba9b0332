// The tables of the view pages, built from the one description of the image
// fields (model/image_fields.h): each cell refers to its field in the image.
#pragma once

#include <vector>

#include <QString>

#include "editor/pages/view/view_cell.h"
#include "editor/pages/view/view_keys.h"
#include "model/settings_image.h"

namespace nastrum {

// The five view pages, in tab order.
enum class ViewSheet { Sensors, Pipelines, Archives, System, Regulators };

// One table. Grid coordinates: with a header row, row 0 holds the object
// numbers (from 0) and cell (0, 0) the header; column 0 holds the row
// captions. The system table has no header row: its rows are the fields.
struct ViewTable {
  QString objectName;
  QString title;        // a label above the table, if any
  QString header;       // text of cell (0, 0); the table's accessible name
  int captionWidth = 0; // width of column 0; 0 leaves the default
  bool headerRow = true;
  CellKeys keys = CellKeys::Common;
  std::vector<QString> rowCaptions;
  std::vector<std::vector<ViewCell>> cells;  // [field row][object]

  int fieldRows() const { return static_cast<int>(rowCaptions.size()); }
  int objects() const { return cells.empty() ? 0 : static_cast<int>(cells.front().size()); }
  int gridRows() const { return fieldRows() + (headerRow ? 1 : 0); }
  int gridColumns() const { return objects() + 1; }

  // The cell at grid (row, column), or nullptr for a header or caption cell.
  const ViewCell* cellAt(int row, int column) const;
  // The text of any grid cell.
  QString gridText(int row, int column, QChar separator) const;
};

// A modem initialisation string of the system page.
struct ModemField {
  QString objectName;
  QString caption;
  ModemText* bytes = nullptr;
};

// The tables of one view page for the image's device kind; the cells refer to
// `image` and stay valid while it lives.
std::vector<ViewTable> buildViewTables(ViewSheet sheet, SettingsImage& image);
// The tables of all five pages, in tab order.
std::vector<ViewTable> buildAllViewTables(SettingsImage& image);

// The modem fields of the system page for the image's device kind.
std::vector<ModemField> buildModemFields(SettingsImage& image);

}  // namespace nastrum
