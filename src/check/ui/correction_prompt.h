// The correction prompt "vUnit": explains why setup is refused and offers the
// automatic correction.
#pragma once

#include <QDialog>

class QPushButton;

namespace nastrum {

class CorrectionPrompt : public QDialog {
  Q_OBJECT
 public:
  explicit CorrectionPrompt(QWidget* parent = nullptr);

  QPushButton* repairButton() const { return repair_; }
  QPushButton* declineButton() const { return decline_; }

  static QString promptText();

 signals:
  void repairRequested();
  void declined();

 private:
  QPushButton* repair_;
  QPushButton* decline_;
};

}  // namespace nastrum
