// Reads that are bounded by a reply window measured on the port's clock,
// rather than by a single read time-out.
#pragma once

#include <cstdint>

#include <QByteArray>

#include "link/result_code.h"
#include "link/serial_port.h"

namespace nastrum {

// Reads one byte at a time until `count` bytes arrived or `windowMs` passed
// since the call.
QByteArray ReadWithinWindow(SerialPort& port, int count, int windowMs);

// Discards `count` echoed bytes of our own transmission, within `windowMs`.
void SkipEcho(SerialPort& port, int count, int windowMs);

// Reads the body of an FT1.2 or FT1.1 reply byte by byte until `length` bytes
// arrived or `windowMs` passed: the control byte 0x00, the device's
// `address`, then the data. Stops at a wrong control byte or address with its
// code; otherwise Ok, with `body` possibly shorter than `length`.
ResultCode ReadFtReplyBody(SerialPort& port, int length, std::uint8_t address, int windowMs, QByteArray& body);

}  // namespace nastrum
