// The desktop list closes its gaps: one as an entry is shown, all before a write.
#include <gtest/gtest.h>

#include "editor/descriptors/desktop_steps.h"

namespace nastrum {
namespace {

// Entries from a pattern: a letter is a present entry of that name (its word
// the letter's code), "-" an absent one.
NamesRegion Desktop(const char* pattern) {
  NamesRegion names;
  for (int e = 0; pattern[e] && e < kDesktopEntryCount; ++e) {
    if (pattern[e] == '-') continue;
    names.desktopNames[static_cast<std::size_t>(e)].setBytes(QByteArray(1, pattern[e]));
    names.desktopParams[static_cast<std::size_t>(e)] = pattern[e];
  }
  return names;
}

std::string Pattern(const NamesRegion& names) {
  std::string out;
  for (int e = 0; e < kDesktopEntryCount; ++e) {
    const NameSlot& slot = names.desktopNames[static_cast<std::size_t>(e)];
    const Word word = names.desktopParams[static_cast<std::size_t>(e)];
    out += slot.isEmpty() ? (word == 0 ? '-' : '?') : (word == slot.bytes()[0] ? slot.bytes()[0] : '!');
  }
  return out;
}

TEST(DesktopSteps, ShowingAnAbsentEntryBeforeAPresentOneMovesTheRestDown) {
  NamesRegion names = Desktop("ab-cd-----------");
  EXPECT_FALSE(CloseDesktopGap(names, 1));  // present
  EXPECT_FALSE(CloseDesktopGap(names, 5));  // the next is absent too
  EXPECT_TRUE(CloseDesktopGap(names, 2));
  EXPECT_EQ(Pattern(names), "abcd------------");
  // The last entry empties with word 0 when the list was full.
  NamesRegion full = Desktop("a-cdefghijklmnop");
  EXPECT_TRUE(CloseDesktopGap(full, 1));
  EXPECT_EQ(Pattern(full), "acdefghijklmnop-");
  EXPECT_FALSE(CloseDesktopGap(full, 15));
}

TEST(DesktopSteps, BeforeAWriteEveryGapIsClosed) {
  NamesRegion names = Desktop("--a---b-c--d----");
  CloseDesktopGaps(names);
  EXPECT_EQ(Pattern(names), "abcd------------");
}

}  // namespace
}  // namespace nastrum
