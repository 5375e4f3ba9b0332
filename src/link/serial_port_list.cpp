#include "link/serial_port_list.h"

#include <QRegularExpression>
#include <QSerialPortInfo>
#include <QStringList>

namespace nastrum {

namespace {

// "COM12" is typed as "12" into "Др"; device paths stay as they are.
QString typedPath(const QSerialPortInfo& info) {
  const QString location = info.systemLocation();
  if (location.startsWith(QLatin1Char('/'))) return location;
  QString digits = info.portName();
  digits.remove(QRegularExpression(QStringLiteral("^[^0-9]*")));
  return digits.isEmpty() ? info.portName() : digits;
}

// "USB 067b:2303": the adapter's maker and product numbers, for lack of names.
QString usbIdentifiers(const QSerialPortInfo& info) {
  if (!info.hasVendorIdentifier() || !info.hasProductIdentifier()) return {};
  return QStringLiteral("USB %1:%2")
      .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
      .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'));
}

}  // namespace

QList<SerialPortEntry> AvailableSerialPorts() {
  QList<SerialPortEntry> ports;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
    ports.append({typedPath(info), info.description(), info.manufacturer(), usbIdentifiers(info)});
  return ports;
}

QString SerialPortEntryText(const SerialPortEntry& entry) {
  QString text = entry.path;
  if (!entry.description.isEmpty()) text += QStringLiteral(" — ") + entry.description;
  QStringList maker;
  if (!entry.manufacturer.isEmpty()) maker << entry.manufacturer;
  if (!entry.product.isEmpty() && entry.product != entry.description) maker << entry.product;
  if (!maker.isEmpty()) text += QStringLiteral(" (") + maker.join(QStringLiteral(", ")) + QLatin1Char(')');
  return text;
}

}  // namespace nastrum
