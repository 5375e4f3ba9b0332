// The greeting formed from the device's identity after it answered.
#pragma once

#include <QString>

#include "link/runs/device_session.h"

namespace nastrum {

enum class RunKind { Read, Write, ClockRead, ClockWrite };

// Logged before the greeting when the device is the basic model.
QString BasicModelRefusalText();

// The greeting of `kind`'s run for `identity`, for example
// "ОРВИК 5 расшир. версия 1.5" in the read run.
QString Greeting(RunKind kind, const DeviceIdentity& identity);

// The kind the image may take from the model code: 1 … 3, else 0.
int ConnectedKindOf(int modelCode);

}  // namespace nastrum
