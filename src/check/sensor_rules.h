// The rules of the sensors (codes 10..31).
#pragma once

#include "check/check_rule.h"

namespace nastrum {

RuleGroup sensorRuleGroup();

}  // namespace nastrum
