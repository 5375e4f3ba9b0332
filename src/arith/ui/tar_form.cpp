#include "arith/ui/tar_form.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "widgets/choice_box.h"
#include "widgets/input_filters.h"

namespace nastrum {

namespace {

constexpr std::array<QChar, 3> kOperand{u'X', u'Y', u'Z'};
constexpr std::array<QChar, 3> kConstant{u'A', u'B', u'C'};
constexpr int kConstantLength = 8;

QString operandCaption(int term, bool pipelines) {
  const QString who = pipelines ? QStringLiteral("Труб-д") : QStringLiteral("Датчик");
  return QStringLiteral("%1 (%2) №:").arg(who, kOperand[static_cast<std::size_t>(term)]);
}

}  // namespace

TarForm::TarForm(Workspace& workspace, QChar separator, QWidget* parent)
    : QDialog(parent), workspace_(workspace), separator_(separator) {
  setObjectName(QStringLiteral("TarForm"));
  setWindowTitle(QStringLiteral("Арифметические действия над значениями датчиков"));
  build();
}

void TarForm::build() {
  auto* layout = new QVBoxLayout(this);
  auto termGroup = [this, layout](int k, const QString& result) {
    auto* group = new QGroupBox(result, this);
    group->setObjectName(QStringLiteral("term%1Group").arg(k + 1));
    auto* form = new QFormLayout(group);
    const auto at = static_cast<std::size_t>(k);
    operands_[at] = new ChoiceBox(QStringLiteral("operand%1").arg(kOperand[at]), group);
    operandLabels_[at] = new QLabel(operandCaption(k, false), group);
    operandLabels_[at]->setBuddy(operands_[at]);
    form->addRow(operandLabels_[at], operands_[at]);
    constants_[at] = realEdit(QStringLiteral("constant%1").arg(kConstant[at]), true, separator_, group);
    constants_[at]->setMaxLength(kConstantLength);
    constants_[at]->installEventFilter(this);
    form->addRow(QStringLiteral("Константа (%1):").arg(kConstant[at]), constants_[at]);
    operations_[at] = new ChoiceBox(QStringLiteral("operation%1").arg(k + 1), group);
    operations_[at]->setChoices(arithOperationChoices(k));
    form->addRow(QStringLiteral("Операция (%1?%2):").arg(kOperand[at], kConstant[at]), operations_[at]);
    layout->addWidget(group);
    connect(operands_[at], &ChoiceBox::codeChosen, this, &TarForm::takeControls);
    connect(operations_[at], &ChoiceBox::codeChosen, this, &TarForm::takeControls);
    connect(constants_[at], &QLineEdit::textEdited, this, &TarForm::takeControls);
  };
  auto combineGroup = [this, layout](int step, const QString& result, const QString& caption) {
    auto* group = new QGroupBox(result, this);
    group->setObjectName(QStringLiteral("combine%1Group").arg(step == 0 ? 12 : 43));
    auto* form = new QFormLayout(group);
    auto* box = new ChoiceBox(QStringLiteral("combine%1").arg(step == 0 ? 12 : 43), group);
    box->setChoices(arithCombiningChoices(step));
    form->addRow(caption, box);
    layout->addWidget(group);
    connect(box, &ChoiceBox::codeChosen, this, &TarForm::takeControls);
    return box;
  };
  termGroup(0, QStringLiteral("Результат 1:"));
  termGroup(1, QStringLiteral("Результат 2:"));
  combine12_ = combineGroup(0, QStringLiteral("Результат 4:"), QStringLiteral("Операция (1?2):"));
  termGroup(2, QStringLiteral("Результат 3:"));
  combine43_ = combineGroup(1, QStringLiteral("Результат 5:"), QStringLiteral("Операция (4?3):"));

  auto* sign = new QGroupBox(QStringLiteral("Знак результата:"), this);
  sign->setObjectName(QStringLiteral("signGroup"));
  auto* signLayout = new QVBoxLayout(sign);
  const ChoiceList signs = arithSignChoices();
  keepSign_ = new QRadioButton(signs.textOf(0), sign);
  keepSign_->setObjectName(QStringLiteral("signKeep"));
  absolute_ = new QRadioButton(signs.textOf(1), sign);
  absolute_->setObjectName(QStringLiteral("signAbsolute"));
  signLayout->addWidget(keepSign_);
  signLayout->addWidget(absolute_);
  layout->addWidget(sign);
  connect(keepSign_, &QRadioButton::clicked, this, &TarForm::takeControls);
  connect(absolute_, &QRadioButton::clicked, this, &TarForm::takeControls);

  auto* summary = new QGroupBox(QStringLiteral("Итог:"), this);
  summary->setObjectName(QStringLiteral("summaryGroup"));
  auto* summaryLayout = new QVBoxLayout(summary);
  formula_ = new QLabel(summary);
  formula_->setObjectName(QStringLiteral("formulaLine"));
  formula_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  summaryLayout->addWidget(formula_);
  layout->addWidget(summary);

  auto* exit = new QPushButton(QStringLiteral("Выход"), this);
  exit->setObjectName(QStringLiteral("exitButton"));
  exit->setToolTip(QStringLiteral("Выход из режима арифметические действия"));
  exit->setDefault(true);
  layout->addWidget(exit, 0, Qt::AlignRight);
  connect(exit, &QPushButton::clicked, this, &QDialog::accept);
}

void TarForm::fill(int sensor) {
  sensor_ = sensor;
  filled_ = true;
  const SensorRecord& s = workspace_.image.sensors[static_cast<std::size_t>(sensor)];
  pipelines_ = arithUsesPipelines(s);
  state_ = arithStateOf(workspace_.image, sensor, separator_);
  fillOperandLists();
  showState();
}

void TarForm::fillOperandLists() {
  const std::vector<int> numbers = arithOperandNumbers(workspace_.image, sensor_, pipelines_);
  for (std::size_t k = 0; k < 3; ++k) {
    ChoiceList list;
    list.add(kNoOperand, QStringLiteral("нет"));
    for (int n : numbers) list.add(n, QString::number(n));
    // A removed sensor or pipeline still shows, and storing keeps it; the
    // sensor itself is never offered (it shows "ОШИБКА" until another is chosen).
    const int stored = state_.terms[k].operand;
    const bool self = !pipelines_ && stored == sensor_;
    if (stored != kNoOperand && !self && !list.containsCode(stored)) list.add(stored, QString::number(stored));
    operands_[k]->setChoices(list);
  }
}

void TarForm::showState() {
  for (std::size_t k = 0; k < 3; ++k) {
    const ArithTermState& t = state_.terms[k];
    operands_[k]->showCode(t.operand);
    operations_[k]->showCode(t.operation);
    if (constants_[k]->text() != t.constant) constants_[k]->setText(t.constant);
  }
  combine12_->showCode(state_.combine12);
  combine43_->showCode(state_.combine43);
  const QSignalBlocker a(keepSign_), b(absolute_);
  (state_.absolute ? absolute_ : keepSign_)->setChecked(true);
  formula_->setText(formulaLine());
}

void TarForm::prepareToOpen() {
  setWindowTitle(pipelines_ ? QStringLiteral("Арифметические действия над значениями труб-в")
                            : QStringLiteral("Арифметические действия над значениями датчиков"));
  for (int k = 0; k < 3; ++k) operandLabels_[static_cast<std::size_t>(k)]->setText(operandCaption(k, pipelines_));
  fillOperandLists();
  showState();
}

int TarForm::editSensor(int sensor) {
  fill(sensor);
  prepareToOpen();
  return exec();
}

QString TarForm::formulaLine() const { return QStringLiteral("R = ") + arithFormula(state_, separator_); }

void TarForm::takeControls() {
  for (std::size_t k = 0; k < 3; ++k) {
    ArithTermState& t = state_.terms[k];
    t.operand = operands_[k]->code().value_or(t.operand);  // "ОШИБКА" keeps the stored operand
    t.operation = operations_[k]->code().value_or(OpNone);
    t.constant = constants_[k]->text();
  }
  state_.combine12 = combine12_->code().value_or(CombineEnd);
  state_.combine43 = combine43_->code().value_or(CombineEnd);
  state_.absolute = absolute_->isChecked();
  normaliseArithConstants(state_, separator_);
  showState();
}

void TarForm::store() {
  if (!filled_) return;
  SensorRecord& s = workspace_.image.sensors[static_cast<std::size_t>(sensor_)];
  storeArithState(s, state_, separator_);
}

void TarForm::done(int result) {
  store();  // by "Выход" or the close box alike
  QDialog::done(result);
}

bool TarForm::eventFilter(QObject* watched, QEvent* event) {
  // A click into a constant field selects its whole text.
  if (event->type() == QEvent::MouseButtonRelease)
    if (auto* edit = qobject_cast<QLineEdit*>(watched)) QTimer::singleShot(0, edit, &QLineEdit::selectAll);
  return QDialog::eventFilter(watched, event);
}

}  // namespace nastrum
