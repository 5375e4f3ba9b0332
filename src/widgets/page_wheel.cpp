#include "widgets/page_wheel.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCoreApplication>
#include <QEvent>
#include <QWheelEvent>

namespace nastrum {

namespace {

// Installed on a number box: takes its wheel events before the box steps.
class WheelToPage final : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Wheel) return false;
    sendWheelToPage(static_cast<QWidget*>(watched), static_cast<QWheelEvent*>(event));
    return true;
  }
};

}  // namespace

void sendWheelToPage(QWidget* control, QWheelEvent* event) {
  for (QWidget* w = control->parentWidget(); w; w = w->parentWidget())
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) {
      QCoreApplication::sendEvent(area->viewport(), event);
      return;
    }
  event->ignore();
}

void letWheelScrollPage(QAbstractSpinBox* box) { box->installEventFilter(new WheelToPage(box)); }

}  // namespace nastrum
