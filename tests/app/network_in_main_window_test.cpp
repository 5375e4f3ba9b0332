// "Сеть..." from the main window: the scan uses the exchange window's link
// settings, and a saved device's row opens its pair in the main window.
#include <deque>

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/actions/network_action.h"
#include "app_rig.h"
#include "link/runs/link_device_session.h"
#include "link/scan/ui/network_window.h"
#include "sim/demo_image.h"
#include "sim/device_port.h"
#include "sim/sim_serial_line.h"
#include "sim/simulated_device.h"

namespace nastrum {
namespace {

struct SimulatedLine {
  VirtualClock simClock;
  sim::SimSerialLine line{simClock};
  std::deque<sim::SimulatedDevice> devices;
  std::deque<sim::DevicePort> ports;
};

class NetworkInMainWindow : public ::testing::Test, protected SimulatedLine, protected AppRig {
 protected:
  NetworkInMainWindow() {
    makeLink = [this] { return std::make_unique<LinkDeviceSession>(line, simClock); };
    sim::DeviceConfig config;
    config.networkNumber = 6;
    config.factoryNumber = 0x0606;
    devices.emplace_back(config, sim::demoPlantImage(), simClock);
    ports.emplace_back(devices.back());
    line.attach(ports.back());
    program.exchangeWindow().settings().attempts = 1;
    program.exchangeWindow().settings().pauseSeconds = 0;
  }
};

TEST_F(NetworkInMainWindow, ASavedDevicesRowOpensItsPair) {
  NetworkWindow& window = program.network().window();
  window.setBackupRoot(dir.path(QStringLiteral("site")));
  bool driven = false;
  QTimer::singleShot(0, &window, [&] {
    ASSERT_TRUE(window.isVisible());
    window.findChild<QSpinBox*>(QStringLiteral("lastNumber"))->setValue(8);
    window.findChild<QPushButton*>(QStringLiteral("scanButton"))->click();
    auto* table = window.findChild<QTableWidget*>(QStringLiteral("devicesTable"));
    ASSERT_EQ(table->rowCount(), 1);
    window.findChild<QCheckBox*>(QStringLiteral("namesBox"))->setChecked(false);
    window.findChild<QPushButton*>(QStringLiteral("saveAllButton"))->click();
    boxes.then(AnswerOk);  // the check of the opened pair finds nothing
    driven = true;
    emit table->cellActivated(0, 0);
  });

  action("networkAction")->trigger();  // returns when the window has closed

  ASSERT_TRUE(driven);
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(ws.file.isOpen());
  EXPECT_TRUE(ws.file.fileName().startsWith(dir.path(QStringLiteral("site/0606/")))) << ws.file.fileName().toStdString();
  EXPECT_EQ(ws.image.deviceKind, 2);
}

}  // namespace
}  // namespace nastrum
