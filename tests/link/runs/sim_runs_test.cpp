// The connection sequence, the access check and the names block transfer
// through the program's link layer against the simulated device, on a
// virtual clock, with the exact log lines.
#include <deque>

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "link/runs/access_check.h"
#include "link/runs/block_transfer.h"
#include "link/runs/connection.h"
#include "link/runs/link_device_session.h"
#include "link/runs/recording_observer.h"
#include "support/scripted_presenter.h"
#include "link/runs/run_codes.h"
#include "link/runs/run_retry.h"
#include "model/cp1251.h"
#include "model/reset_image.h"
#include "sim/device_port.h"
#include "sim/sim_serial_line.h"
#include "sim/simulated_device.h"

namespace nastrum {
namespace {

using sim::FaultKind;

SettingsImage FreshImage(int kind) {
  SettingsImage image;
  EditorState editor;
  ResetImage(image, editor);
  image.deviceKind = kind;
  return image;
}

// One in-process line with simulated devices, driven through the program's
// link layer.
struct SimRig {
  SimRig() {
    settings.attempts = 2;
    settings.pauseSeconds = 1;
  }

  sim::SimulatedDevice& addDevice(int model, int networkNumber = 1, const SettingsImage* image = nullptr,
                                  std::optional<std::uint16_t> password = std::nullopt) {
    sim::DeviceConfig config;
    config.modelCode = model;
    config.networkNumber = networkNumber;
    config.password = password;
    devices.emplace_back(config, image ? *image : FreshImage(model >= 1 && model <= 3 ? model : 2), clock);
    ports.emplace_back(devices.back());
    line.attach(ports.back());
    return devices.back();
  }

  RunContext ctx() { return RunContext{workspace, session, settings, observer, presenter}; }
  Connection connect(RunKind kind) {
    RunContext c = ctx();
    return Connect(c, kind);
  }
  void end(RunKind kind, const Connection& c) {
    RunContext r = ctx();
    EndConnection(r, kind, c);
  }
  int access(const QString& password) {
    RunContext c = ctx();
    return CheckAccess(c, password);
  }
  int stopDevice() { return toInt(session.commands().Stop()); }

  VirtualClock clock;
  sim::SimSerialLine line{clock};
  std::deque<sim::SimulatedDevice> devices;
  std::deque<sim::DevicePort> ports;
  LinkDeviceSession session{line, clock};
  Workspace workspace;
  ExchangeSettings settings;
  test::RecordingObserver observer;
  ScriptedPresenter presenter;
};

class SimRunsTest : public ::testing::Test, protected SimRig {};

TEST_F(SimRunsTest, IdentifiesEachModel) {
  struct Case {
    int model;
    QStringList log;
    int connectedKind;
  };
  const Case cases[] = {
      {1, {"Подключенный прибор:   OK", "ОРВИК  5 миним. версия 3.2"}, 1},
      {2, {"Подключенный прибор:   OK", "ОРВИК  5 расшир. версия 3.2"}, 2},
      {3, {"Подключенный прибор:   OK", "ОРВИК  9  версия 3.2"}, 3},
      {0,
       {"Подключенный прибор:   OK", "Программа не работает с базовым типом прибора (толстым).",
        "ОРВИК  5 базовый  версия 3.2"},
       0},
      {4, {"Подключенный прибор:   OK", " НЛО версия 3.2"}, 0},
  };
  for (const auto& c : cases) {
    SimRig fresh;  // one device per line
    fresh.addDevice(c.model);
    const Connection conn = fresh.connect(RunKind::Write);
    EXPECT_EQ(conn.stage, ConnectStage::Connected) << c.model;
    EXPECT_EQ(fresh.observer.log, c.log) << c.model;
    EXPECT_EQ(fresh.workspace.run.connectedKind, c.connectedKind);
    EXPECT_EQ(fresh.observer.status, QStringLiteral("Вас приветствует ") + c.log.last());
  }
}

TEST_F(SimRunsTest, NoDeviceOnTheLine) {
  const std::int64_t start = clock.nowMs();
  const Connection conn = connect(RunKind::Write);
  EXPECT_EQ(conn.stage, ConnectStage::IdentifyFailed);
  EXPECT_EQ(conn.result, 1);
  EXPECT_EQ(observer.log, QStringList{QStringLiteral("Подключенный прибор:   Нет ответа от ОРВИК ")});
  // Two run-level attempts of two link attempts each, the pauses between.
  EXPECT_GE(clock.nowMs() - start, 2 * (1000 + 3000 + 1000) + 2 * 1000);
}

TEST_F(SimRunsTest, PortThatDoesNotExist) {
  addDevice(2);
  line.setMissingPort(true);
  presenter.then(AnswerOk);
  EXPECT_EQ(connect(RunKind::Read).stage, ConnectStage::PortFailed);
  ASSERT_EQ(presenter.shown().size(), 1u);
  EXPECT_TRUE(presenter.shown()[0].text.startsWith(QStringLiteral("Неверный номер СОМ-порта ")));
  EXPECT_TRUE(line.sent().isEmpty());
}

TEST_F(SimRunsTest, NetworkSelectsTheNumberedDeviceAndReleasesIt) {
  addDevice(1, 3);
  addDevice(3, 5);
  SetNetwork(settings, true);
  SetNetworkNumber(settings, 5);
  const Connection conn = connect(RunKind::Write);
  ASSERT_EQ(conn.stage, ConnectStage::Connected);
  EXPECT_EQ(conn.identity.modelCode, 3);
  EXPECT_EQ(observer.deviceLabel, QStringLiteral("ОРВИК5"));
  end(RunKind::Write, conn);
  EXPECT_TRUE(line.sent().endsWith(QByteArray::fromHex("010af6"))) << line.sent().right(8).toHex().toStdString();

  SetNetworkNumber(settings, 9);
  EXPECT_EQ(connect(RunKind::Read).stage, ConnectStage::SelectFailed);
  EXPECT_EQ(observer.deviceLabel, QStringLiteral("ОРВИК 9  не отвечает"));
}

TEST_F(SimRunsTest, FrameProtocolsReachTheNumberedDevice) {
  addDevice(2, 7);
  for (const int protocol : {1, 2}) {
    ChooseProtocol(settings, protocolOfItem(protocol));
    SetNetworkNumber(settings, 7);
    EXPECT_EQ(connect(RunKind::ClockRead).stage, ConnectStage::Connected) << protocol;
  }
}

TEST_F(SimRunsTest, AccessAcceptedAndRefused) {
  addDevice(2, 1, nullptr, 0x12AB);
  ASSERT_EQ(connect(RunKind::Write).stage, ConnectStage::Connected);
  observer.log.clear();
  EXPECT_EQ(access(QStringLiteral("12ab")), 0);
  EXPECT_EQ(observer.log, QStringList{QStringLiteral("Передача пароля ")});
  EXPECT_TRUE(devices[0].accessGranted());

  observer.log.clear();
  EXPECT_EQ(access(QStringLiteral("12AC")), 1);
  EXPECT_EQ(observer.log, (QStringList{QStringLiteral("Передача пароля "),
                                       QStringLiteral("Увы ! пароль не тот...   OK")}));
}

TEST_F(SimRunsTest, MissingKeyIsRefused) {
  addDevice(2).faults().add({FaultKind::MissingKey});
  ASSERT_EQ(connect(RunKind::Write).stage, ConnectStage::Connected);
  observer.log.clear();
  EXPECT_EQ(access(QStringLiteral("0000")), 1);
  EXPECT_EQ(observer.log, QStringList{QStringLiteral("Установите электроный ключ.")});
}

TEST_F(SimRunsTest, TwoWireEchoIsNotTakenForTheReply) {
  addDevice(3).faults().add({FaultKind::Echo});
  settings.lineKind = LineKind::TwoWire;
  EXPECT_EQ(connect(RunKind::ClockRead).stage, ConnectStage::Connected);
  EXPECT_EQ(observer.log.first(), QStringLiteral("Подключенный прибор:   OK"));
}

TEST_F(SimRunsTest, StopDuringThePauseAfterAFailedAttempt) {
  addDevice(2).faults().add({FaultKind::NoAnswer});
  settings.pauseSeconds = 15;
  std::int64_t stoppedAt = -1;
  observer.onPump = [&] {
    // The link's own two tries take about 5 s (1 s, its 3 s pause, 1 s);
    // the window is pumped meanwhile too. Press in the run's pause after them.
    if (stoppedAt < 0 && clock.nowMs() > 5500) {
      stoppedAt = clock.nowMs();
      observer.stop = true;
    }
  };
  const Connection conn = connect(RunKind::Write);
  EXPECT_EQ(conn.stage, ConnectStage::IdentifyFailed);
  EXPECT_EQ(ports[0].requests(), 2);  // one run-level attempt: the link's two tries
  EXPECT_LT(clock.nowMs() - stoppedAt, 1000);  // the 15-second pause was not waited out
  EXPECT_EQ(observer.log, QStringList{QStringLiteral("Подключенный прибор:   Нет ответа от ОРВИК ")});
}

// Names of every kind, with letters that need look-alikes and bars.
SettingsImage NamedImage(int kind) {
  SettingsImage image = FreshImage(kind);
  image.names.sensorNames[0].setBytes(toCp1251(QStringLiteral("Тепло ыЫ")));
  image.names.sensorNames[15].setBytes("T16");
  image.names.pipelineNames[3].setBytes(toCp1251(QStringLiteral("Подача")));
  image.names.hourArcNames[0].setBytes("H1");
  image.names.dayArcNames[31].setBytes("D32");
  image.names.monthArcNames[30].setBytes("M31");
  if (kind > 1) image.names.intervalArcNames[11].setBytes("I12");
  if (kind == 3) {
    image.names.desktopNames[0].setBytes("P1");
    image.names.desktopParams[0] = 0x4015;
  }
  return image;
}

TEST_F(SimRunsTest, NamesReadOfEachKind) {
  for (int kind = 1; kind <= 3; ++kind) {
    SimRig rig;
    const SettingsImage image = NamedImage(kind);
    rig.addDevice(kind, 1, &image);
    ASSERT_EQ(rig.connect(RunKind::Read).stage, ConnectStage::Connected);
    ASSERT_EQ(rig.access(QStringLiteral("")), 0);
    NamesBuffers buffers;
    int model = 0;
    ASSERT_EQ(BlockRead(rig.session, buffers, model, {}), 0) << kind;
    EXPECT_EQ(model, kind);
    EXPECT_EQ(buffers.names.left(NamesLayoutFor(kind)->areaSize),
              rig.devices[0].namesMemory().left(NamesLayoutFor(kind)->areaSize));

    NamesRegion names;
    DecodeNames(buffers, kind, names);
    EXPECT_EQ(fromCp1251(names.sensorNames[0].bytes()), QStringLiteral("Tenлo ыЫ      ")) << kind;
    EXPECT_EQ(names.sensorNames[15].bytes(), QByteArray("T16").leftJustified(16)) << kind;
    EXPECT_EQ(names.dayArcNames[31].bytes(), QByteArray("D32").leftJustified(16)) << kind;
    EXPECT_TRUE(names.hourArcNames[1].isEmpty()) << kind;
    if (kind == 3) {
      EXPECT_EQ(names.desktopNames[0].bytes(), QByteArray("P1").leftJustified(16));
      EXPECT_EQ(names.desktopParams[0], 0x4015);
      EXPECT_EQ(names.desktopParams[1], 0xFFFF);
    }
  }
}

TEST_F(SimRunsTest, NamesReadWithoutThePasswordIsRefused) {
  addDevice(2, 1, nullptr, 0x1111);
  settings.attempts = 1;
  NamesBuffers buffers;
  int model = 0;
  ASSERT_EQ(connect(RunKind::Read).stage, ConnectStage::Connected);
  const int result = BlockRead(session, buffers, model, {});
  EXPECT_EQ(result, 3);  // every try refused with NAK; only a short reply points to the password (25)
}

TEST_F(SimRunsTest, NamesWriteOfEachKindReadsBackTheSame) {
  for (int kind = 1; kind <= 3; ++kind) {
    SimRig rig;
    rig.addDevice(kind);
    ASSERT_EQ(rig.connect(RunKind::Write).stage, ConnectStage::Connected);
    ASSERT_EQ(rig.access(QStringLiteral("")), 0);
    ASSERT_EQ(rig.stopDevice(), 0);
    const SettingsImage image = NamedImage(kind);
    const NamesBuffers written = EncodeNames(image.names, kind);
    int model = 0;
    ASSERT_EQ(BlockWrite(rig.session, written, model, {}), 0) << kind;
    EXPECT_EQ(rig.devices[0].namesCommits(), 1) << kind;
    EXPECT_EQ(rig.devices[0].namesMemory(), TransferImage(written, kind)) << kind;

    NamesBuffers back;
    ASSERT_EQ(BlockRead(rig.session, back, model, {}), 0) << kind;
    NamesRegion names;
    DecodeNames(back, kind, names);
    EXPECT_EQ(fromCp1251(names.pipelineNames[3].bytes()), QStringLiteral(" oga\u0447a          ")) << kind;
    EXPECT_EQ(fromCp1251(names.sensorNames[0].bytes()), QStringLiteral("Tenлo ыЫ      ")) << kind;
  }
}

TEST_F(SimRunsTest, DiagnosticModeLogsFramesAndLoaderAndDumpsTheBlock) {
  QTemporaryDir dir;
  addDevice(3);
  workspace.editor.spyMode = true;
  ASSERT_EQ(connect(RunKind::Write).stage, ConnectStage::Connected);
  EXPECT_EQ(observer.log.first(), QStringLiteral("05 03 01 40 1E A1"));  // the version read's frame
  ASSERT_EQ(access(QStringLiteral("")), 0);
  ASSERT_EQ(stopDevice(), 0);
  RunContext c = ctx();
  const NamesBuffers names = EncodeNames(NamedImage(3).names, 3);
  int model = 0;
  observer.log.clear();
  ASSERT_EQ(BlockWrite(session, names, model, TransferOptionsFor(c, dir.path())), 0);
  EXPECT_TRUE(observer.log.contains(QStringLiteral("70 90  * 1 00")));
  EXPECT_EQ(observer.log.last(), QStringLiteral("CC 34  * 1 00"));
  QFile image(dir.filePath(QStringLiteral("Ola.FIL")));
  QFile table(dir.filePath(QStringLiteral("OlTable.FIL")));
  ASSERT_TRUE(image.open(QIODevice::ReadOnly));
  ASSERT_TRUE(table.open(QIODevice::ReadOnly));
  EXPECT_EQ(image.readAll(), TransferImage(names, 3));
  EXPECT_EQ(table.readAll(), names.workTable);
}

TEST_F(SimRunsTest, NamesWriteOnTheTwoWireLoop) {
  for (const int kind : {2, 3}) {
    SimRig rig;
    rig.addDevice(kind).faults().add({FaultKind::Echo});
    rig.settings.lineKind = LineKind::TwoWire;
    ASSERT_EQ(rig.connect(RunKind::Write).stage, ConnectStage::Connected);
    ASSERT_EQ(rig.access(QStringLiteral("")), 0);
    ASSERT_EQ(rig.stopDevice(), 0);
    int model = 0;
    const int result = BlockWrite(rig.session, EncodeNames(NamedImage(kind).names, kind), model, {});
    EXPECT_EQ(result, kind == 3 ? 0 : run_code::kTwoWireNames);
    EXPECT_EQ(rig.devices[0].namesCommits(), kind == 3 ? 1 : 0);
    EXPECT_FALSE(rig.devices[0].inLoader()) << kind;  // never left in the loader
  }
}

TEST_F(SimRunsTest, NamesWriteWithoutStopCancelsTheLoader) {
  addDevice(2);
  ASSERT_EQ(connect(RunKind::Write).stage, ConnectStage::Connected);
  ASSERT_EQ(access(QStringLiteral("")), 0);
  session.open(QStringLiteral("/dev/sim"), [&] {
    LinkSetup s = MakeLinkSetup(settings);
    s.tryCount = 1;
    return s;
  }());
  int model = 0;
  EXPECT_EQ(BlockWrite(session, EncodeNames(NamedImage(2).names, 2), model, {}), run_code::kLoaderNotOpened);
  EXPECT_FALSE(devices[0].inLoader());
}

}  // namespace
}  // namespace nastrum
