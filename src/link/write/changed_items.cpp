#include "link/write/changed_items.h"

#include <set>
#include <utility>

namespace nastrum {

std::vector<WriteStep> ChangedSteps(const std::vector<WriteStep>& planned, const std::vector<WriteStep>& held) {
  const auto differs = [&](std::size_t i) {
    return planned[i].password || i >= held.size() || planned[i].data != held[i].data;
  };
  // A bundle is named by its family and number.
  const auto bundleOf = [](const WriteStep& step) { return std::make_pair(static_cast<int>(step.family), step.bundle); };
  std::set<std::pair<int, int>> changedBundles;
  for (std::size_t i = 0; i < planned.size(); ++i)
    if (planned[i].bundle >= 0 && differs(i)) changedBundles.insert(bundleOf(planned[i]));
  std::vector<WriteStep> out;
  for (std::size_t i = 0; i < planned.size(); ++i) {
    const WriteStep& step = planned[i];
    const bool bundled = step.bundle >= 0 && changedBundles.count(bundleOf(step)) > 0;
    if (bundled || differs(i)) out.push_back(step);
  }
  return out;
}

WriteGroups DifferingGroups(int kind, const SettingsImage& image, const SettingsImage& held) {
  const std::vector<WriteStep> changed = ChangedSteps(PlanConstantsWrite(kind, WriteGroups::all(), false, image),
                                                      PlanConstantsWrite(kind, WriteGroups::all(), false, held));
  WriteGroups groups;
  for (const WriteStep& step : changed) groups.set(step.group, true);
  return groups;
}

int CountedItems(const std::vector<WriteStep>& steps) {
  int count = 0;
  for (const WriteStep& step : steps)
    if (!step.password) ++count;
  return count;
}

}  // namespace nastrum
