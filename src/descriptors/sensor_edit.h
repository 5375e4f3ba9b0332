// Encoding: each choice of the sensor page applied to a SensorRecord. Every
// operation changes only the digits and reals its choice owns, so earlier
// choices survive where they still apply. Reference protection is not done
// here (see sensor_references.h); the page asks first, then applies.
#pragma once

#include "descriptors/sensor_codes.h"
#include "descriptors/sensor_constants.h"

namespace nastrum {

// "тип": writes the family defaults (descriptors, constants, limits).
void applyFamily(SensorRecord& s, int familyChoice, int kind);
// "тип" on a sensor shown as "ОШИБКА": replaces D1 only.
void repairFamilyDigit(SensorRecord& s, int familyChoice, int kind);
// The empty record a "датчика нет" sensor is shown as (MonthFactor 1.0).
void clearToEmpty(SensorRecord& s);

void applyStorage(SensorRecord& s, bool withStorage);        // analog D1 9 / 1
void applyQuantity(SensorRecord& s, int quantity);            // analog D2 with defaults
void applyPressureKind(SensorRecord& s, int absolute);        // D3 bit 0
void applyPressureUnit(SensorRecord& s, int unitCode);        // D3 bit 3 (0 / 8)
void applyTap(SensorRecord& s, int tapCode);                  // D3 low bits
void applyDiffUnit(SensorRecord& s, int unitCode);            // D3 bit 3
// D3: the flow kind; bit 3 stays only where it means "count per unit" (kind
// 3 pulse sensors), so the choice also puts right a D3 of 8..F.
void applyFlowKind(SensorRecord& s, int flowKind, int kind);
void applyPulseWeight(SensorRecord& s, int code);             // kind 3: D3 bit 3
// "термометр сопротивления" (sub = 0 platinum / 1 copper), "термопара"
// (sub = 4, 5, 6) or the normalising converter (sub ignored).
void applyTemperatureKind(SensorRecord& s, int temperatureKind, int sub);
void applyThermocoupleType(SensorRecord& s, int d3);
void applySignal(SensorRecord& s, int signal);                // D4 low bits
void applyFault(SensorRecord& s, int code, int kind);         // D4 / its bit 3, SubstOnFault 0
// Channel code into A1 A2; on kinds 1, 2 a pulse module also writes D1.
void applyChannel(SensorRecord& s, int code, int moduleD1 = 0);
void applyCutoff(SensorRecord& s, int code);                  // A3 A4, kNoCutoff for none

// Conditional sensors.
void applyConditionalStorage(SensorRecord& s, int d2);        // 0 averaging, 3 accumulating
// A conversion choice with its defaults. `table0Variable` tells whether table
// 0, which a new functional sensor names, has a variable step.
void applyConversion(SensorRecord& s, int conversion, int kind, bool table0Variable = false);
// On a sensor shown with an invalid conversion: D3 only.
void repairConversion(SensorRecord& s, int conversion);
void applySignStorage(SensorRecord& s, int a1);               // 1 / 9
void applyTerm(SensorRecord& s, int index, const Term& term); // index 0..2
void applyParameterNumber(SensorRecord& s, int number);       // functional, copying: AuxDescriptor
// Thermocouple: a cold-junction sensor number, or none (Const2 64.0, Const1 0).
void applyColdJunction(SensorRecord& s, std::optional<int> sensor);

}  // namespace nastrum
