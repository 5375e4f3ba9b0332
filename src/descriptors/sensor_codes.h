// The codes of a sensor's descriptors and the choices the sensor page offers
// for them, per device kind. MainDescriptor digits are D1 D2 D3 D4,
// AuxDescriptor digits A1 A2 A3 A4 (see descriptor_digits.h).
#pragma once

#include "descriptors/choice_list.h"
#include "model/settings_image.h"

namespace nastrum {

// What D1 makes of a sensor on a device kind.
enum class SensorFamily {
  Absent,       // D1 0 or F: "датчика нет"
  Analog,       // D1 1 / 9
  PulseMvv,     // D1 2 / A: pulse sensor on a discrete-input module
  PulseMchv,    // D1 3 / B: pulse sensor on a frequency-input module
  Frequency,    // D1 4 / C
  Conditional,  // D1 8
  Invalid,      // any D1 the device kind does not know
};

SensorFamily sensorFamily(Word mainDescriptor, int kind);
bool isPulseFamily(SensorFamily f);
// Pulse or frequency: sensors that always measure flow.
bool isCountingFamily(SensorFamily f);
// D1 bit 3: the sensor keeps its values.
bool hasStorage(Word mainDescriptor);
// Families read alike on every kind, for readers that name a sensor without
// knowing its device: analog, conditional and the codes of pulse and frequency
// sensors on any kind (D1 2, 3, 4, A, B or C).
bool isAnalogSensor(Word mainDescriptor);
bool isCountingSensorCode(Word mainDescriptor);
bool isConditionalSensor(Word mainDescriptor);  // D1 8
// A sensor other objects may name: D1 is 1, 2, 3, 4, 8, 9, A, B or C.
bool isDescribedSensor(Word mainDescriptor);

// The "тип" list of the sensor page; codes are FamilyChoice values.
enum FamilyChoice : int { ChooseAbsent, ChooseAnalog, ChoosePulse, ChooseFrequency, ChooseConditional };
ChoiceList familyChoices();
// The family choice a decoded family shows (Invalid has none: "ОШИБКА").
std::optional<int> familyChoiceOf(SensorFamily f);

// Analog storage: "с хранением" D1 9, "без хранения" D1 1.
ChoiceList storageChoices();

// Analog quantity (D2).
enum Quantity : int {
  BatteryVoltage = 0,
  Pressure = 1,
  DiffPressure = 2,
  Flow = 3,
  Temperature = 4,
  OtherLinear = 5,
};
ChoiceList quantityChoices(int kind);

// Pressure sensor, D3: bit 0 absolute, bit 3 МПа.
ChoiceList pressureKindChoices();  // codes 0 excess, 1 absolute
ChoiceList pressureUnitChoices();  // codes 0 кгс/см2, 8 МПа

// Differential pressure, D3: low three bits the tap, bit 3 кПа.
ChoiceList tapChoices(int kind);       // codes 0 flange, 2 angle, 1 three-radius (kind 3)
ChoiceList diffUnitChoices();          // codes 0 кгс/м2, 8 кПа

// Flow kind (D3 of analog flow, pulse and frequency sensors).
enum FlowKind : int { FlowTonnes = 0, FlowLiquidM3 = 1, FlowGasM3 = 5 };
ChoiceList flowKindChoices();
// The flow kind a stored D3 reads as (kinds 1, 2 also read 3 as liquid m3;
// a kind-3 pulse sensor's "per unit" bit 3 is ignored), or nullopt: "ОШИБКА".
std::optional<int> decodeFlowKind(int d3, int kind);

// Pulse sensors of kind 3 (D1 B): what "Указывается:"; bit 3 of D3.
ChoiceList pulseWeightChoices();  // codes 0 weight, 8 count per unit

// Temperature (analog D2 4).
enum TemperatureKind : int { Rtd = 0, Thermocouple = 1, NormalisingConverter = 2 };
ChoiceList temperatureKindChoices();
std::optional<int> temperatureKindOf(int d3);
ChoiceList rtdChoices();            // D3: 0 platinum, 1 copper
ChoiceList thermocoupleChoices();   // D3: 4 ХК, 5 ХА, 6 ПП

// Output signal of an analog sensor (D4 & 3), per quantity / temperature kind.
ChoiceList signalChoices(int quantity);
// The scale text beside a current signal, empty for a voltage.
QString signalScaleText(int signal);
// Whether a D2 D3 combination has an output signal choice (not RTD or thermocouple).
bool hasSignal(int d2, int d3);

// Fault handling. Analog: D4 bit 3 (codes 0, 8); pulse and frequency: D4.
ChoiceList analogFaultChoices();
ChoiceList countingFaultChoices();  // codes 0, 1, 9

// Conditional sensors (D1 8).
ChoiceList conditionalStorageChoices();  // D2: 0 averaging, 3 accumulating
enum Conversion : int {
  SumSensors = 0,
  SumFlows = 1,
  SumHeat = 2,
  SumEnthalpy = 3,
  TableFunction = 4,
  CopyForArchive = 5,
  SerialInput = 8,
};
ChoiceList conversionChoices(int kind);   // D3, with the texts of the error panel
ChoiceList arithmeticSourceChoices();     // D3 0..3, the " суммирование" sources
bool isArithmetic(int conversion);        // D3 0..3
ChoiceList signStorageChoices();          // A1: 1 keep the sign, 9 absolute value

// "Есть" / "Нет" choices of the page (bounce filtering, cutoff, cold junction).
ChoiceList presenceChoices();  // codes 1 "Есть", 0 "Нет"

// Defaults a family choice writes (descriptors only).
Word defaultMainDescriptor(int familyChoice, int kind);
Word defaultAuxDescriptor(int familyChoice, int kind);

}  // namespace nastrum
