// Draws the cells of the map window's grid the way the printout sets them
// (cell_text_fit.h): a number too wide for its column takes a smaller font or
// breaks, and the row's size hint is the height the text needs, so the grid
// never shows a cut number.
#pragma once

#include <QStyledItemDelegate>

namespace nastrum {

class MapCellDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace nastrum
