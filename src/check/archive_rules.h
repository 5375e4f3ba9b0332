// The rules of the archives: hourly (210..227), interval (310..328), daily
// (410..429) and monthly (510..527), with the normalisations the check makes
// on the archive words while it reads them.
#pragma once

#include "check/check_rule.h"

namespace nastrum {

RuleGroup hourArchiveRuleGroup();
RuleGroup intervalArchiveRuleGroup();
RuleGroup dayArchiveRuleGroup();
RuleGroup monthArchiveRuleGroup();

}  // namespace nastrum
