// The device character set, the names layouts and the transfer image.
#include <gtest/gtest.h>

#include <QString>

#include "link/runs/device_text.h"
#include "link/runs/names_layout.h"
#include "model/cp1251.h"
#include "model/device_alphabet.h"

namespace nastrum {
namespace {

QByteArray Cp1251(const QString& s) { return toCp1251(s); }

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }

TEST(DeviceText, EncodesWithLookAlikesAndBars) {
  const QByteArray tepl = EncodeDeviceText(Cp1251(QStringLiteral("Тепло")));
  ASSERT_EQ(tepl.size(), 32);
  EXPECT_EQ(tepl.left(5), Hex("54656e026f"));
  EXPECT_EQ(tepl.mid(5), QByteArray(27, ' '));
  EXPECT_EQ(EncodeDeviceText(Cp1251(QStringLiteral("Ы1"))).left(3), Hex("627c31"));
  EXPECT_EQ(EncodeDeviceText(Cp1251(QStringLiteral("ыЫ"))).left(5), Hex("067c627c20"));
  // No glyph for ф: the position keeps the pad.
  EXPECT_EQ(EncodeDeviceText(Cp1251(QStringLiteral("фа"))).left(2), Hex("2061"));
  EXPECT_EQ(EncodeDeviceText(Cp1251(QStringLiteral("ф")), 0xFF).left(2), Hex("ffff"));
  // U and V trade places in the device's table.
  EXPECT_EQ(EncodeDeviceText("UV").left(2), Hex("5655"));
}

TEST(DeviceText, DecodesBarsAndDropsUnknownCodes) {
  EXPECT_EQ(DecodeDeviceText(Hex("067c627c")), Cp1251(QStringLiteral("ыЫ")));
  EXPECT_EQ(DecodeDeviceText(Hex("62")), QByteArray("b"));
  EXPECT_EQ(DecodeDeviceText(QByteArray(16, static_cast<char>(0xFF))), QByteArray());
  EXPECT_EQ(DecodeDeviceText(Hex("54656e026f") + QByteArray(11, ' ')),
            Cp1251(QStringLiteral("Tenлo")) + QByteArray(11, ' '));
  EXPECT_EQ(DecodeDeviceText(Hex("5c8010")), QByteArray());
}

TEST(DeviceText, EveryShownCharacterReadsBackAsItself) {
  for (int code = 0; code < 256; ++code) {
    const auto c = deviceCharFor(code);
    // "Ь" is written with its look-alike "b"; the bar is not a name character.
    if (!c || *c == u'|' || *c == u'Ь') continue;
    const QByteArray text = toCp1251(QString(*c));
    EXPECT_EQ(DecodeDeviceText(EncodeDeviceText(text)).left(1), text) << code;
  }
}

NamesRegion SampleNames() {
  NamesRegion n;
  for (int i = 0; i < 64; ++i) n.sensorNames[static_cast<std::size_t>(i)].setBytes("T" + QByteArray::number(i));
  n.pipelineNames[0].setBytes(Cp1251(QStringLiteral("Подача")));
  n.hourArcNames[31].setBytes("HOUR 32");
  n.dayArcNames[0].setBytes("DAY 1");
  n.monthArcNames[62].setBytes("MONTH 63");
  n.intervalArcNames[11].setBytes("INT 12");
  n.desktopNames[4].setBytes("DESK 5");
  n.desktopParams[4] = 0x1234;
  return n;
}

TEST(NamesLayout, SlotsLandWhereTheDeviceKeepsThem) {
  const NamesRegion n = SampleNames();
  const NamesBuffers k2 = EncodeNames(n, 2);
  EXPECT_EQ(k2.names.mid(0, 3), QByteArray("T0 "));
  EXPECT_EQ(k2.names.mid(63 * 16, 3), QByteArray("T63"));
  EXPECT_EQ(k2.names.mid(1024, 2), Hex("206f"));  // "По…"
  EXPECT_EQ(k2.names.mid(1280 + 31 * 16, 7), QByteArray("HOVR 32"));  // the device has U and V swapped
  EXPECT_EQ(k2.names.mid(1280, 16), QByteArray(16, static_cast<char>(0xFF)));  // empty: left free
  EXPECT_EQ(k2.names.mid(1792, 5), QByteArray("DAY 1"));
  EXPECT_EQ(k2.names.mid(2816 + 62 * 16, 8), QByteArray("MONTH 63"));
  EXPECT_EQ(k2.names.mid(3840 + 11 * 16, 6), QByteArray("INT 12"));
  EXPECT_EQ(k2.workTable, QByteArray(512, static_cast<char>(0xFF)));

  const NamesBuffers k1 = EncodeNames(n, 1);
  EXPECT_EQ(k1.names.mid(1536, 3), QByteArray("T0 "));
  EXPECT_EQ(k1.names.mid(1792, 2), Hex("206f"));
  EXPECT_EQ(k1.names.mid(31 * 16, 7), QByteArray("HOVR 32"));

  const NamesBuffers k3 = EncodeNames(n, 3);
  EXPECT_EQ(k3.workTable.mid(4 * 32, 6), QByteArray("DESK 5"));
  EXPECT_EQ(k3.workTable.mid(4 * 32 + 16, 3), Hex("1234ff"));
}

TEST(NamesLayout, EmptySensorNamesAreWrittenAsSpacesOnTheLargerKinds) {
  NamesRegion n;
  EXPECT_EQ(EncodeNames(n, 2).names.left(16), QByteArray(16, ' '));
  EXPECT_EQ(EncodeNames(n, 1).names.mid(1536, 16), QByteArray(16, static_cast<char>(0xFF)));
}

TEST(NamesLayout, EncodeThenDecodeGivesTheNamesBackPadded) {
  for (int kind = 1; kind <= 3; ++kind) {
    const NamesRegion n = SampleNames();
    NamesRegion back;
    DecodeNames(EncodeNames(n, kind), kind, back);
    EXPECT_EQ(back.sensorNames[0].bytes(), QByteArray("T0").leftJustified(16, ' ')) << kind;
    // "П" has no glyph; the look-alikes read back as the Latin letters shown.
    EXPECT_EQ(back.pipelineNames[0].bytes(), Cp1251(QStringLiteral(" ogaчa")).leftJustified(16, ' ')) << kind;
    EXPECT_EQ(back.hourArcNames[31].bytes(), QByteArray("HOUR 32").leftJustified(16, ' ')) << kind;
    EXPECT_TRUE(back.hourArcNames[0].isEmpty()) << kind;
    if (kind == 3) {
      EXPECT_EQ(back.desktopNames[4].bytes(), QByteArray("DESK 5").leftJustified(16, ' '));
      EXPECT_EQ(back.desktopParams[4], 0x1234);
      EXPECT_TRUE(back.desktopNames[5].isEmpty());
      EXPECT_EQ(back.desktopParams[5], 0xFFFF);
      EXPECT_EQ(back.intervalArcNames[11].bytes(), QByteArray("INT 12").leftJustified(16, ' '));
    }
    if (kind == 1) {
      EXPECT_TRUE(back.sensorNames[16].isEmpty());
    }
  }
}

TEST(TransferImage, SizesAndChecksum) {
  NamesBuffers free;
  const QByteArray k1 = TransferImage(free, 1);
  ASSERT_EQ(k1.size(), 2048);
  EXPECT_EQ(k1.left(2047), QByteArray(2047, static_cast<char>(0xFF)));
  EXPECT_EQ(static_cast<std::uint8_t>(k1[2047]), 0xFE);

  NamesBuffers some;
  some.names.fill(0x20);
  some.workTable.fill(0x11);
  const QByteArray k3 = TransferImage(some, 3);
  ASSERT_EQ(k3.size(), 4608);
  EXPECT_EQ(k3.left(4032), QByteArray(4032, ' '));
  EXPECT_EQ(k3.mid(4032, 63), QByteArray(63, static_cast<char>(0xFF)));
  unsigned sum = 0;
  for (int i = 0; i < 4096; ++i) sum += static_cast<std::uint8_t>(k3[i]);
  EXPECT_EQ(sum % 256, 0xFFu);  // the complement makes the page sum all ones
  EXPECT_EQ(k3.mid(4096), QByteArray(512, 0x11));
  EXPECT_EQ(TransferImage(some, 2).size(), 4096);
  EXPECT_TRUE(TransferImage(some, 4).isEmpty());
}

}  // namespace
}  // namespace nastrum
