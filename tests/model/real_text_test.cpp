#include <gtest/gtest.h>

#include "model/real_text.h"
#include "support/scripted_presenter.h"

using namespace nastrum;

TEST(ParseNumber, EditBoxReadingsWithComma) {
  const QChar comma = QLatin1Char(',');
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"", 0},      {"-", 0},       {",", 0},       {"-,5", -0.5}, {",5", 0.5},   {"12,25", 12.25},
      {"-3", -3},   {" 7 ", 7},     {"1,5E3", 1500}, {"1e-2", 0.01}, {"+2", 2},    {"5,", 5},
      // An exponent still being typed reads as its mantissa.
      {"1e", 1},    {"-1,5E-", -1.5}, {"2,E+", 2},
  };
  for (const Case& c : cases) {
    ScriptedPresenter boxes;  // none expected
    EXPECT_DOUBLE_EQ(ParseNumber(QString::fromLatin1(c.text), comma, boxes), c.value) << c.text;
  }
}

TEST(ParseNumber, UnreadableTextShowsMessage7AndGivesZero) {
  const QChar comma = QLatin1Char(',');
  for (const char* text : {"abc", "1.5", "1,2,3", "--1", "e", "-E", "e5", "1e999", "12a", "- 1", "1E--"}) {
    ScriptedPresenter boxes{AnswerOk};
    EXPECT_EQ(ParseNumber(QString::fromLatin1(text), comma, boxes), 0.0) << text;
    ASSERT_EQ(boxes.codes(), std::vector<int>{7}) << text;
    EXPECT_EQ(boxes.last().caption, QStringLiteral("Ошибка ввода"));
    EXPECT_EQ(boxes.last().text, QStringLiteral("В поле должно быть число!"));
  }
}

TEST(ParseNumber, DotSeparatorReadsDotsOnly) {
  ScriptedPresenter boxes{AnswerOk};
  const QChar dot = QLatin1Char('.');
  EXPECT_DOUBLE_EQ(ParseNumber(QStringLiteral("-.25"), dot, boxes), -0.25);
  EXPECT_EQ(ParseNumber(QStringLiteral("0,5"), dot, boxes), 0.0);
  EXPECT_EQ(boxes.codes(), std::vector<int>{7});
}

TEST(GeneralRealText, FixedBetweenTenToTheMinusFiveAndFifteenDigits) {
  const QChar dot = QLatin1Char('.');
  struct Case {
    double x;
    const char* text;
  };
  const Case cases[] = {
      {0, "0"},           {1.5, "1.5"},         {-3, "-3"},           {0.1 + 0.2, "0.3"},
      {0.00001, "0.00001"}, {0.000001, "1E-6"},  {-1.5e-7, "-1.5E-7"}, {123456789012345.0, "123456789012345"},
      {1e15, "1E15"},     {2.1234565, "2.1234565"}, {1.0 / 3, "0.333333333333333"},
  };
  for (const Case& c : cases) EXPECT_EQ(GeneralRealText(c.x, dot), QString::fromLatin1(c.text)) << c.text;
  EXPECT_EQ(GeneralRealText(2.5, QLatin1Char(',')), QStringLiteral("2,5"));
}

TEST(FormatReal8, EightCharacterDisplay) {
  const QChar dot = QLatin1Char('.');
  struct Case {
    double x;
    const char* text;
  };
  const Case cases[] = {
      {0, "0"},
      {1.5, "1.500000"},
      {12, "12.0000"},
      {-3, "-3.0000"},
      {2.123456789, "2.123457"},  // ninth character 7 rounds up
      {2.1234565, "2.123456"},    // ninth character 5 does not
      {9.9999999, "10.0000"},     // the carry adds a digit in front
      {-9.9999999, "-10.000"},    // and passes the sign
      {0.000001, "1E-6"},
      {0.00001, "0.000010"},
      {735, "735.000"},
      {0.6, "0.600000"},
      {-0.0, "0"},
      {1234567.5, "1234567."},  // the eighth character is the separator
  };
  for (const Case& c : cases) EXPECT_EQ(FormatReal8(c.x, dot), QString::fromLatin1(c.text)) << c.text;
  EXPECT_EQ(FormatReal8(1.5, QLatin1Char(',')), QStringLiteral("1,500000"));
}

TEST(FormatReal8, LongIntegerPartsKeepTheirMagnitude) {
  const QChar dot = QLatin1Char('.');
  struct Case {
    double x;
    const char* text;
  };
  const Case cases[] = {
      {12345678.4, "12345678"},   // ninth character is the separator
      {12345678.9, "12345679"},   // rounded by the first fraction digit
      {-1234567.9, "-1234568"},
      {99999999.7, "100000000"},
      {123456789, "123456789"},   // never cut to a number ten times smaller
      {1000000000.25, "1000000000"},
      {12345678, "12345678"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatReal8(c.x, dot), QString::fromLatin1(c.text)) << c.text;
}

TEST(FormatReal8, NonFiniteValuesDoNotFail) {
  const QChar dot = QLatin1Char('.');
  EXPECT_EQ(FormatReal8(std::numeric_limits<double>::quiet_NaN(), dot), QStringLiteral("NAN"));
  EXPECT_EQ(FormatReal8(-std::numeric_limits<double>::infinity(), dot), QStringLiteral("-INF"));
}

TEST(FormatReal8, DisplayReadsBackCloseToTheValue) {
  // The display and ParseNumber are used as a pair (a slope is stored in its
  // displayed form), so the display must read back within its last digit.
  const QChar comma = QLatin1Char(',');
  ScriptedPresenter boxes;
  for (double x : {3.14159265358979, -0.001234567, 47.5, 1e7 + 0.3, 0.0625, -42.0, 98765.4321}) {
    const QString shown = FormatReal8(x, comma);
    EXPECT_LE(shown.size(), 8) << x;
    EXPECT_NEAR(ParseNumber(shown, comma, boxes), x, std::abs(x) * 1e-6 + 1e-5) << shown.toStdString();
  }
}
