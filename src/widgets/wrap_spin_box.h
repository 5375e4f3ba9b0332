// A digits-only spin box whose arrows go round: one step below the lowest
// value reaches the highest and one above the highest reaches the lowest.
// The wheel scrolls the page instead of stepping the number.
// The box lets the step pass through (its range is one wider on each side);
// the page's rules wrap the number and the page shows the result again.
#pragma once

#include <QSpinBox>

namespace nastrum {

class WrapSpinBox : public QSpinBox {
  Q_OBJECT

 public:
  explicit WrapSpinBox(const QString& objectName, QWidget* parent = nullptr);

  // Shows `value` in lowest..highest; signals blocked.
  void showValue(int lowest, int highest, int value);
  // At most this many digits may be typed.
  void setMaxDigits(int digits);
  // Changed by the arrows (and arrow keys) only; no typing.
  void setArrowsOnly();

 signals:
  // The user stepped or typed a number (possibly one past either end).
  void valueEntered(int value);

 protected:
  QValidator::State validate(QString& input, int& pos) const override;
};

}  // namespace nastrum
