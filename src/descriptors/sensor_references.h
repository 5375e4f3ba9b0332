// References to a sensor that a change of that sensor would leave pointing at
// something unsuitable: archives, pipelines and thermocouples, in the order
// the sensor page asks about them.
#pragma once

#include "descriptors/reference.h"

namespace nastrum {

enum class SensorChangeKind {
  Family,      // value: the new FamilyChoice (different from the current family)
  Quantity,    // analog: value the new quantity (different from the current one)
  Conversion,  // conditional: value the new conversion kind
  PressureKind,  // analog pressure: value 0 excess, 1 absolute
  FlowKind,    // value: the new flow kind
};

struct SensorChange {
  SensorChangeKind kind;
  int value;
};

// References the change of sensor `n` must remove; empty when none.
ReferenceList sensorChangeReferences(const SettingsImage& image, int n, const SensorChange& change);

// Archives referring to sensor `n` (questions 33, 41, 34, 36), as examined
// when it becomes "датчика нет".
ReferenceList archiveReferencesToSensor(const SettingsImage& image, int n);

}  // namespace nastrum
