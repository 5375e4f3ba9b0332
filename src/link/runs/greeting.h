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

// The device as the greetings name it, without the version: "ОРВИК 5 расшир.",
// "ОРВИК 9", "ОРВИК 5 базовый"; "НЛО" for a model this program does not know.
QString DeviceKindText(int modelCode);

// The kind the image may take from the model code: 1 … 3, else 0.
int ConnectedKindOf(int modelCode);

}  // namespace nastrum
