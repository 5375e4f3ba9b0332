#include "editor/pages/regulators/ui/regulators_page_widget.h"

#include <algorithm>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "widgets/wrap_spin_box.h"
#include "widgets/choice_box.h"
#include "model/hex_text.h"
#include "model/real_text.h"

namespace nastrum {

namespace {

constexpr int kK1Characters = 8;

// Fills a line edit unless it holds the same value being typed.
void showText(QLineEdit* edit, const QString& text) {
  const QSignalBlocker block(edit);
  if (edit->text() != text) edit->setText(text);
}

// A hexadecimal field keeps the digits being typed while they hold the value
// shown ("4" stays "4", not "0004").
void showHex(QLineEdit* edit, const QString& text) {
  if (HexToInt(edit->text()) == HexToInt(text)) return;
  showText(edit, text);
}

void showTicks(const std::array<QCheckBox*, 8>& boxes, const std::array<bool, 8>& ticks) {
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const QSignalBlocker block(boxes[i]);
    boxes[i]->setChecked(ticks[i]);
  }
}

}  // namespace

RegulatorsPageWidget::RegulatorsPageWidget(Workspace& workspace, MessagePresenter& presenter, QWidget* parent)
    : QWidget(parent), workspace_(workspace), page_(workspace, presenter, systemDecimalSeparator()) {
  build();
  bind();
  showCurrent();
}

void RegulatorsPageWidget::bind() {
  connect(number_, &WrapSpinBox::valueEntered, this, [this](int n) {
    page_.select(n);
    afterChoice();
  });
  connect(present_, &QCheckBox::toggled, this, [this](bool on) {
    page_.setPresent(on);
    afterChoice();
  });
  connect(outputKind_, &ChoiceBox::codeChosen, this, [this](int code) {
    page_.chooseOutputKind(code == 1);
    afterChoice();
  });
  connect(output_, &WrapSpinBox::valueEntered, this, [this](int n) {
    page_.setOutput(n);
    afterChoice();
  });
  connect(combination_, &ChoiceBox::codeChosen, this, [this](int code) {
    page_.chooseCombination(code);
    afterChoice();
  });
  connect(lawType_, &ChoiceBox::codeChosen, this, [this](int code) {
    page_.chooseLawType(code == 1);
    afterChoice();
  });
  connect(operandKind_, &ChoiceBox::codeChosen, this, [this](int code) {
    page_.chooseOperandKind(code == 1);
    afterChoice();
  });
  connect(width_, &ChoiceBox::codeChosen, this, [this](int code) {
    page_.chooseOneBit(code == 1);
    afterChoice();
  });
  connect(law_, &ChoiceBox::codeChosen, this, [this](int code) {
    page_.chooseLaw(code);
    afterChoice();
  });
  connect(operand_, &QLineEdit::textEdited, this, [this](const QString& text) {
    const ClockOperand before = page_.view().clock;
    page_.setOperandText(text);
    // A switching operand swaps the constant for its panel.
    if (page_.view().clock != before) afterChoice();
    else afterTyping();
  });
  connect(meanOperand_, &QLineEdit::textEdited, this, [this](const QString& text) {
    page_.setMeanOperandText(text);
    afterTyping();
  });
  connect(meanKind_, &ChoiceBox::codeChosen, this, [this](int code) {
    page_.chooseMeanFunction(code == 1);
    afterChoice();
  });
  connect(table_, &ChoiceBox::codeChosen, this, [this](int table) {
    page_.chooseTable(table);
    afterChoice();
  });
  connect(points_, &WrapSpinBox::valueEntered, this, [this](int n) {
    page_.setPoints(n);
    afterChoice();
  });
  connect(k1_, &QLineEdit::textEdited, this, [this](const QString& text) {
    page_.setK1Text(text);
    afterTyping();
  });
  const auto clockPair = [this](WrapSpinBox* first, WrapSpinBox* second) {
    return [this, first, second] {
      page_.setClockPair(first->value(), second->value());
      afterChoice();
    };
  };
  connect(hours_, &WrapSpinBox::valueEntered, this, clockPair(hours_, minutes_));
  connect(minutes_, &WrapSpinBox::valueEntered, this, clockPair(hours_, minutes_));
  connect(day_, &WrapSpinBox::valueEntered, this, clockPair(day_, month_));
  connect(month_, &WrapSpinBox::valueEntered, this, clockPair(day_, month_));
  connect(year_, &WrapSpinBox::valueEntered, this, [this](int year) {
    page_.setYear(year);
    afterChoice();
  });
  connect(shift_, &ChoiceBox::codeChosen, this, [this](int shift) {
    page_.chooseShift(shift);
    afterChoice();
  });
  for (int box = 0; box < 8; ++box) {
    connect(mask_[static_cast<std::size_t>(box)], &QCheckBox::toggled, this, [this, box](bool on) {
      page_.tickMask(box, on);
      afterChoice();
    });
    connect(reference_[static_cast<std::size_t>(box)], &QCheckBox::toggled, this, [this, box](bool on) {
      page_.tickReference(box, on);
      afterChoice();
    });
  }
  const auto operate = [this] {
    page_.setOperateDelay(operateMinutes_->value(), operateSeconds_->value());
    afterChoice();
  };
  const auto release = [this] {
    page_.setReleaseDelay(releaseMinutes_->value(), releaseSeconds_->value());
    afterChoice();
  };
  connect(operateMinutes_, &WrapSpinBox::valueEntered, this, operate);
  connect(operateSeconds_, &WrapSpinBox::valueEntered, this, operate);
  connect(releaseMinutes_, &WrapSpinBox::valueEntered, this, release);
  connect(releaseSeconds_, &WrapSpinBox::valueEntered, this, release);
}

void RegulatorsPageWidget::fillKindChoices(Word /*kind*/) {
  page_.select(page_.current().value_or(0));
  afterChoice();
}

void RegulatorsPageWidget::afterChoice() {
  showCurrent();
  afterTyping();
}

void RegulatorsPageWidget::afterTyping() {
  if (page_.takeChange()) emit imageEdited();
}

void RegulatorsPageWidget::showCurrent() {
  const LogicFlagView v = page_.view();
  number_->showValue(0, kLogicFlagCount - 1, page_.current().value_or(0));
  {
    const QSignalBlocker block(present_);
    present_->setChecked(v.present);
  }
  present_->setEnabled(page_.current().has_value());
  body_->setVisible(v.present);
  if (!v.present) return;

  outputKind_->showCode(v.secondaryOutput ? 1 : 0);
  outputCaption_->setText(v.outputCaption);
  output_->showValue(0, v.outputMaximum, v.output);
  terminalsPanel_->setVisible(v.showTerminals);
  module_->setText(v.module);
  contacts_->setText(v.contacts);
  combination_->showCode(v.combination);
  showLaw(v);
  showOperands(v);

  delayPanel_->setVisible(v.hasDelays);
  if (v.hasDelays) {
    operateMinutes_->showValue(0, 59, v.operateDelay.first);
    operateSeconds_->showValue(0, 59, v.operateDelay.second);
    releaseMinutes_->showValue(0, 59, v.releaseDelay.first);
    releaseSeconds_->showValue(0, 59, v.releaseDelay.second);
  }
}

void RegulatorsPageWidget::showLaw(const LogicFlagView& v) {
  lawType_->showCode(v.logical ? 1 : 0);
  operandKindPanel_->setVisible(!v.oneBit);
  operandKind_->showCode(v.byAddress ? 1 : 0);
  widthPanel_->setVisible(v.logical);
  width_->showCode(v.oneBit ? 1 : 0);
  lawCaption_->setText(v.logical ? QStringLiteral("Логический закон:") : QStringLiteral("Арифметический закон:"));
  law_->setChoices(v.oneBit ? oneBitLaws() : v.logical ? byteLaws() : arithmeticLaws());
  // A law code the page has no item for shows "ОШИБКА" (the check names it).
  law_->showCode(v.family == LawFamily::Unknown ? std::nullopt : std::optional<int>(v.lawListCode));
  oneBitHint_->setVisible(v.oneBit);
}

void RegulatorsPageWidget::showOperands(const LogicFlagView& v) {
  showHex(operand_, v.operandText);
  const bool mean = v.family == LawFamily::AgainstMean;
  meanPanel_->setVisible(mean);
  if (mean) {
    showHex(meanOperand_, v.meanOperandText);
    meanKind_->showCode(v.meanIsFunction ? 1 : 0);
    functionPanel_->setVisible(v.meanIsFunction);
    table_->showCode(v.table);
    points_->showValue(1, v.pointsMaximum, v.points);
  }
  const bool againstK1 = v.family == LawFamily::AgainstK1;
  k1Panel_->setVisible(againstK1 && v.clock == ClockOperand::None);
  if (againstK1 && v.clock == ClockOperand::None) {
    // Eight characters are typed; a stored value that needs more is shown whole.
    k1_->setMaxLength(std::max<int>(kK1Characters, v.k1Text.size()));
    showText(k1_, v.k1Text);
  }
  timePanel_->setVisible(againstK1 && v.clock == ClockOperand::Time);
  datePanel_->setVisible(againstK1 && v.clock == ClockOperand::Date);
  yearPanel_->setVisible(againstK1 && v.clock == ClockOperand::Year);
  if (v.clock == ClockOperand::Time) {
    hours_->showValue(0, 23, v.clockPair.first);
    minutes_->showValue(0, 59, v.clockPair.second);
  } else if (v.clock == ClockOperand::Date) {
    day_->showValue(1, 31, v.clockPair.first);
    month_->showValue(1, 12, v.clockPair.second);
  } else if (v.clock == ClockOperand::Year) {
    year_->showValue(kFirstYear, kLastYear, v.year);
  }
  const bool byteLaw = v.family == LawFamily::LogicalByte;
  bytePanel_->setVisible(byteLaw);
  if (byteLaw) {
    shift_->showCode(v.shift);
    showTicks(mask_, v.mask);
    referencePanel_->setVisible(v.lawListCode == 5);
    showTicks(reference_, v.reference);
  }
}

}  // namespace nastrum
