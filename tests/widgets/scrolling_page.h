// A page taller than its window, as the editor pages are on a small screen,
// and the wheel turned over one of its controls.
#pragma once

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "widgets/page_parts.h"
#include "support/widget_application.h"

namespace nastrum::test {

class ScrollingPage {
 public:
  // The controls go here, one under the other.
  QWidget* content() const { return content_; }
  void add(QWidget* control) { layout_->addWidget(control); }

  // Shows the page with room below the controls, so that it scrolls.
  void show() {
    layout_->addSpacing(3000);
    page_.resize(300, 200);
    page_.show();
  }
  QScrollBar* bar() const { return page_.findChild<QScrollArea*>()->verticalScrollBar(); }

 private:
  QApplication& app_ = widgetApplication();  // before any widget
  QWidget page_;
  QWidget* content_ = scrolledContent(&page_);
  QVBoxLayout* layout_ = new QVBoxLayout(content_);
};

// One notch of the wheel down over `control`.
inline void wheelDown(QWidget* control) {
  const QPointF at(5, 5);
  QWheelEvent down(at, control->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
  QApplication::sendEvent(control, &down);
}

}  // namespace nastrum::test
