// The "Регуляторы" tab of the expandable model: one logic flag at a time,
// its output, its law with the operand fields the law needs, and its delays.
// The rules live in LogicFlagPage; this widget lays the controls out, shows
// the flag and tells the main window when the image was edited.
#pragma once

#include <array>

#include <QWidget>

#include "editor/pages/regulators/logic_flag_page.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace nastrum {

class ChoiceBox;
class WrapSpinBox;

class RegulatorsPageWidget : public QWidget {
  Q_OBJECT

 public:
  RegulatorsPageWidget(Workspace& workspace, MessagePresenter& presenter, QWidget* parent = nullptr);

  // Fills the controls for the flag in the number box. Never an edit.
  void showCurrent();
  // When setup opens: the flag in the number box is shown as if its number
  // had been entered, which puts "Регуляторы" in step with the flags
  // (imageEdited follows when that changed the word).
  void fillKindChoices(Word kind);

  LogicFlagPage& rules() { return page_; }

 signals:
  void imageEdited();

 private:
  void build();
  void bind();
  QWidget* buildOutput(QWidget* parent);
  QWidget* buildLaw(QWidget* parent);
  QWidget* buildOperands(QWidget* parent);
  QWidget* buildDelays(QWidget* parent);
  QWidget* buildLegend(QWidget* parent);
  void showLaw(const LogicFlagView& v);
  void showOperands(const LogicFlagView& v);
  // After a choice: show the flag again and report the edit.
  void afterChoice();
  // After typing: report the edit, keep the field as typed.
  void afterTyping();

  Workspace& workspace_;
  LogicFlagPage page_;

  WrapSpinBox* number_ = nullptr;
  QCheckBox* present_ = nullptr;
  QWidget* body_ = nullptr;

  ChoiceBox* outputKind_ = nullptr;
  QLabel* outputCaption_ = nullptr;
  WrapSpinBox* output_ = nullptr;
  QWidget* terminalsPanel_ = nullptr;
  QLabel* module_ = nullptr;
  QLabel* contacts_ = nullptr;
  ChoiceBox* combination_ = nullptr;

  ChoiceBox* lawType_ = nullptr;
  QWidget* operandKindPanel_ = nullptr;
  ChoiceBox* operandKind_ = nullptr;
  QWidget* widthPanel_ = nullptr;
  ChoiceBox* width_ = nullptr;
  QLabel* lawCaption_ = nullptr;
  ChoiceBox* law_ = nullptr;
  QWidget* oneBitHint_ = nullptr;

  QLineEdit* operand_ = nullptr;
  QWidget* meanPanel_ = nullptr;
  QLineEdit* meanOperand_ = nullptr;
  ChoiceBox* meanKind_ = nullptr;
  QWidget* functionPanel_ = nullptr;
  ChoiceBox* table_ = nullptr;
  WrapSpinBox* points_ = nullptr;
  QWidget* k1Panel_ = nullptr;
  QLineEdit* k1_ = nullptr;
  QWidget* timePanel_ = nullptr;
  WrapSpinBox* hours_ = nullptr;
  WrapSpinBox* minutes_ = nullptr;
  QWidget* datePanel_ = nullptr;
  WrapSpinBox* day_ = nullptr;
  WrapSpinBox* month_ = nullptr;
  QWidget* yearPanel_ = nullptr;
  WrapSpinBox* year_ = nullptr;
  QWidget* bytePanel_ = nullptr;
  ChoiceBox* shift_ = nullptr;
  std::array<QCheckBox*, 8> mask_{};
  QWidget* referencePanel_ = nullptr;
  std::array<QCheckBox*, 8> reference_{};

  QWidget* delayPanel_ = nullptr;
  WrapSpinBox* operateMinutes_ = nullptr;
  WrapSpinBox* operateSeconds_ = nullptr;
  WrapSpinBox* releaseMinutes_ = nullptr;
  WrapSpinBox* releaseSeconds_ = nullptr;
};

}  // namespace nastrum
