#include "app/first_placement.h"

namespace nastrum {

FirstPlacement firstPlacement(QSize wanted, const QRect& available) {
  FirstPlacement placement;
  const QSize framed = wanted + kWindowFrameAllowance;
  if (framed.width() > available.width() || framed.height() > available.height()) {
    placement.maximised = true;
    placement.geometry = available;
    return placement;
  }
  placement.geometry = QRect(QPoint(), wanted);
  placement.geometry.moveCenter(available.center());
  return placement;
}

}  // namespace nastrum
