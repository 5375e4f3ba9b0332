// The state of the map window: which map is shown, its page, the table with
// the user's typed-over cells, and the pipeline names the user writes into
// map 1 for printing, which outlive a rebuild.
#pragma once

#include <array>

#include "maps/map_builder.h"

namespace nastrum {

class MapSession {
 public:
  explicit MapSession(QChar separator) : separator_(separator) {}

  int number() const { return number_; }
  const MapPage& page() const { return page_; }
  const MapTable& table() const { return page_.table; }

  // Chooses the map; the next rebuild shows it.
  void choose(int number) { number_ = number; }
  // Builds the chosen map afresh from the image, at page 1.
  void rebuild(const SettingsImage& image);
  bool canGoBack() const { return page_.paged && page_.page > 1; }
  bool canGoForward() const { return page_.paged && page_.hasNextPage; }
  void previousPage(const SettingsImage& image);
  void nextPage(const SettingsImage& image);
  // "Стр. N"
  QString pageLabel() const;

  // A cell typed over; read-only cells and cells outside the table are left alone.
  void setCellText(int column, int row, const QString& text);
  // "Очистить наименование": empties map 1's name column.
  void clearNames();

 private:
  void show(const SettingsImage& image, int page);

  QChar separator_;
  int number_ = 1;
  MapPage page_;
  std::array<QString, kPipelineCount> names_{};
};

}  // namespace nastrum
