// The operand panel of an archive head: by the item chosen in "запись в
// архив", a sensor list, a pipeline list, the X1/X2 lists of a difference,
// the "+"/"—" rows of an algebraic sum or the arbitrary parameter's number.
#pragma once

#include <array>

#include <QWidget>

#include "editor/pages/archives/archive_view.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace nastrum {

class ArchiveOperandPanel : public QWidget {
  Q_OBJECT

 public:
  // `prefix` starts the object names of the controls ("hour", "day", …).
  ArchiveOperandPanel(const QString& prefix, QWidget* parent = nullptr);

  // Shows the panel of the view's item, filled from the view; signals blocked.
  void showView(const ArchiveView& view);

 signals:
  // nullopt: "нет" or an empty box.
  void operandChosen(std::optional<int> number);
  void differenceChosen(bool x1, std::optional<int> sensor);
  void sumTicked(int pipeline, bool positive, bool ticked);
  void parameterEdited(const QString& hex);

 private:
  QWidget* buildSingle(const QString& caption, QComboBox*& combo, QLabel*& error, const QString& name);
  QWidget* buildDifference(const QString& prefix);
  QWidget* buildSum(const QString& prefix);
  QWidget* buildParameter(const QString& prefix);

  QWidget* sensorPanel_ = nullptr;
  QWidget* pipelinePanel_ = nullptr;
  QWidget* differencePanel_ = nullptr;
  QWidget* sumPanel_ = nullptr;
  QWidget* parameterPanel_ = nullptr;
  QComboBox* sensor_ = nullptr;
  QLabel* sensorError_ = nullptr;
  QComboBox* pipeline_ = nullptr;
  QLabel* pipelineError_ = nullptr;
  QComboBox* x1_ = nullptr;
  QLabel* x1Error_ = nullptr;
  QComboBox* x2_ = nullptr;
  QLabel* x2Error_ = nullptr;
  std::array<QCheckBox*, 16> plus_{};
  std::array<QCheckBox*, 16> minus_{};
  QLineEdit* parameter_ = nullptr;
};

}  // namespace nastrum
