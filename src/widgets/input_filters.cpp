#include "widgets/input_filters.h"

#include <QApplication>

#include "descriptors/name_rule.h"

namespace nastrum {

namespace {

QValidator::State refuse() {
  QApplication::beep();
  return QValidator::Invalid;
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Latin digits and letters only: other scripts' digits are no hex the device reads.
bool isHexDigit(QChar c) {
  const QChar u = c.toUpper();
  return isDigit(c) || (u >= u'A' && u <= u'F');
}

}  // namespace

RealFilter::RealFilter(bool allowSign, QChar separator, QObject* parent)
    : QValidator(parent), allowSign_(allowSign), separator_(separator) {}

QValidator::State RealFilter::validate(QString& input, int&) const {
  // A sign only in front, one separator, and an exponent ("E", a minus and
  // digits) after at least one digit: a value shown in exponent form can be
  // edited key by key, and every text the field can hold, half-typed ones
  // included, reads as a number (ParseNumber).
  int separators = 0;
  int digits = 0;
  qsizetype exponentAt = -1;
  for (qsizetype i = 0; i < input.size(); ++i) {
    QChar& c = input[i];
    if (exponentAt < 0) {
      if (c == u',' || c == u'.') c = separator_;
      if (c == u'e') c = u'E';
    }
    bool ok = false;
    if (isDigit(c)) {
      ok = true;
      ++digits;
    } else if (exponentAt >= 0) {
      ok = c == u'-' && i == exponentAt + 1;
    } else if (c == u'E') {
      ok = digits > 0;
      exponentAt = i;
    } else {
      ok = (c == separator_ && ++separators == 1) || (allowSign_ && c == u'-' && i == 0);
    }
    if (!ok) return refuse();
  }
  return Acceptable;
}

DigitFilter::DigitFilter(bool hex, QObject* parent) : QValidator(parent), hex_(hex) {}

DigitFilter::DigitFilter(bool hex, int maxLength, QObject* parent)
    : QValidator(parent), hex_(hex), maxLength_(maxLength) {}

QValidator::State DigitFilter::validate(QString& input, int&) const {
  if (maxLength_ > 0 && input.size() > maxLength_) return refuse();
  for (QChar c : input)
    if (hex_ ? !isHexDigit(c) : !isDigit(c)) return refuse();
  return Acceptable;
}

QValidator::State NameFilter::validate(QString& input, int&) const {
  return isNameAcceptable(input) ? Acceptable : refuse();
}

QLineEdit* realEdit(const QString& objectName, bool allowSign, QChar separator, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(objectName);
  edit->setValidator(new RealFilter(allowSign, separator, edit));
  return edit;
}

QLineEdit* numberEdit(const QString& objectName, int maxLength, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(objectName);
  edit->setValidator(new DigitFilter(false, edit));
  if (maxLength > 0) edit->setMaxLength(maxLength);
  return edit;
}

QLineEdit* hexEdit(const QString& objectName, int maxLength, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(objectName);
  edit->setValidator(new DigitFilter(true, edit));
  if (maxLength > 0) edit->setMaxLength(maxLength);
  return edit;
}

}  // namespace nastrum
