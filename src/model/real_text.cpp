#include "model/real_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <QLocale>

#include "model/message_catalogue.h"

namespace nastrum {

namespace {

constexpr int kSignificantDigits = 15;
constexpr int kDisplayWidth = 8;

bool isAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Adds one at position `from` of a decimal text, carrying towards the start:
// the separator is stepped over, a "9" turns to "0" and carries on, a leading
// "-" turns to "1" behind a new "-", and a carry out of the first digit puts
// a "1" in front.
QString carryUp(QString s, qsizetype from, QChar separator) {
  for (qsizetype i = from; i >= 0; --i) {
    const QChar c = s[i];
    if (c == separator) continue;
    if (c == QLatin1Char('9')) {
      s[i] = QLatin1Char('0');
      continue;
    }
    if (c == QLatin1Char('-')) {
      s[i] = QLatin1Char('1');
      s.prepend(QLatin1Char('-'));
      return s;
    }
    if (isAsciiDigit(c)) s[i] = QChar(c.unicode() + 1);
    return s;
  }
  if (!s.isEmpty() && s[0] != QLatin1Char('-')) s.prepend(QLatin1Char('1'));
  return s;
}

// Reads `text` again and gives its general text; keeps `text` when it is not
// a number (cannot happen for texts cut from a general text, but the display
// must never fail).
QString regeneral(const QString& text, QChar separator) {
  const std::optional<double> v = readRealText(text, separator);
  return v ? GeneralRealText(*v, separator) : text;
}

// A field that stores every key reads an exponent still being typed ("1,5E",
// "1,5E-") as its mantissa, as it reads a lone "-" as 0.
QString withoutOpenExponent(const QString& text, QChar separator) {
  QString s = text;
  if (s.endsWith(QLatin1Char('-')) || s.endsWith(QLatin1Char('+'))) s.chop(1);
  if (!s.endsWith(QLatin1Char('E'), Qt::CaseInsensitive)) return text;
  s.chop(1);
  const bool afterMantissa = !s.isEmpty() && (isAsciiDigit(s.back()) || s.back() == separator);
  return afterMantissa ? s : text;
}

}  // namespace

QChar systemDecimalSeparator() {
  const QString point = QLocale::system().decimalPoint();
  return point.isEmpty() ? QLatin1Char('.') : point[0];
}

QString GeneralRealText(double x, QChar separator) {
  if (std::isnan(x)) return QStringLiteral("NAN");
  if (std::isinf(x)) return x < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
  if (x == 0) return QStringLiteral("0");

  // "d.ddddddddddddddde±XX": fifteen significant digits, correctly rounded.
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, std::fabs(x));
  std::string mantissa(buffer, 1);
  const char* p = buffer + 2;
  for (; *p != 'e'; ++p) mantissa.push_back(*p);
  const int exponent = std::atoi(p + 1);
  while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();
  const QString digits = QString::fromLatin1(mantissa);

  QString out = x < 0 ? QStringLiteral("-") : QString();
  if (exponent < -5 || exponent >= kSignificantDigits) {
    out += digits[0];
    if (digits.size() > 1) out += separator + digits.mid(1);
    out += QLatin1Char('E');
    if (exponent < 0) out += QLatin1Char('-');
    out += QString::number(std::abs(exponent));
  } else if (exponent < 0) {
    out += QLatin1Char('0') + QString(separator) + QString(-exponent - 1, QLatin1Char('0')) + digits;
  } else {
    const qsizetype intDigits = exponent + 1;
    if (digits.size() <= intDigits) {
      out += digits + QString(intDigits - digits.size(), QLatin1Char('0'));
    } else {
      out += digits.left(intDigits) + separator + digits.mid(intDigits);
    }
  }
  return out;
}

std::optional<double> readRealText(const QString& text, QChar separator) {
  const QString s = text.trimmed();
  std::string c;  // the same number in C notation
  qsizetype i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == QLatin1Char('-') || s[i] == QLatin1Char('+'))) negative = s[i++] == QLatin1Char('-');
  int mantissaDigits = 0;
  bool seenSeparator = false;
  for (; i < s.size(); ++i) {
    if (isAsciiDigit(s[i])) {
      c.push_back(static_cast<char>(s[i].unicode()));
      ++mantissaDigits;
    } else if (s[i] == separator && !seenSeparator) {
      c.push_back('.');
      seenSeparator = true;
    } else {
      break;
    }
  }
  if (mantissaDigits == 0) return std::nullopt;
  if (i < s.size() && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
    c.push_back('e');
    ++i;
    if (i < s.size() && (s[i] == QLatin1Char('-') || s[i] == QLatin1Char('+'))) c.push_back(static_cast<char>(s[i++].unicode()));
    int exponentDigits = 0;
    for (; i < s.size() && isAsciiDigit(s[i]); ++i, ++exponentDigits) c.push_back(static_cast<char>(s[i].unicode()));
    if (exponentDigits == 0) return std::nullopt;
  }
  if (i != s.size()) return std::nullopt;

  double value = 0;
  const auto [end, error] = std::from_chars(c.data(), c.data() + c.size(), value);
  if (error != std::errc() || end != c.data() + c.size() || !std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

double ParseNumber(const QString& text, QChar separator, MessagePresenter& presenter) {
  const QString minus = QStringLiteral("-");
  QString s = withoutOpenExponent(text, separator);
  if (s.isEmpty() || s == minus || s == QString(separator)) return 0;
  if (s.startsWith(minus + separator)) s.insert(1, QLatin1Char('0'));
  if (const std::optional<double> value = readRealText(s, separator)) return *value;
  ShowMessageCode(presenter, 7);
  return 0;
}

QString FormatReal8(double x, QChar separator) {
  QString s = GeneralRealText(x, separator);
  if (!std::isfinite(x) || x == 0) return s;
  const bool exponentForm = s.contains(QLatin1Char('E'));

  if (!exponentForm && s.size() > kDisplayWidth) {
    const qsizetype separatorAt = s.indexOf(separator);
    const qsizetype integerWidth = separatorAt < 0 ? s.size() : separatorAt;
    if (integerWidth >= kDisplayWidth) {
      // The integer part alone fills the display: round it by the first
      // fraction digit and keep every integer digit.
      QString integer = s.left(integerWidth);
      if (separatorAt >= 0 && separatorAt + 1 < s.size() && s[separatorAt + 1] > QLatin1Char('5'))
        integer = carryUp(integer, integer.size() - 1, separator);
      s = regeneral(integer, separator);
    } else {
      if (isAsciiDigit(s[kDisplayWidth]) && s[kDisplayWidth] > QLatin1Char('5'))
        s = carryUp(s, kDisplayWidth - 1, separator);
      s = regeneral(s.left(kDisplayWidth), separator);
    }
  }

  if (!s.contains(QLatin1Char('E')) && s.size() < kDisplayWidth) {
    if (s.contains(separator)) {
      while (s.size() < kDisplayWidth) s += QLatin1Char('0');
    } else {
      s += separator;
      while (s.size() < kDisplayWidth - 1) s += QLatin1Char('0');
    }
  }
  return s;
}

QString ShortenRealText(const QString& display, int length, QChar separator) {
  if (display.size() <= length || display.contains(QLatin1Char('E'))) return display;
  const qsizetype point = display.indexOf(separator);
  if (point < 0) return display;                    // a whole value: every digit counts
  if (point >= length) return display.left(point);  // the whole fraction goes, its separator with it
  return display.left(length);
}

}  // namespace nastrum
