#include "maps/cell_text_fit.h"

#include <algorithm>
#include <cmath>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>

namespace nastrum {

namespace {

// A font is not shrunk below 70 % of its size, nor below 8 px: smaller print
// is no longer read reliably, and breaking the word reads better.
constexpr double kSmallestShare = 0.7;
constexpr int kSmallestPixels = 8;
// Rounding of the text engine: a text this much wider than the box still fits.
constexpr double kTolerance = 0.01;

int pixelSizeOf(const QFont& font) { return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize(); }

QRectF textBounds(const QFont& font, int flags, double width, const QString& text) {
  return QFontMetricsF(font).boundingRect(QRectF(0, 0, width, 1e6), flags, text.isEmpty() ? QStringLiteral(" ") : text);
}

}  // namespace

Qt::Alignment cellAlignment(const MapCell& cell) {
  return (cell.align == CellAlign::Center ? Qt::AlignHCenter : Qt::AlignLeft) |
         (cell.verticalCenter ? Qt::AlignVCenter : Qt::AlignTop);
}

CellTextLayout layoutCellText(const QString& text, const QFont& font, Qt::Alignment alignment, double boxWidth) {
  const double width = std::max(1.0, boxWidth - 2 * kCellPadding);
  const int own = pixelSizeOf(font);
  const int smallest = std::min(own, std::max(kSmallestPixels, static_cast<int>(std::ceil(own * kSmallestShare))));
  CellTextLayout layout{font, static_cast<int>(alignment) | Qt::TextWordWrap, 0};
  for (int pixels = own; pixels >= smallest; --pixels) {
    layout.font.setPixelSize(pixels);
    const QRectF bounds = textBounds(layout.font, layout.flags, width, text);
    if (bounds.width() <= width + kTolerance) {
      layout.height = bounds.height() + 2 * kCellPadding;
      return layout;
    }
  }
  layout.flags = static_cast<int>(alignment) | Qt::TextWrapAnywhere;
  layout.height = textBounds(layout.font, layout.flags, width, text).height() + 2 * kCellPadding;
  return layout;
}

void drawCellText(QPainter& painter, const QString& text, const QFont& font, Qt::Alignment alignment, const QRectF& box) {
  const CellTextLayout layout = layoutCellText(text, font, alignment, box.width());
  painter.setFont(layout.font);
  // A printer's font metrics may lay the text out a fraction wider than the
  // screen's that measured it: the padding takes that, nothing is clipped.
  painter.drawText(box.adjusted(kCellPadding, kCellPadding, -kCellPadding, -kCellPadding), layout.flags | Qt::TextDontClip, text);
}

}  // namespace nastrum
