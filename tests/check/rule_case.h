// A table row for the rule tests: an image that breaks exactly the rules
// named (or none, for a boundary that must pass).
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "check/check_rules.h"

namespace nastrum::testing {

struct Flag {
  CheckGroup group;
  int object;
  int code;
  bool operator==(const Flag&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Flag& f) {
  return os << "(group " << static_cast<int>(f.group) << ", object " << f.object << ", code " << f.code << ")";
}

struct RuleCase {
  std::string name;
  Word kind;
  std::function<void(SettingsImage&)> setup;
  std::vector<Flag> expected;
};

inline std::ostream& operator<<(std::ostream& os, const RuleCase& c) { return os << c.name; }

inline std::vector<Flag> flagsOf(const CheckResult& result) {
  std::vector<Flag> flags;
  for (const CheckError& e : result.errors) flags.push_back({e.group, e.object, e.code});
  return flags;
}

inline std::string caseName(const ::testing::TestParamInfo<RuleCase>& info) { return info.param.name; }

}  // namespace nastrum::testing
