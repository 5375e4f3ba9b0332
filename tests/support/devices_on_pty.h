// Simulated devices behind a real pseudo-terminal, for tests that reach them
// through the program's production serial line (or the command line).
#pragma once

#include <atomic>
#include <deque>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "link/clock.h"
#include "model/settings_image.h"
#include "sim/device_port.h"
#include "sim/pty_host.h"
#include "sim/simulated_device.h"

namespace nastrum::test {

// Serves a terminal's devices from a thread of its own between start() and
// stop() (or the end of the object). Touch the devices only outside that span.
class PtyServer {
 public:
  explicit PtyServer(sim::PtyHost& host) : host_(host) {}
  ~PtyServer() { stop(); }
  PtyServer(const PtyServer&) = delete;
  PtyServer& operator=(const PtyServer&) = delete;

  void start() {
    done_ = false;
    runner_ = std::thread([this] {
      while (!done_) host_.step(20);
    });
  }
  void stop() {
    done_ = true;
    if (runner_.joinable()) runner_.join();
  }

 private:
  sim::PtyHost& host_;
  std::atomic<bool> done_{false};
  std::thread runner_;
};

// One simulated device of a line: its settings and the image it holds.
struct DeviceOnLine {
  sim::DeviceConfig config;
  SettingsImage image;
};

// Devices on one pseudo-terminal, opened and served for the life of the object.
class DevicesOnPty {
 public:
  explicit DevicesOnPty(const std::vector<DeviceOnLine>& devices) {
    std::vector<sim::DevicePort*> ports;
    for (const DeviceOnLine& d : devices) {
      devices_.emplace_back(d.config, d.image, clock_);
      ports.push_back(&ports_.emplace_back(devices_.back()));
    }
    host_ = std::make_unique<sim::PtyHost>(ports);
    QString error;
    opened_ = host_->open(&error);
    EXPECT_TRUE(opened_) << error.toStdString();
    server_ = std::make_unique<PtyServer>(*host_);
    if (opened_) server_->start();
  }
  ~DevicesOnPty() { server_->stop(); }

  bool opened() const { return opened_; }
  // The path the program opens, for example /dev/pts/7.
  QString path() const { return host_->slavePath(); }

 private:
  SystemClock clock_;
  std::deque<sim::SimulatedDevice> devices_;  // deques: the ports keep references
  std::deque<sim::DevicePort> ports_;
  std::unique_ptr<sim::PtyHost> host_;
  std::unique_ptr<PtyServer> server_;
  bool opened_ = false;
};

}  // namespace nastrum::test
