// A simulated device on an in-process line, read by the program's read run
// through its link layer on a virtual clock.
#pragma once

#include <deque>

#include "link/read/device_read_job.h"
#include "link/runs/link_device_session.h"
#include "link/runs/recording_observer.h"
#include "link/runs/run_retry.h"
#include "support/scripted_presenter.h"
#include "sim/device_port.h"
#include "sim/sim_serial_line.h"
#include "sim/simulated_device.h"

namespace nastrum::test {

struct ReadRig {
  ReadRig() {
    settings.attempts = 1;
    settings.pauseSeconds = 0;
    presenter.acknowledgeOkBoxes();
  }

  sim::SimulatedDevice& addDevice(int model, const SettingsImage& image, std::uint16_t factory = 0x1234) {
    sim::DeviceConfig config;
    config.modelCode = model;
    config.factoryNumber = factory;
    devices.emplace_back(config, image, clock);
    ports.emplace_back(devices.back());
    line.attach(ports.back());
    return devices.back();
  }

  RunContext ctx() { return RunContext{workspace, session, settings, observer, presenter}; }

  // Keeps the outcome in the run state, as the exchange window does.
  RunOutcome read(ReadChoice choice, SettingsImage& target, const ReadRunHooks& hooks = {}) {
    RunContext c = ctx();
    const RunOutcome outcome = RunDeviceRead(c, choice, target, hooks);
    StoreOutcome(workspace.run, outcome, observer.stop);
    return outcome;
  }

  // The exchange window's "СТОП".
  void pressStop() { observer.stop = true; }

  VirtualClock clock;
  sim::SimSerialLine line{clock};
  std::deque<sim::SimulatedDevice> devices;
  std::deque<sim::DevicePort> ports;
  LinkDeviceSession session{line, clock};
  Workspace workspace;
  ExchangeSettings settings;
  RecordingObserver observer;
  ScriptedPresenter presenter;
};

}  // namespace nastrum::test
