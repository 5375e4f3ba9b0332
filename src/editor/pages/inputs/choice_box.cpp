#include "editor/pages/inputs/choice_box.h"

#include <climits>

#include <QKeyEvent>

namespace nastrum {

namespace {
constexpr int kErrorCode = INT_MIN;  // item data of the "ОШИБКА" item
}

ChoiceBox::ChoiceBox(const QString& objectName, QWidget* parent) : QComboBox(parent) {
  setObjectName(objectName);
  setEditable(false);
  setSizeAdjustPolicy(QComboBox::AdjustToContents);
  connect(this, &QComboBox::activated, this, [this](int index) {
    const QVariant data = itemData(index);
    if (!data.isValid() || data.toInt() == kErrorCode) return;
    if (shown_ == data.toInt()) return;  // the item already shown: no change
    shown_ = data.toInt();
    emit codeChosen(data.toInt());
  });
}

void ChoiceBox::setChoices(const ChoiceList& choices) {
  const QSignalBlocker blocker(this);
  clear();
  for (const Choice& c : choices) addItem(c.text, c.code);
  shown_ = choices.isEmpty() ? std::nullopt : std::optional<int>(choices.at(0).code);
}

void ChoiceBox::removeErrorItem() {
  const int error = findData(kErrorCode);
  if (error >= 0) removeItem(error);
}

void ChoiceBox::showCode(std::optional<int> code) {
  const QSignalBlocker blocker(this);
  removeErrorItem();
  const int index = code ? findData(*code) : -1;
  if (index >= 0) {
    setCurrentIndex(index);
    shown_ = *code;
    return;
  }
  shown_.reset();
  addItem(errorText(), kErrorCode);
  setCurrentIndex(count() - 1);
}

std::optional<int> ChoiceBox::code() const {
  const QVariant data = currentData();
  if (!data.isValid() || data.toInt() == kErrorCode) return std::nullopt;
  return data.toInt();
}

bool ChoiceBox::chooseText(const QString& text) {
  const int index = findText(text);
  if (index < 0) return false;
  setCurrentIndex(index);
  emit activated(index);
  return true;
}

void ChoiceBox::keyPressEvent(QKeyEvent* event) {
  // Lists take no typing; the space bar still opens the list.
  if (event->key() != Qt::Key_Space && !event->text().isEmpty() && event->text().at(0).isPrint()) {
    event->accept();
    return;
  }
  QComboBox::keyPressEvent(event);
}

}  // namespace nastrum
