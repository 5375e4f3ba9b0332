// The desktop list closes its gaps: one as an entry is shown, all before a write.
#include <gtest/gtest.h>

#include <array>

#include "descriptors/desktop_params.h"
#include "descriptors/desktop_steps.h"

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
  EXPECT_FALSE(closeDesktopGap(names, 1));  // present
  EXPECT_FALSE(closeDesktopGap(names, 5));  // the next is absent too
  EXPECT_TRUE(closeDesktopGap(names, 2));
  EXPECT_EQ(Pattern(names), "abcd------------");
  // The last entry empties with word 0 when the list was full.
  NamesRegion full = Desktop("a-cdefghijklmnop");
  EXPECT_TRUE(closeDesktopGap(full, 1));
  EXPECT_EQ(Pattern(full), "acdefghijklmnop-");
  EXPECT_FALSE(closeDesktopGap(full, 15));
}

// The entries above a gap move with their words as they are, absent ones
// too (a device read gives them FFFF); only entry 15 is emptied to 0.
TEST(DesktopSteps, AbsentEntriesMoveWithTheirWords) {
  NamesRegion names = Desktop("a-b-c-----------");
  for (int e : {1, 3, 5, 15}) names.desktopParams[static_cast<std::size_t>(e)] = 0xFFFF;
  ASSERT_TRUE(closeDesktopGap(names, 1));
  const std::array<Word, 6> words{'a', 'b', 0xFFFF, 'c', 0xFFFF, 0};
  for (std::size_t e = 0; e < words.size(); ++e) EXPECT_EQ(names.desktopParams[e], words[e]) << e;
  EXPECT_EQ(names.desktopParams[14], 0xFFFF) << "entry 15's word moved down";
  EXPECT_EQ(names.desktopParams[15], 0);
  EXPECT_TRUE(names.desktopNames[15].isEmpty());
}

TEST(DesktopSteps, BeforeAWriteEveryGapIsClosed) {
  NamesRegion names = Desktop("--a---b-c--d----");
  EXPECT_TRUE(CloseDesktopGaps(names));
  EXPECT_EQ(Pattern(names), "abcd------------");
  EXPECT_FALSE(CloseDesktopGaps(names));
}

}  // namespace
}  // namespace nastrum
