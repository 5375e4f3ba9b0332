#include "compare/settings_comparison.h"

#include <algorithm>

#include "editor/workflow/window_title.h"

namespace nastrum {

namespace {

// Fields one kind has and the other has not mean different things: only the
// common part is compared. A damaged kind word reads as kind 2, as the pages
// read it; the kind word itself is always compared.
bool comparable(const FieldInfo& info, Word a, Word b) {
  const auto used = [&info](Word kind) { return info.usedBy(isValidDeviceKind(kind) ? kind : 2); };
  return info.kinds == KindSet::all() || used(a) == used(b);
}

auto sortKey(const CompareRow& r) {
  return std::tuple(static_cast<int>(r.place.page), r.place.family, r.place.object, r.position);
}

}  // namespace

QString Comparison::kindNote() const {
  if (!kindsDiffer()) return {};
  return QStringLiteral("Типы приборов различаются: %1 и %2; сравнены только общие части.")
      .arg(kindName(thisKind), kindName(otherKind));
}

Comparison compareSettings(const SettingsImage& self, const QString& selfName, const SettingsImage& other,
                           const QString& otherName, const CompareOptions& options) {
  Comparison c;
  c.thisName = selfName;
  c.otherName = otherName;
  c.thisKind = self.deviceKind;
  c.otherKind = other.deviceKind;
  const std::vector<PlacedField> a = placeFields(self, options.separator);
  const std::vector<PlacedField> b = placeFields(other, options.separator);
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    const PlacedField& mine = a[i];
    if (!options.scope.empty() && (i >= options.scope.size() || !options.scope[i])) continue;
    if (!comparable(mine.info, self.deviceKind, other.deviceKind)) continue;
    if (options.withoutClock && mine.place.clock) continue;
    const bool differs = mine.raw != b[i].raw;
    if (differs) ++c.differences;
    if (!differs && options.onlyDifferences) continue;
    c.rows.push_back({static_cast<int>(i), mine.info.name.path(), mine.place, mine.shown, b[i].shown, mine.raw,
                      b[i].raw, differs});
  }
  std::stable_sort(c.rows.begin(), c.rows.end(),
                   [](const CompareRow& x, const CompareRow& y) { return sortKey(x) < sortKey(y); });
  return c;
}

}  // namespace nastrum
