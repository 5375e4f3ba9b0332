#include "compare/settings_comparison.h"

#include <algorithm>
#include <cstring>

#include "model/device_real.h"
#include "model/field_walk.h"

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

namespace {

// Whether two fields hold the same value, byte for byte (reals, with
// `deviceReals`, as the device's four-byte reals).
bool sameValue(const ImageField::Value& a, const ImageField::Value& b, bool deviceReals) {
  return std::visit(
      [&b, deviceReals](auto x) {
        using T = decltype(x);
        const T y = std::get<T>(b);
        if constexpr (std::is_same_v<T, std::span<std::uint8_t>>)
          return std::equal(x.begin(), x.end(), y.begin(), y.end());
        else if constexpr (std::is_same_v<T, double*>)
          return deviceReals ? EncodeDeviceReal(*x) == EncodeDeviceReal(*y)
                             : std::memcmp(x, y, sizeof(double)) == 0;  // as the files store it
        else if constexpr (std::is_same_v<T, NameSlot*>)
          return x->bytes() == y->bytes();
        else
          return *x == *y;
      },
      a);
}

}  // namespace

Comparison compareSettings(const SettingsImage& self, const QString& selfName, const SettingsImage& other,
                           const QString& otherName, const CompareOptions& options) {
  Comparison c;
  c.thisName = selfName;
  c.otherName = otherName;
  c.thisKind = self.deviceKind;
  c.otherKind = other.deviceKind;
  // The fields bind to copies, which stay as they are while they are read.
  SettingsImage a = self, b = other;
  const std::vector<ImageField> mine = imageFields(a), theirs = imageFields(b);
  const FieldLayout layout(self);
  std::optional<FieldLayout> otherLayout;
  if (c.kindsDiffer()) otherLayout.emplace(other);
  const FieldLayout& theirLayout = otherLayout ? *otherLayout : layout;

  for (std::size_t i = 0; i < mine.size() && i < theirs.size(); ++i) {
    if (!options.scope.empty() && (i >= options.scope.size() || !options.scope[i])) continue;
    const FieldPlace& place = layout.place(i);
    if (!comparable(layout.info(i), self.deviceKind, other.deviceKind)) continue;
    if (options.withoutClock && place.clock) continue;
    const bool same = sameValue(mine[i].value, theirs[i].value, options.realsAsTheDeviceKeepsThem);
    if (same && options.onlyDifferences) continue;
    const QString thisRaw = fieldText(mine[i]);
    const QString otherRaw = same ? thisRaw : fieldText(theirs[i]);
    const bool differs = !same && thisRaw != otherRaw;  // values the listing cannot tell apart count as equal
    if (differs) ++c.differences;
    if (!differs && options.onlyDifferences) continue;
    c.rows.push_back({static_cast<int>(i), layout.info(i).name.path(), place,
                      layout.shown(a, mine[i], i, options.separator),
                      theirLayout.shown(b, theirs[i], i, options.separator), thisRaw, otherRaw, differs});
  }
  std::stable_sort(c.rows.begin(), c.rows.end(),
                   [](const CompareRow& x, const CompareRow& y) { return sortKey(x) < sortKey(y); });
  return c;
}

}  // namespace nastrum
