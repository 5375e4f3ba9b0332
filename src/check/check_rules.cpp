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

namespace {

// A flagged (object, rule) pair whose text is still to be written.
struct Flagged {
  CheckError row;
  const CheckRule* rule;
  Finding finding;
};

QList<CheckError> rowsOf(const std::vector<Flagged>& flagged) {
  QList<CheckError> rows;
  for (const Flagged& f : flagged) rows.append(f.row);
  return rows;
}

}  // namespace

CheckResult evaluateRules(SettingsImage& image, const std::vector<RuleGroup>& groups, bool spyMode) {
  const Word kind = image.deviceKind;
  const KindProfile& counts = kindProfile(kind);
  std::vector<Flagged> flagged;
  for (const RuleGroup& group : groups) {
    std::vector<Flagged> groupFlagged;
    const int objects = group.objectCount(image);
    for (int n = 0; n < objects; ++n) {
      const RuleContext context{image, kind, counts, n};
      std::vector<Flagged> objectFlagged;
      for (const CheckRule& rule : group.rules) {
        const bool skipped = std::any_of(rule.skippedAfter.begin(), rule.skippedAfter.end(), [&](int code) {
          return std::any_of(objectFlagged.begin(), objectFlagged.end(), [&](const Flagged& f) { return f.row.code == code; });
        });
        if (skipped || (rule.applies && !rule.applies(context))) continue;
        std::optional<Finding> finding = rule.broken(context);
        if (!finding) continue;
        objectFlagged.push_back({CheckError{group.group, n, rule.code, {}, rule.repairable(), finding->listed}, &rule,
                                 std::move(*finding)});
        if (rule.onFlag && !rule.onFlag(image, n)) break;
      }
      // Rows of one object are listed by ascending code.
      std::stable_sort(objectFlagged.begin(), objectFlagged.end(),
                       [](const Flagged& a, const Flagged& b) { return a.row.code < b.row.code; });
      groupFlagged.insert(groupFlagged.end(), objectFlagged.begin(), objectFlagged.end());
    }
    if (group.afterRules) group.afterRules(image, rowsOf(groupFlagged));
    flagged.insert(flagged.end(), groupFlagged.begin(), groupFlagged.end());
  }

  // The texts are written once every group has run, so a word a text quotes
  // is the word the image holds after the check's own normalisations (the
  // renumbered level of a continuation), which is what the repair then reads.
  CheckResult result;
  for (Flagged& f : flagged) {
    f.row.text = ErrorText(*f.rule, RuleContext{image, kind, counts, f.row.object}, f.finding, spyMode);
    result.errors.append(std::move(f.row));
  }
  return result;
}

}  // namespace nastrum
