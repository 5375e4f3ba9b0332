// The production serial line on QSerialPort. Reads block until the count or
// the read time-out; writes wait until the bytes left.
#pragma once

#include <memory>

#include <QSerialPort>

#include "link/serial_line.h"

namespace nastrum {

class QSerialPortLine final : public SerialLine {
 public:
  QSerialPortLine();
  ~QSerialPortLine() override;

  bool open(const QString& path, int baud) override;
  void close() override;
  bool isOpen() const override;
  void setFraming(Parity parity, StopBits stopBits) override;
  bool setControlLines(bool dtr, bool rts) override;
  void setReadTimeout(int ms) override { readTimeoutMs_ = ms; }
  void purgeReceive() override;
  bool write(const QByteArray& bytes) override;
  QByteArray read(int maxBytes) override;

  QString errorText() const { return port_->errorString(); }

 private:
  std::unique_ptr<QSerialPort> port_;
  int readTimeoutMs_ = 1000;
};

}  // namespace nastrum
