#include <gtest/gtest.h>

#include "link/crc16.h"

using namespace nastrum;

TEST(Crc16, PublishedCheckValueOverTheDigits) {
  EXPECT_EQ(Crc16(QByteArray("123456789")), 0x6F91);
  EXPECT_EQ(Crc16(QByteArray()), 0xFFFF);
}

TEST(Crc16, DataFollowedByItsOwnCrcLowByteFirstGivesZero) {
  for (const QByteArray& data : {QByteArray::fromHex("400501401e00"), QByteArray::fromHex("400101401e"),
                                 QByteArray("123456789"), QByteArray(200, '\xA5')}) {
    const std::uint16_t crc = Crc16(data);
    QByteArray framed = data;
    framed.append(static_cast<char>(crc & 0xFF));
    framed.append(static_cast<char>(crc >> 8));
    EXPECT_EQ(Crc16(framed), 0) << data.toHex().toStdString();
  }
}

TEST(Crc16, SpanAndByteArrayAgree) {
  const std::uint8_t bytes[] = {0x40, 0x07, 0x01, 0x40, 0x1E, 0x00};
  const QByteArray same(reinterpret_cast<const char*>(bytes), sizeof bytes);
  EXPECT_EQ(Crc16(std::span<const std::uint8_t>(bytes)), Crc16(same));
}
