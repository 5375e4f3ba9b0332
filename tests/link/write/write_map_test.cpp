// The write direction of the parameter map: what each kind sends, in which
// order, and the bytes of the conversions with their special cases.
#include <algorithm>

#include <gtest/gtest.h>

#include "link/write/converter_adjustment.h"
#include "link/write/write_map.h"

namespace nastrum {
namespace {

std::vector<std::uint16_t> Addresses(const std::vector<WriteStep>& steps) {
  std::vector<std::uint16_t> out;
  for (const WriteStep& s : steps) out.push_back(s.address);
  return out;
}

const WriteStep& StepAt(const std::vector<WriteStep>& steps, std::uint16_t address) {
  const auto it = std::find_if(steps.begin(), steps.end(), [address](const WriteStep& s) { return s.address == address; });
  EXPECT_NE(it, steps.end()) << std::hex << address;
  return *it;
}

WriteGroups Only(WriteGroup group) {
  WriteGroups g;
  g.set(group, true);
  return g;
}

TEST(WriteMap, ProgressCountsEveryItemOfTheTickedGroups) {
  EXPECT_EQ(WriteProgressMaximum(1, WriteGroups::all()), 615);
  EXPECT_EQ(WriteProgressMaximum(2, WriteGroups::all()), 3151);
  EXPECT_EQ(WriteProgressMaximum(3, WriteGroups::all()), 2065);
  // Sensors with their tables; kind 1 has no regulators to write.
  EXPECT_EQ(WriteProgressMaximum(2, Only(WriteGroup::Sensors)), 64 * 11 + 10 * 16);
  EXPECT_EQ(WriteProgressMaximum(1, Only(WriteGroup::Regulators)), 0);
  // The password is never counted.
  SettingsImage image;
  EXPECT_EQ(PlanConstantsWrite(1, Only(WriteGroup::System), true, image).size(), 12u);
  EXPECT_EQ(WriteProgressMaximum(1, Only(WriteGroup::System)), 11);
  EXPECT_TRUE(WriteGroups{}.any() == false);
}

TEST(WriteMap, WritingOrder) {
  SettingsImage image;
  const std::vector<WriteStep> steps = PlanConstantsWrite(2, WriteGroups::all(), true, image);
  const std::vector<std::uint16_t> a = Addresses(steps);
  // Sensor 0, then sensor 1; the tables right after the last sensor.
  EXPECT_TRUE(std::equal(a.begin(), a.begin() + 12,
                         std::vector<std::uint16_t>{0x0000, 0x000A, 0x0001, 0x0002, 0x0003, 0x0004, 0x0005, 0x0006,
                                                    0x0007, 0x0008, 0x0009, 0x0100}
                             .begin()));
  EXPECT_EQ(a[64 * 11], 0x4052);  // table 1, value 1
  EXPECT_EQ(a[64 * 11 + 160], 0x8000);
  // A generator: law, parameter, then the scale end and start.
  const auto generator = std::find(a.begin(), a.end(), 0x403A);
  ASSERT_NE(generator, a.end());
  EXPECT_TRUE(std::equal(generator, generator + 4, std::vector<std::uint16_t>{0x403A, 0x4039, 0x403B, 0x403E}.begin()));
  // The system words after the generators; the password before the modem string; the logic flags last.
  const auto system = std::find(a.begin(), a.end(), 0x4102);
  EXPECT_TRUE(std::equal(system, system + 16,
                         std::vector<std::uint16_t>{0x4102, 0x4302, 0x4202, 0x4002, 0x4004, 0x4005, 0x4104, 0x4105,
                                                    0x4009, 0x4109, 0x4010, 0x4110, 0x4210, 0x4310, 0x4008, 0x404B}
                             .begin()));
  EXPECT_EQ(a[static_cast<std::size_t>(system - a.begin()) + 16], 0x4020);
  EXPECT_EQ(a.back(), 0x7E2F);  // flag 254, the last: (0x40, 43 + 4, 62)
}

// The expandable model has logic flags 0 … 254; its fourth group of 64 ends
// one short. The 256th slot is shown nowhere, so nothing of it is sent.
TEST(WriteMap, NoLogicFlagBeyondTheKindsOwnIsSent) {
  SettingsImage image;
  for (auto* array : {&image.logicLaw, &image.logicParam, &image.logicK1, &image.logicK2}) (*array)[255] = 0x8105;
  const std::vector<WriteStep> steps = PlanConstantsWrite(2, Only(WriteGroup::Regulators), false, image);
  const std::vector<std::uint16_t> a = Addresses(steps);
  for (const std::uint16_t flag256 : {0x7F23, 0x7F27, 0x7F2B, 0x7F2F})
    EXPECT_EQ(std::count(a.begin(), a.end(), flag256), 0) << std::hex << flag256;
  EXPECT_EQ(a.back(), 0x7E2F);  // flag 254: (0x40, 43 + 4, 62)
  EXPECT_EQ(steps.size(), 255u * 4 + 64 * 2);
}

// One write of every group never names a parameter twice: two values for
// one parameter would leave the device with whichever came last.
TEST(WriteMap, EveryParameterIsWrittenOnce) {
  SettingsImage image;
  for (const int kind : {1, 2, 3}) {
    std::vector<std::pair<ParamSource, std::uint16_t>> seen;
    for (const WriteStep& s : PlanConstantsWrite(kind, WriteGroups::all(), true, image)) seen.emplace_back(s.source, s.address);
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end()) << kind;
  }
}

TEST(WriteMap, ModemStrings) {
  struct Case {
    int kind;
    std::vector<std::tuple<ParamSource, std::uint16_t, bool>> writes;  // source, address, sent once
  };
  for (const Case& c : {Case{1, {{ParamSource::Memory, 0x2F00, false}}}, Case{2, {{ParamSource::Param, 0x404B, false}}},
                        Case{3, {{ParamSource::Param, 0x4048, true}, {ParamSource::Param, 0x404B, true}}}}) {
    SettingsImage image;
    image.modemInitMain[0] = 'A';
    image.modemInitAux[0] = 'B';
    std::vector<std::tuple<ParamSource, std::uint16_t, bool>> got;
    for (const WriteStep& s : PlanConstantsWrite(c.kind, Only(WriteGroup::System), false, image)) {
      if (s.data.size() != 128) continue;
      got.emplace_back(s.source, s.address, s.sentOnce);
      EXPECT_EQ(s.data[0], s.address == 0x404B && c.kind == 3 ? 'B' : 'A');
    }
    EXPECT_EQ(got, c.writes) << c.kind;
  }
}

TEST(WriteMap, Conversions) {
  SettingsImage image;
  image.sys(sys::SettlementHourDate) = 815;
  image.logicParam[0] = 0x4016, image.logicK1[0] = 2512;  // a clock threshold: a decimal pair
  image.logicParam[1] = 0x1234, image.logicK1[1] = 0x0C1F;
  image.logicT1[0] = 705;
  image.pipelines[0].impurityTariff = 0;
  const std::vector<WriteStep> kind2 = PlanConstantsWrite(2, WriteGroups::all(), false, image);
  EXPECT_EQ(StepAt(kind2, 0x4002).data, QByteArray::fromHex("0815"));
  EXPECT_EQ(StepAt(kind2, 0x4028).data, QByteArray::fromHex("190c"));
  EXPECT_EQ(StepAt(kind2, 0x4128).data, QByteArray::fromHex("0c1f"));
  EXPECT_EQ(StepAt(kind2, 0x4030).data, QByteArray::fromHex("0705"));
  EXPECT_EQ(StepAt(kind2, 0x8007).data, QByteArray::fromHex("0000"));

  image.logicT1[0] = 0x8140, image.logicT2[0] = 0;
  image.logicT1[1] = 0xFFFF, image.logicT2[1] = 0xFFFF;
  const std::vector<WriteStep> kind3 = PlanConstantsWrite(3, Only(WriteGroup::Regulators), false, image);
  EXPECT_EQ(StepAt(kind3, 0x4028).data, QByteArray::fromHex("81400000"));
  EXPECT_EQ(StepAt(kind3, 0x4128).data, QByteArray::fromHex("ffffffff"));
}

TEST(WriteMap, AValueBeyondItsParameterIsMarked) {
  SettingsImage image;
  image.logicT1[0] = 30000;  // no byte pair carries it
  const std::vector<WriteStep> steps = PlanConstantsWrite(2, Only(WriteGroup::Regulators), false, image);
  EXPECT_FALSE(StepAt(steps, 0x4030).encodable);
  EXPECT_EQ(std::count_if(steps.begin(), steps.end(), [](const WriteStep& s) { return !s.encodable; }), 1);
}

TEST(ConverterAdjustment, NormalisingConvertersBecomeTheLinearScale) {
  struct Case {
    Word before, after;
  };
  for (const Case c : {Case{0x9472, 0x9502}, Case{0x1473, 0x1503}, Case{0x2473, 0x2473}, Case{0xF470, 0xF470},
                       Case{0x9482, 0x9482}}) {
    SettingsImage image;
    image.deviceKind = 2;
    image.sensors[63].mainDescriptor = c.before;
    AdjustConverters(image);
    EXPECT_EQ(image.sensors[63].mainDescriptor, c.after) << std::hex << c.before;
  }
  // Kind 1 has sixteen sensors; the rest are not its own.
  SettingsImage small;
  small.deviceKind = 1;
  small.sensors[15].mainDescriptor = small.sensors[16].mainDescriptor = 0x9472;
  EXPECT_EQ(AdjustConverters(small).size(), 1u);
  EXPECT_EQ(small.sensors[16].mainDescriptor, 0x9472);
}

}  // namespace
}  // namespace nastrum
