#include <gtest/gtest.h>

#include "editor/descriptors/archive_words.h"
#include "support/fresh_image.h"
#include "support/scripted_presenter.h"

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

TEST(IntervalSlots, Message44NamesThePairUnlessEventsAreSuppressed) {
  SettingsImage image = freshImage(2);
  image.hourArcDesc[19] = 0x8140;  // slot 7: hourly 18 and 19
  EditorState editor;
  ScriptedPresenter boxes{AnswerOk};
  EXPECT_FALSE(IntervalSlotFree(image, editor, boxes, 7));
  ASSERT_EQ(boxes.codes(), std::vector<int>{44});
  EXPECT_TRUE(boxes.last().text.contains(QStringLiteral("18,19")));

  editor.suppressEvents = true;
  EXPECT_FALSE(IntervalSlotFree(image, editor, boxes, 7));
  EXPECT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(intervalSlotHourPair(0), QStringLiteral("8,9"));
}

}  // namespace
}  // namespace nastrum::testing
