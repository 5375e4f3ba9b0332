#include "maps/map_session.h"

#include "maps/distribution_map.h"

namespace nastrum {

void MapSession::show(const SettingsImage& image, int page) {
  page_ = buildMap(image, number_, page, separator_);
  if (number_ != 1 || page_.table.rowCount() == 0) return;
  for (int n = 0; n < kPipelineCount; ++n)
    page_.table.setText(kNameColumn, kFirstPipelineRow + n, names_[static_cast<std::size_t>(n)]);
}

void MapSession::rebuild(const SettingsImage& image) { show(image, 1); }

void MapSession::previousPage(const SettingsImage& image) {
  if (canGoBack()) show(image, page_.page - 1);
}

void MapSession::nextPage(const SettingsImage& image) {
  if (canGoForward()) show(image, page_.page + 1);
}

QString MapSession::pageLabel() const { return QStringLiteral("Стр. %1").arg(page_.page); }

void MapSession::setCellText(int column, int row, const QString& text) {
  MapTable& t = page_.table;
  if (column < 0 || row < 0 || column >= t.columnCount() || row >= t.rowCount() || !t.cell(column, row).editable) return;
  t.setText(column, row, text);
  const int pipeline = row - kFirstPipelineRow;
  if (number_ == 1 && column == kNameColumn && pipeline >= 0 && pipeline < kPipelineCount)
    names_[static_cast<std::size_t>(pipeline)] = text;
}

void MapSession::clearNames() {
  names_.fill(QString());
  if (number_ != 1 || page_.table.rowCount() == 0) return;
  for (int n = 0; n < kPipelineCount; ++n) {
    MapCell& c = page_.table.cell(kNameColumn, kFirstPipelineRow + n);
    c = MapCell{};
    c.editable = true;
  }
}

}  // namespace nastrum
