#include "editor/pages/desktop/ui/desktop_entry_group.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "descriptors/name_rule.h"
#include "widgets/wrap_spin_box.h"
#include "widgets/choice_box.h"
#include "widgets/input_filters.h"
#include "widgets/page_parts.h"

namespace nastrum {

DesktopEntryGroup::DesktopEntryGroup(DesktopPage& page, QWidget* parent)
    : QGroupBox(QStringLiteral("Рабочий стол:"), parent), page_(page) {
  setObjectName(QStringLiteral("desktopGroup"));
  auto* layout = new QVBoxLayout(this);

  auto* header = new QHBoxLayout;
  number_ = new WrapSpinBox(QStringLiteral("desktopNumber"), this);
  number_->setToolTip(QStringLiteral("Порядковый номер параметра на рабочем столе"));
  number_->setMaxDigits(2);
  present_ = new QCheckBox(this);
  present_->setObjectName(QStringLiteral("desktopPresent"));
  present_->setToolTip(QStringLiteral("параметр на рабочем столе - Есть / Нет"));
  presentCaption_ = captionFor(QStringLiteral("Наличие:"), present_, this);
  header->addWidget(captionFor(QStringLiteral("№ параметра:"), number_, this));
  header->addWidget(number_);
  header->addWidget(presentCaption_);
  header->addWidget(present_);
  header->addStretch();
  layout->addLayout(header);

  body_ = new QWidget(this);
  body_->setObjectName(QStringLiteral("desktopBody"));
  auto* grid = new QGridLayout(body_);
  grid->setContentsMargins(0, 0, 0, 0);
  group_ = new ChoiceBox(QStringLiteral("desktopGroupChoice"), body_);
  group_->setChoices(desktopGroups());
  grid->addWidget(captionFor(QStringLiteral("Тип параметра:"), group_, body_), 0, 0);
  grid->addWidget(group_, 0, 1);
  items_ = new QListWidget(body_);
  items_->setObjectName(QStringLiteral("desktopItems"));
  items_->setAccessibleName(QStringLiteral("Параметр"));
  grid->addWidget(items_, 1, 0, 1, 2);
  object_ = new WrapSpinBox(QStringLiteral("desktopObjectNumber"), body_);
  object_->setArrowsOnly();
  objectCaption_ = captionFor(QStringLiteral("№ датчика:"), object_, body_);
  objectCaption_->setObjectName(QStringLiteral("desktopObjectCaption"));
  grid->addWidget(objectCaption_, 2, 0);
  grid->addWidget(object_, 2, 1);
  name_ = new QLineEdit(body_);
  name_->setObjectName(QStringLiteral("desktopName"));
  name_->setToolTip(QStringLiteral("Имя, которое будет отображаться на рабочем столе в ОРВИК 9 "));
  name_->setValidator(new NameFilter(name_));
  name_->setMaxLength(kNamePlaces);
  grid->addWidget(captionFor(QStringLiteral("Имя параметра:"), name_, body_), 3, 0);
  grid->addWidget(name_, 3, 1);
  layout->addWidget(body_);

  connect(number_, &WrapSpinBox::valueEntered, this, [this](int n) {
    page_.select(n);
    emit changed();
  });
  connect(present_, &QCheckBox::toggled, this, [this](bool on) {
    page_.setPresent(on);
    emit changed();
  });
  connect(group_, &ChoiceBox::codeChosen, this, [this](int code) {
    page_.chooseGroup(static_cast<DesktopGroup>(code));
    emit changed();
  });
  connect(items_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row < 0) return;
    page_.chooseItem(items_->item(row)->data(Qt::UserRole).toInt());
    emit changed();
  });
  connect(object_, &WrapSpinBox::valueEntered, this, [this](int n) {
    page_.setNumber(n);
    emit changed();
  });
  connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
    page_.setName(text);
    name_->setMaxLength(nameMaxLength(text));
    emit typed();
  });
}

void DesktopEntryGroup::refresh() {
  const DesktopView v = page_.view();
  number_->showValue(0, kDesktopEntryCount - 1, page_.current().value_or(0));
  {
    const QSignalBlocker block(present_);
    present_->setChecked(v.present);
  }
  const bool shown = page_.current().has_value();
  presentCaption_->setVisible(shown);
  present_->setVisible(shown);
  body_->setVisible(v.present);
  if (!v.present) return;
  group_->showCode(v.group ? std::optional<int>(static_cast<int>(*v.group)) : std::nullopt);
  showItems(v);
  objectCaption_->setText(v.numberCaption);
  objectCaption_->setVisible(v.showNumber);
  object_->setVisible(v.showNumber);
  if (v.showNumber) object_->showValue(0, v.numberMaximum, v.number);
  object_->setToolTip(v.numberHint);
  const QSignalBlocker block(name_);
  if (name_->text() != v.name) {
    name_->setMaxLength(nameMaxLength(v.name));
    name_->setText(v.name);
  }
}

void DesktopEntryGroup::showItems(const DesktopView& v) {
  const QSignalBlocker block(items_);
  items_->clear();
  if (!v.group) return;
  for (const Choice& c : desktopItems(*v.group)) {
    auto* item = new QListWidgetItem(c.text, items_);
    item->setData(Qt::UserRole, c.code);
    if (v.itemCode == c.code) items_->setCurrentItem(item);
  }
  if (!v.itemCode) items_->setCurrentRow(-1);
}

}  // namespace nastrum
