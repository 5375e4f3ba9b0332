// The shared key filters: which texts a field may hold after a key, and the
// decimal separator the real fields put in place of "," and ".".
#include <gtest/gtest.h>

#include "editor/pages/inputs/input_filters.h"
#include "support/widget_application.h"

namespace nastrum {
namespace {

bool accepts(const QValidator& filter, QString text) {
  int pos = 0;
  return filter.validate(text, pos) == QValidator::Acceptable;
}

TEST(DigitFilter, TakesLatinDigitsOnlyAndRefusesKeysBeyondItsLength) {
  widgetApplication();
  const DigitFilter decimal(false, 2, nullptr);
  const DigitFilter hex(true, 4, nullptr);
  const DigitFilter unlimited(false);
  struct Case {
    const QValidator& filter;
    QString text;
    bool accepted;
  };
  const Case cases[] = {
      {decimal, "", true},
      {decimal, "07", true},
      {decimal, "123", false},  // one beyond the length
      {decimal, "1a", false},
      {decimal, QString(QChar(0x0663)), false},  // an Arabic-Indic three
      {hex, "0aF9", true},
      {hex, "0aF9B", false},
      {hex, "G", false},
      {hex, QString(QChar(0xFF11)), false},  // a full-width one
      {unlimited, "12345678", true},
      {unlimited, "-1", false},
  };
  for (const Case& c : cases) EXPECT_EQ(accepts(c.filter, c.text), c.accepted) << c.text.toStdString();
}

TEST(RealFilter, PutsTheSeparatorForEitherMarkAndKeepsOneSignInFront) {
  widgetApplication();
  const RealFilter signedReal(true, u',', nullptr);
  const RealFilter unsignedReal(false, u'.', nullptr);
  QString typed = QStringLiteral("-1.5");
  int pos = 0;
  EXPECT_EQ(signedReal.validate(typed, pos), QValidator::Acceptable);
  EXPECT_EQ(typed, QStringLiteral("-1,5"));
  EXPECT_FALSE(accepts(signedReal, "1-5"));
  EXPECT_FALSE(accepts(signedReal, "1,5.2"));
  EXPECT_FALSE(accepts(unsignedReal, "-1"));
  EXPECT_TRUE(accepts(unsignedReal, "1,"));
}

}  // namespace
}  // namespace nastrum
