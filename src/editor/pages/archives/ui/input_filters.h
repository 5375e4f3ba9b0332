// Key filters of the archive page's entry fields: digits only, hexadecimal
// digits only, and the name rule. A refused key beeps and changes nothing.
#pragma once

#include <functional>

#include <QChar>
#include <QValidator>

namespace nastrum {

// Takes text whose every character passes `allowed` and whose length stays
// within `maxLength`; anything else is refused with a beep.
class CharFilterValidator : public QValidator {
 public:
  CharFilterValidator(std::function<bool(QChar)> allowed, int maxLength, QObject* parent);
  State validate(QString& input, int& pos) const override;

 private:
  std::function<bool(QChar)> allowed_;
  int maxLength_;
};

QValidator* digitsValidator(int maxLength, QObject* parent);
QValidator* hexDigitsValidator(int maxLength, QObject* parent);

// A name field: 16 places, "ы"/"Ы" take two, "|" and characters the device
// cannot show are refused.
class NameValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override;
};

}  // namespace nastrum
