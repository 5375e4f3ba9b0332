// A paint device that keeps the text a painter draws instead of pixels: each
// run of glyphs with its text and the box it covers in device coordinates, so
// a test can tell whether a text lies inside the cell it belongs to.
#pragma once

#include <vector>

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QTextItem>

namespace nastrum::testing {

struct TextRun {
  QString text;
  QRectF box;  // from the left of the first glyph to the advance of the last, ascent to descent
};

class TextRecorder final : public QPaintDevice {
 public:
  explicit TextRecorder(QSize size = {4000, 4000}) : size_(size) {}

  QPaintEngine* paintEngine() const override { return &engine_; }
  const std::vector<TextRun>& runs() const { return engine_.runs; }
  void clear() { engine_.runs.clear(); }

 protected:
  int metric(PaintDeviceMetric metric) const override {
    switch (metric) {
      case PdmWidth: return size_.width();
      case PdmHeight: return size_.height();
      case PdmWidthMM: return size_.width() * 254 / 960;
      case PdmHeightMM: return size_.height() * 254 / 960;
      case PdmNumColors: return 1 << 24;
      case PdmDepth: return 32;
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY: return 96;
      case PdmDevicePixelRatio: return 1;
      case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
      default: return 0;
    }
  }

 private:
  class Engine final : public QPaintEngine {
   public:
    Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
      const QRectF box(p.x(), p.y() - item.ascent(), item.width(), item.ascent() + item.descent());
      runs.push_back({item.text(), painter()->combinedTransform().mapRect(box)});
    }
    Type type() const override { return QPaintEngine::User; }
    std::vector<TextRun> runs;
  };

  QSize size_;
  mutable Engine engine_;
};

// The runs whose centre lies in `box`, joined in drawing order.
inline QString textIn(const std::vector<TextRun>& runs, const QRectF& box) {
  QString joined;
  for (const TextRun& run : runs)
    if (box.contains(run.box.center())) joined += run.text;
  return joined;
}

// Whether every run whose centre lies in `box` lies wholly inside it (half a
// pixel of rounding allowed).
inline bool runsInside(const std::vector<TextRun>& runs, const QRectF& box) {
  const QRectF allowed = box.adjusted(-0.5, -0.5, 0.5, 0.5);
  for (const TextRun& run : runs)
    if (box.contains(run.box.center()) && !allowed.contains(run.box)) return false;
  return true;
}

}  // namespace nastrum::testing
