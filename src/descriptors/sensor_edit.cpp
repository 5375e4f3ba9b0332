#include "descriptors/sensor_edit.h"

#include "descriptors/descriptor_digits.h"
#include "descriptors/kind_codes.h"
#include "descriptors/sensor_channels.h"
#include "model/kind_profile.h"

namespace nastrum {

namespace {

void setMain(SensorRecord& s, int k, int v) { s.mainDescriptor = withDigit(s.mainDescriptor, k, v); }

void resetReals(SensorRecord& s) {
  s.const1 = s.const2 = s.const3 = 0;
  s.maxValue = s.minValue = 0;
  s.substAboveMax = s.substBelowMin = s.substOnFault = 0;
  s.monthFactor = 1.0;
}

}  // namespace

void clearToEmpty(SensorRecord& s) {
  s.mainDescriptor = 0;
  s.auxDescriptor = 0;
  resetReals(s);
}

void applyFamily(SensorRecord& s, int familyChoice, int kind) {
  if (familyChoice == ChooseAbsent) {
    clearToEmpty(s);
    s.monthFactor = 0;  // "датчика нет" zeroes all nine reals
    return;
  }
  resetReals(s);
  s.mainDescriptor = defaultMainDescriptor(familyChoice, kind);
  s.auxDescriptor = defaultAuxDescriptor(familyChoice, kind);
  if (familyChoice == ChoosePulse) s.const2 = 1000;
  if (familyChoice == ChooseConditional) applyConversion(s, SumSensors, kind);
}

void repairFamilyDigit(SensorRecord& s, int familyChoice, int kind) {
  switch (familyChoice) {
    case ChooseAnalog: setMain(s, 1, 0x9); break;
    case ChoosePulse: setMain(s, 1, kindCodes(kind).pulseFamilyDigit); break;
    case ChooseFrequency: setMain(s, 1, 0xC); break;
    case ChooseConditional: setMain(s, 1, 0x8); break;
    default: applyFamily(s, ChooseAbsent, kind); break;
  }
}

void applyStorage(SensorRecord& s, bool withStorage) { setMain(s, 1, withStorage ? 0x9 : 0x1); }

void applyQuantity(SensorRecord& s, int quantity) {
  const int d4 = digitOf(s.mainDescriptor, 4);
  const int fault = d4 & 8;
  int signal = d4 & 3;
  if (quantity == Temperature) {
    signal = 0;  // a platinum resistance thermometer has no signal
  } else if (!signalChoices(quantity).containsCode(signal)) {
    signal = 1;
  }
  setMain(s, 2, quantity);
  setMain(s, 3, 0);
  setMain(s, 4, fault | signal);
  s.const1 = s.const2 = s.const3 = 0;
  if (quantity == Temperature) {
    setMain(s, 4, 0);
    applyRtdStandard(s, 0);
  }
}

void applyPressureKind(SensorRecord& s, int absolute) {
  setMain(s, 3, (digitOf(s.mainDescriptor, 3) & ~1) | (absolute ? 1 : 0));
}

void applyPressureUnit(SensorRecord& s, int unitCode) {
  setMain(s, 3, (digitOf(s.mainDescriptor, 3) & ~8) | (unitCode & 8));
}

void applyTap(SensorRecord& s, int tapCode) {
  setMain(s, 3, (digitOf(s.mainDescriptor, 3) & 8) | (tapCode & 7));
}

void applyDiffUnit(SensorRecord& s, int unitCode) { applyPressureUnit(s, unitCode); }

void applyFlowKind(SensorRecord& s, int flowKind, int kind) {
  const bool countBit = kindCodes(kind).pulsesPerUnitBit && sensorFamily(s.mainDescriptor, kind) == SensorFamily::PulseMchv;
  setMain(s, 3, (countBit ? digitOf(s.mainDescriptor, 3) & 8 : 0) | (flowKind & 7));
}

void applyPulseWeight(SensorRecord& s, int code) {
  setMain(s, 3, (digitOf(s.mainDescriptor, 3) & 7) | (code & 8));
}

void applyTemperatureKind(SensorRecord& s, int temperatureKind, int sub) {
  switch (temperatureKind) {
    case Rtd:
      setMain(s, 3, sub == 1 ? 1 : 0);
      setMain(s, 4, 0);
      applyRtdStandard(s, 0);
      break;
    case Thermocouple:
      setMain(s, 3, (sub == 5 || sub == 6) ? sub : 4);
      setMain(s, 4, 0);
      s.const1 = s.const3 = 0;
      s.const2 = kNoColdJunction;
      break;
    default:
      setMain(s, 2, Temperature);
      setMain(s, 3, 7);
      setMain(s, 4, 1);
      s.const1 = s.const2 = s.const3 = 0;
      break;
  }
}

void applyThermocoupleType(SensorRecord& s, int d3) { setMain(s, 3, d3); }

void applySignal(SensorRecord& s, int signal) {
  setMain(s, 4, (digitOf(s.mainDescriptor, 4) & 8) | (signal & 3));
}

void applyFault(SensorRecord& s, int code, int kind) {
  if (sensorFamily(s.mainDescriptor, kind) == SensorFamily::Analog)
    setMain(s, 4, (digitOf(s.mainDescriptor, 4) & 7) | (code & 8));
  else
    setMain(s, 4, code);
  s.substOnFault = 0;
}

void applyChannel(SensorRecord& s, int code, int moduleD1) {
  s.auxDescriptor = withHighByte(s.auxDescriptor, code);
  if (moduleD1 != 0) setMain(s, 1, moduleD1);
}

void applyCutoff(SensorRecord& s, int code) { s.auxDescriptor = withLowByte(s.auxDescriptor, code); }

void applyConditionalStorage(SensorRecord& s, int d2) { setMain(s, 2, d2); }

void applyConversion(SensorRecord& s, int conversion, int kind, bool table0Variable) {
  if (isArithmetic(conversion)) {
    setMain(s, 3, conversion);
    if (!kindProfile(kind).arithmeticFormulas) {
      s.auxDescriptor = withLowByte(s.auxDescriptor, kNoCutoff);
      s.const1 = s.const2 = s.const3 = kAbsentTerm;
    }
    return;
  }
  setMain(s, 2, 0);
  setMain(s, 3, conversion);
  s.auxDescriptor = 0;
  s.const1 = conversion == TableFunction ? encodeTableRef({0, table0Variable}) : 0;
  s.const2 = s.const3 = 0;
}

void repairConversion(SensorRecord& s, int conversion) { setMain(s, 3, conversion); }

void applySignStorage(SensorRecord& s, int a1) { s.auxDescriptor = withDigit(s.auxDescriptor, 1, a1); }

void applyTerm(SensorRecord& s, int index, const Term& term) {
  const double v = encodeTerm(term);
  if (index == 0) s.const1 = v;
  else if (index == 1) s.const2 = v;
  else s.const3 = v;
}

void applyParameterNumber(SensorRecord& s, int number) { s.auxDescriptor = number & 0xFFFF; }

void applyColdJunction(SensorRecord& s, std::optional<int> sensor) {
  if (sensor) {
    s.const2 = *sensor;
  } else {
    s.const2 = kNoColdJunction;
    s.const1 = 0;
  }
}

}  // namespace nastrum
