// The one serial port of an exchange run: opening it with the speed and
// control lines the kind of line needs, read time-outs, the settling pause
// before every transmission, and the parity framing of the network select.
// Everything goes through a SerialLine and a Clock so tests can script both.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include <QByteArray>
#include <QString>

#include "link/clock.h"
#include "link/serial_line.h"

namespace nastrum {

// The exchange window's "Вид связи:" choice.
enum class LineKind : int {
  Rs232 = 0,     // "RS-232, RS-485"
  FourWire = 1,  // "ИРПС (4x-пр)" current loop
  TwoWire = 2,   // "ИРПС (2х-пр)": every byte sent comes back as an echo
};

// The exchange window's "Канал обмена:" choice; it decides the parity pair
// of the network select.
enum class Channel : int { Main = 0, Additional = 1 };

// Speeds by BaudIndex; the window offers 0 ... 6, index 7 exists only here.
inline constexpr std::array<int, 8> kBaudRates = {300, 600, 1200, 2400, 4800, 9600, 19200, 38400};
inline constexpr int kDefaultBaudIndex = 5;  // 9600

// Out-of-range indexes are clamped to the table.
int BaudRate(int baudIndex);

// Speed class d: the reply read time-out in seconds and the size of the reply
// windows (d x 0.864 s).
int SpeedClass(int baudIndex);

// Pause in ms that PrepareLine waits before a transmission.
int SettlingPauseMs(int baudIndex, LineKind lineKind);

// Write time-out per byte, as the device's line drivers need it.
inline constexpr int kWriteMsPerByte = 500;

// The exchange runs on the user-interface thread. While the port waits for
// the device (a read time-out, a pause) it calls the idle hook at least every
// kIdleSliceMs of waiting, so the window can repaint and take "СТОП".
using IdleHook = std::function<void()>;
inline constexpr int kIdleSliceMs = 100;

class SerialPort {
 public:
  SerialPort(SerialLine& line, Clock& clock) : line_(line), clock_(clock) {}
  SerialPort(const SerialPort&) = delete;
  SerialPort& operator=(const SerialPort&) = delete;

  // Opens `path` exclusively at the speed of `baudIndex` with 8 data bits, no
  // parity and two stop bits, sets DTR/RTS for the line kind and discards
  // anything already received. False when the port cannot be opened; then no
  // port is left open.
  bool OpenPort(const QString& path, int baudIndex, Channel channel, LineKind lineKind);
  // Harmless when nothing is open.
  void ClosePort();
  bool isOpen() const { return line_.isOpen(); }

  void SetReadTimeout(int seconds) { SetReadTimeoutMs(seconds * 1000); }
  void SetReadTimeoutMs(int ms);
  int readTimeoutMs() const { return readTimeoutMs_; }

  // Called immediately before each transmission: on a current loop raises DTR
  // and drops RTS, then lets the line settle.
  void PrepareLine(LineKind lineKind);
  void PurgeReceive();
  // The network select marks its address byte through the parity bit:
  // MARK/SPACE on the main channel, EVEN/ODD on the additional one.
  void SetAddressFraming(bool marking);

  // Fails only when the line reports a failure.
  bool write(const QByteArray& bytes);
  // Up to maxBytes; fewer (possibly none) when the read time-out ran out.
  // Returns as soon as maxBytes arrived; with an idle hook the wait goes in
  // slices with the hook called after each.
  QByteArray read(int maxBytes);
  // Waits `ms` on the clock; with an idle hook in slices, the hook called
  // after each.
  void pause(int ms);

  // An empty hook waits in one piece. The hook must not use the port.
  void setIdleHook(IdleHook hook) { idle_ = std::move(hook); }

  int baudIndex() const { return baudIndex_; }
  int speedClass() const { return SpeedClass(baudIndex_); }
  Channel channel() const { return channel_; }
  LineKind lineKind() const { return lineKind_; }
  Clock& clock() { return clock_; }

 private:
  void setControlLines(bool dtr, bool rts);
  QByteArray readOnce(int maxBytes, int timeoutMs);
  void setLineTimeout(int ms);

  SerialLine& line_;
  Clock& clock_;
  int baudIndex_ = kDefaultBaudIndex;
  Channel channel_ = Channel::Main;
  LineKind lineKind_ = LineKind::FourWire;
  int readTimeoutMs_ = 1000;
  int lineTimeoutMs_ = -1;  // what the line was last told
  IdleHook idle_;
  bool controlLinesMissingLogged_ = false;  // said once per opening
};

}  // namespace nastrum
