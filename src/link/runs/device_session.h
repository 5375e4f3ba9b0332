// The device as a run sees it: an open port with its link settings and the
// device commands that travel over it. The commands build every request
// here and hand each frame to the session: LinkDeviceSession passes it to the
// link layer (framing, retries); unit tests put a fake device behind it.
#pragma once

#include <cstdint>
#include <functional>

#include <QByteArray>
#include <QString>

#include "link/clock.h"
#include "link/device_commands.h"
#include "link/frame_exchanger.h"
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

// The link part of a run's settings, as the commands frame their requests.
inline LinkParams LinkParamsOf(const LinkSetup& setup) {
  LinkParams p;
  p.lineKind = setup.lineKind;
  p.protocol = setup.protocol;
  p.deviceAddress = setup.address;
  p.crcMode = setup.crcMode;
  return p;
}

// Privately a frame exchanger: every session implements Exchange (one framed
// request with the link's own retries), yet requests reach it only through
// commands(), so each request's bytes are built in one place.
class DeviceSession : private FrameExchanger {
 public:
  DeviceSession() = default;
  DeviceSession(const DeviceSession&) = delete;
  DeviceSession& operator=(const DeviceSession&) = delete;
  ~DeviceSession() override = default;

  // The device commands, framed with the settings the session was opened with.
  DeviceCommands commands() { return DeviceCommands(*this, LinkParamsOf(setup())); }

  // Opens the port at `path` with the line part of `setup`; false when the
  // port cannot be opened (nothing stays open then).
  virtual bool open(const QString& path, const LinkSetup& setup) = 0;
  virtual void close() = 0;
  virtual bool isOpen() const = 0;
  virtual const LinkSetup& setup() const = 0;

  // Addresses one device of a network (traditional protocol); true when it answered.
  virtual bool selectDevice(std::uint8_t address) = 0;

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

 protected:
  // A session that wraps another hands its frames on with this.
  static ResultCode ForwardFrame(DeviceSession& to, const QByteArray& request, int replyLength, QByteArray& reply,
                                 const LinkParams& params) {
    return to.Exchange(request, replyLength, reply, params);
  }
};

}  // namespace nastrum
