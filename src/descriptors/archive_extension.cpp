// The extension of hourly archives and what it excludes: the interval
// archives whose memory an extended hourly archive takes, and the events
// that share an interval archive's memory on some kinds.
#include "descriptors/archive_words.h"

#include <algorithm>

#include <QStringList>

#include "descriptors/descriptor_digits.h"
#include "model/kind_profile.h"

namespace nastrum {

namespace {

bool isFree(Word w, int test) {
  const int hi = highByte(w);
  switch (test) {
    case 0: return !isArchiveWorking(w);   // full test
    case 1: return hi == 0x00 || hi == 0xFF;  // high-byte test
    default: return (w & 0xFFFF) == 0;     // zero test
  }
}

QString joined(std::initializer_list<int> numbers) {
  QStringList parts;
  for (int n : numbers) parts << QString::number(n);
  return parts.join(u',');
}

}  // namespace

void applyExtension(SettingsImage& image, int hourly, bool extended) {
  Word& d = image.hourArcDesc[static_cast<std::size_t>(hourly)];
  d = withDigit(d, 1, extended ? 8 : 0);
}

namespace {

// Interval archives an extended hourly archive 8..27 occupies: which are
// tested (0 full, 1 high byte, 2 zero) and which the refusal names.
struct ExtensionRule {
  int hourly;
  int interval1, test1;
  int interval2, test2;  // -1: none
};
constexpr ExtensionRule kExtensionRules[] = {
    {8, 0, 0, -1, 0},  {9, 0, 0, 1, 1},   {10, 1, 0, -1, 0}, {11, 2, 0, -1, 0},
    {12, 2, 0, 3, 1},  {13, 3, 0, -1, 0}, {14, 4, 0, -1, 0}, {15, 5, 0, 4, 1},
    {16, 5, 0, -1, 0}, {17, 6, 0, -1, 0}, {18, 7, 0, 6, 1},  {19, 7, 0, -1, 0},
    {20, 8, 0, -1, 0}, {21, 8, 0, 9, 2},  {22, 9, 0, -1, 0}, {23, 10, 0, -1, 0},
    {24, 10, 0, 11, 1}, {25, 11, 0, -1, 0}, {26, 12, 0, -1, 0}, {27, 12, 0, -1, 0},
};

// The two hourly archives whose extension excludes interval archive k.
constexpr std::array<std::array<int, 2>, 13> kIntervalExclusions{{
    {8, 9}, {9, 10}, {11, 12}, {12, 13}, {14, 15}, {15, 16}, {17, 18},
    {18, 19}, {20, 21}, {21, 22}, {23, 24}, {24, 25}, {26, 27},
}};

constexpr int kAlwaysExtensible = 7;  // hourly archives 0..7 need no interval archive

// The interval archive a kind keeps its events in, or -1.
int eventsInterval(int kind) { return kindProfile(kind).eventsShareIntervalArchive; }

}  // namespace

// Hourly archives 8..27 may be extended only where the kind has every
// interval archive their extension occupies.
bool isInExtensionRange(int kind, int hourly) {
  if (hourly < 0) return false;
  if (hourly <= kAlwaysExtensible) return true;
  const int intervals = kindProfile(kind).intervalArchives;
  for (const ExtensionRule& r : kExtensionRules)
    if (r.hourly == hourly) return r.interval1 < intervals && r.interval2 < intervals;
  return false;
}

std::optional<Refusal> extensionRefusal(const SettingsImage& image, int hourly) {
  const int kind = image.deviceKind;
  if (!isInExtensionRange(kind, hourly)) return Refusal{};
  if (hourly <= kAlwaysExtensible) return std::nullopt;
  for (const auto& r : kExtensionRules) {
    if (r.hourly != hourly) continue;
    const Word w1 = image.intervalArcDesc[static_cast<std::size_t>(r.interval1)];
    bool blocked = !isFree(w1, r.test1);
    if (r.interval2 >= 0)
      blocked = blocked || !isFree(image.intervalArcDesc[static_cast<std::size_t>(r.interval2)], r.test2);
    if (blocked) {
      const int a = std::min(r.interval1, r.interval2 < 0 ? r.interval1 : r.interval2);
      const int b = std::max(r.interval1, r.interval2);
      return Refusal{43, r.interval2 < 0 ? QString::number(r.interval1) : joined({a, b})};
    }
    const int shared = eventsInterval(kind);
    if (shared >= 0 && (r.interval1 == shared || r.interval2 == shared) && anyEventDescribed(image))
      return Refusal{63, {}};
    return std::nullopt;
  }
  return std::nullopt;
}

std::optional<ExtensionSlots> extensionSlots(int hourly) {
  for (const auto& r : kExtensionRules)
    if (r.hourly == hourly) return ExtensionSlots{r.interval1, r.interval2};
  return std::nullopt;
}

bool IntervalSlotFree(const SettingsImage& image, int slot) {
  if (slot < 0 || slot >= archiveCount(ArchiveFamily::Interval, image.deviceKind)) return false;
  for (int h : kIntervalExclusions[static_cast<std::size_t>(slot)])
    if (isExtendedHead(image.hourArcDesc[static_cast<std::size_t>(h)])) return false;
  return true;
}

QString intervalSlotHourPair(int slot) {
  if (slot < 0 || slot >= static_cast<int>(kIntervalExclusions.size())) return {};
  const auto& pair = kIntervalExclusions[static_cast<std::size_t>(slot)];
  return joined({pair[0], pair[1]});
}

std::optional<Refusal> intervalCreationRefusal(const SettingsImage& image, int k) {
  if (k < 0 || k >= archiveCount(ArchiveFamily::Interval, image.deviceKind)) return Refusal{};
  if (!IntervalSlotFree(image, k)) return Refusal{44, intervalSlotHourPair(k)};
  if (k == eventsInterval(image.deviceKind) && anyEventDescribed(image)) return Refusal{64, {}};
  return std::nullopt;
}

int eventCreationRefusal(const SettingsImage& image) {
  const int shared = eventsInterval(image.deviceKind);
  if (shared < 0) return 0;
  if (isArchiveWorking(image.intervalArcDesc[static_cast<std::size_t>(shared)])) return 66;
  for (int h : kIntervalExclusions[static_cast<std::size_t>(shared)])
    if (isExtendedHead(image.hourArcDesc[static_cast<std::size_t>(h)])) return 65;
  return 0;
}


bool anyIntervalWorking(const SettingsImage& image) {
  const int count = archiveCount(ArchiveFamily::Interval, image.deviceKind);
  for (int n = 0; n < count; ++n)
    if (isArchiveWorking(image.intervalArcDesc[static_cast<std::size_t>(n)])) return true;
  return false;
}

}  // namespace nastrum
