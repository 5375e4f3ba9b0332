// The built orvik-sim program, reached through the path it prints.
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "link/device_commands.h"
#include "link/qserialport_line.h"
#include "model/settings_files.h"
#include "model/settings_record.h"
#include "sim/demo_image.h"
#include "sim/names_memory.h"
#include "sim_rig.h"

namespace nastrum::test {
namespace {

TEST(OrvikSimProgram, ServesTheDemoPlantAndSavesWhatWasWritten) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString linkPath = dir.filePath(QStringLiteral("orvik"));
  const QString saved = dir.filePath(QStringLiteral("OUT.bfm"));
  QProcess sim;
  sim.setProgram(QStringLiteral(ORVIK_SIM_PATH));
  sim.setArguments({QStringLiteral("--demo"), QStringLiteral("--link"), linkPath, QStringLiteral("--password"),
                    QStringLiteral("12AB"), QStringLiteral("--save"), saved});
  sim.start();
  ASSERT_TRUE(sim.waitForStarted(10000));
  QByteArray first;
  while (!first.contains('\n') && sim.waitForReadyRead(20000)) first += sim.readAllStandardOutput();
  ASSERT_TRUE(first.startsWith("orvik-sim ready: ")) << first.toStdString();
  const QString printed = QString::fromLocal8Bit(first.mid(17, first.indexOf(" -> ") - 17));
  ASSERT_EQ(printed, linkPath);

  {
    SystemClock clock;
    QSerialPortLine line;
    SerialPort port(line, clock);
    LinkLayer link(port);
    link.settings().tryCount = 1;
    ASSERT_TRUE(port.OpenPort(printed, kDefaultBaudIndex, Channel::Main, LineKind::FourWire));
    DeviceCommands cmd(link, LinkParams{});
    const Identification id = cmd.Identify();
    ASSERT_EQ(id.result, ResultCode::Ok);
    EXPECT_EQ(id.modelCode, 2);
    QByteArray chunk;
    EXPECT_EQ(cmd.ReadNamesChunk(0x8000, 0xF8, chunk), ResultCode::RequestRefused) << "password first";
    enterReprogramming(cmd, 0x12AB);
    ASSERT_EQ(cmd.ReadNamesChunk(0x8000, 0xF8, chunk), ResultCode::Ok);
    EXPECT_EQ(chunk.left(2), QByteArray("T ")) << "the first sensor's name starts with a Т";
    EXPECT_EQ(cmd.WriteReal(ParamAddress::pipeline(1, 10), 80.0), ResultCode::Ok);
    EXPECT_EQ(cmd.Reprogramming(kReprogSection, kReprogLeave), ResultCode::Ok);
    port.ClosePort();
  }

  sim.terminate();  // SIGTERM: the program saves and ends
  ASSERT_TRUE(sim.waitForFinished(20000));
  EXPECT_EQ(sim.exitCode(), 0) << sim.readAllStandardError().toStdString();
  const QByteArray log = sim.readAllStandardOutput();
  EXPECT_TRUE(log.contains("write 0x810A = 87 50 00 00")) << log.toStdString();
  EXPECT_FALSE(QFile::exists(linkPath)) << "the link is removed on exit";

  SettingsImage image;
  EditorState editor;
  ASSERT_TRUE(readSettingsPair(saved, image, editor).ok());
  EXPECT_EQ(image.pipelines[1].pipeDiameter, 80.0);
  EXPECT_EQ(image.sys(sys::DevicePassword), 0x12AB);
  const SettingsImage demo = sim::demoPlantImage();
  EXPECT_EQ(image.pipelines[0].pipeDiameter, demo.pipelines[0].pipeDiameter);
  // The device shows Cyrillic letters with Latin look-alikes; names come back so.
  SettingsImage shown = demo;
  sim::namesMemoryToImage(sim::namesMemoryFromImage(demo, 2), 2, shown);
  EXPECT_EQ(image.names.sensorNames[0].bytes(), QByteArray("T noga\xF7" "u"));
  EXPECT_EQ(encodeNamesRecord(image.names), encodeNamesRecord(shown.names));
}

TEST(OrvikSimProgram, SeveralDevicesShareTheLine) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString linkPath = dir.filePath(QStringLiteral("orvik"));
  const QString saved = dir.filePath(QStringLiteral("NET.bfm"));
  QProcess sim;
  sim.start(QStringLiteral(ORVIK_SIM_PATH), {QStringLiteral("--kind"), QStringLiteral("3"), QStringLiteral("--network"),
                                             QStringLiteral("1,2"), QStringLiteral("--link"), linkPath,
                                             QStringLiteral("--save"), saved});
  ASSERT_TRUE(sim.waitForStarted(10000));
  QByteArray first;
  while (!first.contains('\n') && sim.waitForReadyRead(20000)) first += sim.readAllStandardOutput();
  ASSERT_TRUE(first.startsWith("orvik-sim ready: ")) << first.toStdString();
  {
    SystemClock clock;
    QSerialPortLine line;
    SerialPort port(line, clock);
    LinkLayer link(port);
    link.settings().tryCount = 1;
    ASSERT_TRUE(port.OpenPort(linkPath, kDefaultBaudIndex, Channel::Main, LineKind::FourWire));
    std::uint16_t factory = 0;
    ASSERT_TRUE(link.SelectDevice(2, LineKind::FourWire));
    DeviceCommands traditional(link, LinkParams{});
    ASSERT_EQ(traditional.ReadWord(device_param::kFactoryNumber, factory), ResultCode::Ok);
    EXPECT_EQ(factory, 0x1235);
    EXPECT_EQ(traditional.Release(), ResultCode::Ok);
    LinkParams ft;
    ft.protocol = LinkProtocol::Ft12;
    ft.deviceAddress = 1;
    DeviceCommands first(link, ft);
    ASSERT_EQ(first.ReadWord(device_param::kFactoryNumber, factory), ResultCode::Ok);
    EXPECT_EQ(factory, 0x1234);
    port.ClosePort();
  }
  sim.terminate();
  ASSERT_TRUE(sim.waitForFinished(20000));
  EXPECT_EQ(sim.exitCode(), 0);
  EXPECT_TRUE(QFile::exists(saved));
  EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("NET_2.nam"))));
}

TEST(OrvikSimProgram, DevicesOfSeveralModelsAnswerTheirNumbersAndTwoOfOneNumberCollide) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString linkPath = dir.filePath(QStringLiteral("orvik"));
  QProcess sim;
  sim.start(QStringLiteral(ORVIK_SIM_PATH),
            {QStringLiteral("--device"), QStringLiteral("3:1"), QStringLiteral("--device"), QStringLiteral("17:3:demo"),
             QStringLiteral("--device"), QStringLiteral("5:2"), QStringLiteral("--device"), QStringLiteral("5:3"),
             QStringLiteral("--link"), linkPath});
  ASSERT_TRUE(sim.waitForStarted(10000));
  QByteArray first;
  while (!first.contains('\n') && sim.waitForReadyRead(20000)) first += sim.readAllStandardOutput();
  ASSERT_TRUE(first.startsWith("orvik-sim ready: ")) << first.toStdString();
  {
    SystemClock clock;
    QSerialPortLine line;
    SerialPort port(line, clock);
    LinkLayer link(port);
    link.settings().tryCount = 1;
    ASSERT_TRUE(port.OpenPort(linkPath, kDefaultBaudIndex, Channel::Main, LineKind::FourWire));
    ASSERT_TRUE(link.SelectDevice(3, LineKind::FourWire));
    DeviceCommands traditional(link, LinkParams{});
    EXPECT_EQ(traditional.Identify().modelCode, 1);
    EXPECT_EQ(traditional.Release(), ResultCode::Ok);
    LinkParams ft;
    ft.protocol = LinkProtocol::Ft12;
    ft.deviceAddress = 17;
    EXPECT_EQ(DeviceCommands(link, ft).Identify().modelCode, 3);
    ASSERT_TRUE(link.SelectDevice(5, LineKind::FourWire)) << "both echo the number";
    EXPECT_NE(traditional.Identify().result, ResultCode::Ok) << "two answers at once are garbled";
    port.ClosePort();
  }
  sim.terminate();
  ASSERT_TRUE(sim.waitForFinished(20000));
  EXPECT_EQ(sim.exitCode(), 0);
}

TEST(OrvikSimProgram, RefusesOptionsItCannotServe) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString linkPath = dir.filePath(QStringLiteral("orvik"));
  const QStringList cases[] = {
      {QStringLiteral("--reprog-delay"), QStringLiteral("3000000")},  // milliseconds beyond an int
      {QStringLiteral("--network"), QStringLiteral("1,1")},           // two devices answering at once
      {QStringLiteral("--fault"), QStringLiteral("completion=-5")},
      {QStringLiteral("--kind"), QStringLiteral("5")},
      {QStringLiteral("--device"), QStringLiteral("0:2")},
      {QStringLiteral("--device"), QStringLiteral("5:7")},
      {QStringLiteral("--device"), QStringLiteral("5:2:plant")},
      {QStringLiteral("--device"), QStringLiteral("5:2"), QStringLiteral("--kind"), QStringLiteral("2")},
  };
  for (const QStringList& args : cases) {
    QProcess sim;
    sim.start(QStringLiteral(ORVIK_SIM_PATH), QStringList{QStringLiteral("--link"), linkPath} + args);
    ASSERT_TRUE(sim.waitForFinished(20000)) << args.join(' ').toStdString();
    EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit) << args.join(' ').toStdString();
    EXPECT_EQ(sim.exitCode(), 2) << args.join(' ').toStdString();
    EXPECT_TRUE(sim.readAllStandardError().contains(args[0].toUtf8())) << args.join(' ').toStdString();
    EXPECT_FALSE(QFileInfo(linkPath).isSymLink()) << "nothing is left behind";
  }
}

}  // namespace
}  // namespace nastrum::test
