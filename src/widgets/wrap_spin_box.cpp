#include "widgets/wrap_spin_box.h"

#include "widgets/page_wheel.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalBlocker>

namespace nastrum {

WrapSpinBox::WrapSpinBox(const QString& objectName, QWidget* parent) : QSpinBox(parent) {
  setObjectName(objectName);
  letWheelScrollPage(this);
  connect(this, &QSpinBox::valueChanged, this, &WrapSpinBox::valueEntered);
}

void WrapSpinBox::showValue(int lowest, int highest, int value) {
  const QSignalBlocker block(this);
  setRange(lowest - 1, highest + 1);
  setValue(value);
}

void WrapSpinBox::setMaxDigits(int digits) { lineEdit()->setMaxLength(digits); }

void WrapSpinBox::setArrowsOnly() { lineEdit()->setReadOnly(true); }

QValidator::State WrapSpinBox::validate(QString& input, int& pos) const {
  for (QChar c : input) {
    if (c < u'0' || c > u'9') {
      QApplication::beep();
      return QValidator::Invalid;
    }
  }
  if (input.isEmpty()) return QValidator::Intermediate;
  return QSpinBox::validate(input, pos);
}

}  // namespace nastrum
