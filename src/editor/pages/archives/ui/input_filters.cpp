#include "editor/pages/archives/ui/input_filters.h"

#include <QApplication>

#include "editor/descriptors/name_rule.h"

namespace nastrum {

CharFilterValidator::CharFilterValidator(std::function<bool(QChar)> allowed, int maxLength, QObject* parent)
    : QValidator(parent), allowed_(std::move(allowed)), maxLength_(maxLength) {}

QValidator::State CharFilterValidator::validate(QString& input, int&) const {
  bool ok = input.size() <= maxLength_;
  for (QChar c : input) ok = ok && allowed_(c);
  if (ok) return Acceptable;
  QApplication::beep();
  return Invalid;
}

QValidator* digitsValidator(int maxLength, QObject* parent) {
  return new CharFilterValidator([](QChar c) { return c >= u'0' && c <= u'9'; }, maxLength, parent);
}

QValidator* hexDigitsValidator(int maxLength, QObject* parent) {
  return new CharFilterValidator(
      [](QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f'); },
      maxLength, parent);
}

QValidator::State NameValidator::validate(QString& input, int&) const {
  if (isNameAcceptable(input)) return Acceptable;
  QApplication::beep();
  return Invalid;
}

}  // namespace nastrum
