// What a family group of the "Архивы" page shows for one archive, read from
// its words: the state, the item and operand panel of a head, the head box
// and chain of a continuation. Reading never changes the image; a word that
// cannot be read shows "ОШИБКА" where it fails.
#pragma once

#include <array>
#include <optional>

#include <QString>

#include "descriptors/archive_words.h"
#include "descriptors/choice_list.h"

namespace nastrum {

// The operand panel a head shows for its item.
enum class OperandPanel { None, Sensor, Pipeline, Difference, Sum, Parameter };
OperandPanel operandPanelOf(int item);

struct ArchiveView {
  ArchiveFamily family = ArchiveFamily::Hourly;
  int number = 0;
  ArchiveState state = ArchiveState::NotWorking;  // Invalid: "ОШИБКА" in the state box
  QString name;

  // A head (monthly: a present archive).
  std::optional<int> item;  // the "запись в архив" code
  OperandPanel panel = OperandPanel::None;
  ChoiceList operandChoices;           // sensors or pipelines, then "нет"
  std::optional<int> operandIndex;     // nullopt: the operand is not on offer ("ОШИБКА")
  ChoiceList sensorChoices;            // X1 and X2
  std::optional<int> x1Index, x2Index;
  int positiveMask = 0, negativeMask = 0;
  QString parameterText;               // four hexadecimal digits
  bool extensionShown = false;         // hourly heads inside the kind's extension range
  bool extended = false;

  // A continuation.
  ChoiceList headChoices;              // possible heads, then "нет"
  std::optional<int> headIndex;        // nullopt: the head is not a head ("ОШИБКА")
  bool chainShown = false;             // hourly and interval continuations
  std::array<QString, 8> chainCells;   // cell 0 the head ("-" for none), cell k level k
};

ArchiveView viewArchive(const SettingsImage& image, ArchiveFamily family, int number);

}  // namespace nastrum
