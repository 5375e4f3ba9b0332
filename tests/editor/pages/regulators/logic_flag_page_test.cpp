// The rules of the "Регуляторы" page against the stored words.
#include <gtest/gtest.h>

#include "descriptors/descriptor_digits.h"
#include "editor/pages/regulators/logic_flag_page.h"
#include "model/hex_text.h"
#include "support/fresh_image.h"
#include "support/scripted_presenter.h"

namespace nastrum {
namespace {

class LogicFlagPageTest : public ::testing::Test {
 protected:
  // Shows flag n, created, with the edits of the page run on it.
  void create(int n) {
    page.select(n);
    page.setPresent(true);
  }
  Word law(int n) const { return ws.image.logicLaw[static_cast<std::size_t>(n)]; }
  Word param(int n) const { return ws.image.logicParam[static_cast<std::size_t>(n)]; }
  Word k1(int n) const { return ws.image.logicK1[static_cast<std::size_t>(n)]; }
  Word k2(int n) const { return ws.image.logicK2[static_cast<std::size_t>(n)]; }
  bool regulatorsTicked() const { return bitOfWord(ws.image.sys(sys::SpecialFunctions), kRegulatorsFlagBit); }

  Workspace ws = ::nastrum::testing::freshWorkspace(2);
  ScriptedPresenter boxes;
  LogicFlagPage page{ws, boxes, u','};
};

TEST_F(LogicFlagPageTest, CreatingAndDeletingAFlag) {
  ws.image.logicT1[5] = 1234;
  create(5);
  EXPECT_EQ(law(5), 0x0100);
  EXPECT_EQ(ws.image.logicT1[5], 0);
  EXPECT_TRUE(page.takeChange());
  EXPECT_TRUE(regulatorsTicked());
  const LogicFlagView v = page.view();
  EXPECT_TRUE(v.present);
  EXPECT_EQ(v.module, "МВ1");
  EXPECT_EQ(v.contacts, "+3    -4");
  EXPECT_TRUE(v.hasDelays);

  page.setPresent(false);
  EXPECT_EQ(law(5), 0);
  EXPECT_FALSE(page.view().present);
  EXPECT_FALSE(regulatorsTicked());
}

TEST_F(LogicFlagPageTest, FlagsFromSixtyFourHaveNoDelays) {
  create(70);
  EXPECT_EQ(law(70), 0x0100);
  EXPECT_FALSE(page.view().hasDelays);
  EXPECT_EQ(page.setOperateDelay(2, 5).first, 0);
  EXPECT_EQ(ws.image.logicT1, decltype(ws.image.logicT1){}) << "no delay slot belongs to flag 70";
}

TEST_F(LogicFlagPageTest, NumberBoxWraps) {
  EXPECT_EQ(page.select(-1), 254);
  EXPECT_EQ(page.select(255), 0);
}

TEST_F(LogicFlagPageTest, OutputKindNumberAndCombination) {
  create(1);
  EXPECT_EQ(page.setOutput(128), 0) << "control outputs wrap at 127";
  EXPECT_EQ(page.setOutput(-1), 127);
  page.chooseOutputKind(true);
  EXPECT_EQ(law(1), 0x8100);
  EXPECT_EQ(page.setOutput(200), 200);
  page.chooseCombination(3);
  EXPECT_EQ(law(1), 0xB1C8);
  const LogicFlagView v = page.view();
  EXPECT_EQ(v.outputCaption, "№ вторичного признака:");
  EXPECT_EQ(v.outputMaximum, 254);
  EXPECT_FALSE(v.showTerminals);
  EXPECT_EQ(v.combination, 3);
}

TEST_F(LogicFlagPageTest, LawCodesByOperandKind) {
  // Law list code, address operand, logical, one-bit → D2 and bit 14 of the law word.
  struct Case {
    bool logical;
    bool oneBit;
    int listCode;
    bool byAddress;
    Word law;
  };
  for (const Case& c : {Case{false, false, 1, false, 0x0100}, Case{false, false, 2, true, 0x0A00},
                        Case{false, false, 7, false, 0x0700}, Case{false, false, 6, true, 0x0E00},
                        Case{true, false, 4, true, 0x0C00}, Case{true, false, 5, false, 0x0500},
                        Case{true, true, 6, false, 0x4600}, Case{true, true, 7, false, 0x4700}}) {
    create(2);
    page.chooseLawType(c.logical);
    if (c.oneBit) page.chooseOneBit(true);
    page.chooseLaw(c.listCode);
    page.chooseOperandKind(c.byAddress);
    EXPECT_EQ(HexWord(law(2)), HexWord(c.law)) << c.listCode << " by address " << c.byAddress;
    const LogicFlagView v = page.view();
    EXPECT_EQ(v.lawListCode, c.listCode);
    EXPECT_EQ(v.byAddress, c.byAddress && !c.oneBit);
    EXPECT_EQ(v.logical, c.logical);
    EXPECT_EQ(v.oneBit, c.oneBit);
  }
}

TEST_F(LogicFlagPageTest, LawTypeKeepsTheOutputAndClearsTheOperands) {
  create(3);
  page.chooseOutputKind(true);
  page.setOutput(9);
  page.chooseCombination(2);
  page.setOperandText(QStringLiteral("1A2B"));
  page.setK1Text(QStringLiteral("1"));
  page.setOperateDelay(1, 2);
  page.chooseLawType(true);
  EXPECT_EQ(HexWord(law(3)), "8409");
  EXPECT_EQ(param(3), 0);
  EXPECT_EQ(k1(3), 0);
  EXPECT_EQ(ws.image.logicT1[3], 0);
}

TEST_F(LogicFlagPageTest, AgainstMeanWithATableFunction) {
  create(4);
  page.chooseLaw(6);
  page.chooseOperandKind(true);
  EXPECT_EQ(digitOf(law(4), 2), 0xE);
  EXPECT_EQ(param(4), 0xF000) << "Xср starts as a parameter";
  page.chooseMeanFunction(true);
  page.chooseTable(3);
  EXPECT_EQ(page.setPoints(10), 10);
  EXPECT_EQ(HexWord(param(4)), "300A");
  EXPECT_EQ(page.setPoints(15), 1) << "a constant-step table has at most 14 points";

  // A variable-step table holds at most 8 points: a count above becomes 1.
  ws.image.tableFunctions[5][16] = 1;
  page.setPoints(10);
  page.chooseTable(5);
  EXPECT_EQ(HexWord(param(4)), "5101");
  EXPECT_EQ(page.view().pointsMaximum, 8);

  page.setOperandText(QStringLiteral("0123"));
  page.setMeanOperandText(QStringLiteral("0456"));
  EXPECT_EQ(k1(4), 0x0123);
  EXPECT_EQ(k2(4), 0x0456);
  EXPECT_EQ(page.view().operandText, "0123");
  EXPECT_EQ(page.view().meanOperandText, "0456");
}

TEST_F(LogicFlagPageTest, SwitchingLawsCarriesTheOperand) {
  create(6);
  page.setOperandText(QStringLiteral("0201"));
  page.setK1Text(QStringLiteral("1"));
  page.chooseLaw(7);
  EXPECT_EQ(k1(6), 0x0201);
  EXPECT_EQ(param(6), 0xF000);
  EXPECT_EQ(k2(6), 0);
  page.chooseLaw(1);
  EXPECT_EQ(param(6), 0x0201);
  EXPECT_EQ(k1(6), 0);
}

TEST_F(LogicFlagPageTest, ConstantK1IsADeviceRealAcrossK1AndK2) {
  create(7);
  page.setK1Text(QStringLiteral("1"));
  EXPECT_EQ(k1(7), 0x8140);
  EXPECT_EQ(k2(7), 0);
  EXPECT_EQ(page.view().k1Text, "1,00000");
  page.setK1Text(QString());
  EXPECT_EQ(k1(7), 0);
  EXPECT_EQ(k2(7), 0);
  ws.image.logicK1[7] = ws.image.logicK2[7] = 0xFFFF;
  EXPECT_EQ(page.view().k1Text.left(10), "4294966784");

  ScriptedPresenter refusal{AnswerOk};
  LogicFlagPage other{ws, refusal, u','};
  other.select(7);
  other.setK1Text(QStringLiteral("1,2,3"));
  EXPECT_EQ(refusal.codes(), std::vector<int>{7});
  EXPECT_DOUBLE_EQ(realOfWords(k1(7), k2(7)), 0.0);
}

TEST_F(LogicFlagPageTest, ClockOperandsStoreDecimalPairs) {
  create(8);
  page.setOperandText(QStringLiteral("4015"));
  EXPECT_EQ(page.view().clock, ClockOperand::Time);
  EXPECT_EQ(k1(8), 0);
  page.setClockPair(7, 5);
  EXPECT_EQ(k1(8), 705);
  EXPECT_EQ(page.setClockPair(24, 60).first, 0) << "hours wrap at 23";

  page.setOperandText(QStringLiteral("4016"));
  EXPECT_EQ(k1(8), 101) << "a date starts at day 1, month 1";
  page.setClockPair(25, 12);
  EXPECT_EQ(k1(8), 2512);
  EXPECT_EQ(page.view().clockPair.first, 25);
  EXPECT_EQ(page.view().clockPair.second, 12);
  EXPECT_EQ(page.setClockPair(0, 13).first, 31);

  page.setOperandText(QStringLiteral("4017"));
  EXPECT_EQ(k1(8), 2000);
  EXPECT_EQ(page.setYear(2051), 1991);
  EXPECT_EQ(k1(8), 1991);
  EXPECT_EQ(page.view().year, 1991);

  page.setOperandText(QStringLiteral("0100"));
  EXPECT_EQ(page.view().clock, ClockOperand::None);
  EXPECT_EQ(page.view().k1Text, "0");
}

TEST_F(LogicFlagPageTest, ByteLawMaskShiftAndReference) {
  create(9);
  page.chooseLawType(true);
  page.tickMask(0, true);
  page.chooseShift(3);
  EXPECT_EQ(HexWord(k1(9)), "0380");
  page.tickReference(7, true);
  page.tickReference(1, true);
  EXPECT_EQ(k2(9), 0x41);
  const LogicFlagView v = page.view();
  EXPECT_EQ(v.shift, 3);
  EXPECT_TRUE(v.mask[0]);
  EXPECT_FALSE(v.mask[1]);
  EXPECT_TRUE(v.reference[7]);
  page.chooseOneBit(true);
  page.chooseOneBit(false);
  EXPECT_EQ(k1(9), 0) << "byte laws start with no shift and an empty mask";
}

TEST_F(LogicFlagPageTest, DelaysAreDecimalMinutesAndSeconds) {
  create(10);
  page.setOperateDelay(2, 5);
  page.setReleaseDelay(0, 30);
  EXPECT_EQ(ws.image.logicT1[10], 205);
  EXPECT_EQ(ws.image.logicT2[10], 30);
  EXPECT_EQ(page.setOperateDelay(60, -1).second, 59);
  EXPECT_EQ(ws.image.logicT1[10], 59);
  EXPECT_EQ(page.view().releaseDelay.second, 30);
}

TEST_F(LogicFlagPageTest, ShowingKeepsRegulatorsInStepOnlyWhenItChanges) {
  ws.image.logicLaw[200] = 0x0100;
  page.select(0);
  EXPECT_TRUE(regulatorsTicked());
  EXPECT_TRUE(page.takeChange());
  page.takeChange();
  page.select(1);
  EXPECT_FALSE(page.takeChange());
  const LogicFlagView before = page.view();
  EXPECT_FALSE(before.present);
}

}  // namespace
}  // namespace nastrum
