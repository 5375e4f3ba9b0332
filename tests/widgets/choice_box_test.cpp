// The shared list box: a stored code changes only by a choice in the open
// list, never by a key or the wheel over the closed box.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QSignalSpy>

#include "scrolling_page.h"
#include "widgets/choice_box.h"
#include "support/widget_application.h"

namespace nastrum {
namespace {

ChoiceList threeChoices() {
  return {{1, QStringLiteral("первый")}, {2, QStringLiteral("второй")}, {3, QStringLiteral("третий")}};
}

void press(QWidget* w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
  QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(w, &event);
}

TEST(ChoiceBox, KeysNeverChangeTheChoice) {
  widgetApplication();
  ChoiceBox box(QStringLiteral("box"));
  box.setChoices(threeChoices());
  box.showCode(2);
  QSignalSpy chosen(&box, &ChoiceBox::codeChosen);
  struct Key {
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
  } keys[] = {
      {Qt::Key_Down, Qt::NoModifier, {}},       {Qt::Key_Up, Qt::NoModifier, {}},
      {Qt::Key_Home, Qt::NoModifier, {}},       {Qt::Key_End, Qt::NoModifier, {}},
      {Qt::Key_PageDown, Qt::NoModifier, {}},   {Qt::Key_PageUp, Qt::NoModifier, {}},
      {Qt::Key_Down, Qt::KeypadModifier, {}},   {Qt::Key_unknown, Qt::NoModifier, QStringLiteral("т")},
      {Qt::Key_P, Qt::NoModifier, QStringLiteral("p")}, {Qt::Key_3, Qt::NoModifier, QStringLiteral("3")},
  };
  for (const Key& k : keys) {
    press(&box, k.key, k.modifiers, k.text);
    EXPECT_EQ(box.code(), 2) << k.key;
    EXPECT_FALSE(box.view()->isVisible()) << k.key;
  }
  EXPECT_EQ(chosen.count(), 0);

  // Keys of the window pass on to it.
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&box, &escape);
  EXPECT_FALSE(escape.isAccepted());
}

TEST(ChoiceBox, OpeningKeysOpenTheListAndChangeNothing) {
  widgetApplication();
  struct Key {
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
  } keys[] = {
      {Qt::Key_Down, Qt::AltModifier, {}},
      {Qt::Key_Up, Qt::AltModifier, {}},
      {Qt::Key_F4, Qt::NoModifier, {}},
      {Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")},
  };
  for (const Key& k : keys) {
    QWidget window;
    auto* box = new ChoiceBox(QStringLiteral("box"), &window);
    box->setChoices(threeChoices());
    box->showCode(3);
    window.show();
    press(box, k.key, k.modifiers, k.text);
    EXPECT_TRUE(box->view()->isVisible()) << k.key;
    box->hidePopup();
    EXPECT_EQ(box->code(), 3) << k.key;
  }
}

TEST(ChoiceBox, TheWheelOverAClosedListScrollsThePage) {
  test::ScrollingPage page;
  auto* box = new ChoiceBox(QStringLiteral("box"), page.content());
  box->setChoices(threeChoices());
  box->showCode(1);
  page.add(box);
  page.show();
  ASSERT_GT(page.bar()->maximum(), 0);
  QSignalSpy chosen(box, &ChoiceBox::codeChosen);

  test::wheelDown(box);
  EXPECT_EQ(box->code(), 1);
  EXPECT_EQ(chosen.count(), 0);
  EXPECT_GT(page.bar()->value(), 0);
}

}  // namespace
}  // namespace nastrum
