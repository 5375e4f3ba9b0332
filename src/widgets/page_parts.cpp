#include "widgets/page_parts.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "widgets/choice_box.h"

namespace nastrum {

QLabel* captionFor(const QString& text, QWidget* field, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(field);
  return label;
}

ChoiceBox* choiceBox(const QString& objectName, const ChoiceList& choices, QWidget* parent) {
  auto* box = new ChoiceBox(objectName, parent);
  box->setChoices(choices);
  return box;
}

QGroupBox* namedGroup(const QString& objectName, const QString& title, QWidget* parent) {
  auto* group = new QGroupBox(title, parent);
  group->setObjectName(objectName);
  return group;
}

QWidget* namedPart(const QString& objectName, QWidget* parent) {
  auto* part = new QWidget(parent);
  part->setObjectName(objectName);
  return part;
}

namespace {

// A scroll area that asks for room for its whole page, so that a window
// sized by its pages shows them without scroll bars, and that scrolls rather
// than squeezing a control below its natural height when the window is smaller.
class WholePageScrollArea final : public QScrollArea {
 public:
  using QScrollArea::QScrollArea;

  QSize sizeHint() const override {
    if (!widget()) return QScrollArea::sizeHint();
    const int frame = 2 * frameWidth();
    return widget()->sizeHint() + QSize(frame, frame);
  }

 protected:
  // The area already watches its widget (QScrollArea::setWidget).
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == widget() && event->type() == QEvent::LayoutRequest) {
      widget()->setMinimumSize(widget()->sizeHint());
      updateGeometry();
    }
    return QScrollArea::eventFilter(watched, event);
  }
};

}  // namespace

QScrollArea* wholePageScrollArea(QWidget* parent) {
  auto* scroll = new WholePageScrollArea(parent);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  return scroll;
}

QWidget* scrolledContent(QWidget* page) {
  auto* outer = new QVBoxLayout(page);
  outer->setContentsMargins(0, 0, 0, 0);
  auto* scroll = wholePageScrollArea(page);
  outer->addWidget(scroll);
  auto* content = new QWidget(scroll);
  scroll->setWidget(content);
  return content;
}

}  // namespace nastrum
