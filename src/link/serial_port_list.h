// The serial ports present on this machine, as "Др" offers them.
#pragma once

#include <QList>
#include <QString>

namespace nastrum {

struct SerialPortEntry {
  QString path;          // what "Др" takes: a device path, or a port number on Windows
  QString description;   // the system's description of the port
  QString manufacturer;  // a USB adapter's maker, where known
  QString product;       // its maker and product numbers ("USB 067b:2303"), where known
};

// Every port the system reports, in its order.
QList<SerialPortEntry> AvailableSerialPorts();

// "/dev/ttyUSB0 — USB-Serial Controller (Prolific, USB 067b:2303)": the path, then
// what is known about the port.
QString SerialPortEntryText(const SerialPortEntry& entry);

}  // namespace nastrum
