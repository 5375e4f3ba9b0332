// The device as a run sees it: an open port with its link settings and the
// device commands that travel over it. LinkDeviceSession forwards to the link
// layer (framing, retries, write unlock); unit tests put a fake device behind
// it.
#pragma once

#include <cstdint>
#include <functional>

#include <QByteArray>
#include <QString>

#include "link/clock.h"
#include "link/link_params.h"

namespace nastrum {

// The line and framing settings of one run, taken from the exchange window.
struct LinkSetup {
  int baudIndex = kDefaultBaudIndex;  // index into the speed table
  int channel = 0;        // 0 main, 1 additional
  LineKind lineKind = LineKind::FourWire;
  LinkProtocol protocol = LinkProtocol::Traditional;
  std::uint8_t address = 0;  // link address for FT1.2 / FT1.1
  CrcMode crcMode = CrcMode::None;  // FT1.2 only
  // Link-layer attempts per frame and the pause before each repeat; the
  // exchange window sets them back to these values whenever it is shown.
  int tryCount = kDefaultTryCount;
  int retryPauseMs = kDefaultRetryPauseMs;
};

// Version and model of the connected device.
struct DeviceIdentity {
  std::uint8_t major = 0;
  std::uint8_t minor = 0;
  int modelCode = 0;  // 0 basic (refused), 1..3 served kinds, 4 unknown model
};

class DeviceSession {
 public:
  virtual ~DeviceSession() = default;

  // Opens the port at `path` with the line part of `setup`; false when the
  // port cannot be opened (nothing stays open then).
  virtual bool open(const QString& path, const LinkSetup& setup) = 0;
  virtual void close() = 0;
  virtual bool isOpen() const = 0;
  virtual const LinkSetup& setup() const = 0;

  // Addresses one device of a network (traditional protocol); true when it answered.
  virtual bool selectDevice(std::uint8_t address) = 0;

  // One framed request with the link's own retries; `reply` gets
  // `replyLength` data bytes on success. Returns a result code.
  virtual int exchange(const QByteArray& payload, QByteArray& reply, int replyLength) = 0;
  virtual int readParam(std::uint16_t param, int size, QByteArray& out) = 0;
  // Write unlock, then the write.
  virtual int writeParam(std::uint16_t param, const QByteArray& data) = 0;
  // Write unlock for the address, then the memory write.
  virtual int writeMemory(std::uint16_t address, const QByteArray& data) = 0;
  virtual int identify(DeviceIdentity& out) = 0;
  // Command 0x0A, always traditional protocol, address 0.
  virtual int release() = 0;

  // Raw bytes for the reprogramming loader, which has its own byte protocol.
  virtual void purgeReceive() = 0;
  virtual void setReadTimeoutMs(int ms) = 0;
  virtual bool writeRaw(const QByteArray& bytes) = 0;
  // Up to maxBytes; fewer (possibly none) when the read time-out ran out.
  virtual QByteArray readRaw(int maxBytes) = 0;
  // The settling pause and control lines before a transmission.
  virtual void prepareLine() = 0;
  virtual Clock& clock() = 0;

  // The diagnostic mode's frame log; an empty function switches it off.
  virtual void setFrameLog(std::function<void(const QString&)> /*log*/) {}
  // Called at least every 100 ms while the link waits for the device, so the
  // window stays alive during reply windows and pauses; an empty function
  // waits in one piece.
  virtual void setIdleHook(std::function<void()> /*idle*/) {}
  // A pause of the run's own (the loader's settling time), cut into slices
  // with the idle hook between them.
  virtual void pause(int ms) { clock().sleepMs(ms); }
};

}  // namespace nastrum
