// The controls of the "Регуляторы" page and their layout, in reading order
// (which is also the tab order).
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "descriptors/logic_words.h"
#include "editor/pages/regulators/ui/regulators_page_widget.h"
#include "widgets/wrap_spin_box.h"
#include "widgets/choice_box.h"
#include "widgets/input_filters.h"
#include "widgets/page_parts.h"
#include "model/real_text.h"

namespace nastrum {

namespace {

// A caption and its field on one row of a panel.
void addRow(QGridLayout* grid, const QString& caption, QWidget* field, QWidget* parent) {
  const int row = grid->rowCount();
  grid->addWidget(captionFor(caption, field, parent), row, 0);
  grid->addWidget(field, row, 1);
}

// Eight boxes, left = bit 7, each named for the screen reader.
QWidget* bitBoxes(const QString& prefix, const QString& what, std::array<QCheckBox*, 8>& boxes, QWidget* parent) {
  auto* row = namedPart(prefix + QStringLiteral("Bits"), parent);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  for (int box = 0; box < 8; ++box) {
    auto* check = new QCheckBox(row);
    check->setObjectName(prefix + QString::number(box));
    check->setAccessibleName(what + QStringLiteral(", бит ") + QString::number(7 - box));
    boxes[static_cast<std::size_t>(box)] = check;
    layout->addWidget(check);
  }
  layout->addStretch();
  return row;
}

ChoiceList tableChoices() {
  ChoiceList list;
  for (int t = 0; t < kTableCount; ++t) list.add(t, QString::number(t));
  return list;
}

}  // namespace

void RegulatorsPageWidget::build() {
  setObjectName(QStringLiteral("regulatorsPage"));
  setWindowTitle(QStringLiteral("Регуляторы"));
  auto* content = scrolledContent(this);
  auto* columns = new QHBoxLayout(content);
  auto* left = new QVBoxLayout;
  columns->addLayout(left, 1);

  auto* header = namedPart(QStringLiteral("flagHeader"), content);
  auto* headerLayout = new QHBoxLayout(header);
  number_ = new WrapSpinBox(QStringLiteral("flagNumber"), header);
  number_->setToolTip(QStringLiteral("№ логического признака"));
  present_ = new QCheckBox(header);
  present_->setObjectName(QStringLiteral("flagPresent"));
  present_->setToolTip(QStringLiteral("логический признак: есть/нет"));
  headerLayout->addWidget(captionFor(QStringLiteral("№ регулятора:"), number_, header));
  headerLayout->addWidget(number_);
  headerLayout->addWidget(captionFor(QStringLiteral("Наличие:"), present_, header));
  headerLayout->addWidget(present_);
  headerLayout->addStretch();
  left->addWidget(header);

  body_ = namedPart(QStringLiteral("flagBody"), content);
  auto* bodyLayout = new QVBoxLayout(body_);
  bodyLayout->setContentsMargins(0, 0, 0, 0);
  bodyLayout->addWidget(buildOutput(body_));
  bodyLayout->addWidget(buildLaw(body_));
  bodyLayout->addWidget(buildOperands(body_));
  bodyLayout->addWidget(buildDelays(body_));
  left->addWidget(body_);
  left->addStretch();
  columns->addWidget(buildLegend(content));
}

QWidget* RegulatorsPageWidget::buildOutput(QWidget* parent) {
  auto* box = namedGroup(QStringLiteral("outputGroup"), QStringLiteral("Выход:"), parent);
  auto* grid = new QGridLayout(box);
  outputKind_ = choiceBox(QStringLiteral("outputKind"), outputKinds(), box);
  outputKind_->setAccessibleName(QStringLiteral("Выход:"));
  grid->addWidget(outputKind_, 0, 0, 1, 2);
  output_ = new WrapSpinBox(QStringLiteral("outputNumber"), box);
  outputCaption_ = captionFor(QStringLiteral("№ управляющего выхода"), output_, box);
  outputCaption_->setObjectName(QStringLiteral("outputCaption"));
  grid->addWidget(outputCaption_, 1, 0);
  grid->addWidget(output_, 1, 1);

  terminalsPanel_ = namedPart(QStringLiteral("outputTerminals"), box);
  auto* terminals = new QHBoxLayout(terminalsPanel_);
  terminals->setContentsMargins(0, 0, 0, 0);
  terminals->addWidget(new QLabel(QStringLiteral("Клеммник:         Клеммы:"), terminalsPanel_));
  module_ = new QLabel(terminalsPanel_);
  module_->setObjectName(QStringLiteral("outputModule"));
  contacts_ = new QLabel(terminalsPanel_);
  contacts_->setObjectName(QStringLiteral("outputContacts"));
  terminals->addWidget(module_);
  terminals->addWidget(contacts_);
  terminals->addStretch();
  grid->addWidget(terminalsPanel_, 2, 0, 1, 2);

  combination_ = choiceBox(QStringLiteral("outputCombination"), outputCombinations(), box);
  combination_->setAccessibleName(QStringLiteral("Объединение на выходе"));
  grid->addWidget(combination_, 3, 0, 1, 2);
  return box;
}

QWidget* RegulatorsPageWidget::buildLaw(QWidget* parent) {
  auto* box = namedGroup(QStringLiteral("lawGroup"), QStringLiteral("Закон:"), parent);
  auto* grid = new QGridLayout(box);
  lawType_ = choiceBox(QStringLiteral("lawType"), lawTypes(), box);
  addRow(grid, QStringLiteral("Тип закона:"), lawType_, box);

  operandKindPanel_ = namedPart(QStringLiteral("operandKindPanel"), box);
  auto* kindRow = new QHBoxLayout(operandKindPanel_);
  kindRow->setContentsMargins(0, 0, 0, 0);
  operandKind_ = choiceBox(QStringLiteral("operandKind"), operandKinds(), operandKindPanel_);
  kindRow->addWidget(captionFor(QStringLiteral("Операнд - X :"), operandKind_, operandKindPanel_));
  kindRow->addWidget(operandKind_);
  kindRow->addStretch();
  grid->addWidget(operandKindPanel_, grid->rowCount(), 0, 1, 2);

  widthPanel_ = namedPart(QStringLiteral("widthPanel"), box);
  auto* widthRow = new QHBoxLayout(widthPanel_);
  widthRow->setContentsMargins(0, 0, 0, 0);
  width_ = choiceBox(QStringLiteral("logicalWidth"), byteWidths(), widthPanel_);
  widthRow->addWidget(captionFor(QStringLiteral("Логический:"), width_, widthPanel_));
  widthRow->addWidget(width_);
  widthRow->addStretch();
  grid->addWidget(widthPanel_, grid->rowCount(), 0, 1, 2);

  law_ = new ChoiceBox(QStringLiteral("lawChoice"), box);
  lawCaption_ = captionFor(QStringLiteral("Арифметический закон:"), law_, box);
  lawCaption_->setObjectName(QStringLiteral("lawCaption"));
  const int row = grid->rowCount();
  grid->addWidget(lawCaption_, row, 0);
  grid->addWidget(law_, row, 1);

  oneBitHint_ = namedPart(QStringLiteral("oneBitHint"), box);
  auto* hint = new QVBoxLayout(oneBitHint_);
  hint->setContentsMargins(0, 0, 0, 0);
  for (const char* line : {"Операндом X является", "логическ. признак, который", "должен быть описан ранее."})
    hint->addWidget(new QLabel(QString::fromUtf8(line), oneBitHint_));
  grid->addWidget(oneBitHint_, grid->rowCount(), 0, 1, 2);
  return box;
}

QWidget* RegulatorsPageWidget::buildOperands(QWidget* parent) {
  auto* box = namedGroup(QStringLiteral("operandGroup"), QStringLiteral("Операнды:"), parent);
  auto* layout = new QVBoxLayout(box);
  auto* operandRow = new QGridLayout;
  operand_ = hexEdit(QStringLiteral("operandX"), 4, box);
  addRow(operandRow, QStringLiteral("Операнд Х:"), operand_, box);
  layout->addLayout(operandRow);

  meanPanel_ = namedPart(QStringLiteral("meanPanel"), box);
  auto* mean = new QGridLayout(meanPanel_);
  mean->setContentsMargins(0, 0, 0, 0);
  meanOperand_ = hexEdit(QStringLiteral("operandMean"), 4, meanPanel_);
  addRow(mean, QStringLiteral("Операнд Хср:"), meanOperand_, meanPanel_);
  meanKind_ = choiceBox(QStringLiteral("meanKind"), meanKinds(), meanPanel_);
  addRow(mean, QStringLiteral("Тип - Xcp:"), meanKind_, meanPanel_);
  functionPanel_ = namedPart(QStringLiteral("functionPanel"), meanPanel_);
  auto* function = new QGridLayout(functionPanel_);
  function->setContentsMargins(0, 0, 0, 0);
  table_ = choiceBox(QStringLiteral("functionTable"), tableChoices(), functionPanel_);
  table_->setToolTip(QStringLiteral("№ таблицы"));
  addRow(function, QStringLiteral("№ функции:"), table_, functionPanel_);
  points_ = new WrapSpinBox(QStringLiteral("functionPoints"), functionPanel_);
  addRow(function, QStringLiteral("Кол-во узлов. точек"), points_, functionPanel_);
  mean->addWidget(functionPanel_, mean->rowCount(), 0, 1, 2);
  layout->addWidget(meanPanel_);

  k1Panel_ = namedPart(QStringLiteral("k1Panel"), box);
  auto* k1 = new QGridLayout(k1Panel_);
  k1->setContentsMargins(0, 0, 0, 0);
  k1_ = realEdit(QStringLiteral("constantK1"), true, systemDecimalSeparator(), k1Panel_);
  k1_->setMaxLength(8);
  addRow(k1, QStringLiteral("К1 - константа переключения:"), k1_, k1Panel_);
  layout->addWidget(k1Panel_);

  timePanel_ = namedGroup(QStringLiteral("timePanel"), QStringLiteral("Переключение по времени:"), box);
  auto* time = new QHBoxLayout(timePanel_);
  hours_ = new WrapSpinBox(QStringLiteral("clockHours"), timePanel_);
  minutes_ = new WrapSpinBox(QStringLiteral("clockMinutes"), timePanel_);
  time->addWidget(captionFor(QStringLiteral("часы:"), hours_, timePanel_));
  time->addWidget(hours_);
  time->addWidget(captionFor(QStringLiteral("минуты:"), minutes_, timePanel_));
  time->addWidget(minutes_);
  time->addStretch();
  layout->addWidget(timePanel_);

  datePanel_ = namedGroup(QStringLiteral("datePanel"), QStringLiteral("Переключение по дате:"), box);
  auto* date = new QHBoxLayout(datePanel_);
  day_ = new WrapSpinBox(QStringLiteral("clockDay"), datePanel_);
  month_ = new WrapSpinBox(QStringLiteral("clockMonth"), datePanel_);
  date->addWidget(captionFor(QStringLiteral("число:"), day_, datePanel_));
  date->addWidget(day_);
  date->addWidget(captionFor(QStringLiteral("месяц:"), month_, datePanel_));
  date->addWidget(month_);
  date->addStretch();
  layout->addWidget(datePanel_);

  yearPanel_ = namedGroup(QStringLiteral("yearPanel"), QStringLiteral("Переключение по году:"), box);
  auto* year = new QHBoxLayout(yearPanel_);
  year_ = new WrapSpinBox(QStringLiteral("clockYear"), yearPanel_);
  year->addWidget(captionFor(QStringLiteral("год:"), year_, yearPanel_));
  year->addWidget(year_);
  year->addStretch();
  layout->addWidget(yearPanel_);

  bytePanel_ = namedPart(QStringLiteral("bytePanel"), box);
  auto* bytes = new QGridLayout(bytePanel_);
  bytes->setContentsMargins(0, 0, 0, 0);
  shift_ = choiceBox(QStringLiteral("operandShift"), shiftChoices(), bytePanel_);
  addRow(bytes, QStringLiteral("Сдвиг операнда X внутри параметра:"), shift_, bytePanel_);
  QWidget* maskRow = bitBoxes(QStringLiteral("mask"), QStringLiteral("Маска"), mask_, bytePanel_);
  addRow(bytes, QStringLiteral("Маска:"), maskRow, bytePanel_);
  referencePanel_ = namedPart(QStringLiteral("referencePanel"), bytePanel_);
  auto* reference = new QGridLayout(referencePanel_);
  reference->setContentsMargins(0, 0, 0, 0);
  QWidget* referenceRow = bitBoxes(QStringLiteral("reference"), QStringLiteral("Логический эталон"), reference_, referencePanel_);
  addRow(reference, QStringLiteral("Логический эталон:"), referenceRow, referencePanel_);
  bytes->addWidget(referencePanel_, bytes->rowCount(), 0, 1, 2);
  layout->addWidget(bytePanel_);
  return box;
}

QWidget* RegulatorsPageWidget::buildDelays(QWidget* parent) {
  auto* box = namedGroup(QStringLiteral("delayPanel"), QStringLiteral("Задержки:"), parent);
  delayPanel_ = box;
  auto* grid = new QGridLayout(box);
  const auto delayRow = [&](const QString& caption, const QString& name, WrapSpinBox*& minutes, WrapSpinBox*& seconds) {
    minutes = new WrapSpinBox(name + QStringLiteral("Minutes"), box);
    seconds = new WrapSpinBox(name + QStringLiteral("Seconds"), box);
    minutes->setAccessibleName(caption + QStringLiteral(" минуты"));
    seconds->setAccessibleName(caption + QStringLiteral(" секунды"));
    const int row = grid->rowCount();
    grid->addWidget(captionFor(caption, minutes, box), row, 0);
    grid->addWidget(minutes, row, 1);
    grid->addWidget(new QLabel(QStringLiteral("мин"), box), row, 2);
    grid->addWidget(seconds, row, 3);
    grid->addWidget(new QLabel(QStringLiteral("сек"), box), row, 4);
  };
  delayRow(QStringLiteral("Задержка срабатывания:"), QStringLiteral("operate"), operateMinutes_, operateSeconds_);
  delayRow(QStringLiteral("Задержка отпускания:"), QStringLiteral("release"), releaseMinutes_, releaseSeconds_);
  return box;
}

QWidget* RegulatorsPageWidget::buildLegend(QWidget* parent) {
  auto* box = namedGroup(QStringLiteral("legendPanel"), QString(), parent);
  box->setAccessibleName(QStringLiteral("Обозначения"));
  auto* layout = new QVBoxLayout(box);
  for (const char* line : {"X - входной сигнал,", "Xср - входной сигнал,", "Y - выходной сигнал,",
                           "^T1 - задержка на срабатывание,", "^T2 - задержка на отпускание,",
                           "K1 - константа переключения", "K2 - логический эталон,"})
    layout->addWidget(new QLabel(QString::fromUtf8(line), box));
  layout->addStretch();
  return box;
}

}  // namespace nastrum
