// What a family group shows for the words of an archive.
#include <gtest/gtest.h>

#include "descriptors/descriptor_digits.h"
#include "editor/pages/archives/archive_view.h"
#include "support/fresh_image.h"

namespace nastrum {
namespace {

using F = ArchiveFamily;
using S = ArchiveState;

TEST(ArchiveView, HeadsShowTheirOperands) {
  SettingsImage im = testing::freshImage(2);
  im.sensors[4].mainDescriptor = 0x1000;
  im.pipelines[2].mainDescriptor = 0x1000;
  struct Case {
    F family;
    Word desc, pos, neg;
    OperandPanel panel;
    std::optional<int> operand;  // index in the operand list, nullopt for "ОШИБКА"
  } cases[] = {
      {F::Hourly, 0x0104, 0, 0, OperandPanel::Sensor, 0},
      {F::Hourly, 0x0140, 0, 0, OperandPanel::Sensor, 1},            // "нет"
      {F::Hourly, 0x0105, 0, 0, OperandPanel::Sensor, std::nullopt},  // sensor 5 is not described
      {F::Daily, 0x0202, 0, 0, OperandPanel::Pipeline, 0},
      {F::Daily, 0x0240, 0, 0, OperandPanel::Pipeline, 1},  // "нет", not pipeline 0
      {F::Monthly, 0x0840, 0, 0, OperandPanel::Pipeline, 1},
      {F::Interval, 0x0403, 0, 0, OperandPanel::Pipeline, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.desc);
    setArchiveWords(im, c.family, 1, {c.desc, c.pos, c.neg});
    const ArchiveView v = viewArchive(im, c.family, 1);
    EXPECT_EQ(v.state, S::Head);
    EXPECT_EQ(v.panel, c.panel);
    EXPECT_EQ(v.operandIndex, c.operand);
  }

  // X1 and X2 are positioned on the low byte of their component.
  struct Difference {
    Word component;
    std::optional<int> index;  // 0 sensor 4, 1 "нет", nullopt "ОШИБКА"
  } differences[] = {{0x0004, 0}, {0x0104, 0}, {0x0040, 1}, {0x0140, 1}, {0x0005, std::nullopt},
                     {0x0150, std::nullopt}};
  for (const Difference& d : differences) {
    SCOPED_TRACE(d.component);
    setArchiveWords(im, F::Hourly, 1, {0x8180, d.component, d.component});
    const ArchiveView diff = viewArchive(im, F::Hourly, 1);
    EXPECT_EQ(diff.x1Index, d.index);
    EXPECT_EQ(diff.x2Index, d.index);
  }
  ArchiveView v = viewArchive(im, F::Hourly, 1);
  EXPECT_TRUE(v.extensionShown);
  EXPECT_TRUE(v.extended);
  EXPECT_FALSE(viewArchive(im, F::Hourly, 28).extensionShown);

  setArchiveWords(im, F::Hourly, 30, {0x0040, 0x00AB, 0});
  v = viewArchive(im, F::Hourly, 30);
  EXPECT_EQ(v.state, S::Head);  // 0040 is a working head, not a free archive
  EXPECT_EQ(v.parameterText, "00AB");
}

TEST(ArchiveView, ContinuationsAndBrokenWords) {
  SettingsImage im = testing::freshImage(2);
  setArchiveWords(im, F::Interval, 0, {0x0140, 0, 0});
  setArchiveWords(im, F::Interval, 1, {0x1800, 0, 0});
  setArchiveWords(im, F::Interval, 2, {0x1805, 0, 0});  // 5 is no head
  ArchiveView v = viewArchive(im, F::Interval, 1);
  EXPECT_EQ(v.state, S::Continuation);
  EXPECT_EQ(v.headChoices.texts(), (QStringList{"0", "нет"}));
  EXPECT_EQ(v.headIndex, 0);
  EXPECT_EQ(v.chainCells[0], "0");
  EXPECT_EQ(v.chainCells[1], "1");
  EXPECT_FALSE(viewArchive(im, F::Interval, 2).headIndex);

  setArchiveWords(im, F::Daily, 3, {0x1040, 0, 0});
  v = viewArchive(im, F::Daily, 3);
  EXPECT_EQ(v.headChoices.textOf(kNoReference), "нет");
  EXPECT_EQ(v.headIndex, v.headChoices.indexOfCode(kNoReference));
  EXPECT_FALSE(v.chainShown);

  setArchiveWords(im, F::Hourly, 3, {0x0340, 0, 0});
  EXPECT_EQ(viewArchive(im, F::Hourly, 3).state, S::Invalid);
}

}  // namespace
}  // namespace nastrum
