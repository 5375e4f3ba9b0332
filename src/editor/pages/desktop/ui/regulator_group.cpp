#include "editor/pages/desktop/ui/regulator_group.h"

#include <algorithm>

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "descriptors/logic_words.h"
#include "widgets/wrap_spin_box.h"
#include "widgets/choice_box.h"
#include "widgets/input_filters.h"
#include "widgets/page_parts.h"
#include "model/hex_text.h"
#include "model/real_text.h"

namespace nastrum {

namespace {

constexpr int kK1Characters = 8;

}  // namespace

RegulatorGroup::RegulatorGroup(RegulatorPage& page, QWidget* parent)
    : QGroupBox(QStringLiteral("Регуляторы:"), parent), page_(page) {
  setObjectName(QStringLiteral("regulatorGroup"));
  auto* layout = new QVBoxLayout(this);

  auto* header = new QHBoxLayout;
  number_ = new WrapSpinBox(QStringLiteral("regulatorNumber"), this);
  number_->setToolTip(QStringLiteral("№ логического признака"));
  present_ = new QCheckBox(this);
  present_->setObjectName(QStringLiteral("regulatorPresent"));
  present_->setToolTip(QStringLiteral("Логический признак - Есть / Нет"));
  header->addWidget(captionFor(QStringLiteral("№ регулятора:"), number_, this));
  header->addWidget(number_);
  header->addWidget(captionFor(QStringLiteral("Наличие:"), present_, this));
  header->addWidget(present_);
  header->addStretch();
  layout->addLayout(header);

  body_ = new QWidget(this);
  body_->setObjectName(QStringLiteral("regulatorBody"));
  auto* grid = new QGridLayout(body_);
  grid->setContentsMargins(0, 0, 0, 0);
  const auto row = [&](const QString& caption, QWidget* field) {
    const int r = grid->rowCount();
    grid->addWidget(captionFor(caption, field, body_), r, 0);
    grid->addWidget(field, r, 1);
  };
  output_ = new WrapSpinBox(QStringLiteral("regulatorOutput"), body_);
  row(QStringLiteral("№ выхода регулятора:"), output_);
  grid->addWidget(new QLabel(QStringLiteral("Клеммник:         Клеммы сигнал:         Клеммы питание:"), body_),
                  grid->rowCount(), 0, 1, 2);
  auto* terminalRow = new QHBoxLayout;
  module_ = new QLabel(body_);
  module_->setObjectName(QStringLiteral("regulatorModule"));
  terminals_ = new QLabel(body_);
  terminals_->setObjectName(QStringLiteral("regulatorTerminals"));
  terminalRow->addWidget(module_);
  terminalRow->addWidget(terminals_);
  terminalRow->addStretch();
  grid->addLayout(terminalRow, grid->rowCount(), 0, 1, 2);
  law_ = new ChoiceBox(QStringLiteral("regulatorLaw"), body_);
  law_->setChoices(regulatorLaws());
  row(QStringLiteral("Арифметический закон:"), law_);
  operandKind_ = new ChoiceBox(QStringLiteral("regulatorOperandKind"), body_);
  operandKind_->setChoices(operandKinds());
  row(QStringLiteral("Операнд - X :"), operandKind_);
  operand_ = hexEdit(QStringLiteral("regulatorOperand"), 4, body_);
  row(QStringLiteral("Операнд - X:"), operand_);
  k1_ = realEdit(QStringLiteral("regulatorK1"), true, systemDecimalSeparator(), body_);
  k1_->setMaxLength(kK1Characters);
  row(QStringLiteral("Константа - К1:"), k1_);
  for (const char* line : {"Y = 1 при  X >= K1, иначе Y = 0,  для прямого закона регулирования",
                           "Y = 1 при  X <= K1, иначе Y = 0,  для обратного закона регулирования"})
    grid->addWidget(new QLabel(QString::fromUtf8(line), body_), grid->rowCount(), 0, 1, 2);
  layout->addWidget(body_);

  connect(number_, &WrapSpinBox::valueEntered, this, [this](int n) {
    page_.select(n);
    emit changed();
  });
  connect(present_, &QCheckBox::toggled, this, [this](bool on) {
    page_.setPresent(on);
    emit changed();
  });
  connect(output_, &WrapSpinBox::valueEntered, this, [this](int n) {
    page_.setOutput(n);
    emit changed();
  });
  connect(law_, &ChoiceBox::codeChosen, this, [this](int code) {
    page_.chooseInverse(code == 2);
    emit changed();
  });
  connect(operandKind_, &ChoiceBox::codeChosen, this, [this](int code) {
    page_.chooseByAddress(code == 1);
    emit changed();
  });
  connect(operand_, &QLineEdit::textEdited, this, [this](const QString& text) {
    page_.setOperandText(text);
    emit typed();
  });
  connect(k1_, &QLineEdit::textEdited, this, [this](const QString& text) {
    page_.setK1Text(text);
    emit typed();
  });
}

void RegulatorGroup::refresh() {
  const RegulatorView v = page_.view();
  number_->showValue(0, kRegulatorCount - 1, page_.current().value_or(0));
  {
    const QSignalBlocker block(present_);
    present_->setChecked(v.present);
  }
  body_->setVisible(v.present);
  if (!v.present) return;
  output_->showValue(0, kHighestRegulatorOutput, v.output);
  module_->setText(v.module);
  terminals_->setText(v.terminals);
  law_->showCode(v.inverse ? 2 : 1);
  operandKind_->showCode(v.byAddress ? 1 : 0);
  const QSignalBlocker blockOperand(operand_);
  if (HexToInt(operand_->text()) != HexToInt(v.operandText)) operand_->setText(v.operandText);
  const QSignalBlocker blockK1(k1_);
  // Eight characters are typed; a stored value that needs more is shown whole.
  k1_->setMaxLength(std::max<int>(kK1Characters, v.k1Text.size()));
  k1_->setText(v.k1Text);
}

}  // namespace nastrum
