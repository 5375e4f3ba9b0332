// The upper group of the "Регуляторы/Рабочий стол" page: one regulator of
// the large model at a time, bound to RegulatorPage.
#pragma once

#include <QGroupBox>

#include "editor/pages/desktop/regulator_page.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace nastrum {

class ChoiceBox;
class WrapSpinBox;

class RegulatorGroup : public QGroupBox {
  Q_OBJECT

 public:
  RegulatorGroup(RegulatorPage& page, QWidget* parent = nullptr);

  // Fills the controls from the image; never an edit.
  void refresh();

 signals:
  void changed();  // a choice: the page shows everything again
  void typed();    // a text field changed the image

 private:
  RegulatorPage& page_;
  WrapSpinBox* number_ = nullptr;
  QCheckBox* present_ = nullptr;
  QWidget* body_ = nullptr;
  WrapSpinBox* output_ = nullptr;
  QLabel* module_ = nullptr;
  QLabel* terminals_ = nullptr;
  ChoiceBox* law_ = nullptr;
  ChoiceBox* operandKind_ = nullptr;
  QLineEdit* operand_ = nullptr;
  QLineEdit* k1_ = nullptr;
};

}  // namespace nastrum
