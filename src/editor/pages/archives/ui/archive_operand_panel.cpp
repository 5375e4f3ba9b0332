#include "editor/pages/archives/ui/archive_operand_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "descriptors/descriptor_digits.h"
#include "editor/pages/archives/ui/choice_combo.h"
#include "widgets/input_filters.h"
#include "widgets/page_parts.h"

namespace nastrum {

namespace {

std::optional<int> numberOf(const QComboBox* combo) {
  const auto code = chosenCode(combo);
  if (!code || *code == kNoReference) return std::nullopt;
  return code;
}

}  // namespace

ArchiveOperandPanel::ArchiveOperandPanel(const QString& prefix, QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  sensorPanel_ = buildSingle(QStringLiteral("Значение датчика №"), sensor_, sensorError_, prefix + "Sensor");
  pipelinePanel_ = buildSingle(QStringLiteral("Трубопровод №"), pipeline_, pipelineError_, prefix + "Pipeline");
  differencePanel_ = buildDifference(prefix);
  sumPanel_ = buildSum(prefix);
  parameterPanel_ = buildParameter(prefix);
  for (QWidget* panel : {sensorPanel_, pipelinePanel_, differencePanel_, sumPanel_, parameterPanel_}) {
    layout->addWidget(panel);
    panel->hide();
  }
  connect(sensor_, &QComboBox::currentIndexChanged, this, [this] { emit operandChosen(numberOf(sensor_)); });
  connect(pipeline_, &QComboBox::currentIndexChanged, this, [this] { emit operandChosen(numberOf(pipeline_)); });
  connect(x1_, &QComboBox::currentIndexChanged, this, [this] { emit differenceChosen(true, numberOf(x1_)); });
  connect(x2_, &QComboBox::currentIndexChanged, this, [this] { emit differenceChosen(false, numberOf(x2_)); });
  connect(parameter_, &QLineEdit::textEdited, this, &ArchiveOperandPanel::parameterEdited);
}

QWidget* ArchiveOperandPanel::buildSingle(const QString& caption, QComboBox*& combo, QLabel*& error,
                                          const QString& name) {
  auto* panel = new QWidget(this);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(0, 0, 0, 0);
  combo = makeCombo(name, panel);
  error = makeErrorLabel(name + "Error", panel);
  row->addWidget(captionFor(caption, combo, panel));
  row->addWidget(combo);
  row->addWidget(error);
  row->addStretch();
  return panel;
}

QWidget* ArchiveOperandPanel::buildDifference(const QString& prefix) {
  auto* box = new QGroupBox(QStringLiteral("Разность значений  датчиков (X1-X2):"), this);
  auto* grid = new QGridLayout(box);
  x1_ = makeCombo(prefix + "X1", box);
  x1Error_ = makeErrorLabel(prefix + "X1Error", box);
  x2_ = makeCombo(prefix + "X2", box);
  x2Error_ = makeErrorLabel(prefix + "X2Error", box);
  grid->addWidget(captionFor(QStringLiteral("X1 :"), x1_, box), 0, 0);
  grid->addWidget(x1_, 0, 1);
  grid->addWidget(x1Error_, 0, 2);
  grid->addWidget(captionFor(QStringLiteral("X2 :"), x2_, box), 1, 0);
  grid->addWidget(x2_, 1, 1);
  grid->addWidget(x2Error_, 1, 2);
  grid->setColumnStretch(3, 1);
  return box;
}

QWidget* ArchiveOperandPanel::buildSum(const QString& prefix) {
  auto* box = new QGroupBox(QStringLiteral("Выбор трубопроводов для алгебраической суммы:"), this);
  auto* grid = new QGridLayout(box);
  grid->setHorizontalSpacing(2);
  // The column header "№   0   1 … 15", one label per column so the numbers
  // stand over their boxes in any font.
  grid->addWidget(new QLabel(QStringLiteral("№"), box), 0, 0);
  for (int k = 0; k < 16; ++k) grid->addWidget(new QLabel(QString::number(k), box), 0, k + 1, Qt::AlignHCenter);
  grid->addWidget(new QLabel(QStringLiteral("+"), box), 1, 0);
  grid->addWidget(new QLabel(QStringLiteral("—"), box), 2, 0);
  for (int row = 0; row < 2; ++row) {  // made row by row: the keyboard goes along "+", then "—"
    const bool positive = row == 0;
    auto& boxes = positive ? plus_ : minus_;
    for (int k = 0; k < 16; ++k) {
      auto* tick = new QCheckBox(box);
      tick->setObjectName(prefix + (positive ? "Plus" : "Minus") + QString::number(k));
      tick->setAccessibleName(QStringLiteral("Трубопровод %1 %2").arg(k).arg(positive ? "+" : "—"));
      boxes[static_cast<std::size_t>(k)] = tick;
      grid->addWidget(tick, row + 1, k + 1, Qt::AlignHCenter);
      connect(tick, &QCheckBox::toggled, this, [this, k, positive](bool on) { emit sumTicked(k, positive, on); });
    }
  }
  return box;
}

QWidget* ArchiveOperandPanel::buildParameter(const QString& prefix) {
  auto* panel = new QWidget(this);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(0, 0, 0, 0);
  parameter_ = new QLineEdit(panel);
  parameter_->setObjectName(prefix + "Parameter");
  parameter_->setValidator(new DigitFilter(true, 4, parameter_));
  row->addWidget(captionFor(QStringLiteral("№ архивируемого парметра:"), parameter_, panel));
  row->addWidget(parameter_);
  row->addStretch();
  return panel;
}

void ArchiveOperandPanel::showView(const ArchiveView& v) {
  sensorPanel_->setVisible(v.panel == OperandPanel::Sensor);
  pipelinePanel_->setVisible(v.panel == OperandPanel::Pipeline);
  differencePanel_->setVisible(v.panel == OperandPanel::Difference);
  sumPanel_->setVisible(v.panel == OperandPanel::Sum);
  parameterPanel_->setVisible(v.panel == OperandPanel::Parameter);
  switch (v.panel) {
    case OperandPanel::Sensor:
      fillCombo(sensor_, v.operandChoices, v.operandIndex);
      sensorError_->setVisible(!v.operandIndex);
      break;
    case OperandPanel::Pipeline:
      fillCombo(pipeline_, v.operandChoices, v.operandIndex);
      pipelineError_->setVisible(!v.operandIndex);
      break;
    case OperandPanel::Difference:
      fillCombo(x1_, v.sensorChoices, v.x1Index);
      fillCombo(x2_, v.sensorChoices, v.x2Index);
      x1Error_->setVisible(!v.x1Index);
      x2Error_->setVisible(!v.x2Index);
      break;
    case OperandPanel::Sum:
      for (std::size_t k = 0; k < 16; ++k) {
        const bool inPlus = (v.positiveMask >> k) & 1, inMinus = (v.negativeMask >> k) & 1;
        const QSignalBlocker blockPlus(plus_[k]), blockMinus(minus_[k]);
        plus_[k]->setChecked(inPlus);
        minus_[k]->setChecked(inMinus);
        // A pipeline in one row cannot be ticked in the other; a tick a file
        // put in both rows can still be taken out.
        plus_[k]->setEnabled(inPlus || !inMinus);
        minus_[k]->setEnabled(inMinus || !inPlus);
      }
      break;
    case OperandPanel::Parameter:
      parameter_->setText(v.parameterText);
      break;
    case OperandPanel::None:
      break;
  }
}

}  // namespace nastrum
