// Where the main window opens at the program's very first start, before the
// user has sized and placed it.
#pragma once

#include <QRect>
#include <QSize>

namespace nastrum {

struct FirstPlacement {
  QRect geometry;          // the client area, centred on the screen
  bool maximised = false;  // the screen is too small for `wanted`
};

// Room the window system takes around a window's client area (title bar and
// borders), allowed for when deciding whether a window fits.
inline constexpr QSize kWindowFrameAllowance{16, 40};

// `wanted` is the client size that shows the largest page whole. It opens at
// that size, centred on `available`, where it fits with its frame; the window
// opens maximised where it does not.
FirstPlacement firstPlacement(QSize wanted, const QRect& available);

}  // namespace nastrum
