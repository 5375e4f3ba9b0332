#include "editor/pages/archives/ui/choice_combo.h"

#include <QSignalBlocker>

#include "widgets/choice_box.h"

namespace nastrum {

void fillCombo(QComboBox* combo, const ChoiceList& choices, std::optional<int> index) {
  const QSignalBlocker block(combo);
  combo->clear();
  for (const Choice& c : choices) combo->addItem(c.text, c.code);
  showItemHints(combo, choices);
  combo->setCurrentIndex(index.value_or(-1));
}

void selectCode(QComboBox* combo, std::optional<int> code) {
  const QSignalBlocker block(combo);
  combo->setCurrentIndex(code ? combo->findData(*code) : -1);
}

std::optional<int> chosenCode(const QComboBox* combo) {
  if (combo->currentIndex() < 0) return std::nullopt;
  return combo->currentData().toInt();
}

QLabel* makeErrorLabel(const QString& objectName, QWidget* parent) {
  auto* label = new QLabel(errorText(), parent);
  label->setObjectName(objectName);
  label->setStyleSheet(QStringLiteral("color: red;"));
  label->hide();
  return label;
}

// A ChoiceBox: an archive changes by a choice in the open list only, never by
// the wheel or a key over the closed box.
QComboBox* makeCombo(const QString& objectName, QWidget* parent) { return new ChoiceBox(objectName, parent); }

}  // namespace nastrum
