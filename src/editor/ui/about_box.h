// The about box "О программе".
#pragma once

#include <QDialog>

namespace nastrum {

class AboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace nastrum
