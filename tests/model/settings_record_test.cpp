#include <gtest/gtest.h>

#include "model/byte_stream.h"
#include "model/settings_record.h"
#include "support/fresh_image.h"

using namespace nastrum;

namespace {

using nastrum::testing::freshImage;

}  // namespace

TEST(SettingsRecord, FreshImageLaysOutAsTheDeviceExpects) {
  for (Word kind : {1, 2, 3}) {
    const QByteArray record = encodeSettingsRecord(freshImage(kind));
    ASSERT_EQ(record.size(), kSettingsRecordSize);
    ByteReader r(record);
    EXPECT_EQ(r.i32(), kind);

    QByteArray system = record.mid(15448);
    ByteReader s(system);
    for (Word expected : {1, 2010, 0, 0, 0, 0x3A05, 1}) EXPECT_EQ(s.i32(), expected);

    QByteArray pipe1 = record.mid(5636, 132);
    ByteReader p(pipe1);
    for (Word expected : {1, 0, 0, 0x4040, 0x4040, 0x4040, 0x0040, 0x8040, 0}) EXPECT_EQ(p.i32(), expected);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(p.f64(), 0.0);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(p.f64(), 1.0);

    ByteReader d(record.mid(17076));
    for (double expected : {5.0, 65.0, 0.6, 735.0}) EXPECT_EQ(d.f64(), expected);
    EXPECT_EQ(static_cast<std::uint8_t>(record[17156]), 13);
  }
}

TEST(SettingsRecord, Kind3CarriesModemAuxInLogicK2) {
  SettingsImage image = freshImage(3);
  image.modemInitAux.fill(0);
  image.modemInitAux[0] = 'A';
  image.modemInitAux[1] = 'T';
  image.modemInitAux[2] = 13;
  const QByteArray record = encodeSettingsRecord(image);
  ByteReader k2(record.mid(13912));
  EXPECT_EQ(k2.i32(), 0x41);
  EXPECT_EQ(k2.i32(), 0x54);
  EXPECT_EQ(k2.i32(), 13);
  for (int slot = 4; slot <= 128; ++slot) EXPECT_EQ(k2.i32(), 0) << slot;

  SettingsImage back = freshImage(2);
  decodeSettingsRecord(record, back);
  EXPECT_EQ(back.modemInitAux, image.modemInitAux);
}
