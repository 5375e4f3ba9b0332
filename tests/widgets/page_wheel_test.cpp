// Number boxes on a page: the wheel scrolls the page, the value stays.
#include <gtest/gtest.h>

#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "widgets/page_parts.h"
#include "widgets/page_wheel.h"
#include "widgets/wrap_spin_box.h"
#include "support/widget_application.h"

namespace nastrum {
namespace {

TEST(PageWheel, TheWheelOverANumberBoxScrollsThePage) {
  widgetApplication();
  QWidget page;
  QWidget* content = scrolledContent(&page);
  auto* layout = new QVBoxLayout(content);
  auto* wrap = new WrapSpinBox(QStringLiteral("wrap"), content);
  wrap->showValue(0, 59, 30);
  auto* plain = new QSpinBox(content);
  plain->setRange(0, 23);
  plain->setValue(8);
  letWheelScrollPage(plain);
  layout->addWidget(wrap);
  layout->addWidget(plain);
  layout->addSpacing(3000);  // taller than the window: the page scrolls
  page.resize(300, 200);
  page.show();
  QScrollBar* bar = page.findChild<QScrollArea*>()->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  QSignalSpy entered(wrap, &WrapSpinBox::valueEntered);
  QSignalSpy changed(plain, &QSpinBox::valueChanged);

  for (QAbstractSpinBox* box : std::initializer_list<QAbstractSpinBox*>{wrap, plain}) {
    const int scrolled = bar->value();
    const QPointF at(5, 5);
    QWheelEvent down(at, box->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &down);
    EXPECT_GT(bar->value(), scrolled) << box->metaObject()->className();
  }
  EXPECT_EQ(wrap->value(), 30);
  EXPECT_EQ(plain->value(), 8);
  EXPECT_EQ(entered.count(), 0);
  EXPECT_EQ(changed.count(), 0);
}

}  // namespace
}  // namespace nastrum
