// The byte channel to the device. The protocols use only these operations;
// production opens a real serial port, tests attach the simulated device.
#pragma once

#include <QByteArray>
#include <QString>

namespace nastrum {

enum class Parity { None, Mark, Space, Even, Odd };
enum class StopBits { One, Two };

class SerialLine {
 public:
  virtual ~SerialLine() = default;

  // Opens exclusively with 8 data bits, no parity, two stop bits.
  virtual bool open(const QString& path, int baud) = 0;
  virtual void close() = 0;
  virtual bool isOpen() const = 0;

  // Character framing; the network select marks its address byte with parity.
  virtual void setFraming(Parity parity, StopBits stopBits) = 0;
  // A line that cannot set a control line (a pseudo-terminal has no DTR)
  // returns false; callers log it and go on.
  virtual bool setControlLines(bool dtr, bool rts) = 0;

  // Upper bound of one read call, in milliseconds.
  virtual void setReadTimeout(int ms) = 0;
  // Discards everything received so far.
  virtual void purgeReceive() = 0;

  virtual bool write(const QByteArray& bytes) = 0;
  // Returns as soon as maxBytes arrived, or what arrived when the read
  // time-out ran out (possibly nothing).
  virtual QByteArray read(int maxBytes) = 0;
};

}  // namespace nastrum
