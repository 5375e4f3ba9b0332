#include <gtest/gtest.h>

#include "model/cp1251.h"

using namespace nastrum;

TEST(Cp1251, EveryByteSurvivesARoundTrip) {
  QByteArray all;
  for (int b = 0; b < 256; ++b) all.append(static_cast<char>(b));
  EXPECT_EQ(toCp1251(fromCp1251(all)), all);
}

TEST(Cp1251, MapsTheCyrillicAndPunctuationOfTheCodePage) {
  struct Case {
    const char16_t* text;
    QByteArray bytes;
  };
  const Case cases[] = {
      {u"АЯая", QByteArray("\xC0\xDF\xE0\xFF")},
      {u"Ёё№", QByteArray("\xA8\xB8\xB9")},
      {u"€—«»", QByteArray("\x88\x97\xAB\xBB")},
      {u"Датчик 1", QByteArray("\xC4\xE0\xF2\xF7\xE8\xEA 1")},
  };
  for (const Case& c : cases) {
    const QString text = QString::fromUtf16(c.text);
    EXPECT_EQ(toCp1251(text), c.bytes) << text.toStdString();
    EXPECT_EQ(fromCp1251(c.bytes), text);
  }
}

TEST(Cp1251, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  // Greek alpha, a CJK ideograph, a character outside the basic plane (one
  // '?' for its two UTF-16 units) and a lone surrogate.
  QString text = QString::fromUtf16(u"aα中");
  text += QString::fromUtf16(u"\U0001F600");
  text += QChar(0xD800);
  text += QLatin1Char('z');
  EXPECT_EQ(toCp1251(text), QByteArray("a????z"));
}
