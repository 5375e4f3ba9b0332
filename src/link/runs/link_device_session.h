// The DeviceSession of the program: the link layer's serial port, framing
// and device commands over a SerialLine and a Clock.
#pragma once

#include <functional>
#include <memory>

#include "link/link_layer.h"
#include "link/link_params.h"
#include "link/runs/device_session.h"
#include "link/serial_port.h"

namespace nastrum {

class LinkDeviceSession final : public DeviceSession {
 public:
  LinkDeviceSession(SerialLine& line, Clock& clock);
  // The session owns its line (the exchange window's sessions).
  LinkDeviceSession(std::unique_ptr<SerialLine> line, Clock& clock);

  bool open(const QString& path, const LinkSetup& setup) override;
  void close() override;
  bool isOpen() const override;
  const LinkSetup& setup() const override { return setup_; }
  bool selectDevice(std::uint8_t address) override;
  void purgeReceive() override { port_.PurgeReceive(); }
  void setReadTimeoutMs(int ms) override { port_.SetReadTimeoutMs(ms); }
  bool writeRaw(const QByteArray& bytes) override { return port_.write(bytes); }
  QByteArray readRaw(int maxBytes) override { return port_.read(maxBytes); }
  Clock& clock() override { return port_.clock(); }
  void prepareLine() override;
  void setFrameLog(std::function<void(const QString&)> log) override;
  void setIdleHook(std::function<void()> idle) override { port_.setIdleHook(std::move(idle)); }
  void pause(int ms) override { port_.pause(ms); }

 private:
  ResultCode Exchange(const QByteArray& request, int replyLength, QByteArray& reply,
                      const LinkParams& params) override {
    return link_.Exchange(request, replyLength, reply, params);
  }

  std::unique_ptr<SerialLine> ownedLine_;
  SerialPort port_;
  LinkLayer link_;
  LinkSetup setup_;
};

// A session on a real serial port (the program's exchange window).
std::unique_ptr<DeviceSession> MakeSerialPortSession(Clock& clock);

}  // namespace nastrum
