// Simulated devices sharing one in-process line at their network numbers,
// scanned and backed up through the program's link layer on a virtual clock.
#pragma once

#include <deque>

#include "link/runs/link_device_session.h"
#include "link/runs/recording_observer.h"
#include "link/scan/network_scan.h"
#include "link/scan/site_backup.h"
#include "sim/device_port.h"
#include "sim/sim_serial_line.h"
#include "sim/simulated_device.h"
#include "support/scripted_presenter.h"

namespace nastrum::test {

struct Probes final : ScanListener {
  void probing(int number) override { tried << number; }
  void probed(const ProbeResult& result) override { results.push_back(result); }
  QList<int> tried;
  std::vector<ProbeResult> results;
};

struct ScanRig {
  ScanRig() {
    settings.attempts = 1;
    settings.pauseSeconds = 0;
    presenter.acknowledgeOkBoxes();
  }

  sim::SimulatedDevice& addDevice(int number, int model, const SettingsImage& image, std::uint16_t factory) {
    sim::DeviceConfig config;
    config.networkNumber = number;
    config.modelCode = model;
    config.factoryNumber = factory;
    devices.emplace_back(config, image, clock);
    ports.emplace_back(devices.back());
    line.attach(ports.back());
    return devices.back();
  }

  RunContext ctx() { return RunContext{workspace, session, settings, observer, presenter}; }

  ScanReport scan(NetworkRange range) {
    RunContext c = ctx();
    return RunNetworkScan(c, ScanOptions{range, 1}, probes);
  }

  VirtualClock clock;
  sim::SimSerialLine line{clock};
  std::deque<sim::SimulatedDevice> devices;
  std::deque<sim::DevicePort> ports;
  LinkDeviceSession session{line, clock};
  Workspace workspace;
  ExchangeSettings settings;
  RecordingObserver observer;
  ScriptedPresenter presenter;
  Probes probes;
};

}  // namespace nastrum::test
