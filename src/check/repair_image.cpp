#include "check/repair_image.h"

#include "check/check_rules.h"

namespace nastrum {
namespace {

// More rounds than any chain of repairs needs; only a guard.
constexpr int kMaxRounds = 8;

void applyRepairs(SettingsImage& image, const CheckResult& result) {
  for (const CheckError& error : result.errors) {
    if (!error.repairable) continue;
    const CheckRule* rule = findRule(error.group, error.code);
    if (rule && rule->repair) rule->repair(image, error.object);
  }
}

}  // namespace

void RepairImage(SettingsImage& image, const CheckResult& last) {
  applyRepairs(image, last);
  for (int round = 1; round < kMaxRounds; ++round) {
    const CheckResult again = evaluateRules(image, false);
    if (!again.checkFailed()) return;
    applyRepairs(image, again);
  }
}

}  // namespace nastrum
