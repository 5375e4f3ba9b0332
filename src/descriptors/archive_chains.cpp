// The chain rules of the archives: heads, their continuations and levels,
// and the words a state choice writes.
#include "descriptors/archive_words.h"

#include "descriptors/archive_levels.h"
#include "descriptors/descriptor_digits.h"

namespace nastrum {

using archive_levels::hasLevels;
using archive_levels::isChained;

std::optional<int> headOf(ArchiveFamily f, Word desc) {
  if (archiveState(f, desc) != ArchiveState::Continuation) return std::nullopt;
  if (hasLevels(f) && digitOf(desc, 1) == 9) return std::nullopt;
  const int lo = lowByte(desc);
  if (lo == kNoReference) return std::nullopt;
  return lo;
}

int continuationLevel(ArchiveFamily f, Word desc) {
  if (archiveState(f, desc) != ArchiveState::Continuation) return 0;
  if (f == ArchiveFamily::Daily) return 1;
  const int d1 = digitOf(desc, 1);
  return d1 <= 7 ? d1 : 0;
}

std::vector<int> continuationsOf(const SettingsImage& image, ArchiveFamily f, int head) {
  std::vector<int> out;
  if (!isChained(f)) return out;
  const int count = archiveCount(f, image.deviceKind);
  for (int n = 0; n < count; ++n) {
    if (n == head) continue;
    const Word d = archiveWords(image, f, n).desc;
    if (f == ArchiveFamily::Daily) {
      if (highByte(d) == 0x10 && lowByte(d) == head) out.push_back(n);
    } else {
      const int d1 = digitOf(d, 1);
      // Level 1..7 is never a head, so the level and the operand decide.
      if (d1 >= 1 && d1 <= 7 && isArchiveWorking(d) && lowByte(d) == head) out.push_back(n);
    }
  }
  return out;
}

std::vector<int> headCandidates(const SettingsImage& image, ArchiveFamily f, int self) {
  std::vector<int> out;
  const int count = archiveCount(f, image.deviceKind);
  for (int n = 0; n < count; ++n) {
    if (n == self) continue;
    const Word d = archiveWords(image, f, n).desc;
    if (!isArchiveWorking(d)) continue;
    bool ok = false;
    switch (f) {
      case ArchiveFamily::Hourly: ok = digitOf(d, 1) != 8 && digitOf(d, 2) != 8; break;
      case ArchiveFamily::Interval: ok = digitOf(d, 2) != 8; break;
      case ArchiveFamily::Daily: ok = highByte(d) != 0x10; break;
      case ArchiveFamily::Monthly: break;
    }
    if (ok) out.push_back(n);
  }
  return out;
}

ChoiceList headChoices(const SettingsImage& image, ArchiveFamily f, int self) {
  return numberChoices(headCandidates(image, f, self), kNoReference);
}

std::array<std::optional<int>, 8> chainCells(const SettingsImage& image, ArchiveFamily f, int n) {
  std::array<std::optional<int>, 8> cells{};
  const auto head = headOf(f, archiveWords(image, f, n).desc);
  if (!head) return cells;
  cells[0] = *head;
  for (int c : continuationsOf(image, f, *head)) {
    const int level = continuationLevel(f, archiveWords(image, f, c).desc);
    if (level >= 1 && level <= 7) cells[static_cast<std::size_t>(level)] = c;
  }
  return cells;
}

void detachContinuation(SettingsImage& image, ArchiveFamily f, int n) {
  ArchiveWords w = archiveWords(image, f, n);
  if (f == ArchiveFamily::Daily) {
    setArchiveWords(image, f, n, {kUnattachedDailyContinuation, 0, 0});
    return;
  }
  const auto head = headOf(f, w.desc);
  const int level = continuationLevel(f, w.desc);
  setArchiveWords(image, f, n, {kUnattachedContinuation, 0, 0});
  if (!head || level == 0) return;
  // Later levels move down one so the chain stays contiguous.
  for (int c : continuationsOf(image, f, *head)) {
    ArchiveWords cw = archiveWords(image, f, c);
    const int l = digitOf(cw.desc, 1);
    if (l > level) {
      cw.desc = withDigit(cw.desc, 1, l - 1);
      setArchiveWords(image, f, c, cw);
    }
  }
}

int attachContinuation(SettingsImage& image, ArchiveFamily f, int n, std::optional<int> head) {
  if (f == ArchiveFamily::Daily) {
    setArchiveWords(image, f, n, {kUnattachedDailyContinuation, 0, 0});
    if (!head) return 0;
    if (!continuationsOf(image, f, *head).empty()) return 28;
    setArchiveWords(image, f, n, {makeWord(0x10, *head), 0, 0});
    return 0;
  }
  detachContinuation(image, f, n);
  if (!head) return 0;
  const int count = static_cast<int>(continuationsOf(image, f, *head).size());
  if (count >= kMaxContinuations) return 26;
  setArchiveWords(image, f, n, {((count + 1) << 12) | 0x0800 | (*head & 0xFF), 0, 0});
  return 0;
}

int continuationRefusal(const SettingsImage& image, ArchiveFamily f, int n) {
  return headCandidates(image, f, n).empty() ? 61 : 0;
}

void deleteContinuations(SettingsImage& image, ArchiveFamily f, int head) {
  for (int c : continuationsOf(image, f, head)) setArchiveWords(image, f, c, {});
}

void applyArchiveState(SettingsImage& image, ArchiveFamily f, int n, ArchiveState state) {
  switch (state) {
    case ArchiveState::Head: {
      ArchiveWords w{0x0140, 0, 0};
      applyArchiveItem(w, ItemSensorValue);
      setArchiveWords(image, f, n, w);
      break;
    }
    case ArchiveState::Continuation:
      setArchiveWords(image, f, n,
                      {f == ArchiveFamily::Daily ? kUnattachedDailyContinuation : kUnattachedContinuation, 0, 0});
      break;
    default:
      setArchiveWords(image, f, n, {});
      break;
  }
}

void repairArchiveState(SettingsImage& image, ArchiveFamily f, int n, ArchiveState state) {
  ArchiveWords w = archiveWords(image, f, n);
  switch (state) {
    case ArchiveState::Head:
      w.desc = f == ArchiveFamily::Daily ? withHighByte(w.desc, 0x01) : withDigit(w.desc, 2, 1);
      break;
    case ArchiveState::Continuation:
      w.desc = f == ArchiveFamily::Daily ? withHighByte(w.desc, 0x10) : withDigit(w.desc, 2, 8);
      break;
    default:
      w = {};
      break;
  }
  setArchiveWords(image, f, n, w);
}

void applyMonthlyPresence(SettingsImage& image, int n, bool present) {
  setArchiveWords(image, ArchiveFamily::Monthly, n, present ? ArchiveWords{0x0140, 0, 0} : ArchiveWords{});
}

}  // namespace nastrum
