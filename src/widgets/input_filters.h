// Key filters of the editor's entry fields: reals (signed or not; "," and "."
// become the regional decimal separator; a sign only in front, one
// separator, an exponent such as "E-7" after the digits), whole numbers,
// hexadecimal numbers and names (the device's name rule). A refused key beeps
// and changes nothing.
#pragma once

#include <QLineEdit>
#include <QValidator>

namespace nastrum {

class RealFilter : public QValidator {
 public:
  RealFilter(bool allowSign, QChar separator, QObject* parent = nullptr);
  State validate(QString& input, int& pos) const override;

 private:
  bool allowSign_;
  QChar separator_;
};

// Digits only, or hexadecimal digits only. With `maxLength` above 0 a key
// that would make the text longer is refused too (with the beep, which a
// field's own maximum length would not give).
class DigitFilter : public QValidator {
 public:
  DigitFilter(bool hex, QObject* parent = nullptr);
  DigitFilter(bool hex, int maxLength, QObject* parent);
  State validate(QString& input, int& pos) const override;

 private:
  bool hex_;
  int maxLength_ = 0;
};

// The name rule: "|" and characters the device cannot show are refused, and
// "ы"/"Ы" take two places of sixteen.
class NameFilter : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override;
};

// A line edit with its filter and object name; `maxLength` 0 keeps the default.
QLineEdit* realEdit(const QString& objectName, bool allowSign, QChar separator, QWidget* parent);
QLineEdit* numberEdit(const QString& objectName, int maxLength, QWidget* parent);
QLineEdit* hexEdit(const QString& objectName, int maxLength, QWidget* parent);

}  // namespace nastrum
