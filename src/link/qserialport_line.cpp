#include "link/qserialport_line.h"

#include <algorithm>

#include <QDeadlineTimer>

#include "link/link_log.h"
#include "link/serial_port.h"

namespace nastrum {

namespace {

QSerialPort::Parity toQt(Parity parity) {
  switch (parity) {
    case Parity::Mark: return QSerialPort::MarkParity;
    case Parity::Space: return QSerialPort::SpaceParity;
    case Parity::Even: return QSerialPort::EvenParity;
    case Parity::Odd: return QSerialPort::OddParity;
    case Parity::None: break;
  }
  return QSerialPort::NoParity;
}

}  // namespace

QSerialPortLine::QSerialPortLine() : port_(std::make_unique<QSerialPort>()) {}

QSerialPortLine::~QSerialPortLine() { close(); }

bool QSerialPortLine::open(const QString& path, int baud) {
  close();
  port_->setPortName(path);
  // QSerialPort opens exclusively (a lock file and TIOCEXCL, or share mode 0).
  if (!port_->open(QIODevice::ReadWrite)) {
    qCInfo(lcLink) << "open" << path << "failed:" << port_->errorString();
    return false;
  }
  const bool configured = port_->setBaudRate(baud) && port_->setDataBits(QSerialPort::Data8) &&
                          port_->setParity(QSerialPort::NoParity) && port_->setStopBits(QSerialPort::TwoStop) &&
                          port_->setFlowControl(QSerialPort::NoFlowControl);
  if (!configured) {
    qCInfo(lcLink) << "configuring" << path << "failed:" << port_->errorString();
    port_->close();
    return false;
  }
  return true;
}

void QSerialPortLine::close() {
  if (port_->isOpen()) port_->close();
}

bool QSerialPortLine::isOpen() const { return port_->isOpen(); }

void QSerialPortLine::setFraming(Parity parity, StopBits stopBits) {
  if (!port_->isOpen()) return;
  const bool ok = port_->setParity(toQt(parity)) &&
                  port_->setStopBits(stopBits == StopBits::Two ? QSerialPort::TwoStop : QSerialPort::OneStop);
  if (!ok) {
    qCInfo(lcLink) << "framing not set:" << port_->errorString();
    port_->clearError();
  }
}

bool QSerialPortLine::setControlLines(bool dtr, bool rts) {
  if (!port_->isOpen()) return false;
  const bool dtrSet = port_->setDataTerminalReady(dtr);
  const bool rtsSet = port_->setRequestToSend(rts);
  // Not fatal: the caller logs it and goes on.
  if (!dtrSet || !rtsSet) port_->clearError();
  return dtrSet && rtsSet;
}

void QSerialPortLine::purgeReceive() {
  if (!port_->isOpen()) return;
  // Take in what the system already holds, then drop both it and our buffer.
  port_->waitForReadyRead(0);
  port_->clear(QSerialPort::Input);
  port_->readAll();
  port_->clearError();
}

bool QSerialPortLine::write(const QByteArray& bytes) {
  if (!port_->isOpen()) return false;
  if (port_->write(bytes) != bytes.size()) return false;
  QDeadlineTimer deadline(static_cast<qint64>(kWriteMsPerByte) * std::max<qsizetype>(bytes.size(), 1));
  while (port_->bytesToWrite() > 0) {
    if (!port_->waitForBytesWritten(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 0))) ||
        deadline.hasExpired())
      break;
  }
  return port_->bytesToWrite() == 0;
}

QByteArray QSerialPortLine::read(int maxBytes) {
  QByteArray bytes;
  if (!port_->isOpen() || maxBytes <= 0) return bytes;
  QDeadlineTimer deadline(readTimeoutMs_);
  for (;;) {
    bytes.append(port_->read(maxBytes - bytes.size()));
    if (bytes.size() >= maxBytes || deadline.hasExpired()) break;
    const auto remaining = static_cast<int>(std::max<qint64>(deadline.remainingTime(), 0));
    if (!port_->waitForReadyRead(remaining)) {
      // A time-out, or an error such as an unplugged adapter: take what came.
      if (port_->error() == QSerialPort::TimeoutError) port_->clearError();
      bytes.append(port_->read(maxBytes - bytes.size()));
      if (deadline.hasExpired() || port_->error() != QSerialPort::NoError) break;
    }
  }
  return bytes;
}

}  // namespace nastrum
