#include "descriptors/sensor_view.h"

#include "descriptors/descriptor_digits.h"
#include "descriptors/kind_codes.h"
#include "model/kind_profile.h"

namespace nastrum {

namespace {

void decodeAnalog(const SensorRecord& s, int kind, SensorView& v) {
  const Word m = s.mainDescriptor;
  const int d2 = digitOf(m, 2), d3 = digitOf(m, 3), d4 = digitOf(m, 4);
  v.storage = digitOf(m, 1) == 0x9;
  v.fault = d4 & 8;
  if (!quantityChoices(kind).containsCode(d2)) return;
  v.quantity = d2;
  switch (d2) {
    case Pressure:
      v.pressureKind = d3 & 1;
      v.unitCode = d3 & 8;
      break;
    case DiffPressure:
      v.unitCode = d3 & 8;
      if (tapChoices(kind).containsCode(d3 & 7)) v.tap = d3 & 7;
      break;
    case Flow:
      v.flowKind = decodeFlowKind(d3, kind);
      break;
    case Temperature:
      v.temperatureKind = temperatureKindOf(d3);
      if (d3 <= 1) v.rtd = d3;
      if (d3 >= 4 && d3 <= 6) v.thermocouple = d3;
      break;
    default:
      break;
  }
  if (hasSignal(d2, d3) && signalChoices(d2).containsCode(d4 & 3)) v.signal = d4 & 3;
}

void decodeConnection(const SensorRecord& s, int kind, SensorView& v) {
  v.channelCode = highByte(s.auxDescriptor);
  v.channel = decodeChannel(kind, v.family, v.channelCode);
  v.cutoffCode = lowByte(s.auxDescriptor);
  v.cutoffValid = isValidCutoff(kind, v.cutoffCode);
  v.cutoff = decodeCutoff(kind, v.cutoffCode);
}

}  // namespace

SensorView decodeSensor(const SensorRecord& s, int kind) {
  SensorView v;
  const Word m = s.mainDescriptor;
  v.family = sensorFamily(m, kind);
  const auto choice = familyChoiceOf(v.family);
  v.familyText = choice ? familyChoices().textOf(*choice) : errorText();
  const int d2 = digitOf(m, 2), d3 = digitOf(m, 3), d4 = digitOf(m, 4);
  switch (v.family) {
    case SensorFamily::Analog:
      decodeAnalog(s, kind, v);
      decodeConnection(s, kind, v);
      break;
    case SensorFamily::PulseMvv:
    case SensorFamily::PulseMchv:
    case SensorFamily::Frequency:
      {
        const bool countBit = kindCodes(kind).pulsesPerUnitBit && v.family == SensorFamily::PulseMchv;
        v.flowKind = decodeFlowKind(countBit ? (d3 & 7) : d3, kind);
        if (countBit) v.pulseWeight = d3 & 8;
      }
      if (countingFaultChoices().containsCode(d4)) v.fault = d4;
      decodeConnection(s, kind, v);
      break;
    case SensorFamily::Conditional:
      if (conversionChoices(kind).containsCode(d3)) v.conversion = d3;
      if (conditionalStorageChoices().containsCode(d2)) v.conditionalStorage = d2;
      if (v.conversion && isArithmetic(*v.conversion) && !kindProfile(kind).arithmeticFormulas) {
        const int a1 = digitOf(s.auxDescriptor, 1);
        if (signStorageChoices().containsCode(a1)) v.signStorage = a1;
        v.cutoffCode = lowByte(s.auxDescriptor);
        v.cutoffValid = isValidCutoff(kind, v.cutoffCode);
        v.cutoff = decodeCutoff(kind, v.cutoffCode);
      }
      if (v.conversion == TableFunction || v.conversion == CopyForArchive)
        v.parameterNumber = s.auxDescriptor & 0xFFFF;
      break;
    default:
      break;
  }
  return v;
}

}  // namespace nastrum
