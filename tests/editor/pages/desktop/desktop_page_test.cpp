// The rules of the kind 3 regulators and of the desktop list.
#include <gtest/gtest.h>

#include "descriptors/logic_words.h"
#include "descriptors/name_rule.h"
#include "editor/pages/desktop/desktop_page.h"
#include "editor/pages/desktop/regulator_page.h"
#include "model/field_walk.h"
#include "model/hex_text.h"
#include "support/fresh_image.h"
#include "support/scripted_presenter.h"

namespace nastrum {
namespace {

// The fields whose value differs between two images, by path.
std::vector<QString> changedFields(const SettingsImage& before, const SettingsImage& after) {
  const std::vector<Field> a = walkFields(before);
  const std::vector<Field> b = walkFields(after);
  std::vector<QString> changed;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
    if (a[i].text != b[i].text) changed.push_back(a[i].path);
  return changed;
}

class RegulatorPageTest : public ::testing::Test {
 protected:
  Workspace ws = ::nastrum::testing::freshWorkspace(3);
  ScriptedPresenter boxes;
  RegulatorPage page{ws, boxes, u','};
};

TEST_F(RegulatorPageTest, CreatingEditingAndDeleting) {
  page.select(12);
  page.setPresent(true);
  EXPECT_EQ(ws.image.logicLaw[12], 0x0100);
  EXPECT_TRUE(bitOfWord(ws.image.sys(sys::SpecialFunctions), kRegulatorsFlagBit));
  RegulatorView v = page.view();
  EXPECT_EQ(v.module, "МУ1");
  EXPECT_EQ(v.terminals, "+2     -3                      +1     -4");

  page.chooseInverse(true);
  page.chooseByAddress(true);
  EXPECT_EQ(page.setOutput(26), 26);
  EXPECT_EQ(HexWord(ws.image.logicLaw[12]), "0A1A");
  v = page.view();
  EXPECT_TRUE(v.inverse);
  EXPECT_TRUE(v.byAddress);
  EXPECT_EQ(v.module, "МУ7");
  EXPECT_EQ(v.terminals, "+10    -11                    +9     -12");
  page.chooseInverse(false);
  EXPECT_EQ(HexWord(ws.image.logicLaw[12]), "091A");
  EXPECT_EQ(page.setOutput(64), 0);

  page.setOperandText(QStringLiteral("2A01"));
  EXPECT_EQ(ws.image.logicParam[12], 0x2A01);
  page.setPresent(false);
  EXPECT_EQ(ws.image.logicLaw[12], 0);
  EXPECT_EQ(ws.image.logicParam[12], 0);
  EXPECT_FALSE(bitOfWord(ws.image.sys(sys::SpecialFunctions), kRegulatorsFlagBit));
}

TEST_F(RegulatorPageTest, ThresholdIsADeviceRealInTheDelayWordsAndTouchesNothingElse) {
  page.select(3);
  page.setPresent(true);
  const SettingsImage before = ws.image;
  page.setK1Text(QStringLiteral("1"));
  EXPECT_EQ(ws.image.logicT1[3], 0x8140);
  EXPECT_EQ(ws.image.logicT2[3], 0);
  EXPECT_EQ(changedFields(before, ws.image), std::vector<QString>{QStringLiteral("LogicT1[3]")});

  page.setK1Text(QStringLiteral("-2,5"));
  EXPECT_DOUBLE_EQ(realOfWords(ws.image.logicT1[3], ws.image.logicT2[3]), -2.5);
  EXPECT_EQ(page.view().k1Text, "-2,50000");
  page.setK1Text(QString());
  EXPECT_EQ(ws.image.logicT1[3], 0);
  EXPECT_EQ(ws.image.logicT2[3], 0);
  ws.image.logicT1[3] = ws.image.logicT2[3] = 0xFFFF;
  EXPECT_EQ(page.view().k1Text.left(10), "4294966784");
}

TEST_F(RegulatorPageTest, NumbersWrapAndUnknownLawsBecomeDirect) {
  EXPECT_EQ(page.select(-1), 63);
  EXPECT_EQ(page.select(64), 0);
  ws.image.logicLaw[5] = 0x3307;
  page.takeChange();
  page.select(5);
  EXPECT_EQ(ws.image.logicLaw[5], 0x0107);
  EXPECT_TRUE(page.takeChange());
}

class DesktopPageTest : public ::testing::Test {
 protected:
  void name(int n, const QString& text, Word word = 0x0010) {
    storeName(ws.image.names.desktopNames[static_cast<std::size_t>(n)], text);
    ws.image.names.desktopParams[static_cast<std::size_t>(n)] = word;
  }
  QString nameOf(int n) const { return nameText(ws.image.names.desktopNames[static_cast<std::size_t>(n)]); }
  Word word(int n) const { return ws.image.names.desktopParams[static_cast<std::size_t>(n)]; }

  Workspace ws = ::nastrum::testing::freshWorkspace(3);
  ScriptedPresenter boxes;
  DesktopPage page{ws, boxes};
};

TEST_F(DesktopPageTest, TickingANewEntryGivesTheDefault) {
  page.select(0);
  EXPECT_FALSE(page.view().present);
  ASSERT_TRUE(page.setPresent(true));
  EXPECT_EQ(nameOf(0), "Мгновен. сигнал");
  EXPECT_EQ(word(0), 0x0010);
  const DesktopView v = page.view();
  EXPECT_EQ(v.group, DesktopGroup::Measurement);
  EXPECT_EQ(v.numberCaption, "№ датчика:");
  EXPECT_EQ(v.number, 0);
  EXPECT_EQ(v.numberMaximum, 63);
  EXPECT_EQ(v.itemCode, 0x10);
  EXPECT_TRUE(page.takeChange());
}

TEST_F(DesktopPageTest, GapsAreRefusedForTickingAndUnticking) {
  name(0, QStringLiteral("N0"));
  name(1, QStringLiteral("N1"));
  const SettingsImage before = ws.image;
  ScriptedPresenter refusals{AnswerOk, AnswerOk};
  DesktopPage strict{ws, refusals};
  strict.select(3);
  EXPECT_FALSE(strict.setPresent(true));
  EXPECT_FALSE(strict.setPresent(false));
  EXPECT_EQ(refusals.codes(), (std::vector<int>{74, 74}));
  EXPECT_TRUE(changedFields(before, ws.image).empty());
  EXPECT_FALSE(page.takeChange());
  strict.select(2);
  EXPECT_TRUE(strict.setPresent(true));
}

TEST_F(DesktopPageTest, UntickingMovesTheHigherEntriesDownOnce) {
  for (int n = 0; n < 4; ++n) name(n, QStringLiteral("N%1").arg(n), 0x0010 + n);
  page.select(1);
  ASSERT_TRUE(page.setPresent(false));
  EXPECT_EQ(nameOf(0), "N0");
  EXPECT_EQ(nameOf(1), "N2");
  EXPECT_EQ(word(1), 0x0012);
  EXPECT_EQ(nameOf(2), "N3");
  EXPECT_TRUE(nameOf(3).isEmpty());
  EXPECT_EQ(word(3), 1) << "absent entry 4 moved down with its word (a new image's 1)";
  EXPECT_EQ(word(15), 0);
  EXPECT_EQ(page.view().name, "N2");
}

TEST_F(DesktopPageTest, ShowingAnAbsentEntryClosesTheGap) {
  name(0, QStringLiteral("N0"));
  ws.image.names.desktopParams[1] = 0xFFFF;
  name(2, QStringLiteral("N2"), 0x0811);
  page.select(1);
  EXPECT_EQ(nameOf(1), "N2");
  EXPECT_EQ(word(1), 0x0811);
  EXPECT_TRUE(nameOf(2).isEmpty());
  EXPECT_EQ(page.view().name, "N2");
  EXPECT_TRUE(page.takeChange());
}

TEST_F(DesktopPageTest, GroupItemAndNumberBuildTheWord) {
  page.select(0);
  page.setPresent(true);
  page.setNumber(20);
  page.chooseItem(0x14);
  EXPECT_EQ(word(0), 0x1414);
  DesktopView v = page.view();
  EXPECT_EQ(v.number, 20);
  EXPECT_EQ(v.itemCode, 0x14);

  page.chooseGroup(DesktopGroup::Calculation);
  EXPECT_EQ(word(0), 0x800E);
  v = page.view();
  EXPECT_EQ(v.numberCaption, "№ трубопровода:");
  EXPECT_EQ(v.numberMaximum, 15);
  EXPECT_EQ(v.itemCode, 0x0E);
  page.setNumber(11);
  page.chooseItem(0x2D);
  EXPECT_EQ(word(0), 0x8B2D);
  page.setNumber(3);
  EXPECT_EQ(word(0), 0x832D);
  EXPECT_EQ(page.setNumber(16), 0);

  page.chooseGroup(DesktopGroup::Control);
  EXPECT_EQ(word(0), 0x4010);
  EXPECT_FALSE(page.view().showNumber);
  page.chooseItem(0x400E);
  EXPECT_EQ(word(0), 0x400E);
  EXPECT_EQ(page.view().itemCode, 0x400E);
  EXPECT_EQ(nameOf(0), "Мгновен. сигнал") << "the name stays";
}

TEST_F(DesktopPageTest, WordsThatFitNoItemSelectNone) {
  name(0, QStringLiteral("N0"), 0x8012);  // codes 10..13 are not offered for pipelines
  name(1, QStringLiteral("N1"), 0x6000);
  page.select(0);
  EXPECT_EQ(page.view().group, DesktopGroup::Calculation);
  EXPECT_EQ(page.view().itemCode, std::nullopt);
  page.select(1);
  EXPECT_EQ(page.view().group, std::nullopt);
  EXPECT_EQ(word(1), 0x6000);
}

TEST_F(DesktopPageTest, NumberBoxAndName) {
  EXPECT_EQ(page.select(16), 0);
  EXPECT_EQ(page.select(-1), 15);

  page.select(0);
  page.setPresent(true);
  EXPECT_FALSE(page.setName(QStringLiteral("a|b")));
  EXPECT_EQ(nameOf(0), "Мгновен. сигнал");
  EXPECT_TRUE(page.setName(QStringLiteral("Расход")));
  EXPECT_EQ(nameOf(0), "Расход");
  EXPECT_TRUE(page.setName(QString()));
  EXPECT_FALSE(page.view().present) << "an emptied name makes the entry absent";
}

TEST_F(DesktopPageTest, OtherKindsShowAndChangeNothing) {
  ws.image = ::nastrum::testing::freshImage(2);
  name(0, QStringLiteral("N0"));
  name(2, QStringLiteral("N2"));
  page.select(1);
  EXPECT_FALSE(page.setPresent(true));
  EXPECT_FALSE(page.stepForWrite());
  EXPECT_FALSE(page.view().present);
  EXPECT_EQ(nameOf(2), "N2");
  EXPECT_FALSE(page.takeChange());
}

TEST_F(DesktopPageTest, SteppingBeforeAWriteIsAnEditOnlyWhenSomethingMoves) {
  name(0, QStringLiteral("N0"));
  name(2, QStringLiteral("N2"));
  EXPECT_TRUE(page.stepForWrite());
  EXPECT_EQ(nameOf(1), "N2");
  EXPECT_TRUE(page.takeChange());
  page.takeChange();
  EXPECT_FALSE(page.stepForWrite());
  EXPECT_FALSE(page.takeChange());
}

}  // namespace
}  // namespace nastrum
