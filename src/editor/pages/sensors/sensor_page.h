// The rules of the "Датчики" page: which sensor is shown, what each choice of
// the page writes into the image, which reference question a change asks
// first, and the copy buffer. The widget only takes the user's choice, calls
// one of these operations and shows the sensor again.
//
// The operations report through takeChange() whether they changed the image;
// showing a sensor stores only the repairs of the vocabulary and is no edit.
// Operations that can be refused return false when nothing was written (the
// user answered "Нет", or the input was rejected with a message).
#pragma once

#include <array>
#include <optional>

#include <QChar>
#include <QString>

#include "descriptors/sensor_channels.h"
#include "descriptors/sensor_constants.h"
#include "descriptors/sensor_references.h"
#include "descriptors/sensor_view.h"
#include "model/image_changes.h"
#include "model/message_presenter.h"
#include "model/workspace.h"

namespace nastrum {

// The nine reals of a sensor record, in record order.
enum class SensorReal {
  Const1,
  Const2,
  Const3,
  MaxValue,
  MinValue,
  SubstAboveMax,
  SubstBelowMin,
  SubstOnFault,
  MonthFactor,
};

// What "Копировать" keeps: the record without its RtdStandard, and the
// device kind it was copied on (codes mean other things on another kind).
struct SensorCopy {
  Word kind = 0;
  Word number = 0;
  Word mainDescriptor = 0;
  Word auxDescriptor = 0;
  std::array<double, 9> reals{};
};

class SensorPage {
 public:
  SensorPage(Workspace& workspace, MessagePresenter& presenter, QChar separator);

  // --- Navigation --------------------------------------------------------
  int sensorCount() const;
  int current() const { return current_; }
  // The number field's text: a number wraps into 0..count-1 (below 0 to the
  // last, above the range to 0); anything else shows message 1 and gives
  // nullopt. Does not show the sensor.
  std::optional<int> numberFromText(const QString& text) const;
  // Shows sensor n: stores the repairs of an invalid channel, an unusable
  // cold junction, a table number out of range, the forced values and the
  // empty record of an absent sensor. Never sets Modified.
  void show(int n);

  // --- What the controls show ---------------------------------------------
  const SensorRecord& record() const;
  SensorView view() const;
  // Set when the shown sensor has an invalid family or conversion kind: the
  // family or conversion choice then repairs the digit only.
  bool hasError() const { return error_; }
  QChar separator() const { return separator_; }
  QString realText(double value) const;  // FormatReal8
  double real(SensorReal which) const;
  QString name() const;
  // What was last written, for the main window's diagnostic field.
  const QString& lastWritten() const { return lastWritten_; }

  // --- Family and analog choices ------------------------------------------
  bool chooseFamily(int familyChoice);
  void chooseStorage(bool withStorage);
  bool chooseQuantity(int quantity);
  bool choosePressureKind(int absolute);
  void choosePressureUnit(int unitCode);
  void chooseTap(int tapCode);
  void chooseDiffUnit(int unitCode);
  bool chooseFlowKind(int flowKind);
  void choosePulseWeight(int code);
  // "термометр сопротивления" (sub 0 platinum, 1 copper), "термопара"
  // (sub 4, 5, 6) or the normalising converter.
  void chooseTemperatureKind(int temperatureKind, int sub);
  void chooseRtd(int rtdD3);
  void chooseRtdStandard(int rtdStandard);
  void chooseThermocouple(int d3);
  void chooseSignal(int signal);
  void chooseFault(int code);

  // --- Connection ---------------------------------------------------------
  bool chooseChannel(const QString& module, const QString& pair, bool filtered);
  // "Нет" (nullopt) or a module and pair; "Есть" alone takes the first choice.
  bool chooseCutoff(std::optional<ChannelPlace> place);

  // --- Reals --------------------------------------------------------------
  // A real field's text, read with ParseNumber; empty counts 0 (MonthFactor 1).
  void setReal(SensorReal which, const QString& text);
  // Thermocouple: "Датчик txc" "Есть" takes the first candidate; without one
  // message 45 and false. "Нет" stores none.
  bool setColdJunctionPresent(bool present);
  void chooseColdJunction(int sensor);
  // Pressure liquid column: Const2 from density and height; a negative value
  // shows message 8 and stores 0 (the fields then show "0").
  bool setLiquidColumn(const QString& density, const QString& height, bool belowPipe);
  // Only the side changed: the magnitude of Const2 stays.
  void setPipeSide(bool belowPipe);
  // Frequency characteristic: Gmin, Fmin as typed, the slope as displayed.
  void setCharacteristic(const QString& gmin, const QString& fmin, const QString& gmax, const QString& fmax);

  // --- Conditional sensors ------------------------------------------------
  // Any conversion kind; arithmetic ones are the " суммирование" sources.
  bool chooseConversion(int conversion);
  void chooseConditionalStorage(int d2);
  void chooseSignStorage(int a1);
  // Term rows of kinds 1 and 2 (index 0..2).
  Term term(int index) const;
  void setTermPresent(int index, bool present);
  void setTermNegative(int index, bool negative);
  // Number and weight texts; out of range shows message 48/47/58, stores 0
  // in that part of the term and returns false.
  bool setTermNumber(int index, const QString& text);
  bool setTermWeight(int index, const QString& text);
  // Functional and copying sensors: up to four hex digits, empty for 0;
  // anything else is refused.
  bool setParameterNumber(const QString& hexText);

  // --- Table functions ----------------------------------------------------
  std::optional<TableRef> tableRef() const;
  // The step shown under "Шаг табличной функции:": the table's own, which
  // lays out its values; a 0.5 in Const1 that disagrees is put right by the
  // next choice of a table number or a step.
  bool tableHasVariableStep() const;
  void chooseTable(int table);
  // Asks the question of the step change; "Да" clears the table and empties
  // the other functional sensors on it.
  bool chooseTableStep(bool variableStep);
  double tableValue(int index) const;
  void setTableValue(int index, const QString& text);

  // --- Name ---------------------------------------------------------------
  void setName(const QString& text);

  // --- Copy and paste -----------------------------------------------------
  void copy();
  // Only a copy made on the same device kind: the channel and family codes
  // of one kind name other terminals, or nothing, on another.
  bool canPaste() const;
  // Returns whether the sensor changed.
  bool paste();

  // Whether the edits since the last call changed the image.
  bool takeChange() { return changes_.take(); }

 private:
  SensorRecord& rec();
  SettingsImage& image() { return workspace_.image; }
  int kind() const { return static_cast<int>(workspace_.image.deviceKind); }
  void edited(const QString& written);  // keeps what was written for the diagnostic field
  void editedDescriptor();
  void editedReal(double value);
  // Asks the first reference's question; on "Да" removes every reference.
  bool confirm(const ReferenceList& refs);
  bool confirmChange(SensorChangeKind kind, int value);
  double& realRef(SensorReal which);
  void storeTerm(int index, const Term& t);

  Workspace& workspace_;
  MessagePresenter& presenter_;
  QChar separator_;
  int current_ = 0;
  bool error_ = false;
  SensorCopy buffer_;
  QString lastWritten_;
  ImageChanges changes_{workspace_.image};
};

}  // namespace nastrum
