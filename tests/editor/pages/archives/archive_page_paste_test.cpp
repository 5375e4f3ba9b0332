// Copy and paste of archives and events on the "Архивы" page.
#include "page_fixture.h"

namespace nastrum::test {
namespace {

TEST_F(ArchivePageTest, PasteIsOfferedOnlyAfterCopyingSomething) {
  for (G g : {G::Hourly, G::Daily, G::Monthly, G::Interval, G::Event}) {
    EXPECT_FALSE(page.canPasteArchive(g));
    page.copyArchive(g);  // a free archive leaves nothing to paste
    EXPECT_FALSE(page.canPasteArchive(g));
  }
  put(F::Monthly, 0, 0x0280, 0x0003, 0x0004);
  page.copyArchive(G::Monthly);
  page.select(G::Monthly, 9);
  put(F::Monthly, 9, 0x0140);
  page.pasteArchive(G::Monthly);
  EXPECT_EQ(archiveWords(ws.image, F::Monthly, 9), (ArchiveWords{0x0280, 3, 4}));

  ws.image.eventType[0] = 0x4010;
  ws.image.eventParam[0] = 0x1234;
  page.copyArchive(G::Event);
  page.select(G::Event, 100);
  page.pasteArchive(G::Event);
  EXPECT_EQ(ws.image.eventType[100], 0x4010);
  EXPECT_EQ(ws.image.eventParam[100], 0x1234);
}

TEST_F(ArchivePageTest, PastingOverAHeadAsksForItsChain) {
  put(F::Hourly, 0, 0x0240, 0, 0);
  page.copyArchive(G::Hourly);
  put(F::Hourly, 3, 0x0105);
  put(F::Hourly, 4, 0x1803);
  page.select(G::Hourly, 3);
  for (int answer : {AnswerNo, AnswerYes}) boxes.then(answer);
  page.pasteArchive(G::Hourly);
  EXPECT_EQ(desc(F::Hourly, 3), 0x0105);
  EXPECT_EQ(desc(F::Hourly, 4), 0x1803);
  page.pasteArchive(G::Hourly);
  EXPECT_EQ(boxes.codes(), (std::vector<int>{38, 38}));
  EXPECT_EQ(desc(F::Hourly, 3), 0x0240);
  EXPECT_EQ(desc(F::Hourly, 4), 0);
}

TEST_F(ArchivePageTest, APastedContinuationJoinsItsChainAtTheNextLevel) {
  put(F::Hourly, 0, 0x0140);
  put(F::Hourly, 1, 0x1800);
  put(F::Hourly, 2, 0x2800);
  page.select(G::Hourly, 1);
  page.copyArchive(G::Hourly);  // level 1 of head 0
  page.select(G::Hourly, 5);
  page.pasteArchive(G::Hourly);
  EXPECT_EQ(desc(F::Hourly, 5), 0x3800);  // not a second level 1

  put(F::Daily, 0, 0x0140);
  put(F::Daily, 1, 0x1000);
  page.select(G::Daily, 1);
  page.copyArchive(G::Daily);
  page.select(G::Daily, 2);
  boxes.acknowledgeOkBoxes();
  page.pasteArchive(G::Daily);  // the head already has its continuation
  EXPECT_EQ(boxes.codes(), std::vector<int>{28});
  EXPECT_EQ(desc(F::Daily, 2), kUnattachedDailyContinuation);

  page.select(G::Daily, 0);  // onto its own head: nothing to attach to
  boxes.clear();
  boxes.then(AnswerYes);
  page.pasteArchive(G::Daily);
  EXPECT_EQ(desc(F::Daily, 0), kUnattachedDailyContinuation);
  EXPECT_EQ(desc(F::Daily, 1), 0);
}

TEST_F(ArchivePageTest, PastedWordsMeetTheSlotRules) {
  boxes.acknowledgeOkBoxes();
  put(F::Hourly, 0, 0x8140);
  page.copyArchive(G::Hourly);
  put(F::Interval, 0, 0x0240);
  page.select(G::Hourly, 8);
  page.pasteArchive(G::Hourly);  // interval 0 occupies what hourly 8 would extend into
  EXPECT_EQ(desc(F::Hourly, 8), 0x0140);
  EXPECT_EQ(boxes.codes(), std::vector<int>{43});

  boxes.clear();
  boxes.acknowledgeOkBoxes();
  put(F::Hourly, 9, 0x8140);
  page.select(G::Interval, 0);
  page.copyArchive(G::Interval);
  page.select(G::Interval, 1);
  put(F::Interval, 1, 0x0440, 0, 0);
  page.pasteArchive(G::Interval);  // refused before the target is cleared
  EXPECT_EQ(boxes.codes(), std::vector<int>{44});
  EXPECT_EQ(desc(F::Interval, 1), 0x0440);

  boxes.clear();
  boxes.acknowledgeOkBoxes();
  ws.image.eventType[0] = 0x0100;
  page.copyArchive(G::Event);
  ws.image.eventType[0] = 0;
  put(F::Interval, 12, 0x0140);
  page.select(G::Event, 1);
  page.pasteArchive(G::Event);
  EXPECT_EQ(boxes.codes(), std::vector<int>{66});
  EXPECT_EQ(ws.image.eventType[1], 0);
}

TEST_F(ArchivePageTest, TheArchiveBufferSurvivesAnotherImage) {
  put(F::Hourly, 2, 0x0405, 0, 0);
  page.select(G::Hourly, 2);
  page.copyArchive(G::Hourly);
  ws.image = ::nastrum::testing::freshImage(3);
  page.pasteArchive(G::Hourly);
  EXPECT_EQ(desc(F::Hourly, 2), 0x0405);
}

}  // namespace
}  // namespace nastrum::test
