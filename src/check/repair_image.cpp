#include "check/repair_image.h"

#include "check/check_rules.h"

namespace nastrum {

void RepairImage(SettingsImage& image, const CheckResult& last) {
  for (const CheckError& error : last.errors) {
    if (!error.repairable) continue;
    const CheckRule* rule = findRule(error.group, error.code);
    if (rule && rule->repair) rule->repair(image, error.object);
  }
}

}  // namespace nastrum
