// Number boxes on a page: the wheel scrolls the page, the value stays.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QSpinBox>

#include "scrolling_page.h"
#include "widgets/page_wheel.h"
#include "widgets/wrap_spin_box.h"

namespace nastrum {
namespace {

TEST(PageWheel, TheWheelOverANumberBoxScrollsThePage) {
  test::ScrollingPage page;
  auto* wrap = new WrapSpinBox(QStringLiteral("wrap"), page.content());
  wrap->showValue(0, 59, 30);
  auto* plain = new QSpinBox(page.content());
  plain->setRange(0, 23);
  plain->setValue(8);
  letWheelScrollPage(plain);
  page.add(wrap);
  page.add(plain);
  page.show();
  ASSERT_GT(page.bar()->maximum(), 0);
  QSignalSpy entered(wrap, &WrapSpinBox::valueEntered);
  QSignalSpy changed(plain, &QSpinBox::valueChanged);

  for (QAbstractSpinBox* box : std::initializer_list<QAbstractSpinBox*>{wrap, plain}) {
    const int scrolled = page.bar()->value();
    test::wheelDown(box);
    EXPECT_GT(page.bar()->value(), scrolled) << box->metaObject()->className();
  }
  EXPECT_EQ(wrap->value(), 30);
  EXPECT_EQ(plain->value(), 8);
  EXPECT_EQ(entered.count(), 0);
  EXPECT_EQ(changed.count(), 0);
}

}  // namespace
}  // namespace nastrum
