#include <gtest/gtest.h>

#include "descriptors/name_rule.h"
#include "model/device_alphabet.h"

namespace nastrum {
namespace {

TEST(DeviceAlphabet, CodesAndCharactersOfTheDisplay) {
  struct Case {
    int code;
    char16_t ch;
  } cases[] = {{0x00, u'г'}, {0x07, u'я'}, {0x20, u' '}, {0x41, u'A'}, {0x55, u'V'}, {0x56, u'U'},
               {0x5B, u'['}, {0x5D, u']'}, {0x60, u'Ь'}, {0x7C, u'|'}, {0x7D, u'}'}, {0xA5, u'•'},
               {0xBF, u'У'}, {0xDE, u'°'}, {0xF9, u'ц'}};
  for (const auto& c : cases) {
    ASSERT_TRUE(deviceCharFor(c.code).has_value()) << c.code;
    EXPECT_EQ(*deviceCharFor(c.code), QChar(c.ch)) << c.code;
    EXPECT_EQ(deviceCodeFor(QChar(c.ch)), c.code) << c.code;
  }
  for (int code : {0x08, 0x1F, 0x5C, 0x7E, 0x80, 0xFF}) EXPECT_FALSE(deviceCharFor(code)) << code;
}

TEST(DeviceAlphabet, LookAlikesAndTwoPlaceLetters) {
  EXPECT_EQ(lookAlikeCodeFor(u'Р'), 0x50);
  EXPECT_EQ(lookAlikeCodeFor(u'ы'), 0x06);
  EXPECT_EQ(lookAlikeCodeFor(u'Ы'), 0x62);
  EXPECT_EQ(lookAlikeCodeFor(u'ъ'), 0x27);
  EXPECT_FALSE(lookAlikeCodeFor(u'ф'));
  EXPECT_TRUE(isTwoPlaceLetter(u'ы'));
  EXPECT_FALSE(isTwoPlaceLetter(u'ь'));
  for (char16_t ok : {u'Т', u'е', u'п', u'л', u'о', u'Э', u'b'}) EXPECT_TRUE(isDeviceShowable(QChar(ok))) << int(ok);
  for (char16_t bad : {u'ф', u'Ф', u'Ж', u'\\', u'~', u'ё', u'Ю'}) EXPECT_FALSE(isDeviceShowable(QChar(bad))) << int(bad);
}

TEST(NameRule, PlacesAndMaximumLength) {
  EXPECT_EQ(nameMaxLength(QStringLiteral("Тепло")), 16);
  EXPECT_EQ(nameMaxLength(QStringLiteral("ыЫы")), 13);
  EXPECT_EQ(namePlaces(QStringLiteral("ыЫ")), 4);
  // Two "ы" leave room for 14 characters in all.
  const QString fourteen = QStringLiteral("ыы") + QString(12, u'a');
  EXPECT_TRUE(isNameAcceptable(fourteen));
  EXPECT_FALSE(isNameAcceptable(fourteen + u'a'));
  EXPECT_TRUE(isNameAcceptable(QString(16, u'a')));
  EXPECT_FALSE(isNameAcceptable(QString(17, u'a')));
}

TEST(NameRule, RefusesBarAndUnshowableCharacters) {
  EXPECT_FALSE(isNameCharAllowed(u'|'));
  EXPECT_FALSE(isNameCharAllowed(u'ф'));
  EXPECT_TRUE(isNameCharAllowed(u'Ы'));
  EXPECT_FALSE(isNameAcceptable(QStringLiteral("a|b")));
  EXPECT_EQ(nameForSlot(QString(20, u'x')), QString(16, u'x'));
}

}  // namespace
}  // namespace nastrum
