// What the device holds: filled from an image, exported back, names in the
// device's alphabet.
#include <gtest/gtest.h>

#include "model/settings_record.h"
#include "sim/device_font.h"
#include "sim/faults.h"
#include "sim/names_memory.h"
#include "sim/param_map.h"
#include "populated_image.h"
#include "sim_rig.h"

namespace nastrum::test {
namespace {

// Only the fields the device keeps for its kind make the round trip; the
// rest comes back from the image the device was filled with.
TEST(DeviceContent, ExportGivesBackWhatItWasFilledWith) {
  for (int kind : {1, 2, 3}) {
    SCOPED_TRACE(kind);
    VirtualClock clock;
    const SettingsImage in = populated(kind);
    sim::DeviceConfig config;
    config.modelCode = kind;
    sim::SimulatedDevice device(config, in, clock);
    EXPECT_EQ(device.password(), 0x4321);
    SettingsImage out = device.exportImage();
    SettingsImage expected = in;
    // A free desktop entry holds no parameter: it reads back as FFFF.
    if (kind == 3)
      for (int e = 0; e < 15; ++e) expected.names.desktopParams[static_cast<std::size_t>(e)] = 0xFFFF;
    for (int i : {sys::TimeHHMM, sys::DateDDMM, sys::DateYear}) expected.sys(i) = out.sys(i);
    EXPECT_EQ(encodeSettingsRecord(out), encodeSettingsRecord(expected));
    EXPECT_EQ(encodeNamesRecord(out.names), encodeNamesRecord(expected.names));
    EXPECT_EQ(out.sys(sys::DateYear), 2026);
  }
}

TEST(DeviceContent, ParameterSetsPerKind) {
  auto has = [](int kind, sim::ParamKey key) {
    for (const auto& b : sim::settingsParams(kind))
      if (b.key == key) return true;
    return false;
  };
  EXPECT_FALSE(has(1, 0x803C)) << "no roughness on the small model";
  EXPECT_TRUE(has(2, 0x8F3C));
  EXPECT_TRUE(has(1, 0x0F00));
  EXPECT_FALSE(has(1, 0x1000)) << "16 sensors";
  EXPECT_TRUE(has(2, 0x3F00));
  EXPECT_TRUE(has(2, 0x7F4F)) << "events 65..128";
  EXPECT_FALSE(has(3, 0x404D));
  EXPECT_TRUE(has(2, 0x7F2C)) << "logic flag 256";
  EXPECT_TRUE(has(3, 0x7F28)) << "regulator 64";
  EXPECT_TRUE(has(3, 0x4048));
  EXPECT_FALSE(has(2, 0x4048));
  EXPECT_EQ(sim::settingsParams(1).size(), 16u * 11 + 4 * 19 + 96 * 3 + 4 * 16 + 6 + 4);
}

TEST(DeviceContent, DeviceAlphabet) {
  EXPECT_EQ(sim::encodeDeviceName("\xD2\xE5\xEF\xEB\xEE").left(6), QByteArray::fromHex("54656E026F20"));  // Тепло
  EXPECT_EQ(sim::encodeDeviceName("\xDB" "1").left(3), QByteArray::fromHex("627C31"));                     // Ы1
  EXPECT_EQ(sim::encodeDeviceName("\xFB\xDB").left(4), QByteArray::fromHex("067C627C"));                   // ыЫ
  EXPECT_EQ(sim::decodeDeviceName(QByteArray::fromHex("067C627C")), QByteArray("\xFB\xDB"));
  EXPECT_EQ(sim::decodeDeviceName(QByteArray::fromHex("62")), QByteArray("b"));
  EXPECT_EQ(sim::encodeDeviceName("\xF4" "a").left(2), QByteArray(" a")) << "ф has no glyph";
  EXPECT_EQ(sim::encodeDeviceName("UV").left(2), QByteArray::fromHex("5655"));
}

TEST(DeviceContent, EmptyNamesAreaOfTheSmallModel) {
  const QByteArray memory = sim::namesMemoryFromImage(freshImage(1), 1);
  ASSERT_EQ(memory.size(), 2048);
  EXPECT_EQ(memory.left(2047), QByteArray(2047, static_cast<char>(0xFF)));
  EXPECT_EQ(static_cast<std::uint8_t>(memory[2047]), 0xFE);
  EXPECT_TRUE(sim::namesChecksumValid(memory, 1));
}

TEST(DeviceContent, FaultTexts) {
  const auto once = sim::parseFault(QStringLiteral("nak:once"));
  ASSERT_TRUE(once);
  EXPECT_EQ(once->kind, sim::FaultKind::Nak);
  EXPECT_TRUE(once->once);
  const auto stop = sim::parseFault(QStringLiteral("stop@10"));
  ASSERT_TRUE(stop);
  EXPECT_EQ(stop->kind, sim::FaultKind::StopAnswering);
  EXPECT_EQ(stop->after, 10);
  const auto completion = sim::parseFault(QStringLiteral("completion=48:once@2"));
  ASSERT_TRUE(completion);
  EXPECT_EQ(completion->value, 0x48);
  EXPECT_TRUE(completion->once);
  EXPECT_EQ(completion->after, 2);
  EXPECT_EQ(sim::parseFault(QStringLiteral("completion=none"))->value, -1);
  EXPECT_FALSE(sim::parseFault(QStringLiteral("completion=1FF")));
  EXPECT_FALSE(sim::parseFault(QStringLiteral("completion=-5"))) << "not a byte, and not \"none\" either";
  EXPECT_FALSE(sim::parseFault(QStringLiteral("sometimes")));
  EXPECT_FALSE(sim::parseFault(QStringLiteral("nak@x")));

  sim::FaultPlan plan;
  plan.add({sim::FaultKind::Nak, true, 2});
  EXPECT_FALSE(plan.take(sim::FaultKind::Nak, 2));
  EXPECT_TRUE(plan.take(sim::FaultKind::Nak, 3));
  EXPECT_FALSE(plan.take(sim::FaultKind::Nak, 4));
}

}  // namespace
}  // namespace nastrum::test
