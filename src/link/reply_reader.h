// Reads that are bounded by a reply window measured on the port's clock,
// rather than by a single read time-out.
#pragma once

#include <QByteArray>

#include "link/serial_port.h"

namespace nastrum {

// Reads one byte at a time until `count` bytes arrived or `windowMs` passed
// since the call.
QByteArray ReadWithinWindow(SerialPort& port, int count, int windowMs);

// Discards `count` echoed bytes of our own transmission, within `windowMs`.
void SkipEcho(SerialPort& port, int count, int windowMs);

}  // namespace nastrum
