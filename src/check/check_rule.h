// A check rule as data: when it applies, when it is broken, its text and,
// for the repairable ones, the repair. Rule groups list them per object
// family (sensors, pipelines, the four archive families, the system words,
// current generators, regulator flags).
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QList>
#include <QString>

#include "check/check_result.h"
#include "model/kind_profile.h"
#include "model/settings_image.h"

namespace nastrum {

// What a rule sees of the object it checks.
struct RuleContext {
  const SettingsImage& image;
  Word kind;           // DeviceKind 1, 2 or 3
  KindProfile counts;   // used objects of the kind
  int number;          // user-interface number of the object (array index)
};

// A broken rule; list rules also carry the objects their text names.
struct Finding {
  QList<int> listed;
};

struct CheckRule {
  int code = 0;
  // Only evaluated when this returns true (an empty function means always).
  std::function<bool(const RuleContext&)> applies;
  // Returns a finding when the object breaks the rule.
  std::function<std::optional<Finding>(const RuleContext&)> broken;
  // The error text without the spy-mode code.
  std::function<QString(const RuleContext&, const Finding&)> text;
  // Codes whose flag on the same object makes this rule skip.
  std::vector<int> skippedAfter;
  // Set only for rules the automatic correction repairs: mends object `number`.
  std::function<void(SettingsImage&, int number)> repair;
  // Silent normalisation when the rule is flagged, seen by the object's later
  // rules; returns false when the object's remaining rules are to be skipped.
  std::function<bool(SettingsImage&, int number)> onFlag = {};

  bool repairable() const { return static_cast<bool>(repair); }
};

struct RuleGroup {
  CheckGroup group;
  // Number of objects of this family the kind uses (0 when the kind has none).
  std::function<int(const SettingsImage&)> objectCount;
  std::vector<CheckRule> rules;  // in evaluation order
  // Silent normalisations some families apply to the image after their rules
  // ran (an empty function means none).
  std::function<void(SettingsImage&, const QList<CheckError>& flagged)> afterRules;
};

// Makes a broken-test from a plain yes/no condition.
inline std::function<std::optional<Finding>(const RuleContext&)> when(std::function<bool(const RuleContext&)> condition) {
  return [condition = std::move(condition)](const RuleContext& c) -> std::optional<Finding> {
    if (condition(c)) return Finding{};
    return std::nullopt;
  };
}

// " 2, 5," : every listed object preceded by a space and followed by a comma.
QString objectList(const QList<int>& objects);

}  // namespace nastrum
