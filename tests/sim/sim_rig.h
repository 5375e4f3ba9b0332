// One or more simulated devices on an in-process line, driven through the
// program's own link on a virtual clock.
#pragma once

#include <deque>
#include <memory>

#include <gtest/gtest.h>

#include "link/device_commands.h"
#include "link/link_layer.h"
#include "link/serial_port.h"
#include "model/editor_state.h"
#include "model/reset_image.h"
#include "sim/device_port.h"
#include "sim/sim_serial_line.h"
#include "sim/simulated_device.h"

namespace nastrum::test {

inline SettingsImage freshImage(int kind) {
  SettingsImage image;
  EditorState editor;
  ResetImage(image, editor);
  image.deviceKind = kind;
  return image;
}

struct SimRig {
  VirtualClock clock;
  sim::SimSerialLine line{clock};
  SerialPort port{line, clock};
  LinkLayer link{port};
  std::deque<sim::SimulatedDevice> devices;
  std::deque<sim::DevicePort> ports;
  QStringList log;

  sim::SimulatedDevice& addDevice(sim::DeviceConfig config, const SettingsImage& image) {
    devices.emplace_back(std::move(config), image, clock);
    devices.back().setLogger([this](const QString& l) { log << l; });
    ports.emplace_back(devices.back());
    line.attach(ports.back());
    return devices.back();
  }
  sim::SimulatedDevice& addDevice(int model = 2) {
    sim::DeviceConfig config;
    config.modelCode = model;
    return addDevice(config, freshImage(model >= 1 && model <= 3 ? model : 2));
  }
  sim::SimulatedDevice& device() { return devices.front(); }

  void open(LineKind kind = LineKind::FourWire) {
    link.settings().tryCount = 1;
    link.settings().retryPauseMs = 0;
    ASSERT_TRUE(port.OpenPort(QStringLiteral("/dev/sim"), kDefaultBaudIndex, Channel::Main, kind));
  }
  LinkParams params(LinkProtocol protocol, int address = 1, CrcMode crc = CrcMode::None, LineKind kind = LineKind::FourWire) {
    LinkParams p;
    p.protocol = protocol;
    p.deviceAddress = static_cast<std::uint8_t>(protocol == LinkProtocol::Traditional ? 0 : address);
    p.crcMode = crc;
    p.lineKind = kind;
    return p;
  }
};

// Logs in with the password, puts the device into STOP and the
// reprogramming mode, as the write run does.
inline void enterReprogramming(DeviceCommands& cmd, std::uint16_t password = 0xFFFF) {
  QByteArray pw;
  pw += static_cast<char>(password >> 8);
  pw += static_cast<char>(password & 0xFF);
  ASSERT_EQ(cmd.WriteParam(device_param::kPassword, pw), ResultCode::Ok);
  ASSERT_EQ(cmd.Stop(), ResultCode::Ok);
  ASSERT_EQ(cmd.Reprogramming(kReprogSection, kReprogEnter), ResultCode::Ok);
}

}  // namespace nastrum::test
