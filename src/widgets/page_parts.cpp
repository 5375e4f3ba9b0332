#include "widgets/page_parts.h"

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

QWidget* scrolledContent(QWidget* page) {
  auto* outer = new QVBoxLayout(page);
  outer->setContentsMargins(0, 0, 0, 0);
  auto* scroll = new QScrollArea(page);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  outer->addWidget(scroll);
  auto* content = new QWidget(scroll);
  scroll->setWidget(content);
  return content;
}

}  // namespace nastrum
