// The controls of the sensor page and their layout, in reading order (which
// is also the tab order).
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "arith/ui/tar_form.h"
#include "descriptors/sensor_codes.h"
#include "widgets/choice_box.h"
#include "widgets/input_filters.h"
#include "widgets/page_parts.h"
#include "editor/pages/sensors/ui/sensor_page_widget.h"

namespace nastrum {

namespace {

ChoiceList fillChoices() { return {{0, QStringLiteral("газом")}, {1, QStringLiteral("жидкостью")}}; }
ChoiceList sideChoices() {
  return {{1, QStringLiteral("ниже трубопровода")}, {0, QStringLiteral("выше трубопровода")}};
}
ChoiceList signChoices() { return {{0, QStringLiteral("+")}, {1, QStringLiteral("—")}}; }
ChoiceList stepChoices() { return {{1, QStringLiteral("переменный")}, {0, QStringLiteral("постоянный")}}; }

ChoiceList rangeChoices(int first, int last) {
  ChoiceList list;
  for (int i = first; i <= last; ++i) list.add(i, QString::number(i));
  return list;
}

}  // namespace

void SensorPageWidget::build() {
  setObjectName(QStringLiteral("sensorPage"));
  auto* content = scrolledContent(this);
  auto* layout = new QVBoxLayout(content);
  layout->addWidget(buildHeader());

  errorPanel_ = namedGroup(QStringLiteral("errorPanel"), QStringLiteral("Ошибка:"), content);
  auto* errorLayout = new QVBoxLayout(errorPanel_);
  conversionRepair_ = choiceBox(QStringLiteral("conversionRepairBox"), {}, errorPanel_);
  errorLayout->addWidget(
      captionFor(QStringLiteral("Укажите вид преобразования условного датчика !"), conversionRepair_, errorPanel_));
  errorLayout->addWidget(conversionRepair_);
  layout->addWidget(errorPanel_);

  // Two columns: what the sensor is (its family's groups, then its cutoff
  // and fault handling), and where it is connected with its reals. Each
  // stays short enough for a 1280x800 screen without scrolling.
  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(buildAnalog());
  left->addWidget(buildCounting());
  left->addWidget(buildConditional());
  left->addWidget(buildTable());
  left->addWidget(buildCutoff());
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(buildConnection());
  right->addWidget(buildConstants());
  right->addStretch();
  columns->addLayout(left, 1);
  columns->addLayout(right, 1);
  layout->addLayout(columns);
  layout->addStretch();

  tarForm_ = new TarForm(workspace_, page_.separator(), this);
}

QWidget* SensorPageWidget::buildHeader() {
  auto* header = namedPart(QStringLiteral("sensorHeader"), this);
  auto* grid = new QGridLayout(header);
  number_ = new QSpinBox(header);
  number_->setObjectName(QStringLiteral("sensorNumber"));
  number_->setRange(-1, 99);  // the page wraps the ends round
  grid->addWidget(captionFor(QStringLiteral("номер датчика"), number_, header), 0, 0);
  grid->addWidget(number_, 1, 0);
  family_ = choiceBox(QStringLiteral("familyBox"), familyChoices(), header);
  grid->addWidget(captionFor(QStringLiteral("тип"), family_, header), 0, 1);
  grid->addWidget(family_, 1, 1);
  storage_ = choiceBox(QStringLiteral("storageBox"), storageChoices(), header);
  storage_->setAccessibleName(QStringLiteral("хранение"));
  grid->addWidget(storage_, 1, 2);
  name_ = new QLineEdit(header);
  name_->setObjectName(QStringLiteral("nameEdit"));
  name_->setValidator(new NameFilter(name_));
  grid->addWidget(captionFor(QStringLiteral("Имя датчика:"), name_, header), 0, 3);
  grid->addWidget(name_, 1, 3);
  grid->setColumnStretch(3, 1);

  copy_ = new QAction(QStringLiteral("Копировать"), header);
  copy_->setObjectName(QStringLiteral("copyAction"));
  copy_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  copy_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  paste_ = new QAction(QStringLiteral("Вставить"), header);
  paste_->setObjectName(QStringLiteral("pasteAction"));
  paste_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
  paste_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  header->addAction(copy_);
  header->addAction(paste_);
  header->setContextMenuPolicy(Qt::ActionsContextMenu);
  return header;
}

QWidget* SensorPageWidget::buildAnalog() {
  analog_ = namedPart(QStringLiteral("analogGroup"), this);
  auto* layout = new QVBoxLayout(analog_);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* quantityRow = new QFormLayout;
  quantity_ = choiceBox(QStringLiteral("quantityBox"), {}, analog_);
  quantityRow->addRow(captionFor(QStringLiteral("параметр"), quantity_, analog_), quantity_);
  layout->addLayout(quantityRow);

  pressure_ = namedPart(QStringLiteral("pressureGroup"), analog_);
  auto* pressureLayout = new QVBoxLayout(pressure_);
  pressureKind_ = choiceBox(QStringLiteral("pressureKindBox"), pressureKindChoices(), pressure_);
  pressureKind_->setAccessibleName(QStringLiteral("вид датчика давления"));
  pressureUnit_ = choiceBox(QStringLiteral("pressureUnitBox"), pressureUnitChoices(), pressure_);
  pressureUnit_->setAccessibleName(QStringLiteral("единицы давления"));
  pressureLayout->addWidget(pressureKind_);
  pressureLayout->addWidget(pressureUnit_);
  liquid_ = namedGroup(QStringLiteral("liquidColumnGroup"), QStringLiteral("Импульсные трубки заполнены:"), pressure_);
  auto* liquidForm = new QFormLayout(liquid_);
  tubeFill_ = choiceBox(QStringLiteral("tubeFillBox"), fillChoices(), liquid_);
  tubeFill_->setAccessibleName(QStringLiteral("Импульсные трубки заполнены:"));
  liquidForm->addRow(tubeFill_);
  pipeSide_ = choiceBox(QStringLiteral("pipeSideBox"), sideChoices(), liquid_);
  liquidForm->addRow(captionFor(QStringLiteral("Датчик установлен:"), pipeSide_, liquid_), pipeSide_);
  density_ = realEdit(QStringLiteral("densityEdit"), false, page_.separator(), liquid_);
  densityLabel_ = captionFor(QStringLiteral("Плотность жидкости\nпри рабочей\nтемпературе,кг/м3"), density_, liquid_);
  liquidForm->addRow(densityLabel_, density_);
  distance_ = realEdit(QStringLiteral("distanceEdit"), false, page_.separator(), liquid_);
  distanceLabel_ =
      captionFor(QStringLiteral("Расстояние от\nдатчика до трубопр.\nпо вертикали, м"), distance_, liquid_);
  liquidForm->addRow(distanceLabel_, distance_);
  pressureLayout->addWidget(liquid_);
  layout->addWidget(pressure_);

  tap_ = namedPart(QStringLiteral("tapGroup"), analog_);
  auto* tapLayout = new QVBoxLayout(tap_);
  tapKind_ = choiceBox(QStringLiteral("tapBox"), {}, tap_);
  tapKind_->setAccessibleName(QStringLiteral("отбор"));
  diffUnit_ = choiceBox(QStringLiteral("diffUnitBox"), diffUnitChoices(), tap_);
  diffUnit_->setAccessibleName(QStringLiteral("единицы перепада"));
  tapLayout->addWidget(tapKind_);
  tapLayout->addWidget(diffUnit_);
  layout->addWidget(tap_);

  temperature_ = namedPart(QStringLiteral("temperatureGroup"), analog_);
  auto* tLayout = new QVBoxLayout(temperature_);
  temperatureKind_ = choiceBox(QStringLiteral("temperatureKindBox"), temperatureKindChoices(), temperature_);
  temperatureKind_->setAccessibleName(QStringLiteral("вид датчика температуры"));
  tLayout->addWidget(temperatureKind_);
  rtd_ = namedPart(QStringLiteral("rtdGroup"), temperature_);
  auto* rtdLayout = new QVBoxLayout(rtd_);
  rtdKind_ = choiceBox(QStringLiteral("rtdBox"), rtdChoices(), rtd_);
  rtdKind_->setAccessibleName(QStringLiteral("термометр сопротивления"));
  rtdStandard_ = choiceBox(QStringLiteral("rtdStandardBox"), {}, rtd_);
  rtdStandard_->setAccessibleName(QStringLiteral("характеристика"));
  rtdLayout->addWidget(rtdKind_);
  rtdLayout->addWidget(rtdStandard_);
  tLayout->addWidget(rtd_);
  thermocouple_ = namedPart(QStringLiteral("thermocoupleGroup"), temperature_);
  auto* tcForm = new QFormLayout(thermocouple_);
  thermocoupleKind_ = choiceBox(QStringLiteral("thermocoupleBox"), thermocoupleChoices(), thermocouple_);
  thermocoupleKind_->setAccessibleName(QStringLiteral("термопара"));
  tcForm->addRow(thermocoupleKind_);
  coldJunctionPresence_ = choiceBox(QStringLiteral("coldJunctionPresenceBox"), presenceChoices(), thermocouple_);
  tcForm->addRow(captionFor(QStringLiteral("Датчик txc"), coldJunctionPresence_, thermocouple_), coldJunctionPresence_);
  coldJunction_ = choiceBox(QStringLiteral("coldJunctionBox"), {}, thermocouple_);
  coldJunctionLabel_ = captionFor(QStringLiteral("№ датчика txc:"), coldJunction_, thermocouple_);
  tcForm->addRow(coldJunctionLabel_, coldJunction_);
  tLayout->addWidget(thermocouple_);
  layout->addWidget(temperature_);

  signal_ = namedPart(QStringLiteral("signalGroup"), analog_);
  auto* signalForm = new QFormLayout(signal_);
  signalKind_ = choiceBox(QStringLiteral("signalBox"), {}, signal_);
  signalForm->addRow(captionFor(QStringLiteral("Выходной сигнал"), signalKind_, signal_), signalKind_);
  signalScale_ = new QLabel(signal_);
  signalScale_->setObjectName(QStringLiteral("signalScale"));
  signalForm->addRow(signalScale_);
  layout->addWidget(signal_);
  return analog_;
}

QWidget* SensorPageWidget::buildCounting() {
  auto* part = namedPart(QStringLiteral("countingPart"), this);
  auto* layout = new QVBoxLayout(part);
  layout->setContentsMargins(0, 0, 0, 0);
  flow_ = namedPart(QStringLiteral("flowGroup"), part);
  auto* flowForm = new QFormLayout(flow_);
  flowKind_ = choiceBox(QStringLiteral("flowKindBox"), flowKindChoices(), flow_);
  flowKind_->setAccessibleName(QStringLiteral("вид расхода"));
  flowForm->addRow(flowKind_);
  layout->addWidget(flow_);

  pulseWeight_ = namedPart(QStringLiteral("pulseWeightGroup"), part);
  auto* weightForm = new QFormLayout(pulseWeight_);
  pulseWeightKind_ = choiceBox(QStringLiteral("pulseWeightBox"), pulseWeightChoices(), pulseWeight_);
  weightForm->addRow(captionFor(QStringLiteral("Указывается:"), pulseWeightKind_, pulseWeight_), pulseWeightKind_);
  layout->addWidget(pulseWeight_);

  characteristic_ = namedGroup(QStringLiteral("characteristicGroup"), QStringLiteral("Характеристика датчика:"), part);
  auto* grid = new QGridLayout(characteristic_);
  const char* names[] = {"gminEdit", "fminEdit", "gmaxEdit", "fmaxEdit"};
  const char* captions[] = {"Gmin", "Fmin", "Gmax", "Fmax"};
  for (int i = 0; i < 4; ++i) {
    auto* edit = realEdit(QLatin1String(names[i]), false, page_.separator(), characteristic_);
    characteristicFields_[static_cast<std::size_t>(i)] = edit;
    grid->addWidget(captionFor(QLatin1String(captions[i]), edit, characteristic_), i / 2, (i % 2) * 2);
    grid->addWidget(edit, i / 2, (i % 2) * 2 + 1);
  }
  layout->addWidget(characteristic_);
  return part;
}

QWidget* SensorPageWidget::buildConnection() {
  connection_ = namedGroup(QStringLiteral("connectionGroup"), QStringLiteral("Место подключения датчика:"), this);
  auto* form = new QFormLayout(connection_);
  module_ = choiceBox(QStringLiteral("moduleBox"), {}, connection_);
  form->addRow(captionFor(QStringLiteral("Клеммник"), module_, connection_), module_);
  pair_ = choiceBox(QStringLiteral("pairBox"), {}, connection_);
  form->addRow(captionFor(QStringLiteral("Клеммы"), pair_, connection_), pair_);
  bounce_ = choiceBox(QStringLiteral("bounceBox"), presenceChoices(), connection_);
  bounceLabel_ = captionFor(QStringLiteral("Фильтрация дребезга:"), bounce_, connection_);
  form->addRow(bounceLabel_, bounce_);
  rangeText_ = new QLabel(connection_);
  rangeText_->setObjectName(QStringLiteral("rangeText"));
  form->addRow(rangeText_);
  channelCode_ = new QLabel(connection_);
  channelCode_->setObjectName(QStringLiteral("channelCode"));
  form->addRow(QStringLiteral("№ канала:"), channelCode_);
  return connection_;
}

QWidget* SensorPageWidget::buildCutoff() {
  auto* part = namedPart(QStringLiteral("cutoffPart"), this);
  auto* layout = new QVBoxLayout(part);
  layout->setContentsMargins(0, 0, 0, 0);

  cutoff_ = namedGroup(QStringLiteral("cutoffGroup"), QStringLiteral("Условие отключения датчика:"), part);
  auto* cutoffForm = new QFormLayout(cutoff_);
  cutoffPresence_ = choiceBox(QStringLiteral("cutoffPresenceBox"), presenceChoices(), cutoff_);
  cutoffPresence_->setAccessibleName(QStringLiteral("Условие отключения датчика:"));
  cutoffForm->addRow(cutoffPresence_);
  cutoffModule_ = choiceBox(QStringLiteral("cutoffModuleBox"), {}, cutoff_);
  cutoffModuleLabel_ = captionFor(QStringLiteral("Клеммник"), cutoffModule_, cutoff_);
  cutoffForm->addRow(cutoffModuleLabel_, cutoffModule_);
  cutoffPair_ = choiceBox(QStringLiteral("cutoffPairBox"), {}, cutoff_);
  cutoffPairLabel_ = captionFor(QStringLiteral("Клеммы"), cutoffPair_, cutoff_);
  cutoffForm->addRow(cutoffPairLabel_, cutoffPair_);
  layout->addWidget(cutoff_);

  fault_ = namedGroup(QStringLiteral("faultGroup"),
                    QStringLiteral("При обрыве датчика вместо измеренного значения подставляется:"), part);
  auto* faultLayout = new QVBoxLayout(fault_);
  faultKind_ = choiceBox(QStringLiteral("faultBox"), {}, fault_);
  faultKind_->setAccessibleName(fault_->title());
  faultLayout->addWidget(faultKind_);
  layout->addWidget(fault_);
  return part;
}

QWidget* SensorPageWidget::buildConstants() {
  constants_ = namedPart(QStringLiteral("constantsGroup"), this);
  auto* layout = new QVBoxLayout(constants_);
  layout->setContentsMargins(0, 0, 0, 0);
  const char* names[] = {"const1Edit", "const2Edit", "const3Edit", "maxEdit", "minEdit",
                         "substMaxEdit", "substMinEdit", "substFaultEdit", "monthFactorEdit"};
  // Made in the order they are laid out ("мин." above "макс."), which is the tab order.
  for (std::size_t i : {0, 1, 2, 4, 3, 6, 5, 7, 8})
    reals_[i] = realEdit(QLatin1String(names[i]), true, page_.separator(), constants_);

  auto* constForm = new QFormLayout;
  for (std::size_t i = 0; i < 3; ++i) {
    constLabels_[i] = captionFor(QStringLiteral("Константа %1").arg(i + 1), reals_[i], constants_);
    constForm->addRow(constLabels_[i], reals_[i]);
  }
  layout->addLayout(constForm);

  limits_ = namedGroup(QStringLiteral("limitsGroup"), QStringLiteral("Технологич. границы изменения зн. датчика"),
                     constants_);
  auto* limitsForm = new QFormLayout(limits_);
  limitsForm->addRow(captionFor(QStringLiteral("мин."), reals_[4], limits_), reals_[4]);
  limitsForm->addRow(captionFor(QStringLiteral("макс."), reals_[3], limits_), reals_[3]);
  layout->addWidget(limits_);

  auto* subst = namedGroup(QStringLiteral("substGroup"), QStringLiteral("Замена при выходе за технологич. границы"),
                         constants_);
  auto* substForm = new QFormLayout(subst);
  substForm->addRow(captionFor(QStringLiteral("мин."), reals_[6], subst), reals_[6]);
  substForm->addRow(captionFor(QStringLiteral("макс."), reals_[5], subst), reals_[5]);
  layout->addWidget(subst);

  auto* rest = new QFormLayout;
  rest->addRow(captionFor(QStringLiteral("Замена при обрыве \nили перезапуске :"), reals_[7], constants_), reals_[7]);
  rest->addRow(captionFor(QStringLiteral("Коэффициент\nпересчета:"), reals_[8], constants_), reals_[8]);
  layout->addLayout(rest);
  return constants_;
}

QWidget* SensorPageWidget::buildConditional() {
  conditional_ = namedGroup(QStringLiteral("conditionalGroup"), QStringLiteral("вид преобразования"), this);
  auto* layout = new QVBoxLayout(conditional_);
  conversionButtons_ = new QButtonGroup(conditional_);
  auto radio = [this, layout](const char* objectName, const QString& text, int conversion) {
    auto* button = new QRadioButton(text, conditional_);
    button->setObjectName(QLatin1String(objectName));
    conversionButtons_->addButton(button, conversion);
    layout->addWidget(button);
    return button;
  };
  radio("arithmeticRadio", QStringLiteral("Арифметический датчик"), SumSensors);

  auto* arithmeticForm = new QFormLayout;
  source_ = choiceBox(QStringLiteral("sourceBox"), arithmeticSourceChoices(), conditional_);
  sourceLabel_ = captionFor(QStringLiteral(" суммирование"), source_, conditional_);
  arithmeticForm->addRow(sourceLabel_, source_);
  signStorage_ = choiceBox(QStringLiteral("signStorageBox"), signStorageChoices(), conditional_);
  signStorage_->setAccessibleName(QStringLiteral("знак результата"));
  arithmeticForm->addRow(signStorage_);
  layout->addLayout(arithmeticForm);

  terms_ = namedPart(QStringLiteral("termsGroup"), conditional_);
  auto* grid = new QGridLayout(terms_);
  for (std::size_t i = 0; i < 3; ++i) {
    const int row = static_cast<int>(i);
    termPresent_[i] = new QCheckBox(QStringLiteral("Слагаемое %1").arg(row + 1), terms_);
    termPresent_[i]->setObjectName(QStringLiteral("termPresent%1").arg(row + 1));
    termPresent_[i]->setToolTip(QStringLiteral("слагаемое -  есть/нет"));
    grid->addWidget(termPresent_[i], row, 0);
    termSign_[i] = choiceBox(QStringLiteral("termSign%1").arg(row + 1), signChoices(), terms_);
    termSignLabel_[i] = captionFor(QStringLiteral("Знак:"), termSign_[i], terms_);
    grid->addWidget(termSignLabel_[i], row, 1);
    grid->addWidget(termSign_[i], row, 2);
    termNumber_[i] = numberEdit(QStringLiteral("termNumber%1").arg(row + 1), 2, terms_);
    termNumberLabel_[i] = captionFor(QStringLiteral("№ датч."), termNumber_[i], terms_);
    grid->addWidget(termNumberLabel_[i], row, 3);
    grid->addWidget(termNumber_[i], row, 4);
    termWeight_[i] = realEdit(QStringLiteral("termWeight%1").arg(row + 1), false, page_.separator(), terms_);
    termWeight_[i]->setToolTip(
        QStringLiteral("весовой коэффициент (ноль соответствует единичному коэффициенту)"));
    termWeightLabel_[i] = captionFor(QStringLiteral("вес"), termWeight_[i], terms_);
    grid->addWidget(termWeightLabel_[i], row, 5);
    grid->addWidget(termWeight_[i], row, 6);
  }
  layout->addWidget(terms_);

  arithmetic_ = namedPart(QStringLiteral("arithmeticGroup"), conditional_);
  auto* arithmeticLayout = new QVBoxLayout(arithmetic_);
  arithmeticButton_ = new QPushButton(QStringLiteral("Просмотр/изменение арифмет. действий"), arithmetic_);
  arithmeticButton_->setObjectName(QStringLiteral("arithmeticButton"));
  arithmeticSummary_ = new QLabel(arithmetic_);
  arithmeticSummary_->setObjectName(QStringLiteral("arithmeticSummary"));
  arithmeticSummary_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  arithmeticLayout->addWidget(arithmeticButton_);
  arithmeticLayout->addWidget(captionFor(QStringLiteral("Итог: "), arithmeticSummary_, arithmetic_));
  arithmeticLayout->addWidget(arithmeticSummary_);
  layout->addWidget(arithmetic_);

  radio("functionalRadio", QStringLiteral("Функциональный датчик с преобразованием по таблице"), TableFunction);
  radio("copyingRadio", QStringLiteral("Копирующий датчик для архивирования"), CopyForArchive);
  serialRadio_ = radio("serialRadio", QStringLiteral("Датчик с вводимым по последовательному каналу значением"),
                       SerialInput);

  parameter_ = namedPart(QStringLiteral("parameterGroup"), conditional_);
  auto* parameterForm = new QFormLayout(parameter_);
  parameterNumber_ = hexEdit(QStringLiteral("parameterEdit"), 4, parameter_);
  parameterLabel_ = captionFor(QString(), parameterNumber_, parameter_);
  parameterForm->addRow(parameterLabel_, parameterNumber_);
  layout->addWidget(parameter_);

  auto* storageForm = new QFormLayout;
  conditionalStorage_ = choiceBox(QStringLiteral("conditionalStorageBox"), conditionalStorageChoices(), conditional_);
  conditionalStorage_->setAccessibleName(QStringLiteral("хранение"));
  storageForm->addRow(conditionalStorage_);
  layout->addLayout(storageForm);
  return conditional_;
}

QWidget* SensorPageWidget::buildTable() {
  table_ = namedGroup(QStringLiteral("tableGroup"), QStringLiteral("Табличная функция"), this);
  auto* layout = new QVBoxLayout(table_);
  auto* form = new QFormLayout;
  tableNumber_ = choiceBox(QStringLiteral("tableNumberBox"), {}, table_);
  form->addRow(captionFor(QStringLiteral("№ табличной  функции:"), tableNumber_, table_), tableNumber_);
  tableStep_ = choiceBox(QStringLiteral("tableStepBox"), stepChoices(), table_);
  form->addRow(captionFor(QStringLiteral("Шаг табличной функции:"), tableStep_, table_), tableStep_);
  layout->addLayout(form);

  constantStep_ = namedPart(QStringLiteral("constantStepGroup"), table_);
  auto* constantForm = new QFormLayout(constantStep_);
  x0_ = realEdit(QStringLiteral("x0Edit"), true, page_.separator(), constantStep_);
  constantForm->addRow(captionFor(QStringLiteral("Начальное значение (Xo): "), x0_, constantStep_), x0_);
  dx_ = realEdit(QStringLiteral("dxEdit"), true, page_.separator(), constantStep_);
  constantForm->addRow(captionFor(QStringLiteral("Шаг аргумента табл. функц.(dx):"), dx_, constantStep_), dx_);
  node_ = choiceBox(QStringLiteral("nodeBox"), rangeChoices(0, 13), constantStep_);
  constantForm->addRow(captionFor(QStringLiteral("№ точки (n)"), node_, constantStep_), node_);
  nodeValue_ = realEdit(QStringLiteral("nodeValueEdit"), true, page_.separator(), constantStep_);
  constantForm->addRow(captionFor(QStringLiteral("значение Y(Xo+n•dx)"), nodeValue_, constantStep_), nodeValue_);
  layout->addWidget(constantStep_);

  variableStep_ = namedPart(QStringLiteral("variableStepGroup"), table_);
  auto* variableForm = new QFormLayout(variableStep_);
  pointPair_ = choiceBox(QStringLiteral("pointPairBox"), rangeChoices(1, 8), variableStep_);
  variableForm->addRow(captionFor(QStringLiteral("№ пары (к)"), pointPair_, variableStep_), pointPair_);
  pairX_ = realEdit(QStringLiteral("pairXEdit"), true, page_.separator(), variableStep_);
  pairXLabel_ = captionFor(QStringLiteral("X1"), pairX_, variableStep_);
  variableForm->addRow(pairXLabel_, pairX_);
  pairY_ = realEdit(QStringLiteral("pairYEdit"), true, page_.separator(), variableStep_);
  pairYLabel_ = captionFor(QStringLiteral("Y(X1)"), pairY_, variableStep_);
  variableForm->addRow(pairYLabel_, pairY_);
  layout->addWidget(variableStep_);
  return table_;
}

}  // namespace nastrum
