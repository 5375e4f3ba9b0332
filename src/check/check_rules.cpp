#include "check/check_rules.h"
#include "model/kind_profile.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "check/archive_rules.h"
#include "check/pipeline_rules.h"
#include "check/rule_helpers.h"
#include "check/sensor_rules.h"
#include "check/system_rules.h"

namespace nastrum {

bool wholeNumber(double value, int& number) {
  if (!std::isfinite(value) || value != std::floor(value)) return false;
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) return false;
  number = static_cast<int>(value);
  return true;
}

QString objectList(const QList<int>& objects) {
  QString text;
  for (int k : objects) text += QStringLiteral(" %1,").arg(k);
  return text;
}

bool CheckResult::checkFailed() const {
  return std::any_of(errors.begin(), errors.end(), [](const CheckError& e) { return e.repairable; });
}

bool CheckResult::flagged(CheckGroup group, int object, int code) const {
  return std::any_of(errors.begin(), errors.end(),
                     [&](const CheckError& e) { return e.group == group && e.object == object && e.code == code; });
}

const std::vector<RuleGroup>& checkRuleGroups() {
  static const std::vector<RuleGroup> groups{
      sensorRuleGroup(),         pipelineRuleGroup(),   hourArchiveRuleGroup(),
      intervalArchiveRuleGroup(), dayArchiveRuleGroup(), monthArchiveRuleGroup(),
      systemRuleGroup(),         generatorRuleGroup(),  regulatorFlagRuleGroup(),
  };
  return groups;
}

const CheckRule* findRule(CheckGroup group, int code) {
  for (const RuleGroup& g : checkRuleGroups()) {
    if (g.group != group) continue;
    for (const CheckRule& rule : g.rules)
      if (rule.code == code) return &rule;
  }
  return nullptr;
}

QString ErrorText(const CheckRule& rule, const RuleContext& context, const Finding& finding, bool spyMode) {
  QString text = rule.text(context, finding);
  if (spyMode) text += QStringLiteral(" %1").arg(rule.code);
  return text;
}

CheckResult evaluateRules(SettingsImage& image, const std::vector<RuleGroup>& groups, bool spyMode) {
  CheckResult result;
  const Word kind = image.deviceKind;
  const KindProfile& counts = kindProfile(kind);
  for (const RuleGroup& group : groups) {
    QList<CheckError> groupErrors;
    const int objects = group.objectCount(image);
    for (int n = 0; n < objects; ++n) {
      const RuleContext context{image, kind, counts, n};
      QList<CheckError> objectErrors;
      for (const CheckRule& rule : group.rules) {
        const bool skipped = std::any_of(rule.skippedAfter.begin(), rule.skippedAfter.end(), [&](int code) {
          return std::any_of(objectErrors.begin(), objectErrors.end(), [&](const CheckError& e) { return e.code == code; });
        });
        if (skipped || (rule.applies && !rule.applies(context))) continue;
        const std::optional<Finding> finding = rule.broken(context);
        if (!finding) continue;
        objectErrors.append(CheckError{group.group, n, rule.code, ErrorText(rule, context, *finding, spyMode),
                                       rule.repairable(), finding->listed});
        if (rule.onFlag && !rule.onFlag(image, n)) break;
      }
      // Rows of one object are listed by ascending code.
      std::stable_sort(objectErrors.begin(), objectErrors.end(),
                       [](const CheckError& a, const CheckError& b) { return a.code < b.code; });
      groupErrors += objectErrors;
    }
    if (group.afterRules) group.afterRules(image, groupErrors);
    result.errors += groupErrors;
  }
  return result;
}

}  // namespace nastrum
