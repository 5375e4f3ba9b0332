#include <gtest/gtest.h>

#include "descriptors/archive_words.h"
#include "descriptors/descriptor_digits.h"
#include "image_fixture.h"

namespace nastrum {
namespace {

using test::freshImage;
using F = ArchiveFamily;
using S = ArchiveState;

void put(SettingsImage& im, F f, int n, Word desc, Word pos = 0, Word neg = 0) {
  setArchiveWords(im, f, n, {desc, pos, neg});
}
Word desc(const SettingsImage& im, F f, int n) { return archiveWords(im, f, n).desc; }

TEST(ArchiveWords, CountsPerKind) {
  EXPECT_EQ(archiveCount(F::Daily, 1), 32);
  EXPECT_EQ(archiveCount(F::Monthly, 2), 63);
  EXPECT_EQ(archiveCount(F::Interval, 1), 0);
  EXPECT_EQ(archiveCount(F::Interval, 3), 12);
  EXPECT_EQ(eventCount(2), 128);
  EXPECT_EQ(eventCount(3), 64);
}

TEST(ArchiveWords, States) {
  struct Case {
    F family;
    Word desc;
    S state;
  } cases[] = {
      {F::Hourly, 0x0000, S::NotWorking}, {F::Hourly, 0x0041, S::NotWorking}, {F::Hourly, 0xFF40, S::NotWorking},
      {F::Hourly, 0x0040, S::Head},  // a head recording an arbitrary parameter
      {F::Hourly, 0x8140, S::Head},       {F::Hourly, 0x3803, S::Continuation}, {F::Hourly, 0x9840, S::Continuation},
      {F::Hourly, 0x0340, S::Invalid},    {F::Hourly, 0xA140, S::Invalid},       {F::Interval, 0x8240, S::Head},
      {F::Daily, 0x0140, S::Head},        {F::Daily, 0x1005, S::Continuation},   {F::Daily, 0x1140, S::Invalid},
      {F::Daily, 0x8140, S::Invalid},     {F::Monthly, 0x0880, S::Head},         {F::Monthly, 0x1040, S::Invalid},
  };
  for (const auto& c : cases) EXPECT_EQ(archiveState(c.family, c.desc), c.state) << std::hex << c.desc;
  EXPECT_EQ(archiveStateChoices(F::Hourly).texts(), (QStringList{"не работает", "головной", "продолжение"}));
  EXPECT_EQ(archiveStateChoices(F::Monthly).texts(), (QStringList{"Есть", "Нет"}));
}

TEST(ArchiveItems, ListsAndRoundTrip) {
  const QStringList seven{"измеренного датчиком значения", "разности измер. значений 2-х датч.",
                          "расхода из трубопровода", "количества тепла из трубопровода",
                          "алгебр. суммы расходов трубопров.", "алгебр. суммы колич. тепла трубоп.",
                          "произвольного параметра"};
  EXPECT_EQ(archiveItemChoices(F::Hourly).texts(), seven);
  EXPECT_EQ(archiveItemChoices(F::Interval).texts(), seven);
  const QStringList nine = archiveItemChoices(F::Daily).texts();
  EXPECT_EQ(nine.size(), 9);
  EXPECT_EQ(nine.at(4), QStringLiteral("оплаты для трубы"));
  EXPECT_EQ(nine.at(7), QStringLiteral("алгебр. суммы оплаты по трубам"));
  EXPECT_EQ(archiveItemChoices(F::Monthly).texts(), nine);
  for (F f : {F::Hourly, F::Daily, F::Monthly, F::Interval}) {
    for (const Choice& item : archiveItemChoices(f).items()) {
      for (int level : {0, 8}) {
        ArchiveWords w{level << 12, 0x1234, 0x5678};
        applyArchiveItem(w, item.code);
        EXPECT_EQ(digitOf(w.desc, 1), level);
        EXPECT_EQ(decodeArchiveItem(w.desc), item.code) << item.text.toStdString();
        EXPECT_EQ(w.pos, item.code == ItemSensorDiff ? 0x40 : 0);
        EXPECT_EQ(w.neg, item.code == ItemSensorDiff ? 0x40 : 0);
      }
    }
  }
  EXPECT_EQ(decodeArchiveItem(0x0105), ItemSensorValue);  // operand 05
  EXPECT_EQ(decodeArchiveItem(0x0040), ItemParameter);
  EXPECT_FALSE(decodeArchiveItem(0x0340));
}

TEST(ArchiveItems, OperandsDifferencesAndSums) {
  ArchiveWords w{0x0140, 0, 0};
  applyArchiveOperand(w, 0x0C);
  EXPECT_EQ(w.desc, 0x010C);
  applyArchiveItem(w, ItemSensorDiff);
  EXPECT_EQ(applyDifferenceOperand(w, true, 5), 0);
  EXPECT_EQ(w.pos, 0x0005);
  EXPECT_EQ(applyDifferenceOperand(w, false, 5), 49);  // the same sensor twice
  EXPECT_EQ(w.neg, 0x0040);
  EXPECT_EQ(applyDifferenceOperand(w, false, 6), 0);
  EXPECT_EQ(differenceOperand(w.neg), 6);
  w.neg = 0x0106;  // the low byte names the sensor
  EXPECT_EQ(applyDifferenceOperand(w, true, 6), 49);
  applyArchiveItem(w, ItemSumFlow);
  EXPECT_TRUE(applySumTick(w, 3, true, true));
  EXPECT_EQ(w.pos, 0x0008);
  EXPECT_FALSE(applySumTick(w, 3, false, true));  // never in both masks
  EXPECT_EQ(w.neg, 0);
  EXPECT_TRUE(applySumTick(w, 3, true, false));
  EXPECT_EQ(w.pos, 0);
}

TEST(ArchiveLists, DescribedSensorsAndActivePipelines) {
  SettingsImage im = freshImage(1);
  im.sensors[2].mainDescriptor = 0xA350;
  im.sensors[3].mainDescriptor = 0xF000;
  im.sensors[5].mainDescriptor = 0x5000;
  im.sensors[7].mainDescriptor = 0x8000;
  im.sensors[20].mainDescriptor = 0x9101;  // beyond the 16 sensors of kind 1
  im.pipelines[1].mainDescriptor = 0x4700;
  im.pipelines[2].mainDescriptor = 0x6000;
  EXPECT_EQ(archiveSensorChoices(im).texts(), (QStringList{"2", "7", "нет"}));
  EXPECT_EQ(archivePipelineChoices(im).texts(), (QStringList{"1", "нет"}));
}

// Hourly archives 5, 6, 7 and 9 continue head 3, in this order.
class HourlyChain : public ::testing::Test {
 protected:
  void SetUp() override {
    im = freshImage(2);
    put(im, F::Hourly, 3, 0x0140);
    for (int n : {5, 6, 7, 9}) {
      applyArchiveState(im, F::Hourly, n, S::Continuation);
      ASSERT_EQ(attachContinuation(im, F::Hourly, n, 3), 0);
    }
  }
  SettingsImage im;
};

TEST_F(HourlyChain, LevelsFollowTheOrderOfAttachment) {
  EXPECT_EQ(desc(im, F::Hourly, 5), 0x1803);
  EXPECT_EQ(desc(im, F::Hourly, 6), 0x2803);
  EXPECT_EQ(desc(im, F::Hourly, 7), 0x3803);
  EXPECT_EQ(desc(im, F::Hourly, 9), 0x4803);
  const auto cells = chainCells(im, F::Hourly, 6);
  EXPECT_EQ(cells[0], 3);
  EXPECT_EQ(cells[1], 5);
  EXPECT_EQ(cells[4], 9);
  EXPECT_FALSE(cells[5]);
  EXPECT_EQ(headOf(F::Hourly, desc(im, F::Hourly, 9)), 3);
}

TEST_F(HourlyChain, DetachingClosesTheGap) {
  detachContinuation(im, F::Hourly, 6);
  EXPECT_EQ(desc(im, F::Hourly, 6), kUnattachedContinuation);
  EXPECT_EQ(desc(im, F::Hourly, 5), 0x1803);
  EXPECT_EQ(desc(im, F::Hourly, 7), 0x2803);
  EXPECT_EQ(desc(im, F::Hourly, 9), 0x3803);
  EXPECT_FALSE(headOf(F::Hourly, kUnattachedContinuation));
}

TEST_F(HourlyChain, AnEighthContinuationIsRefused) {
  for (int n : {10, 11, 12}) {
    applyArchiveState(im, F::Hourly, n, S::Continuation);
    EXPECT_EQ(attachContinuation(im, F::Hourly, n, 3), 0);
  }
  applyArchiveState(im, F::Hourly, 13, S::Continuation);
  EXPECT_EQ(attachContinuation(im, F::Hourly, 13, 3), 26);
  EXPECT_EQ(desc(im, F::Hourly, 13), kUnattachedContinuation);
  EXPECT_EQ(continuationsOf(im, F::Hourly, 3).size(), 7u);
}

TEST_F(HourlyChain, HeadsOnOfferAndChainDeletion) {
  put(im, F::Hourly, 0, 0x8140);  // extended heads cannot be heads of a chain
  put(im, F::Hourly, 1, 0x0240);
  EXPECT_EQ(headCandidates(im, F::Hourly, 5), (std::vector<int>{1, 3}));
  EXPECT_EQ(headChoices(im, F::Hourly, 5).texts(), (QStringList{"1", "3", "нет"}));
  SettingsImage empty = freshImage(2);
  EXPECT_EQ(continuationRefusal(empty, F::Hourly, 0), 61);
  deleteArchive(im, F::Hourly, 3);
  for (int n : {3, 5, 6, 7, 9}) EXPECT_EQ(desc(im, F::Hourly, n), 0) << n;
}

TEST(DailyChain, OneContinuationPerHead) {
  SettingsImage im = freshImage(2);
  put(im, F::Daily, 0, 0x0140);
  applyArchiveState(im, F::Daily, 1, S::Continuation);
  EXPECT_EQ(desc(im, F::Daily, 1), kUnattachedDailyContinuation);
  EXPECT_EQ(attachContinuation(im, F::Daily, 1, 0), 0);
  EXPECT_EQ(desc(im, F::Daily, 1), 0x1000);
  applyArchiveState(im, F::Daily, 2, S::Continuation);
  EXPECT_EQ(attachContinuation(im, F::Daily, 2, 0), 28);
  EXPECT_EQ(desc(im, F::Daily, 2), 0x1040);
  EXPECT_EQ(headCandidates(im, F::Daily, 2), std::vector<int>{0});
  deleteArchive(im, F::Daily, 0);
  EXPECT_EQ(desc(im, F::Daily, 1), 0);
}

TEST(ArchiveState, RepairAndMonthlyPresence) {
  SettingsImage im = freshImage(2);
  put(im, F::Hourly, 2, 0x0345, 7, 7);
  repairArchiveState(im, F::Hourly, 2, S::Head);
  EXPECT_EQ(desc(im, F::Hourly, 2), 0x0145);
  put(im, F::Daily, 2, 0x2345);
  repairArchiveState(im, F::Daily, 2, S::Continuation);
  EXPECT_EQ(desc(im, F::Daily, 2), 0x1045);
  applyArchiveState(im, F::Hourly, 4, S::Head);
  EXPECT_EQ(archiveWords(im, F::Hourly, 4), (ArchiveWords{0x0140, 0, 0}));
  applyMonthlyPresence(im, 5, true);
  EXPECT_EQ(desc(im, F::Monthly, 5), 0x0140);
  applyMonthlyPresence(im, 5, false);
  EXPECT_EQ(desc(im, F::Monthly, 5), 0);
}

TEST(ArchiveExtension, RangesAndIntervalExclusions) {
  SettingsImage im = freshImage(2);
  for (int n = 0; n <= 7; ++n)
    for (int kind = 1; kind <= 3; ++kind) {
      im.deviceKind = kind;
      EXPECT_FALSE(extensionRefusal(im, n)) << n;
    }
  im.deviceKind = 1;
  EXPECT_EQ(extensionRefusal(im, 8), Refusal{});
  im.deviceKind = 3;
  EXPECT_EQ(extensionRefusal(im, 26), Refusal{});
  EXPECT_FALSE(extensionRefusal(im, 25));
  im.deviceKind = 2;
  put(im, F::Hourly, 9, 0x0105);
  applyExtension(im, 9, true);
  EXPECT_EQ(desc(im, F::Hourly, 9), 0x8105);
  EXPECT_TRUE(isExtendedHead(desc(im, F::Hourly, 9)));
  applyExtension(im, 9, false);
  EXPECT_EQ(desc(im, F::Hourly, 9), 0x0105);
  put(im, F::Interval, 0, 0x0140);
  EXPECT_EQ(extensionRefusal(im, 9), (Refusal{43, QStringLiteral("0,1")}));
  put(im, F::Interval, 0, 0x0041);  // not working
  im.intervalArcDesc[1] = 0x0140;  // high byte 01 blocks hourly 9 only
  EXPECT_EQ(extensionRefusal(im, 9), (Refusal{43, QStringLiteral("0,1")}));
  EXPECT_FALSE(extensionRefusal(im, 8));
  im.intervalArcDesc[1] = 0x0040;  // working, but high byte 00 passes the high-byte test
  EXPECT_FALSE(extensionRefusal(im, 9));
  EXPECT_EQ(extensionRefusal(im, 10), (Refusal{43, QStringLiteral("1")}));
  im.intervalArcDesc[1] = 0;
  im.intervalArcDesc[9] = 0x0001;  // hourly 21 needs interval 9 all zero
  EXPECT_EQ(extensionRefusal(im, 21), (Refusal{43, QStringLiteral("8,9")}));
  EXPECT_FALSE(extensionRefusal(im, 20));
  im.intervalArcDesc[9] = 0;
  im.eventType[100] = 0x0100;
  EXPECT_EQ(extensionRefusal(im, 26), (Refusal{63, {}}));
  EXPECT_FALSE(extensionRefusal(im, 25));
}

TEST(ArchiveExtension, IntervalAndEventCreation) {
  SettingsImage im = freshImage(2);
  im.hourArcDesc[18] = 0x8140;
  EXPECT_EQ(intervalCreationRefusal(im, 6), (Refusal{44, QStringLiteral("17,18")}));
  EXPECT_EQ(intervalCreationRefusal(im, 7), (Refusal{44, QStringLiteral("18,19")}));
  EXPECT_FALSE(intervalCreationRefusal(im, 5));
  im.hourArcDesc[18] = 0;
  im.eventType[0] = 0x8000;
  EXPECT_EQ(intervalCreationRefusal(im, 12), (Refusal{64, {}}));
  im.eventType[0] = 0;
  im.intervalArcDesc[12] = 0x0240;
  EXPECT_EQ(eventCreationRefusal(im), 66);
  im.intervalArcDesc[12] = 0;
  im.hourArcDesc[27] = 0x8140;
  EXPECT_EQ(eventCreationRefusal(im), 65);
  im.deviceKind = 3;
  EXPECT_EQ(eventCreationRefusal(im), 0);
  EXPECT_EQ(intervalCreationRefusal(im, 12), Refusal{});  // interval 12 does not exist
}

TEST(ArchiveEvents, Words) {
  Word t = 0;
  EXPECT_FALSE(isEventDescribed(t));
  t = withEventMask(t, 0x81);
  EXPECT_EQ(t, 0x8100);
  t = withEventByteNumber(t, 7);
  EXPECT_EQ(eventByteNumber(t), 7);
  t = withEventAddressing(t, true);
  EXPECT_EQ(t, 0x8110);
  EXPECT_TRUE(isEventByAddress(t));
  EXPECT_EQ(eventByteMessage(16), 15);
  t = withEventMask(t, 0);
  EXPECT_FALSE(isEventDescribed(t));
  EXPECT_EQ(eventAddressingChoices().texts(), (QStringList{"№ пар.", "адрес"}));
}

TEST(ArchiveReferences, SensorsAndPipelines) {
  EXPECT_TRUE(archiveRefersToSensor(F::Hourly, {0x8105, 0, 0}, 5));
  EXPECT_TRUE(archiveRefersToSensor(F::Daily, {0x0105, 0, 0}, 5));
  EXPECT_FALSE(archiveRefersToSensor(F::Daily, {0x8105, 0, 0}, 5));
  EXPECT_FALSE(archiveRefersToSensor(F::Hourly, {0x1805, 0, 0}, 5));  // a continuation of head 5
  EXPECT_TRUE(archiveRefersToSensor(F::Monthly, {0x0180, 0x0040, 0x0005}, 5));
  EXPECT_FALSE(archiveRefersToSensor(F::Hourly, {0x0040, 5, 0}, 5));  // parameter number 5
  EXPECT_EQ(archivePipelineUse(F::Hourly, {0x8202, 0, 0}, 2), PipelineUse::Operand);
  EXPECT_EQ(archivePipelineUse(F::Daily, {0x0802, 0, 0}, 2), PipelineUse::Operand);
  EXPECT_EQ(archivePipelineUse(F::Hourly, {0x0240, 0, 0}, 0), PipelineUse::None);  // "нет", not pipeline 0
  EXPECT_EQ(archivePipelineUse(F::Monthly, {0x0880, 0x0004, 0}, 2), PipelineUse::Term);
  EXPECT_EQ(archivePipelineUse(F::Hourly, {0x0480, 0, 0x0004}, 2), PipelineUse::Term);
  EXPECT_EQ(archivePipelineUse(F::Hourly, {0x0480, 0, 0x0004}, 3), PipelineUse::None);
  ArchiveWords w{0x0280, 0x000C, 0x0004};
  removePipelineFromSum(w, 2);
  EXPECT_EQ(w, (ArchiveWords{0x0280, 0x0008, 0}));
}

}  // namespace
}  // namespace nastrum

#include "descriptors/archive_names.h"
#include "descriptors/name_rule.h"

namespace nastrum {
namespace {

TEST(ArchiveNames, CopyPasteAndClearAWholeFamily) {
  SettingsImage from = test::freshImage(2);
  storeName(archiveName(from, F::Monthly, 0), QStringLiteral("Тепло за месяц"));
  storeName(archiveName(from, F::Monthly, 62), QStringLiteral("ыЫ"));
  storeName(archiveName(from, F::Daily, 1), QStringLiteral("сутки"));
  NameClipboard clip;
  clip[63].setBytes("old");
  copyArchiveNames(from, F::Monthly, clip);
  EXPECT_TRUE(clip[63].isEmpty());
  EXPECT_TRUE(clipboardHasNames(clip, F::Monthly, 2));
  NameClipboard high;
  high[40].setBytes("x");
  EXPECT_FALSE(clipboardHasNames(high, F::Monthly, 1));  // kind 1 looks at 32 slots only
  EXPECT_TRUE(clipboardHasNames(high, F::Monthly, 2));

  SettingsImage to = test::freshImage(2);
  EXPECT_FALSE(familyHasNames(to, F::Monthly));
  pasteArchiveNames(to, F::Monthly, clip);
  EXPECT_EQ(nameText(archiveName(to, F::Monthly, 0)), QStringLiteral("Тепло за месяц"));
  EXPECT_EQ(nameText(archiveName(to, F::Monthly, 62)), QStringLiteral("ыЫ"));
  EXPECT_TRUE(archiveName(to, F::Daily, 1).isEmpty());

  clearArchiveNames(to, F::Monthly, clip);
  EXPECT_FALSE(familyHasNames(to, F::Monthly));
  EXPECT_FALSE(clipboardHasNames(clip, F::Monthly, 2));
  storeName(archiveName(to, F::Hourly, 3), QString(20, u'x'));
  EXPECT_EQ(archiveName(to, F::Hourly, 3).length, 16);
}

}  // namespace
}  // namespace nastrum
