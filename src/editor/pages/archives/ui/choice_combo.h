// Filling a list box from a ChoiceList (each item carries its code) and the
// red "ОШИБКА" label shown beside a list whose stored value is not on offer.
#pragma once

#include <optional>

#include <QComboBox>
#include <QLabel>

#include "descriptors/choice_list.h"

namespace nastrum {

// Replaces the items and selects `index` (none when nullopt); signals blocked.
void fillCombo(QComboBox* combo, const ChoiceList& choices, std::optional<int> index);
// Selects the item with `code` (none when absent); signals blocked.
void selectCode(QComboBox* combo, std::optional<int> code);
// The code of the chosen item, nullopt when nothing is chosen.
std::optional<int> chosenCode(const QComboBox* combo);

QLabel* makeErrorLabel(const QString& objectName, QWidget* parent);
// A list box whose choice changes in its open list only (no wheel, no step
// keys), with its name for tests.
QComboBox* makeCombo(const QString& objectName, QWidget* parent);

}  // namespace nastrum
