// The rules of the pipelines (codes 110..144).
#pragma once

#include "check/check_rule.h"

namespace nastrum {

RuleGroup pipelineRuleGroup();

}  // namespace nastrum
