// Evaluating the rule groups over an image: the core of the settings check.
#pragma once

#include <vector>

#include "check/check_result.h"
#include "check/check_rule.h"

namespace nastrum {

// Every rule group in the order the check walks the object families.
const std::vector<RuleGroup>& checkRuleGroups();

// The rule of `code` in the family `group`, or nullptr.
const CheckRule* findRule(CheckGroup group, int code);

// The text of one flagged rule; in spy mode it ends with a space and the code.
QString ErrorText(const CheckRule& rule, const RuleContext& context, const Finding& finding, bool spyMode);

// Runs the groups over the image. The image changes only through the groups'
// silent normalisations; the row texts are written after the last group, from
// the image as those normalisations left it.
CheckResult evaluateRules(SettingsImage& image, const std::vector<RuleGroup>& groups, bool spyMode);
inline CheckResult evaluateRules(SettingsImage& image, bool spyMode) {
  return evaluateRules(image, checkRuleGroups(), spyMode);
}

}  // namespace nastrum
