// The "Датчики" tab: one sensor at a time. Handlers take the user's choice,
// call the page's rules (SensorPage) and show the sensor again; filling the
// controls never counts as an edit.
#pragma once

#include <array>

#include <QWidget>

#include "editor/pages/sensors/sensor_page.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace nastrum {

class ChoiceBox;
class TarForm;

class SensorPageWidget : public QWidget {
  Q_OBJECT
 public:
  SensorPageWidget(Workspace& workspace, MessagePresenter& presenter, QWidget* parent = nullptr);
  // The decimal separator defaults to the regional one; tests choose it.
  SensorPageWidget(Workspace& workspace, MessagePresenter& presenter, QChar separator, QWidget* parent);

  // Fills the controls from the image for the current sensor.
  void showCurrent();
  SensorPage& page() { return page_; }
  TarForm& arithmeticWindow() { return *tarForm_; }

 signals:
  // The user changed the image (Modified is already set).
  void imageEdited();
  // What was last written (a descriptor's four digits, a real's text, the
  // name), for the main window's diagnostic field.
  void written(const QString& text);

 private:
  // Construction (sensor_page_build.cpp).
  void build();
  QWidget* buildHeader();
  QWidget* buildAnalog();
  QWidget* buildCounting();
  QWidget* buildConnection();
  QWidget* buildCutoff();
  QWidget* buildConstants();
  QWidget* buildConditional();
  QWidget* buildTable();
  void connectHandlers();
  void connectConditionalHandlers();

  // Filling (sensor_page_fill.cpp).
  void hideFamilyGroups();
  void fillAnalog(const SensorView& v);
  void fillCounting(const SensorView& v);
  void fillConnection(const SensorView& v);
  void fillCutoff(const SensorView& v);
  void fillConstants(const SensorView& v);
  void fillConditional(const SensorView& v);
  void fillTerms();
  void fillTable();
  void fillTableValues();
  void fillArithmeticSummary();
  void fillCopyActions();

  // After a handler: report an accepted edit, then show the sensor again
  // (which also puts back a refused choice). The pipeline page rebuilds its
  // sensor lists whenever it is shown, so a family change needs no word to it.
  void afterChoice(bool accepted);
  void afterText();
  void numberChanged(int value);
  void moduleChosen();
  void cutoffChosen();

  Workspace& workspace_;
  SensorPage page_;
  // "Импульсные трубки заполнены:" "жидкостью": Const2 is computed, not typed.
  // A shown sensor starts with "газом".
  bool liquidTubes_ = false;
  TarForm* tarForm_ = nullptr;

  // Header.
  QSpinBox* number_ = nullptr;
  ChoiceBox* family_ = nullptr;
  ChoiceBox* storage_ = nullptr;
  QLineEdit* name_ = nullptr;
  QAction* copy_ = nullptr;
  QAction* paste_ = nullptr;
  QGroupBox* errorPanel_ = nullptr;
  ChoiceBox* conversionRepair_ = nullptr;

  // Analog.
  QWidget* analog_ = nullptr;
  ChoiceBox* quantity_ = nullptr;
  QWidget* pressure_ = nullptr;
  ChoiceBox* pressureKind_ = nullptr;
  ChoiceBox* pressureUnit_ = nullptr;
  QGroupBox* liquid_ = nullptr;
  ChoiceBox* tubeFill_ = nullptr;
  ChoiceBox* pipeSide_ = nullptr;
  QLabel* densityLabel_ = nullptr;
  QLineEdit* density_ = nullptr;
  QLabel* distanceLabel_ = nullptr;
  QLineEdit* distance_ = nullptr;
  QWidget* tap_ = nullptr;
  ChoiceBox* tapKind_ = nullptr;
  ChoiceBox* diffUnit_ = nullptr;
  QWidget* temperature_ = nullptr;
  ChoiceBox* temperatureKind_ = nullptr;
  QWidget* rtd_ = nullptr;
  ChoiceBox* rtdKind_ = nullptr;
  ChoiceBox* rtdStandard_ = nullptr;
  QWidget* thermocouple_ = nullptr;
  ChoiceBox* thermocoupleKind_ = nullptr;
  ChoiceBox* coldJunctionPresence_ = nullptr;
  QLabel* coldJunctionLabel_ = nullptr;
  ChoiceBox* coldJunction_ = nullptr;
  QWidget* signal_ = nullptr;
  ChoiceBox* signalKind_ = nullptr;
  QLabel* signalScale_ = nullptr;

  // Flow kind of analog flow, pulse and frequency sensors.
  QWidget* flow_ = nullptr;
  ChoiceBox* flowKind_ = nullptr;
  QWidget* pulseWeight_ = nullptr;
  ChoiceBox* pulseWeightKind_ = nullptr;
  QGroupBox* characteristic_ = nullptr;
  std::array<QLineEdit*, 4> characteristicFields_{};  // Gmin, Fmin, Gmax, Fmax

  // Connection, cutoff, fault.
  QGroupBox* connection_ = nullptr;
  ChoiceBox* module_ = nullptr;
  ChoiceBox* pair_ = nullptr;
  QLabel* bounceLabel_ = nullptr;
  ChoiceBox* bounce_ = nullptr;
  QLabel* rangeText_ = nullptr;
  QLabel* channelCode_ = nullptr;
  QGroupBox* cutoff_ = nullptr;
  ChoiceBox* cutoffPresence_ = nullptr;
  QLabel* cutoffModuleLabel_ = nullptr;
  ChoiceBox* cutoffModule_ = nullptr;
  QLabel* cutoffPairLabel_ = nullptr;
  ChoiceBox* cutoffPair_ = nullptr;
  QGroupBox* fault_ = nullptr;
  ChoiceBox* faultKind_ = nullptr;

  // The nine reals.
  QWidget* constants_ = nullptr;
  std::array<QLabel*, 3> constLabels_{};
  std::array<QLineEdit*, 9> reals_{};  // in SensorReal order
  QGroupBox* limits_ = nullptr;

  // Conditional.
  QGroupBox* conditional_ = nullptr;
  QButtonGroup* conversionButtons_ = nullptr;
  QRadioButton* serialRadio_ = nullptr;
  QLabel* sourceLabel_ = nullptr;
  ChoiceBox* source_ = nullptr;
  ChoiceBox* conditionalStorage_ = nullptr;
  ChoiceBox* signStorage_ = nullptr;
  QWidget* terms_ = nullptr;
  std::array<QCheckBox*, 3> termPresent_{};
  std::array<QLabel*, 3> termSignLabel_{};
  std::array<ChoiceBox*, 3> termSign_{};
  std::array<QLabel*, 3> termNumberLabel_{};
  std::array<QLineEdit*, 3> termNumber_{};
  std::array<QLabel*, 3> termWeightLabel_{};
  std::array<QLineEdit*, 3> termWeight_{};
  QWidget* arithmetic_ = nullptr;
  QPushButton* arithmeticButton_ = nullptr;
  QLabel* arithmeticSummary_ = nullptr;
  QWidget* parameter_ = nullptr;
  QLabel* parameterLabel_ = nullptr;
  QLineEdit* parameterNumber_ = nullptr;

  // Table functions.
  QGroupBox* table_ = nullptr;
  ChoiceBox* tableNumber_ = nullptr;
  ChoiceBox* tableStep_ = nullptr;
  QWidget* constantStep_ = nullptr;
  QLineEdit* x0_ = nullptr;
  QLineEdit* dx_ = nullptr;
  ChoiceBox* node_ = nullptr;
  QLineEdit* nodeValue_ = nullptr;
  QWidget* variableStep_ = nullptr;
  ChoiceBox* pointPair_ = nullptr;
  QLabel* pairXLabel_ = nullptr;
  QLineEdit* pairX_ = nullptr;
  QLabel* pairYLabel_ = nullptr;
  QLineEdit* pairY_ = nullptr;
};

}  // namespace nastrum
