#include "link/runs/link_device_session.h"

#include "link/qserialport_line.h"

namespace nastrum {

LinkDeviceSession::LinkDeviceSession(SerialLine& line, Clock& clock) : port_(line, clock), link_(port_) {}

LinkDeviceSession::LinkDeviceSession(std::unique_ptr<SerialLine> line, Clock& clock)
    : ownedLine_(std::move(line)), port_(*ownedLine_, clock), link_(port_) {}

bool LinkDeviceSession::open(const QString& path, const LinkSetup& setup) {
  setup_ = setup;
  link_.settings().tryCount = setup.tryCount;
  link_.settings().retryPauseMs = setup.retryPauseMs;
  return port_.OpenPort(path, setup.baudIndex, static_cast<Channel>(setup.channel),
                        setup.lineKind);
}

void LinkDeviceSession::close() { port_.ClosePort(); }

bool LinkDeviceSession::isOpen() const { return port_.isOpen(); }

bool LinkDeviceSession::selectDevice(std::uint8_t address) {
  return link_.SelectDevice(address, setup_.lineKind);
}

void LinkDeviceSession::prepareLine() { port_.PrepareLine(setup_.lineKind); }

void LinkDeviceSession::setFrameLog(std::function<void(const QString&)> log) { link_.setFrameLog(std::move(log)); }

std::unique_ptr<DeviceSession> MakeSerialPortSession(Clock& clock) {
  return std::make_unique<LinkDeviceSession>(std::make_unique<QSerialPortLine>(), clock);
}

}  // namespace nastrum
