// A list control bound to a ChoiceList: items are the list's texts, each
// carrying its code. A choice is made only in the open list: a closed list
// acts on no key but those that open it (Alt+Down, Alt+Up, F4, Space), keys
// that would step or search its items are discarded, the rest (Enter,
// Escape, Ctrl+Tab) go on to the window, and the wheel over it scrolls the
// page instead; neither a stray key nor scrolling past it changes a code. A code the list does not hold
// is shown as "ОШИБКА". `codeChosen` comes only from the user, and only when
// the choice differs from the item shown. Shared by the editor pages and the
// arithmetic window.
#pragma once

#include <QComboBox>

#include "descriptors/choice_list.h"

namespace nastrum {

// Gives item i of `box` the hint of choice i as its tooltip (none where empty).
void showItemHints(QComboBox* box, const ChoiceList& choices);

class ChoiceBox : public QComboBox {
  Q_OBJECT
 public:
  explicit ChoiceBox(const QString& objectName, QWidget* parent = nullptr);

  void setChoices(const ChoiceList& choices);
  // Shows the item of `code`, or "ОШИБКА" when there is none (nullopt too).
  void showCode(std::optional<int> code);
  std::optional<int> code() const;
  // Chooses the item with this text as the user would (tests, menus).
  bool chooseText(const QString& text);

 signals:
  void codeChosen(int code);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void removeErrorItem();

  std::optional<int> shown_;  // the code of the item shown, nullopt for "ОШИБКА"
};

}  // namespace nastrum
