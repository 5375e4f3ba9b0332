// The rules of the system words (601..608, checked once), the current
// generators (701..702) and the regulator flags of the large model (801).
#pragma once

#include "check/check_rule.h"

namespace nastrum {

RuleGroup systemRuleGroup();
RuleGroup generatorRuleGroup();
RuleGroup regulatorFlagRuleGroup();

}  // namespace nastrum
