// The shared key filters: which texts a field may hold after a key, and the
// decimal separator the real fields put in place of "," and ".".
#include <gtest/gtest.h>

#include <memory>

#include <QTest>

#include "widgets/input_filters.h"
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

// A value shown in exponent form can be edited key by key: the exponent mark
// after the digits, a minus right after it, then digits; "e" becomes "E".
TEST(RealFilter, TakesAnExponentAfterTheDigits) {
  widgetApplication();
  const RealFilter signedReal(true, u',', nullptr);
  const RealFilter unsignedReal(false, u',', nullptr);
  struct Case {
    const RealFilter& filter;
    const char* text;
    bool accepted;
  };
  const Case cases[] = {
      {signedReal, "-5,77499918108515E-7", true},
      {signedReal, "1E", true},      // half-typed: read as 1 until the digits follow
      {signedReal, "1,5E-", true},
      {signedReal, "2E15", true},
      {unsignedReal, "1E-7", true},  // a small value, not a negative one
      {signedReal, "E5", false},     // no digit before the mark
      {signedReal, "-E5", false},
      {signedReal, "1E5E", false},
      {signedReal, "1E,5", false},   // no separator in the exponent
      {signedReal, "1E--5", false},
      {signedReal, "1E5-", false},
      {unsignedReal, "-1E7", false},
  };
  for (const Case& c : cases) EXPECT_EQ(accepts(c.filter, c.text), c.accepted) << c.text;
  QString typed = QStringLiteral("2.5e-3");
  int pos = 0;
  EXPECT_EQ(signedReal.validate(typed, pos), QValidator::Acceptable);
  EXPECT_EQ(typed, QStringLiteral("2,5E-3"));
}

// Typed key by key, an exponent form is kept and, once its digits are there,
// is a finished input: leaving the field commits it.
TEST(RealFilter, AnExponentFormIsTypedAndEditedKeyByKey) {
  widgetApplication();
  std::unique_ptr<QLineEdit> edit(realEdit(QStringLiteral("real"), true, u',', nullptr));
  QTest::keyClicks(edit.get(), QStringLiteral("-2.5e-3"));
  EXPECT_EQ(edit->text(), QStringLiteral("-2,5E-3"));
  EXPECT_TRUE(edit->hasAcceptableInput());
  QTest::keyClick(edit.get(), Qt::Key_Backspace);
  QTest::keyClick(edit.get(), Qt::Key_8);
  EXPECT_EQ(edit->text(), QStringLiteral("-2,5E-8"));
  edit->setCursorPosition(3);
  QTest::keyClick(edit.get(), Qt::Key_Delete);
  QTest::keyClick(edit.get(), Qt::Key_6);
  EXPECT_EQ(edit->text(), QStringLiteral("-2,6E-8"));
  EXPECT_TRUE(edit->hasAcceptableInput());
}

}  // namespace
}  // namespace nastrum
