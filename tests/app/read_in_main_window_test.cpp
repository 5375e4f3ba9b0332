// "Чтение с ОРВИК" from the main window through the exchange window to the
// taken-over image, with a simulated device on an in-process line; the
// exchange window is answered by pressing its start button and closing it.
#include <QAbstractButton>
#include <QAction>
#include <QTimer>

#include <deque>

#include <gtest/gtest.h>

#include "app_rig.h"
#include "link/read/full_image.h"
#include "link/runs/link_device_session.h"
#include "link/ui/exchange_window.h"
#include "model/message_catalogue.h"
#include "sim/device_port.h"
#include "sim/sim_serial_line.h"
#include "sim/simulated_device.h"

namespace nastrum {
namespace {

// The simulated devices on their line; they outlive the program, whose
// exchange window may still hold the line open.
struct SimulatedLine {
  VirtualClock simClock;
  sim::SimSerialLine line{simClock};
  std::deque<sim::SimulatedDevice> devices;
  std::deque<sim::DevicePort> ports;
};

class ReadInMainWindow : public ::testing::Test, protected SimulatedLine, protected AppRig {
 protected:
  ReadInMainWindow() {
    makeLink = [this] { return std::make_unique<LinkDeviceSession>(line, simClock); };
    exchange.settings().attempts = 1;
    exchange.settings().pauseSeconds = 0;
  }

  sim::SimulatedDevice& addDevice(int model, const SettingsImage& image) {
    sim::DeviceConfig config;
    config.modelCode = model;
    config.factoryNumber = 0x0A7F;
    config.password = 0x5A3C;
    devices.emplace_back(config, image, simClock);
    ports.emplace_back(devices.back());
    line.attach(ports.back());
    return devices.back();
  }

  void newImage(Word kind) {
    form.flows().NewImage();
    form.flows().ChooseNewKind(kind);
    form.flows().ConfirmNewKind();
    form.refresh();
  }

  // "Чтение с ОРВИК"; the exchange window, once shown, is started (after
  // `prepare`) and closed.
  void readFromDevice(const std::function<void()>& prepare = {}) {
    QTimer::singleShot(0, &exchange, [this, prepare] {
      windowShown = exchange.isVisible();
      if (prepare) prepare();
      exchange.start();
      exchange.close();
    });
    form.findChild<QAction*>(QStringLiteral("readAction"))->trigger();
  }

  ExchangeWindow& exchange = program.exchangeWindow();
  bool windowShown = false;
};

TEST_F(ReadInMainWindow, ConstantsBecomeANewFileNamedAfterTheFactoryNumber) {
  const SettingsImage device = test::FullImage(2, 1);
  addDevice(2, device);
  ASSERT_TRUE(dir.write(QStringLiteral("0A7F_0.bfm"), "taken"));
  newImage(1);
  ws.image.names.sensorNames[0].setBytes("Old");
  form.imageModified();
  boxes.then(AnswerNo);  // message 6: read without saving

  readFromDevice();

  EXPECT_TRUE(windowShown);
  EXPECT_EQ(boxes.codes(), std::vector<int>{6});
  EXPECT_TRUE(ws.run.runDone);
  EXPECT_TRUE(ws.file.isOpen());
  EXPECT_TRUE(ws.file.isUnnamedNew());
  EXPECT_FALSE(ws.file.isModified());
  EXPECT_EQ(ws.file.fileName(), QStringLiteral("0A7F_1.bfm"));
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Наструм - ОРВИК : считанные настройки с ОРВИК расширяемый - 0A7F_1"));
  EXPECT_TRUE(form.findChild<QAction*>(QStringLiteral("saveAction"))->isEnabled());
  EXPECT_EQ(ws.image.deviceKind, 2);
  EXPECT_EQ(ws.image.sys(sys::PrivilegedMark), 1);
  EXPECT_EQ(ws.image.sensors[63].monthFactor, device.sensors[63].monthFactor);
  EXPECT_EQ(ws.image.logicK2[255], device.logicK2[255]);
  EXPECT_TRUE(ws.image.names.sensorNames[0].isEmpty()) << "a device read starts a new file";
}

TEST_F(ReadInMainWindow, AFailedReadLeavesTheUsersImageAndFile) {
  addDevice(2, test::FullImage(2, 1)).faults().add({sim::FaultKind::StopAnswering, false, 200});
  newImage(3);
  ws.image.sensors[0].const1 = 42.5;
  form.imageModified();
  const QString title = form.windowTitle();
  const QString name = ws.file.fileName();
  boxes.then(AnswerNo);

  readFromDevice();

  EXPECT_FALSE(ws.run.runDone);
  EXPECT_NE(ws.run.runError, 0);
  EXPECT_TRUE(ws.file.isOpen());
  EXPECT_TRUE(ws.file.isModified());
  EXPECT_EQ(ws.file.fileName(), name);
  EXPECT_EQ(form.windowTitle(), title);
  EXPECT_EQ(ws.image.deviceKind, 3);
  EXPECT_EQ(ws.image.sensors[0].const1, 42.5);
  EXPECT_EQ(ws.run.exchangeMode, 0);
}

TEST_F(ReadInMainWindow, CancellingMessageSixReadsNothing) {
  addDevice(2, test::FullImage(2, 1));
  newImage(2);
  form.imageModified();
  boxes.then(AnswerCancel);
  form.findChild<QAction*>(QStringLiteral("readAction"))->trigger();
  EXPECT_FALSE(exchange.isVisible());
  EXPECT_TRUE(line.sent().isEmpty());
  EXPECT_TRUE(ws.file.isModified());
}

TEST_F(ReadInMainWindow, NamesReplaceTheNamesOfTheOpenFile) {
  SettingsImage device = test::FullImage(2, 1);
  addDevice(2, device);
  newImage(2);
  ws.image.sensors[3].mainDescriptor = 0x1234;
  const QString name = ws.file.fileName();

  readFromDevice([this] {
    exchange.findChild<QAbstractButton*>(QStringLiteral("RadioGroup1_1"))->click();
    exchange.setPassword(QStringLiteral("5A3C"));
  });

  EXPECT_TRUE(ws.run.runDone);
  EXPECT_EQ(ws.image.names.pipelineNames[2].bytes().trimmed(), device.names.pipelineNames[2].bytes());
  EXPECT_EQ(ws.image.sensors[3].mainDescriptor, 0x1234);
  EXPECT_EQ(ws.file.fileName(), name);
  EXPECT_TRUE(ws.file.isModified()) << "the device's names are unsaved changes of the open file";
  EXPECT_EQ(form.flows().state().pages, PageSet::Editor);
}

}  // namespace
}  // namespace nastrum
