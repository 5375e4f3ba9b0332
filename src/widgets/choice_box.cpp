#include "widgets/choice_box.h"

#include <climits>

#include <QKeyEvent>
#include <QWheelEvent>

#include "widgets/page_wheel.h"

namespace nastrum {

namespace {

constexpr int kErrorCode = INT_MIN;  // item data of the "ОШИБКА" item

// The keys with which a closed list box opens its list.
bool opensList(const QKeyEvent& event) {
  const bool alt = (event.modifiers() & Qt::AltModifier) != 0;
  switch (event.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down: return alt;
    case Qt::Key_F4: return !alt;
    case Qt::Key_Space: return event.modifiers() == Qt::NoModifier;
    default: return false;
  }
}

// Keys with which a closed QComboBox would step or search its items.
bool wouldChangeChoice(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Select: return true;
    default: return !event.text().isEmpty() && event.text().at(0).isPrint();
  }
}

}  // namespace

void showItemHints(QComboBox* box, const ChoiceList& choices) {
  for (int i = 0; i < box->count() && i < choices.size(); ++i) {
    const QString& hint = choices.at(i).hint;
    box->setItemData(i, hint.isEmpty() ? QVariant() : QVariant(hint), Qt::ToolTipRole);
  }
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
  showItemHints(this, choices);
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
  if (opensList(*event)) {
    showPopup();
    event->accept();
    return;
  }
  if (wouldChangeChoice(*event)) {
    event->accept();  // discarded: a choice is made in the open list only
    return;
  }
  event->ignore();  // Enter, Escape, Ctrl+Tab and the like belong to the window
}

void ChoiceBox::wheelEvent(QWheelEvent* event) { sendWheelToPage(this, event); }

}  // namespace nastrum
