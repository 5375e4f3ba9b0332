#include "check/interval_slots.h"

#include <array>
#include <utility>

#include "check/descriptor_digits.h"
#include "model/message_catalogue.h"

namespace nastrum {
namespace {

// Hourly archives (user-interface numbers) sharing memory with each slot.
constexpr std::array<std::pair<int, int>, 13> kSlotHours{{
    {8, 9}, {9, 10}, {11, 12}, {12, 13}, {14, 15}, {15, 16}, {17, 18},
    {18, 19}, {20, 21}, {21, 22}, {23, 24}, {24, 25}, {26, 27},
}};

bool slotExists(Word kind, int slot) {
  if (slot < 0 || slot >= static_cast<int>(kSlotHours.size())) return false;
  return slot < 12 || kind == 2;  // the thirteenth slot is kind 2's only
}

bool extended(const SettingsImage& image, int hour) {
  return DescriptorDigits(image.hourArcDesc[static_cast<std::size_t>(hour)]).d1() == 8;
}

}  // namespace

bool IntervalSlotFree(const SettingsImage& image, int slot) {
  if (!slotExists(image.deviceKind, slot)) return false;
  const auto [first, second] = kSlotHours[static_cast<std::size_t>(slot)];
  return !extended(image, first) && !extended(image, second);
}

bool IntervalSlotFree(const SettingsImage& image, const EditorState& editor, MessagePresenter& presenter, int slot) {
  const bool free = IntervalSlotFree(image, slot);
  if (!free && !editor.suppressEvents) {
    const QString pair = intervalSlotHourPair(slot);
    if (!pair.isEmpty()) ShowMessageCode(presenter, 44, pair);
  }
  return free;
}

QString intervalSlotHourPair(int slot) {
  if (slot < 0 || slot >= static_cast<int>(kSlotHours.size())) return {};
  const auto [first, second] = kSlotHours[static_cast<std::size_t>(slot)];
  return QStringLiteral("%1,%2").arg(first).arg(second);
}

}  // namespace nastrum
