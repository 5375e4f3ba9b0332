// What the archive rule tables share: the words of the archive being checked,
// and the rules on a head's operands (a sensor, the two sensors of a
// difference, a pipeline, the pipelines of an algebraic sum), which every
// archive family checks alike under its own codes and texts.
#pragma once

#include <functional>
#include <vector>

#include <QString>

#include "check/check_rule.h"
#include "descriptors/archive_words.h"

namespace nastrum::rules {

// The descriptor a rule reads: the hourly and interval rules read a word the
// type rule found wrong as it would be after its repair, without writing it.
using DescriptorReading = std::function<Word(const RuleContext&)>;

// The first words of the texts of one family's operand rules and the endings
// that differ between the families.
struct OperandTexts {
  QString sensorArchive;       // "У часового архива №": x12..x16
  QString otherArchive;        // "У часового архива №": x23..x27
  QString sensorNumberEnding;  // x12
  QString firstSensorEnding;   // x15
  QString pipelineNumberEnding;  // x23
};

struct OperandRuleSet {
  ArchiveFamily family;
  int base;                     // 200, 300, 400, 500
  DescriptorReading descriptor;
  OperandTexts texts;
  std::vector<int> pipelineItems;  // D2 of a single pipeline operand
  std::vector<int> sumItems;       // D2 D3 D4 of an algebraic sum
  // x25: a pipeline a sum may not name.
  std::function<bool(const SettingsImage&, int pipeline)> sumRefuses;
  // x26 takes a pipeline named with both signs out of the negative part.
  bool sumDropsDoubleFromNegative;
};

// Rules x12..x16 and x23..x27 of the set, in table order.
void addOperandRules(std::vector<CheckRule>& rules, const OperandRuleSet& set);

ArchiveWords archiveOf(const RuleContext& c, ArchiveFamily family);
void setArchiveDescriptor(SettingsImage& image, ArchiveFamily family, int n, Word desc);

}  // namespace nastrum::rules
