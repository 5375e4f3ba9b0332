// The lower group "Рабочий стол:" of the "Регуляторы/Рабочий стол" page: one
// desktop entry at a time, bound to DesktopPage.
#pragma once

#include <QGroupBox>

#include "editor/pages/desktop/desktop_page.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace nastrum {

class ChoiceBox;
class WrapSpinBox;

class DesktopEntryGroup : public QGroupBox {
  Q_OBJECT

 public:
  DesktopEntryGroup(DesktopPage& page, QWidget* parent = nullptr);

  // Fills the controls from the image; never an edit.
  void refresh();

 signals:
  void changed();  // a choice: the page shows everything again
  void typed();    // the name changed the image

 private:
  void showItems(const DesktopView& v);

  DesktopPage& page_;
  WrapSpinBox* number_ = nullptr;
  QLabel* presentCaption_ = nullptr;
  QCheckBox* present_ = nullptr;
  QWidget* body_ = nullptr;
  ChoiceBox* group_ = nullptr;
  QListWidget* items_ = nullptr;
  QLabel* objectCaption_ = nullptr;
  WrapSpinBox* object_ = nullptr;
  QLineEdit* name_ = nullptr;
};

}  // namespace nastrum
