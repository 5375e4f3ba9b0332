// Decoding: what the sensor page (and the maps) show for a stored record.
// Total: any record yields a view; unreadable codes come back as nullopt,
// which the page shows as "ОШИБКА".
#pragma once

#include <optional>

#include "descriptors/sensor_channels.h"
#include "descriptors/sensor_codes.h"

namespace nastrum {

struct SensorView {
  SensorFamily family = SensorFamily::Absent;
  QString familyText;              // the "тип" text, "ОШИБКА" for an invalid D1
  std::optional<bool> storage;     // analog only

  // Analog.
  std::optional<int> quantity;     // D2, nullopt when not a quantity of the kind
  std::optional<int> pressureKind; // 0 excess, 1 absolute
  std::optional<int> unitCode;     // pressure / differential: 0 or 8
  std::optional<int> tap;          // differential: 0, 2, 1
  std::optional<int> temperatureKind;
  std::optional<int> rtd;          // 0 platinum, 1 copper
  std::optional<int> thermocouple; // 4, 5, 6
  std::optional<int> signal;       // D4 & 3 where a signal exists
  // Analog, pulse, frequency: D4 code of the fault choice (analog: 0 / 8).
  std::optional<int> fault;

  // Analog flow, pulse and frequency.
  std::optional<int> flowKind;     // nullopt where the family measures flow: "ОШИБКА"
  std::optional<int> pulseWeight;  // kind-3 pulse: 0 weight, 8 count per unit

  // Connection (analog, pulse, frequency).
  int channelCode = 0;             // A1 A2
  std::optional<ChannelPlace> channel;  // nullopt: invalid, the page stores 00
  int cutoffCode = kNoCutoff;      // A3 A4
  std::optional<ChannelPlace> cutoff;   // nullopt with kNoCutoff or an invalid code
  bool cutoffValid = true;

  // Conditional.
  std::optional<int> conversion;   // nullopt: "Укажите вид преобразования условного датчика !"
  std::optional<int> conditionalStorage;  // 0 / 3
  std::optional<int> signStorage;  // kinds 1, 2 arithmetic: A1 1 / 9
  int parameterNumber = 0;         // functional / copying: AuxDescriptor
};

SensorView decodeSensor(const SensorRecord& s, int kind);

}  // namespace nastrum
