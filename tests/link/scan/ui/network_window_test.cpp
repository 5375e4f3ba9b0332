// The window "Сеть" on simulated devices sharing an in-process line: the
// table fills while the numbers are tried, the ticked devices are saved, a
// saved row opens its pair, and "СТОП" is taken while the scan runs.
#include <deque>

#include <QCheckBox>
#include <QDir>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "link/runs/link_device_session.h"
#include "link/scan/ui/network_window.h"
#include "model/editor_state.h"
#include "model/reset_image.h"
#include "sim/device_port.h"
#include "sim/sim_serial_line.h"
#include "sim/simulated_device.h"
#include "support/scripted_presenter.h"
#include "support/widget_application.h"

namespace nastrum::test {
namespace {

// The application exists before the window the rig holds.
struct WithApplication {
  WithApplication() { widgetApplication(); }
};

struct WindowRig : WithApplication {
  WindowRig() {
    SettingsImage image;
    EditorState editor;
    ResetImage(image, editor);
    const int numbers[] = {4, 11, 19};
    for (int i = 0; i < 3; ++i) {
      sim::DeviceConfig config;
      config.networkNumber = numbers[i];
      config.modelCode = i + 1;
      config.factoryNumber = static_cast<std::uint16_t>(0x100 * (i + 1));
      devices.emplace_back(config, image, clock);
      ports.emplace_back(devices.back());
      line.attach(ports.back());
    }
    settings.attempts = 1;
    settings.pauseSeconds = 0;
    window.setBackupRoot(root.path());
    window.show();
    EXPECT_EQ(child<QSpinBox>("lastNumber")->value(), 127) << "every number the protocol addresses";
    child<QSpinBox>("lastNumber")->setValue(24);
  }
  template <class T>
  T* child(const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
  }
  QTableWidget* table() { return child<QTableWidget>("devicesTable"); }

  VirtualClock clock;
  sim::SimSerialLine line{clock};
  std::deque<sim::SimulatedDevice> devices;
  std::deque<sim::DevicePort> ports;
  Workspace workspace;
  ScriptedPresenter presenter;
  ExchangeSettings settings;
  QTemporaryDir root;
  NetworkWindow window{workspace, presenter, [this] { return std::make_unique<LinkDeviceSession>(line, clock); },
                       settings};
};

TEST(NetworkWindow, ScanFillsTheTableAndSaveAllWritesTheTickedDevices) {
  WindowRig rig;
  int rowsWhileScanning = -1;
  auto* progress = rig.child<QProgressBar>("scanProgress");
  QObject::connect(progress, &QProgressBar::valueChanged, [&](int value) {
    if (value == 12) rowsWhileScanning = rig.table()->rowCount();  // 4 and 11 tried by then
  });

  rig.child<QPushButton>("scanButton")->click();

  EXPECT_EQ(rowsWhileScanning, 2) << "the table fills as the numbers are tried";
  EXPECT_EQ(progress->maximum(), 24);
  EXPECT_EQ(progress->value(), 24);
  QTableWidget* table = rig.table();
  ASSERT_EQ(table->rowCount(), 3);
  const QStringList want[] = {{"4", "ОРВИК 5 миним.", "3.2", "0100"},
                              {"11", "ОРВИК 5 расшир.", "3.2", "0200"},
                              {"19", "ОРВИК 9", "3.2", "0300"}};
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 4; ++column)
      EXPECT_EQ(table->item(row, column)->text(), want[row][column]) << row << "," << column;
    EXPECT_EQ(table->item(row, 0)->checkState(), Qt::Checked);
  }

  // The middle device is not wanted.
  table->item(1, 0)->setCheckState(Qt::Unchecked);
  rig.child<QCheckBox>("namesBox")->setChecked(false);
  auto* saveAll = rig.child<QPushButton>("saveAllButton");
  ASSERT_TRUE(saveAll->isEnabled());
  saveAll->click();

  const QStringList folders = QDir(rig.root.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  EXPECT_EQ(folders, (QStringList{QStringLiteral("0100"), QStringLiteral("0300")}));
  EXPECT_TRUE(table->item(0, 4)->text().endsWith(QStringLiteral(".bfm"))) << table->item(0, 4)->text().toStdString();
  EXPECT_TRUE(table->item(1, 4)->text().isEmpty());

  QSignalSpy opened(&rig.window, &NetworkWindow::openPairRequested);
  emit table->cellActivated(1, 0);  // nothing saved for it
  emit table->cellActivated(2, 1);
  ASSERT_EQ(opened.size(), 1);
  EXPECT_EQ(QDir::toNativeSeparators(opened[0][0].toString()), table->item(2, 4)->text());
}

TEST(NetworkWindow, StopIsTakenWhileTheScanRuns) {
  WindowRig rig;
  auto* stop = rig.child<QPushButton>("B_stop");
  auto* progress = rig.child<QProgressBar>("scanProgress");
  QObject::connect(progress, &QProgressBar::valueChanged, [&](int value) {
    if (value == 6) {
      EXPECT_TRUE(stop->isVisible());
      stop->click();
    }
  });

  rig.child<QPushButton>("scanButton")->click();

  EXPECT_FALSE(rig.window.running());
  EXPECT_EQ(progress->value(), 6);
  EXPECT_EQ(rig.table()->rowCount(), 1);
  EXPECT_FALSE(stop->isVisible());
  EXPECT_TRUE(rig.child<QPushButton>("scanButton")->isVisible());
}

TEST(NetworkWindow, AWholeRangeFollowsTheProtocolAndANarrowedOneStays) {
  WindowRig rig;
  auto* last = rig.child<QSpinBox>("lastNumber");
  last->setValue(127);
  rig.window.hide();
  ChooseProtocol(rig.settings, LinkProtocol::Ft12);
  rig.window.show();
  EXPECT_EQ(last->maximum(), 254);
  EXPECT_EQ(last->value(), 254);
  last->setValue(30);
  rig.window.hide();
  ChooseProtocol(rig.settings, LinkProtocol::Traditional);
  rig.window.show();
  EXPECT_EQ(last->value(), 30);
}

}  // namespace
}  // namespace nastrum::test
