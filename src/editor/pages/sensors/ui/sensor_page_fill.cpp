// Filling the sensor page from the image: which groups the shown sensor
// has, and what each control shows. Nothing here counts as an edit: list
// boxes fill with their signals blocked and line edits report only typing.
#include <cmath>

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "arith/arith_formula.h"
#include "arith/ui/tar_form.h"
#include "descriptors/descriptor_digits.h"
#include "descriptors/name_rule.h"
#include "descriptors/sensor_hint.h"
#include "descriptors/sensor_show.h"
#include "widgets/choice_box.h"
#include "editor/pages/sensors/ui/sensor_page_widget.h"
#include "model/kind_profile.h"
#include "model/real_text.h"

namespace nastrum {

namespace {

ChoiceList indexChoices(const QStringList& texts) {
  ChoiceList list;
  for (int i = 0; i < texts.size(); ++i) list.add(i, texts[i]);
  return list;
}

ChoiceList numberList(const std::vector<int>& numbers) {
  ChoiceList list;
  for (int n : numbers) list.add(n, QString::number(n));
  return list;
}

// Shows a module and pair place in two list boxes; "ОШИБКА" when unknown.
void showPlace(ChoiceBox* moduleBox, ChoiceBox* pairBox, const std::vector<ChannelModule>& modules,
               const std::optional<ChannelPlace>& place) {
  QStringList names;
  for (const ChannelModule& m : modules) names << m.name;
  moduleBox->setChoices(indexChoices(names));
  const int module = place ? static_cast<int>(names.indexOf(place->module)) : -1;
  moduleBox->showCode(module >= 0 ? std::optional<int>(module) : std::nullopt);
  const QStringList pairs = module >= 0 ? modules[static_cast<std::size_t>(module)].pairs : QStringList();
  pairBox->setChoices(indexChoices(pairs));
  const int pair = place ? static_cast<int>(pairs.indexOf(place->pair)) : -1;
  pairBox->showCode(pair >= 0 ? std::optional<int>(pair) : std::nullopt);
}

QString twoHexDigits(int code) { return QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper(); }

}  // namespace

void SensorPageWidget::showCurrent() {
  page_.show(page_.current());
  const SensorView v = page_.view();
  {
    const QSignalBlocker blocker(number_);
    number_->setValue(page_.current());
  }
  family_->showCode(familyChoiceOf(v.family));
  storage_->setVisible(v.family == SensorFamily::Analog);
  storage_->showCode(hasStorage(page_.record().mainDescriptor) ? 0x9 : 0x1);
  const QString name = page_.name();
  name_->setMaxLength(nameMaxLength(name));
  name_->setText(name);
  fillCopyActions();

  hideFamilyGroups();
  switch (v.family) {
    case SensorFamily::Analog:
      fillAnalog(v);
      fillConnection(v);
      fillConstants(v);
      break;
    case SensorFamily::PulseMvv:
    case SensorFamily::PulseMchv:
    case SensorFamily::Frequency:
      fillCounting(v);
      fillConnection(v);
      fillConstants(v);
      break;
    case SensorFamily::Conditional:
      if (!v.conversion) {
        errorPanel_->show();
        conversionRepair_->setChoices(conversionChoices(workspace_.image.deviceKind));
        conversionRepair_->showCode(std::nullopt);
        break;
      }
      fillConditional(v);
      fillConstants(v);
      break;
    default:
      break;  // absent, or "ОШИБКА": the header alone
  }
}

void SensorPageWidget::hideFamilyGroups() {
  for (QWidget* w : std::initializer_list<QWidget*>{errorPanel_, analog_, flow_, pulseWeight_, characteristic_,
                                                    connection_, cutoff_, fault_, constants_, conditional_, table_})
    w->hide();
}

void SensorPageWidget::fillCopyActions() { paste_->setEnabled(page_.canPaste()); }

void SensorPageWidget::fillAnalog(const SensorView& v) {
  const SensorRecord& r = page_.record();
  const int kind = workspace_.image.deviceKind;
  const int d2 = digitOf(r.mainDescriptor, 2), d3 = digitOf(r.mainDescriptor, 3);
  analog_->show();
  quantity_->setChoices(quantityChoices(kind));
  quantity_->showCode(v.quantity);

  pressure_->setVisible(v.quantity == Pressure);
  pressureKind_->showCode(v.pressureKind);
  pressureUnit_->showCode(v.unitCode);
  tubeFill_->showCode(liquidTubes_ ? 1 : 0);
  pipeSide_->showCode(std::signbit(r.const2) ? 1 : 0);  // -0 keeps "ниже" before a value is entered
  for (QWidget* w : {static_cast<QWidget*>(densityLabel_), static_cast<QWidget*>(density_),
                     static_cast<QWidget*>(distanceLabel_), static_cast<QWidget*>(distance_)})
    w->setVisible(liquidTubes_);

  tap_->setVisible(v.quantity == DiffPressure);
  tapKind_->setChoices(tapChoices(kind));
  tapKind_->showCode(v.tap);
  diffUnit_->showCode(v.unitCode);

  flow_->setVisible(v.quantity == Flow);
  flowKind_->showCode(v.flowKind);

  temperature_->setVisible(v.quantity == Temperature);
  temperatureKind_->showCode(v.temperatureKind);
  rtd_->setVisible(v.temperatureKind == Rtd);
  rtdKind_->showCode(v.rtd);
  ChoiceList standards;
  for (const RtdStandardChoice& c : rtdStandardChoices(d3)) standards.add(c.rtdStandard, c.text);
  rtdStandard_->setChoices(standards);
  rtdStandard_->showCode(r.rtdStandard);
  thermocouple_->setVisible(v.temperatureKind == Thermocouple);
  thermocoupleKind_->showCode(v.thermocouple);
  const bool coldSensor = r.const2 != kNoColdJunction;
  coldJunctionPresence_->showCode(coldSensor ? 1 : 0);
  coldJunction_->setChoices(
      withSensorHints(workspace_.image, numberList(coldJunctionCandidates(workspace_.image, page_.current()))));
  // Showing repaired a thermocouple's reference; other sensors keep any Const2.
  if (v.temperatureKind == Thermocouple && coldSensor) coldJunction_->showCode(static_cast<int>(r.const2));
  coldJunctionLabel_->setVisible(coldSensor);
  coldJunction_->setVisible(coldSensor);

  const bool withSignal = v.quantity && hasSignal(d2, d3);
  signal_->setVisible(withSignal);
  if (withSignal) {
    signalKind_->setChoices(signalChoices(*v.quantity));
    signalKind_->showCode(v.signal);
    signalScale_->setText(signalScaleText(v.signal.value_or(0)));
  }
}

void SensorPageWidget::fillCounting(const SensorView& v) {
  const SensorRecord& r = page_.record();
  flow_->show();
  flowKind_->showCode(v.flowKind);
  pulseWeight_->setVisible(v.pulseWeight.has_value());
  pulseWeightKind_->showCode(v.pulseWeight);
  characteristic_->setVisible(v.family == SensorFamily::Frequency);
  characteristicFields_[0]->setText(page_.realText(r.const1));
  characteristicFields_[1]->setText(page_.realText(r.const3));
  // Gmax and Fmax are not stored: any edit recomputes the slope from all four.
  characteristicFields_[2]->setText(QStringLiteral("0"));
  characteristicFields_[3]->setText(QStringLiteral("0"));
}

void SensorPageWidget::fillConnection(const SensorView& v) {
  const int kind = workspace_.image.deviceKind;
  connection_->show();
  const auto modules = channelModules(kind, v.family);
  showPlace(module_, pair_, modules, v.channel);
  bool filterable = false;
  for (const ChannelModule& m : modules)
    if (v.channel && m.name == v.channel->module) filterable = m.filterable;
  bounceLabel_->setVisible(filterable);
  bounce_->setVisible(filterable);
  bounce_->showCode(v.channel && v.channel->filtered ? 1 : 0);
  rangeText_->setText(v.channel ? channelRangeText(kind, v.family, *v.channel) : QString());
  rangeText_->setVisible(!rangeText_->text().isEmpty());
  channelCode_->setText(twoHexDigits(v.channelCode));

  fillCutoff(v);

  fault_->show();
  faultKind_->setChoices(v.family == SensorFamily::Analog ? analogFaultChoices() : countingFaultChoices());
  faultKind_->showCode(v.fault);
}

void SensorPageWidget::fillCutoff(const SensorView& v) {
  cutoff_->show();
  const bool present = v.cutoffCode != kNoCutoff;
  cutoffPresence_->showCode(present ? 1 : 0);
  showPlace(cutoffModule_, cutoffPair_, cutoffModules(workspace_.image.deviceKind), v.cutoff);
  for (QWidget* w : {static_cast<QWidget*>(cutoffModule_), static_cast<QWidget*>(cutoffPair_),
                     static_cast<QWidget*>(cutoffModuleLabel_), static_cast<QWidget*>(cutoffPairLabel_)})
    w->setVisible(present);
}

void SensorPageWidget::fillConstants(const SensorView& v) {
  const SensorRecord& r = page_.record();
  const int kind = workspace_.image.deviceKind;
  const Word main = r.mainDescriptor;
  constants_->show();
  const ConstantCaptions captions = constantCaptions(r, kind);
  const std::array<QString, 3> texts{captions.const1, captions.const2, captions.const3};
  for (std::size_t i = 0; i < 3; ++i) constLabels_[i]->setText(texts[i]);
  limits_->setTitle(captions.limits);
  for (std::size_t i = 0; i < reals_.size(); ++i)
    reals_[i]->setText(page_.realText(page_.real(static_cast<SensorReal>(i))));

  // Which constants the user types: the others are computed, fixed or unused.
  std::array<bool, 3> typed{true, true, true};
  if (v.family == SensorFamily::Frequency || v.family == SensorFamily::Conditional) typed = {false, false, false};
  if (v.family == SensorFamily::Analog)
    for (std::size_t i = 0; i < 3; ++i)
      typed[i] = texts[i] != QStringLiteral("Константа %1").arg(i + 1);  // unused constants stay 0
  const bool rtdStandard = v.temperatureKind == Rtd && r.rtdStandard != kRtdOther;
  if (rtdStandard) typed[1] = typed[2] = false;
  if (v.quantity == Pressure && liquidTubes_) typed[1] = false;
  for (std::size_t i = 0; i < 3; ++i) reals_[i]->setReadOnly(!typed[i]);
  reals_[1]->setToolTip(v.temperatureKind == Rtd && r.rtdStandard == kRtdOther ? rtdOtherHint() : QString());
  reals_[static_cast<std::size_t>(SensorReal::SubstOnFault)]->setEnabled(substOnFaultApplies(main, kind));
  reals_[static_cast<std::size_t>(SensorReal::MonthFactor)]->setEnabled(monthFactorApplies(main, kind));
}

void SensorPageWidget::fillConditional(const SensorView& v) {
  const int kind = workspace_.image.deviceKind;
  const int conversion = *v.conversion;
  const bool arithmetic = isArithmetic(conversion);
  conditional_->show();
  serialRadio_->setVisible(conversionChoices(kind).containsCode(SerialInput));
  if (auto* button = conversionButtons_->button(arithmetic ? SumSensors : conversion)) button->setChecked(true);
  sourceLabel_->setVisible(arithmetic);
  source_->setVisible(arithmetic);
  source_->showCode(conversion);
  conditionalStorage_->showCode(v.conditionalStorage);

  const bool formula = arithmetic && kindProfile(kind).arithmeticFormulas;
  const bool terms = arithmetic && !formula;
  signStorage_->setVisible(terms);
  signStorage_->showCode(v.signStorage);
  terms_->setVisible(terms);
  if (terms) {
    fillTerms();
    fillCutoff(v);
  }
  arithmetic_->setVisible(formula);
  if (formula) fillArithmeticSummary();

  const bool withParameter = conversion == TableFunction || conversion == CopyForArchive;
  parameter_->setVisible(withParameter);
  parameterLabel_->setText(conversion == TableFunction
                               ? QStringLiteral("№ параметра являющегося аргументом\nтабличной функции:")
                               : QStringLiteral("№ параметра чьё значение хранит датчик"));
  parameterNumber_->setText(QString::number(page_.record().auxDescriptor & 0xFFFF, 16).toUpper());
  if (conversion == TableFunction) fillTable();
}

void SensorPageWidget::fillTerms() {
  const bool sensors = digitOf(page_.record().mainDescriptor, 3) == SumSensors;
  for (std::size_t i = 0; i < 3; ++i) {
    const Term t = page_.term(static_cast<int>(i));
    termPresent_[i]->setChecked(t.present);
    termSign_[i]->showCode(t.negative ? 1 : 0);
    termNumberLabel_[i]->setText(sensors ? QStringLiteral("№ датч.") : QStringLiteral("№ труб."));
    termNumber_[i]->setText(QString::number(t.number));
    termWeight_[i]->setText(GeneralRealText(t.weight, page_.separator()));
    // An absent term shows its tick box alone.
    for (QWidget* w : std::initializer_list<QWidget*>{termSignLabel_[i], termSign_[i], termNumberLabel_[i],
                                                      termNumber_[i], termWeightLabel_[i], termWeight_[i]})
      w->setVisible(t.present);
  }
}

void SensorPageWidget::fillArithmeticSummary() {
  // The summary is the window's: what its lists show is what the lines name.
  tarForm_->fill(page_.current());
  arithmeticSummary_->setText(
      arithSummaryLines(tarForm_->state(), arithUsesPipelines(page_.record()), page_.separator()).join(u'\n'));
}

void SensorPageWidget::fillTable() {
  const auto ref = page_.tableRef();
  table_->show();
  tableNumber_->setChoices(tableNumberChoices(workspace_.image.deviceKind));
  tableNumber_->showCode(ref ? std::optional<int>(ref->table) : std::nullopt);
  const bool variable = page_.tableHasVariableStep();
  tableStep_->showCode(variable ? 1 : 0);
  constantStep_->setVisible(!variable);
  variableStep_->setVisible(variable);
  fillTableValues();
}

void SensorPageWidget::fillTableValues() {
  x0_->setText(page_.realText(page_.tableValue(0)));
  dx_->setText(page_.realText(page_.tableValue(1)));
  nodeValue_->setText(page_.realText(page_.tableValue(nodeValueIndex(node_->code().value_or(0)))));
  const int k = pointPair_->code().value_or(1);
  pairXLabel_->setText(QStringLiteral("X%1").arg(k));
  pairYLabel_->setText(QStringLiteral("Y(X%1)").arg(k));
  pairX_->setText(page_.realText(page_.tableValue(pairArgumentIndex(k))));
  pairY_->setText(page_.realText(page_.tableValue(pairValueIndex(k))));
}

}  // namespace nastrum
