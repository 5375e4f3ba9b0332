#include "maps/ui/map_cell_delegate.h"

#include <cmath>

#include <QApplication>
#include <QPainter>

#include "maps/cell_text_fit.h"

namespace nastrum {

void MapCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem item = option;
  initStyleOption(&item, index);
  const QString text = item.text;
  item.text.clear();  // the style paints background, selection and focus; the text follows
  const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

  painter->save();
  const bool selected = item.state & QStyle::State_Selected;
  painter->setPen(selected ? item.palette.color(QPalette::HighlightedText)
                           : index.data(Qt::ForegroundRole).value<QBrush>().color());
  drawCellText(*painter, text, item.font, item.displayAlignment, item.rect);
  painter->restore();
}

QSize MapCellDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem item = option;
  initStyleOption(&item, index);
  // The view passes the column's (or region's) width when it wraps text.
  const CellTextLayout layout = layoutCellText(item.text, item.font, item.displayAlignment, item.rect.width());
  return {item.rect.width(), static_cast<int>(std::ceil(layout.height))};
}

}  // namespace nastrum
