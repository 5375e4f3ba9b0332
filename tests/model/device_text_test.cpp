#include <gtest/gtest.h>

#include "model/device_text.h"

using namespace nastrum;

namespace {
ModemText bufferOf(std::initializer_list<int> bytes) {
  ModemText buffer{};
  std::size_t i = 0;
  for (int b : bytes) buffer[i++] = static_cast<std::uint8_t>(b);
  return buffer;
}
}  // namespace

TEST(DeviceText, CarriageReturnsShowAsStars) {
  const ModemText device = bufferOf({65, 84, 13, 65, 84, 13, 0});
  EXPECT_EQ(DeviceTextToEdit(device), QStringLiteral("AT*AT"));
  EXPECT_EQ(EditToDeviceText(QStringLiteral("AT*AT")), device);
}

TEST(DeviceText, EmptyAndFreshTexts) {
  EXPECT_EQ(DeviceTextToEdit(bufferOf({13})), QString());
  EXPECT_EQ(DeviceTextToEdit(ModemText{}), QString());
  EXPECT_EQ(EditToDeviceText(QString()), bufferOf({13}));
}

TEST(DeviceText, AMissingTerminatorLosesNoCharacter) {
  EXPECT_EQ(DeviceTextToEdit(bufferOf({65, 84, 0})), QStringLiteral("AT"));
  ModemText full;
  full.fill('A');
  EXPECT_EQ(DeviceTextToEdit(full), QString(128, QLatin1Char('A')));
}

TEST(DeviceText, CyrillicTravelsInCodePage1251) {
  const ModemText device = EditToDeviceText(QStringLiteral("ATЖ"));
  EXPECT_EQ(device[2], 0xC6);
  EXPECT_EQ(DeviceTextToEdit(device), QStringLiteral("ATЖ"));
}

TEST(DeviceText, LongTextsAreCutSoTheTerminatorFits) {
  const ModemText device = EditToDeviceText(QString(200, QLatin1Char('Z')));
  EXPECT_EQ(device[125], 'Z');
  EXPECT_EQ(device[126], 13);
  EXPECT_EQ(device[127], 0);
  EXPECT_EQ(DeviceTextToEdit(device), QString(126, QLatin1Char('Z')));
}
