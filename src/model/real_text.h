// Reals as the editor shows and reads them. The decimal separator is always
// passed in: the windows take it from the regional settings
// (systemDecimalSeparator), tests choose it.
#pragma once

#include <optional>

#include <QChar>
#include <QString>

#include "model/message_presenter.h"

namespace nastrum {

// The decimal separator of the user's regional settings.
QChar systemDecimalSeparator();

// The shortest general text with up to 15 significant digits: plain digits
// for 1E-5 <= |x| < 1E15, otherwise an exponent form such as "1E-6" or
// "-1,5E20". Non-finite values give "NAN", "INF" and "-INF".
QString GeneralRealText(double x, QChar separator);

// A strict reading: optional spaces around, an optional sign, digits with at
// most one separator, an optional exponent. Nothing else; no value out of
// range. No message is shown.
std::optional<double> readRealText(const QString& text, QChar separator);

// The reading of a real-valued edit box: an empty text, "-" or the separator
// alone read as 0, "-" + separator + digits as "-0" + separator + digits, an
// exponent mark without digits yet ("1,5E", "1,5E-") as the mantissa before it.
// Anything unreadable shows message 7 and gives 0.
double ParseNumber(const QString& text, QChar separator, MessagePresenter& presenter);

// The eight-character display of a real: fractions fill eight characters,
// rounding up at the eighth when the ninth digit is above 5; whole values show
// seven characters ("12.0000"); zero is "0"; exponent forms stay as they are.
// Values whose integer part needs eight or more characters show that integer
// part rounded by its first fraction digit in the same way, never shortened,
// so the display is never a different number of the wrong magnitude.
QString FormatReal8(double x, QChar separator);

// A display real cut to `length` characters where a narrow place asks for it
// (the regulator constant), dropping fraction digits only: the integer part
// and an exponent form stay whole, so the shortened text never reads as a
// number of another magnitude ("1234567" stays, "1,23456" becomes "1,2345" at six).
QString ShortenRealText(const QString& display, int length, QChar separator);

}  // namespace nastrum
