// The arithmetic actions window: edits the formula of a large-model
// summation sensor. The sensor page fills it from the sensor, opens it
// modally, and the window writes the formula back whenever it closes.
#pragma once

#include <array>

#include <QDialog>

#include "arith/arith_formula.h"
#include "model/workspace.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace nastrum {

class ChoiceBox;

class TarForm : public QDialog {
  Q_OBJECT
 public:
  TarForm(Workspace& workspace, QChar separator, QWidget* parent = nullptr);

  // Fills the controls from sensor n; changes nothing.
  void fill(int sensor);
  // Prepares the window for showing: caption, operand captions and lists;
  // opening counts as an edit (the window always writes back).
  void prepareToOpen();
  // fill, prepareToOpen, modal run; the formula is stored on closing.
  int editSensor(int sensor);

  const ArithState& state() const { return state_; }
  QString formulaLine() const;

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build();
  void fillOperandLists();
  void showState();
  void takeControls();  // every change: read, correct, recompute
  void store();

  Workspace& workspace_;
  QChar separator_;
  int sensor_ = 0;
  bool filled_ = false;  // closing stores only a formula that was filled from a sensor
  bool pipelines_ = false;
  ArithState state_;

  std::array<QLabel*, 3> operandLabels_{};
  std::array<ChoiceBox*, 3> operands_{};
  std::array<QLineEdit*, 3> constants_{};
  std::array<ChoiceBox*, 3> operations_{};
  ChoiceBox* combine12_ = nullptr;
  ChoiceBox* combine43_ = nullptr;
  QRadioButton* keepSign_ = nullptr;
  QRadioButton* absolute_ = nullptr;
  QLabel* formula_ = nullptr;
};

}  // namespace nastrum
