// The rules of the "Архивы" page: number boxes, chains, extension and the
// slot conflicts between hourly, interval and event archives.
#include "page_fixture.h"

#include "descriptors/descriptor_digits.h"
#include "descriptors/name_rule.h"
#include "model/hex_text.h"

namespace nastrum::test {
namespace {

TEST_F(ArchivePageTest, NumberBoxesWrapAndRefuseText) {
  struct Case {
    Word kind;
    G group;
    int typed, shown;
  } cases[] = {
      {2, G::Hourly, -1, 31}, {2, G::Hourly, 32, 0}, {1, G::Daily, 32, 0},   {2, G::Daily, 32, 32},
      {2, G::Daily, 64, 0},   {3, G::Monthly, -5, 62}, {2, G::Interval, 13, 0}, {3, G::Interval, -1, 11},
      {2, G::Event, -1, 127}, {3, G::Event, 64, 0},
  };
  for (const auto& c : cases) {
    useKind(c.kind);
    EXPECT_EQ(page.select(c.group, c.typed), c.shown) << c.kind << " " << c.typed;
    EXPECT_EQ(page.current(c.group), c.shown);
  }
  useKind(1);
  EXPECT_FALSE(page.groupExists(G::Interval));
  EXPECT_FALSE(page.groupExists(G::Event));

  useKind(3);  // the message names the fixed range whatever the kind
  const std::pair<G, int> messages[] = {{G::Hourly, 25}, {G::Daily, 27}, {G::Monthly, 39}, {G::Interval, 40}, {G::Event, 54}};
  for (auto [group, code] : messages) {
    boxes.acknowledgeOkBoxes();
    EXPECT_FALSE(page.selectText(group, "1x"));
    EXPECT_EQ(boxes.last().code, code);
    EXPECT_FALSE(page.current(group));  // the group is left empty
  }
  boxes.clear();
  EXPECT_FALSE(page.selectText(G::Hourly, ""));
  EXPECT_TRUE(boxes.shown().empty());
  EXPECT_EQ(page.selectText(G::Hourly, "-1"), 31);
  EXPECT_FALSE(page.takeChange());
}

TEST_F(ArchivePageTest, HourlyChainKeepsItsLevelsContiguous) {
  page.select(G::Hourly, 3);
  page.chooseState(F::Hourly, S::Head);
  for (int n : {5, 6, 7, 9}) continueHead(F::Hourly, n, 3);
  EXPECT_EQ(desc(F::Hourly, 5), 0x1803);
  EXPECT_EQ(desc(F::Hourly, 9), 0x4803);
  page.select(G::Hourly, 7);
  const auto cells = page.view(F::Hourly).chainCells;
  EXPECT_EQ(QStringList(cells.begin(), cells.end()), (QStringList{"3", "5", "6", "7", "9", "", "", ""}));

  page.select(G::Hourly, 6);
  page.chooseHead(F::Hourly, std::nullopt);  // "нет" detaches
  EXPECT_EQ(desc(F::Hourly, 6), kUnattachedContinuation);
  EXPECT_EQ(desc(F::Hourly, 7), 0x2803);
  EXPECT_EQ(desc(F::Hourly, 9), 0x3803);
  EXPECT_EQ(page.view(F::Hourly).chainCells[0], "-");
  EXPECT_TRUE(page.takeChange());
  EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ArchivePageTest, FullHeadsRefuseAnotherContinuation) {
  put(F::Hourly, 0, 0x0140);
  for (int n = 1; n <= 7; ++n) continueHead(F::Hourly, n, 0);
  boxes.acknowledgeOkBoxes();
  continueHead(F::Hourly, 8, 0);
  EXPECT_EQ(boxes.codes(), std::vector<int>{26});
  EXPECT_EQ(desc(F::Hourly, 8), kUnattachedContinuation);
  EXPECT_EQ(page.view(F::Hourly).headIndex, page.view(F::Hourly).headChoices.indexOfCode(kNoReference));

  boxes.clear();
  boxes.acknowledgeOkBoxes();
  put(F::Daily, 4, 0x0140);
  continueHead(F::Daily, 5, 4);
  EXPECT_EQ(desc(F::Daily, 5), 0x1004);
  continueHead(F::Daily, 6, 4);
  EXPECT_EQ(boxes.codes(), std::vector<int>{28});
  EXPECT_EQ(desc(F::Daily, 6), kUnattachedDailyContinuation);
}

TEST_F(ArchivePageTest, ContinuationNeedsAHead) {
  boxes.acknowledgeOkBoxes();
  page.chooseState(F::Daily, S::Continuation);
  EXPECT_EQ(boxes.codes(), std::vector<int>{61});
  EXPECT_EQ(desc(F::Daily, 0), 0);
  EXPECT_FALSE(page.takeChange());
}

// Head 2 with continuations 4 and 6; then a state change of the head.
TEST_F(ArchivePageTest, RemovingAHeadAsksForItsChain) {
  for (int answer : {AnswerNo, AnswerYes}) {
    SCOPED_TRACE(answer);
    useKind(2);
    page.takeChange();
    put(F::Interval, 2, 0x0240);
    put(F::Interval, 4, 0x1802);
    put(F::Interval, 6, 0x2802);
    boxes.clear();
    boxes.then(answer);
    page.select(G::Interval, 2);
    page.takeChange();
    page.chooseState(F::Interval, S::NotWorking);
    ASSERT_EQ(boxes.codes(), std::vector<int>{38});
    EXPECT_TRUE(boxes.last().text.contains(QStringLiteral("№ 4 ,")));
    const bool yes = answer == AnswerYes;
    EXPECT_EQ(desc(F::Interval, 2), yes ? 0 : 0x0240);
    EXPECT_EQ(desc(F::Interval, 4), yes ? 0 : 0x1802);
    EXPECT_EQ(desc(F::Interval, 6), yes ? 0 : 0x2802);
    EXPECT_EQ(page.takeChange(), yes);
  }
}

TEST_F(ArchivePageTest, ABrokenKindDigitIsOnlyRepaired) {
  put(F::Hourly, 0, 0x0345, 7, 7);
  EXPECT_EQ(page.view(F::Hourly).state, S::Invalid);
  page.chooseState(F::Hourly, S::Head);
  EXPECT_EQ(archiveWords(ws.image, F::Hourly, 0), (ArchiveWords{0x0145, 7, 7}));
}

TEST_F(ArchivePageTest, ExtensionRefusalsNameTheIntervalArchives) {
  struct Case {
    int hourly, interval;
    Word intervalWord;
    QString named;
  } cases[] = {
      {9, 0, 0x0140, "0,1"}, {9, 1, 0x0100, "0,1"}, {9, 1, 0xFF12, ""},  // FF is free by the high-byte test
      {21, 9, 0x0001, "8,9"}, {8, 0, 0x0040, "0"},  {15, 4, 0x1234, "4,5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hourly);
    useKind(2);
    boxes.clear();
    boxes.acknowledgeOkBoxes();
    put(F::Hourly, c.hourly, 0x0140);
    put(F::Interval, c.interval, c.intervalWord);
    page.select(G::Hourly, c.hourly);
    page.chooseExtension(true);
    if (c.named.isEmpty()) {
      EXPECT_TRUE(boxes.shown().empty());
      EXPECT_EQ(desc(F::Hourly, c.hourly), 0x8140);
    } else {
      ASSERT_EQ(boxes.codes(), std::vector<int>{43});
      EXPECT_TRUE(boxes.last().text.endsWith("№ " + c.named + " ."));
      EXPECT_EQ(desc(F::Hourly, c.hourly), 0x0140);
    }
  }
}

TEST_F(ArchivePageTest, ExtensionRemovesTheChainOnlyWhenAllowed) {
  boxes.acknowledgeOkBoxes();
  put(F::Hourly, 9, 0x0140);
  put(F::Hourly, 12, 0x1809);
  put(F::Interval, 0, 0x0140);
  page.select(G::Hourly, 9);
  page.chooseExtension(true);  // refused before anything is asked
  EXPECT_EQ(boxes.codes(), std::vector<int>{43});
  EXPECT_EQ(desc(F::Hourly, 12), 0x1809);

  put(F::Interval, 0, 0);
  boxes.clear();
  boxes.then(AnswerNo).then(AnswerYes);
  page.chooseExtension(true);
  EXPECT_EQ(desc(F::Hourly, 9), 0x0140);
  page.chooseExtension(true);
  EXPECT_EQ(boxes.codes(), (std::vector<int>{38, 38}));
  EXPECT_EQ(desc(F::Hourly, 9), 0x8140);
  EXPECT_EQ(desc(F::Hourly, 12), 0);
  page.chooseExtension(false);
  EXPECT_EQ(desc(F::Hourly, 9), 0x0140);
}

TEST_F(ArchivePageTest, EventAndSlotConflictsOfTheExpandableKind) {
  boxes.acknowledgeOkBoxes();
  ws.image.eventType[5] = 0x8000;
  page.select(G::Hourly, 26);
  put(F::Hourly, 26, 0x0140);
  page.chooseExtension(true);
  page.select(G::Interval, 12);
  page.chooseState(F::Interval, S::Head);
  EXPECT_EQ(boxes.codes(), (std::vector<int>{63, 64}));
  EXPECT_EQ(desc(F::Hourly, 26), 0x0140);
  EXPECT_EQ(desc(F::Interval, 12), 0);

  boxes.clear();
  ws.image.eventType[5] = 0;
  page.select(G::Event, 0);
  put(F::Interval, 12, 0x0140);
  page.setEventPresence(true);
  put(F::Interval, 12, 0);
  put(F::Hourly, 27, 0x8140);
  page.setEventPresence(true);
  EXPECT_EQ(boxes.codes(), (std::vector<int>{66, 65}));
  EXPECT_FALSE(page.eventView().present);
}

TEST_F(ArchivePageTest, LargeKindHasNoEventConflicts) {
  useKind(3);
  put(F::Hourly, 25, 0x8140);
  page.select(G::Event, 0);
  page.setEventPresence(true);
  EXPECT_TRUE(page.eventView().present);
  page.tickEventBit(0, true);
  EXPECT_EQ(ws.image.eventType[0], 0x8000);
  EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ArchivePageTest, IntervalCreationNamesTheExtendedHourlyPair) {
  for (int extended : {17, 18}) {
    useKind(2);
    boxes.clear();
    boxes.acknowledgeOkBoxes();
    put(F::Hourly, extended, 0x8140);
    put(F::Interval, 0, 0x0140);
    page.select(G::Interval, 6);
    page.chooseState(F::Interval, S::Continuation);
    ASSERT_EQ(boxes.codes(), std::vector<int>{44});
    EXPECT_TRUE(boxes.last().text.endsWith("№ 17,18 ."));
    EXPECT_EQ(desc(F::Interval, 6), 0);
  }
}

TEST_F(ArchivePageTest, HeadItemsAndOperands) {
  ws.image.sensors[2].mainDescriptor = 0x1000;
  ws.image.sensors[5].mainDescriptor = 0x1000;
  page.select(G::Daily, 1);
  page.chooseState(F::Daily, S::Head);
  page.chooseItem(F::Daily, ItemSensorDiff);
  EXPECT_EQ(archiveWords(ws.image, F::Daily, 1), (ArchiveWords{0x0180, 0x40, 0x40}));
  page.chooseDifference(F::Daily, true, 5);
  boxes.acknowledgeOkBoxes();
  page.chooseDifference(F::Daily, false, 5);
  EXPECT_EQ(boxes.codes(), std::vector<int>{49});
  EXPECT_EQ(boxes.last().caption, "Ошибка выбора");
  EXPECT_EQ(archiveWords(ws.image, F::Daily, 1), (ArchiveWords{0x0180, 0x05, 0x40}));

  page.chooseItem(F::Daily, ItemSumHeat);
  page.tickSum(F::Daily, 3, true, true);
  page.tickSum(F::Daily, 3, false, true);  // never in both masks
  page.tickSum(F::Daily, 15, false, true);
  EXPECT_EQ(archiveWords(ws.image, F::Daily, 1), (ArchiveWords{0x0480, 0x0008, 0x8000}));

  page.chooseItem(F::Daily, ItemParameter);
  page.setParameterText(F::Daily, "A1f");
  EXPECT_EQ(archiveWords(ws.image, F::Daily, 1), (ArchiveWords{0x0040, 0x0A1F, 0}));
  page.setParameterText(F::Daily, "");
  EXPECT_EQ(archiveWords(ws.image, F::Daily, 1).pos, 0);

  page.chooseItem(F::Daily, ItemPipePayment);
  page.chooseOperand(F::Daily, 7);
  EXPECT_EQ(desc(F::Daily, 1), 0x0807);
  page.chooseOperand(F::Daily, std::nullopt);
  EXPECT_EQ(desc(F::Daily, 1), 0x0840);
}

TEST_F(ArchivePageTest, EventEditing) {
  page.select(G::Event, 3);
  page.takeChange();
  page.setEventPresence(true);
  EventView v = page.eventView();
  EXPECT_TRUE(v.present);
  EXPECT_EQ(v.byteText, "0");
  EXPECT_EQ(v.paramCaption, "№ параметра:");
  EXPECT_EQ(ws.image.eventType[3], 0);  // undescribed until a bit is ticked

  page.tickEventBit(0, true);
  page.tickEventBit(7, true);
  EXPECT_EQ(ws.image.eventType[3], 0x8100);
  EXPECT_TRUE(bitOfWord(ws.image.sys(sys::SpecialFunctions), kEventArchiveFlagBit));
  boxes.acknowledgeOkBoxes();
  page.setEventByteText("12");
  EXPECT_EQ(ws.image.eventType[3], 0x810C);
  page.setEventByteText("16");
  EXPECT_EQ(boxes.codes(), std::vector<int>{15});
  EXPECT_EQ(ws.image.eventType[3], 0x8100);
  page.setEventParamText("BEEF");
  EXPECT_EQ(ws.image.eventParam[3], 0xBEEF);
  page.chooseEventAddressing(true);
  EXPECT_EQ(ws.image.eventType[3], 0x8110);
  EXPECT_EQ(ws.image.eventParam[3], 0);
  EXPECT_EQ(page.eventView().paramCaption, "Адрес ячейки памяти:");

  page.tickEventBit(0, false);
  page.tickEventBit(7, false);  // the last bit makes the event undescribed
  EXPECT_FALSE(isEventDescribed(ws.image.eventType[3]));
  EXPECT_FALSE(page.eventView().present);
  EXPECT_FALSE(bitOfWord(ws.image.sys(sys::SpecialFunctions), kEventArchiveFlagBit));
  EXPECT_TRUE(page.takeChange());
}

// The addressing buttons can be clicked on the choice already made: the
// byte number and the parameter or address must stay.
TEST_F(ArchivePageTest, EventAddressingChosenAgainKeepsTheWords) {
  const struct {
    Word type;
    bool byAddress;
  } cases[] = {{0x8105, false}, {0x8110, true}};
  for (const auto& c : cases) {
    ws.image.eventType[2] = c.type;
    ws.image.eventParam[2] = 0x4102;
    page.select(G::Event, 2);
    page.takeChange();
    page.chooseEventAddressing(c.byAddress);
    EXPECT_EQ(ws.image.eventType[2], c.type);
    EXPECT_EQ(ws.image.eventParam[2], 0x4102);
    EXPECT_FALSE(page.takeChange());
  }
}

TEST_F(ArchivePageTest, IntervalFlagFollowsTheIntervalArchives) {
  put(F::Interval, 4, 0x0140);
  page.select(G::Interval, 0);  // showing sets the flag from the archives
  EXPECT_TRUE(bitOfWord(ws.image.sys(sys::SpecialFunctions), kIntervalArchiveFlagBit));
  EXPECT_TRUE(page.takeChange());
  put(F::Interval, 4, 0);
  page.chooseState(F::Interval, S::Head);
  EXPECT_TRUE(bitOfWord(ws.image.sys(sys::SpecialFunctions), kIntervalArchiveFlagBit));
  page.chooseState(F::Interval, S::NotWorking);
  EXPECT_FALSE(bitOfWord(ws.image.sys(sys::SpecialFunctions), kIntervalArchiveFlagBit));

  useKind(1);  // the minimal kind has no such flags
  ws.image.sys(sys::SpecialFunctions) = 0x0100;
  page.select(G::Interval, 0);
  EXPECT_EQ(ws.image.sys(sys::SpecialFunctions), 0x0100);
}

TEST_F(ArchivePageTest, NamesMenu) {
  page.takeChange();
  storeName(archiveName(ws.image, F::Monthly, 62), "Тепло");
  page.copyNames(F::Monthly);
  EXPECT_TRUE(page.canPasteNames(F::Monthly));
  EXPECT_FALSE(page.canPasteNames(F::Hourly));  // hourly uses the first 32 slots only

  boxes.then(AnswerNo).then(AnswerYes);
  page.pasteNames(F::Daily);  // no daily names yet: nothing asked
  EXPECT_EQ(nameText(archiveName(ws.image, F::Daily, 62)), "Тепло");
  page.clearNames(F::Daily);  // "Нет"
  EXPECT_EQ(nameText(archiveName(ws.image, F::Daily, 62)), "Тепло");
  page.pasteNames(F::Daily);  // 73 "Да"
  EXPECT_EQ(boxes.codes(), (std::vector<int>{72, 73}));

  boxes.then(AnswerYes);
  page.clearNames(F::Monthly);
  EXPECT_TRUE(archiveName(ws.image, F::Monthly, 62).isEmpty());
  EXPECT_FALSE(page.canPasteNames(F::Monthly));
  EXPECT_TRUE(page.takeChange());
  EXPECT_TRUE(boxes.allAnswered());

  page.select(G::Hourly, 1);
  page.setName(F::Hourly, "ыыы1234567890");
  EXPECT_EQ(page.view(F::Hourly).name, "ыыы1234567890");
}

}  // namespace
}  // namespace nastrum::test
