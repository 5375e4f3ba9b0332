#include "link/runs/link_device_session.h"

#include "link/device_commands.h"
#include "link/param_address.h"
#include "link/qserialport_line.h"

namespace nastrum {

LinkDeviceSession::LinkDeviceSession(SerialLine& line, Clock& clock) : port_(line, clock), link_(port_) {}

LinkDeviceSession::LinkDeviceSession(std::unique_ptr<SerialLine> line, Clock& clock)
    : ownedLine_(std::move(line)), port_(*ownedLine_, clock), link_(port_) {}

LinkParams LinkDeviceSession::params() const {
  LinkParams p;
  p.lineKind = setup_.lineKind;
  p.protocol = setup_.protocol;
  p.deviceAddress = setup_.address;
  p.crcMode = setup_.crcMode;
  return p;
}

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

int LinkDeviceSession::exchange(const QByteArray& payload, QByteArray& reply, int replyLength) {
  return toInt(link_.Exchange(payload, replyLength, reply, params()));
}

int LinkDeviceSession::readParam(std::uint16_t param, int size, QByteArray& out) {
  DeviceCommands commands(link_, params());
  return toInt(commands.ReadParam(ParamAddress::fromWord(param), size, out));
}

int LinkDeviceSession::writeParam(std::uint16_t param, const QByteArray& data) {
  DeviceCommands commands(link_, params());
  return toInt(commands.WriteParam(ParamAddress::fromWord(param), data));
}

int LinkDeviceSession::writeMemory(std::uint16_t address, const QByteArray& data) {
  DeviceCommands commands(link_, params());
  return toInt(commands.WriteMemory(address, data));
}

int LinkDeviceSession::identify(DeviceIdentity& out) {
  DeviceCommands commands(link_, params());
  const Identification id = commands.Identify();
  out.major = id.versionMajor;
  out.minor = id.versionMinor;
  out.modelCode = id.modelCode;
  return toInt(id.result);
}

int LinkDeviceSession::release() {
  DeviceCommands commands(link_, params());
  return toInt(commands.Release());
}

void LinkDeviceSession::prepareLine() { port_.PrepareLine(setup_.lineKind); }

void LinkDeviceSession::setFrameLog(std::function<void(const QString&)> log) { link_.setFrameLog(std::move(log)); }

std::unique_ptr<DeviceSession> MakeSerialPortSession(Clock& clock) {
  return std::make_unique<LinkDeviceSession>(std::make_unique<QSerialPortLine>(), clock);
}

}  // namespace nastrum
