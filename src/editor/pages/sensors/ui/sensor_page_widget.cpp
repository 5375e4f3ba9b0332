// The handlers of the sensor page: each takes the user's choice, calls the
// page's rules and shows the sensor again.
#include "editor/pages/sensors/ui/sensor_page_widget.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "arith/ui/tar_form.h"
#include "descriptors/name_rule.h"
#include "widgets/choice_box.h"
#include "model/real_text.h"

namespace nastrum {

SensorPageWidget::SensorPageWidget(Workspace& workspace, MessagePresenter& presenter, QWidget* parent)
    : SensorPageWidget(workspace, presenter, systemDecimalSeparator(), parent) {}

SensorPageWidget::SensorPageWidget(Workspace& workspace, MessagePresenter& presenter, QChar separator,
                                   QWidget* parent)
    : QWidget(parent), workspace_(workspace), page_(workspace, presenter, separator) {
  build();
  connectHandlers();
  connectConditionalHandlers();
  showCurrent();
}

void SensorPageWidget::afterChoice(bool accepted) {
  const bool changed = page_.takeChange();
  if (accepted && changed) {
    emit written(page_.lastWritten());
    emit imageEdited();
  }
  showCurrent();
}

void SensorPageWidget::afterText() {
  if (!page_.takeChange()) return;
  emit written(page_.lastWritten());
  emit imageEdited();
}

void SensorPageWidget::numberChanged(int value) {
  const auto n = page_.numberFromText(QString::number(value));
  if (n && *n != page_.current()) {
    page_.show(*n);
    liquidTubes_ = false;
  }
  showCurrent();
}

void SensorPageWidget::moduleChosen() {
  const QString module = module_->currentText();
  for (const ChannelModule& m : channelModules(workspace_.image.deviceKind, page_.view().family))
    if (m.name == module && !m.pairs.isEmpty()) {
      afterChoice(page_.chooseChannel(module, m.pairs.front(), bounce_->code() == 1));
      return;
    }
  showCurrent();
}

void SensorPageWidget::cutoffChosen() {
  if (cutoffPresence_->code() != 1) {
    afterChoice(page_.chooseCutoff(std::nullopt));
    return;
  }
  afterChoice(page_.chooseCutoff(ChannelPlace{cutoffModule_->currentText(), cutoffPair_->currentText(), false}));
}

void SensorPageWidget::connectHandlers() {
  connect(number_, &QSpinBox::valueChanged, this, &SensorPageWidget::numberChanged);
  connect(family_, &ChoiceBox::codeChosen, this, [this](int c) {
    liquidTubes_ = false;
    afterChoice(page_.chooseFamily(c));
  });
  connect(storage_, &ChoiceBox::codeChosen, this, [this](int c) {
    page_.chooseStorage(c == 0x9);
    afterChoice(true);
  });
  connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
    page_.setName(text);
    name_->setMaxLength(nameMaxLength(text));
    afterText();
  });
  connect(copy_, &QAction::triggered, this, [this] {
    page_.copy();
    fillCopyActions();
  });
  connect(paste_, &QAction::triggered, this, [this] { afterChoice(page_.paste()); });
  connect(conversionRepair_, &ChoiceBox::codeChosen, this,
          [this](int c) { afterChoice(page_.chooseConversion(c)); });

  // Analog.
  connect(quantity_, &ChoiceBox::codeChosen, this, [this](int c) {
    liquidTubes_ = false;
    afterChoice(page_.chooseQuantity(c));
  });
  connect(pressureKind_, &ChoiceBox::codeChosen, this,
          [this](int c) { afterChoice(page_.choosePressureKind(c)); });
  connect(pressureUnit_, &ChoiceBox::codeChosen, this, [this](int c) {
    page_.choosePressureUnit(c);
    afterChoice(true);
  });
  connect(tubeFill_, &ChoiceBox::codeChosen, this, [this](int c) {
    liquidTubes_ = c == 1;
    showCurrent();
  });
  connect(pipeSide_, &ChoiceBox::codeChosen, this, [this](int c) {
    page_.setPipeSide(c == 1);
    afterChoice(true);
  });
  auto liquidColumn = [this] {
    if (!page_.setLiquidColumn(density_->text(), distance_->text(), pipeSide_->code() == 1)) {
      density_->setText(QStringLiteral("0"));
      distance_->setText(QStringLiteral("0"));
    }
    reals_[1]->setText(page_.realText(page_.real(SensorReal::Const2)));
    afterText();
  };
  connect(density_, &QLineEdit::textEdited, this, liquidColumn);
  connect(distance_, &QLineEdit::textEdited, this, liquidColumn);
  connect(tapKind_, &ChoiceBox::codeChosen, this, [this](int c) {
    page_.chooseTap(c);
    afterChoice(true);
  });
  connect(diffUnit_, &ChoiceBox::codeChosen, this, [this](int c) {
    page_.chooseDiffUnit(c);
    afterChoice(true);
  });
  connect(temperatureKind_, &ChoiceBox::codeChosen, this, [this](int c) {
    const int sub = c == Rtd ? rtdKind_->code().value_or(0) : thermocoupleKind_->code().value_or(4);
    page_.chooseTemperatureKind(c, sub);
    afterChoice(true);
  });
  connect(rtdKind_, &ChoiceBox::codeChosen, this, [this](int c) {
    page_.chooseRtd(c);
    afterChoice(true);
  });
  connect(rtdStandard_, &ChoiceBox::codeChosen, this, [this](int c) {
    page_.chooseRtdStandard(c);
    afterChoice(true);
  });
  connect(thermocoupleKind_, &ChoiceBox::codeChosen, this, [this](int c) {
    page_.chooseThermocouple(c);
    afterChoice(true);
  });
  connect(coldJunctionPresence_, &ChoiceBox::codeChosen, this,
          [this](int c) { afterChoice(page_.setColdJunctionPresent(c == 1)); });
  connect(coldJunction_, &ChoiceBox::codeChosen, this, [this](int c) {
    page_.chooseColdJunction(c);
    afterChoice(true);
  });
  connect(signalKind_, &ChoiceBox::codeChosen, this, [this](int c) {
    page_.chooseSignal(c);
    afterChoice(true);
  });

  // Flow, pulse and frequency sensors.
  connect(flowKind_, &ChoiceBox::codeChosen, this, [this](int c) { afterChoice(page_.chooseFlowKind(c)); });
  connect(pulseWeightKind_, &ChoiceBox::codeChosen, this, [this](int c) {
    page_.choosePulseWeight(c);
    afterChoice(true);
  });
  for (QLineEdit* field : characteristicFields_)
    connect(field, &QLineEdit::textEdited, this, [this] {
      page_.setCharacteristic(characteristicFields_[0]->text(), characteristicFields_[1]->text(),
                              characteristicFields_[2]->text(), characteristicFields_[3]->text());
      for (std::size_t i = 0; i < 3; ++i)
        reals_[i]->setText(page_.realText(page_.real(static_cast<SensorReal>(i))));
      afterText();
    });

  // Connection, cutoff, fault.
  connect(module_, &ChoiceBox::codeChosen, this, &SensorPageWidget::moduleChosen);
  auto channel = [this] {
    afterChoice(page_.chooseChannel(module_->currentText(), pair_->currentText(), bounce_->code() == 1));
  };
  connect(pair_, &ChoiceBox::codeChosen, this, channel);
  connect(bounce_, &ChoiceBox::codeChosen, this, channel);
  connect(cutoffPresence_, &ChoiceBox::codeChosen, this, [this](int c) {
    afterChoice(page_.chooseCutoff(c == 1 ? std::optional<ChannelPlace>(ChannelPlace{}) : std::nullopt));
  });
  connect(cutoffModule_, &ChoiceBox::codeChosen, this, [this] {
    const QString module = cutoffModule_->currentText();
    for (const ChannelModule& m : cutoffModules(workspace_.image.deviceKind))
      if (m.name == module && !m.pairs.isEmpty()) {
        afterChoice(page_.chooseCutoff(ChannelPlace{module, m.pairs.front(), false}));
        return;
      }
    showCurrent();
  });
  connect(cutoffPair_, &ChoiceBox::codeChosen, this, &SensorPageWidget::cutoffChosen);
  connect(faultKind_, &ChoiceBox::codeChosen, this, [this](int c) {
    page_.chooseFault(c);
    afterChoice(true);
  });

  // The nine reals.
  for (std::size_t i = 0; i < reals_.size(); ++i)
    connect(reals_[i], &QLineEdit::textEdited, this, [this, i](const QString& text) {
      page_.setReal(static_cast<SensorReal>(i), text);
      afterText();
    });
}

void SensorPageWidget::connectConditionalHandlers() {
  connect(conversionButtons_, &QButtonGroup::idClicked, this, [this](int conversion) {
    const auto current = page_.view().conversion;
    if (conversion == SumSensors && current && isArithmetic(*current)) return;  // already arithmetic
    afterChoice(page_.chooseConversion(conversion));
  });
  connect(source_, &ChoiceBox::codeChosen, this, [this](int c) { afterChoice(page_.chooseConversion(c)); });
  connect(conditionalStorage_, &ChoiceBox::codeChosen, this, [this](int c) {
    page_.chooseConditionalStorage(c);
    afterChoice(true);
  });
  connect(signStorage_, &ChoiceBox::codeChosen, this, [this](int c) {
    page_.chooseSignStorage(c);
    afterChoice(true);
  });
  for (int i = 0; i < 3; ++i) {
    const auto at = static_cast<std::size_t>(i);
    connect(termPresent_[at], &QCheckBox::clicked, this, [this, i](bool on) {
      page_.setTermPresent(i, on);
      afterChoice(true);
    });
    connect(termSign_[at], &ChoiceBox::codeChosen, this, [this, i](int c) {
      page_.setTermNegative(i, c == 1);
      afterChoice(true);
    });
    connect(termNumber_[at], &QLineEdit::textEdited, this, [this, i, at](const QString& text) {
      if (!page_.setTermNumber(i, text)) termNumber_[at]->setText(QStringLiteral("0"));
      afterText();
    });
    connect(termWeight_[at], &QLineEdit::textEdited, this, [this, i, at](const QString& text) {
      if (!page_.setTermWeight(i, text)) termWeight_[at]->setText(QStringLiteral("0"));
      afterText();
    });
  }
  connect(arithmeticButton_, &QPushButton::clicked, this, [this] {
    tarForm_->editSensor(page_.current());
    emit imageEdited();  // the arithmetic window is an edit from the moment it shows
    showCurrent();
  });
  connect(parameterNumber_, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (page_.setParameterNumber(text)) afterText();
  });

  // Table functions.
  connect(tableNumber_, &ChoiceBox::codeChosen, this, [this](int c) {
    page_.chooseTable(c);
    afterChoice(true);
  });
  connect(tableStep_, &ChoiceBox::codeChosen, this, [this](int c) { afterChoice(page_.chooseTableStep(c == 1)); });
  auto tableField = [this](QLineEdit* field, auto index) {
    connect(field, &QLineEdit::textEdited, this, [this, index](const QString& text) {
      page_.setTableValue(index(), text);
      afterText();
    });
  };
  tableField(x0_, [] { return 0; });
  tableField(dx_, [] { return 1; });
  tableField(nodeValue_, [this] { return nodeValueIndex(node_->code().value_or(0)); });
  tableField(pairX_, [this] { return pairArgumentIndex(pointPair_->code().value_or(1)); });
  tableField(pairY_, [this] { return pairValueIndex(pointPair_->code().value_or(1)); });
  connect(node_, &ChoiceBox::codeChosen, this, &SensorPageWidget::fillTableValues);
  connect(pointPair_, &ChoiceBox::codeChosen, this, &SensorPageWidget::fillTableValues);
}

}  // namespace nastrum
