#include <gtest/gtest.h>

#include "descriptors/archive_words.h"
#include "support/fresh_image.h"

namespace nastrum::testing {
namespace {

TEST(IntervalSlots, ASlotIsTakenWhenEitherPairedHourlyArchiveIsExtended) {
  SettingsImage image = freshImage(2);
  EXPECT_TRUE(IntervalSlotFree(image, 0));
  image.hourArcDesc[9] = 0x8140;  // hourly 9 extended: slots 0 and 1
  EXPECT_FALSE(IntervalSlotFree(image, 0));
  EXPECT_FALSE(IntervalSlotFree(image, 1));
  EXPECT_TRUE(IntervalSlotFree(image, 2));
  image.hourArcDesc[27] = 0x8140;
  EXPECT_FALSE(IntervalSlotFree(image, 12));
}

TEST(IntervalSlots, TheThirteenthSlotExistsOnKind2Only) {
  EXPECT_TRUE(IntervalSlotFree(freshImage(2), 12));
  EXPECT_FALSE(IntervalSlotFree(freshImage(3), 12));
  EXPECT_FALSE(IntervalSlotFree(freshImage(2), 13));
  EXPECT_FALSE(IntervalSlotFree(freshImage(2), -1));
  EXPECT_FALSE(IntervalSlotFree(freshImage(1), 0));  // the small model has no interval archives
}

TEST(IntervalSlots, APairOfHourlyArchivesNamesTheSlot) {
  EXPECT_EQ(intervalSlotHourPair(0), QStringLiteral("8,9"));
  EXPECT_EQ(intervalSlotHourPair(7), QStringLiteral("18,19"));
  EXPECT_EQ(intervalSlotHourPair(13), QString());
}

}  // namespace
}  // namespace nastrum::testing
