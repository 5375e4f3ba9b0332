// Which items a write of only what changed sends: the items whose bytes
// differ, whole tables and both kind 3 modem strings, the password always.
#include <gtest/gtest.h>

#include "link/write/changed_items.h"
#include "link/write/write_reach.h"
#include "model/image_fields.h"

namespace nastrum::test {
namespace {

std::vector<std::uint16_t> Addresses(const std::vector<WriteStep>& steps) {
  std::vector<std::uint16_t> out;
  for (const WriteStep& s : steps) out.push_back(s.address);
  return out;
}

std::vector<WriteStep> Changed(int kind, const SettingsImage& image, const SettingsImage& held, bool password = false) {
  return ChangedSteps(PlanConstantsWrite(kind, WriteGroups::all(), password, image),
                      PlanConstantsWrite(kind, WriteGroups::all(), password, held));
}

TEST(ChangedItems, OnlyTheDifferingBytesGoAndBundlesGoWhole) {
  SettingsImage held;
  held.deviceKind = 2;
  EXPECT_TRUE(Changed(2, held, held).empty());

  SettingsImage image = held;
  image.pipelines[1].impurityTariff = 0x0102;
  image.hourArcDesc[3] = 0x1234;
  EXPECT_EQ(Addresses(Changed(2, image, held)), (std::vector<std::uint16_t>{0x8107, 0x430A})) << "in the map's order";

  image = held;
  image.tableFunctions[2][5] = 4.5;  // table 3, value 6
  const std::vector<WriteStep> table = Changed(2, image, held);
  ASSERT_EQ(table.size(), 16u) << "a table goes whole";
  EXPECT_EQ(table.front().address, 0x4054);
  EXPECT_EQ(table.back().address, 0x4F54);

  SettingsImage held3;
  held3.deviceKind = 3;
  SettingsImage image3 = held3;
  image3.modemInitAux[0] = 'A';
  EXPECT_EQ(Addresses(Changed(3, image3, held3)), (std::vector<std::uint16_t>{0x4048, 0x404B}))
      << "the kind 3 modem strings travel together";

  const std::vector<WriteStep> password = Changed(2, held, held, true);
  ASSERT_EQ(password.size(), 1u) << "the password is never read back: it goes when asked for";
  EXPECT_TRUE(password.front().password);
  EXPECT_EQ(CountedItems(password), 0);
}

TEST(ChangedItems, EveryItemButThePasswordReadsBackItsField) {
  for (int kind = 1; kind <= 3; ++kind) {
    SettingsImage image;
    for (const WriteStep& step : PlanConstantsWrite(kind, WriteGroups::all(), true, image)) {
      SCOPED_TRACE(kind);
      EXPECT_EQ(step.readBack.has_value(), !step.password) << DescribeWriteStep(step).toStdString();
      if (step.readBack) {
        EXPECT_GE(step.readBack->size, step.data.size());
      }
    }
  }
  SettingsImage image;
  const std::vector<WriteStep> kind1 = PlanConstantsWrite(1, WriteGroups::all(), false, image);
  EXPECT_EQ(kind1.back().address, 0x2F00);
  EXPECT_EQ(kind1.back().readBack->address, 0xAF00) << "the small model's modem string reads from elsewhere";
}

TEST(ChangedItems, TheGroupsThatDifferAndTheFieldsAGroupSends) {
  SettingsImage held;
  held.deviceKind = 2;
  SettingsImage image = held;
  image.sys(sys::ClockCorrection) = 5;
  image.logicLaw[70] = 0x0101;
  const WriteGroups differing = DifferingGroups(2, image, held);
  EXPECT_TRUE(differing.system && differing.regulators);
  EXPECT_FALSE(differing.sensors || differing.pipelines || differing.archives);

  WriteGroups archives;
  archives.archives = true;
  const std::vector<bool> reach = WriteReach(2, archives);
  const std::vector<ImageField> fields = imageFields(image);
  int reached = 0;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (!reach[i]) continue;
    ++reached;
    const QString path = fields[i].path();
    EXPECT_TRUE(path.contains(QStringLiteral("Arc")) || path.startsWith(QStringLiteral("Event"))) << path.toStdString();
  }
  EXPECT_EQ(reached, 3 * (32 + 64 + 63 + 13) + 2 * 128);
}

}  // namespace
}  // namespace nastrum::test
