#include "link/ui/radio_group.h"

#include <QAbstractButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace nastrum {

RadioGroup::RadioGroup(const QString& objectName, const QString& title, const QStringList& items, QWidget* parent)
    : QGroupBox(title, parent) {
  setObjectName(objectName);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 2, 6, 2);
  layout->setSpacing(0);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    button->setObjectName(objectName + QLatin1Char('_') + QString::number(i));
    buttons_.addButton(button, i);
    layout->addWidget(button);
  }
  connect(&buttons_, &QButtonGroup::idClicked, this, &RadioGroup::itemClicked);
}

void RadioGroup::setItemIndex(int index) {
  if (QAbstractButton* b = buttons_.button(index)) b->setChecked(true);
}

QString RadioGroup::itemText(int index) const {
  const QAbstractButton* b = buttons_.button(index);
  return b ? b->text() : QString();
}

void RadioGroup::clickItem(int index) {
  if (QAbstractButton* b = buttons_.button(index)) b->click();
}

}  // namespace nastrum
