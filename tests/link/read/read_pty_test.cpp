// The read run through a real pseudo-terminal and the program's production
// serial line, once per protocol; and nastrum-cli read against orvik-sim.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "full_image.h"
#include "link/read/device_read_job.h"
#include "link/runs/link_device_session.h"
#include "link/runs/recording_observer.h"
#include "support/scripted_presenter.h"
#include "model/field_walk.h"
#include "model/reset_image.h"
#include "model/settings_files.h"
#include "model/settings_record.h"
#include "sim/simulated_device.h"
#include "support/devices_on_pty.h"

namespace nastrum::test {
namespace {

QStringList Differences(const SettingsImage& got, const SettingsImage& want) {
  const std::vector<Field> a = walkFields(got), b = walkFields(want);
  QStringList out;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
    if (a[i].text != b[i].text) out << a[i].path + QStringLiteral(": ") + a[i].text + QStringLiteral(" want ") + b[i].text;
  return out;
}

SettingsImage Reloaded(const SettingsImage& image, const QString& path) {
  EXPECT_TRUE(writeSettingsPair(path, image).settingsWritten);
  SettingsImage back;
  EditorState editor;
  EXPECT_TRUE(readSettingsPair(path, back, editor).ok());
  return back;
}

class ReadThroughPty : public ::testing::TestWithParam<int> {};

TEST_P(ReadThroughPty, TheSmallModelReadsWhole) {
  const int protocol = GetParam();
  const SettingsImage device = FullImage(1, 1);
  sim::DeviceConfig config;
  config.modelCode = 1;
  DevicesOnPty line({{config, device}});
  ASSERT_TRUE(line.opened());

  SystemClock clock;
  std::unique_ptr<DeviceSession> session = MakeSerialPortSession(clock);
  Workspace workspace;
  ExchangeSettings settings;
  settings.portItem = PortAddress::kOtherItem;
  settings.otherPort = line.path();
  ChooseProtocol(settings, protocolOfItem(protocol));
  if (settings.protocol == LinkProtocol::Ft12) settings.crcMode = CrcMode::InData;
  RecordingObserver observer;
  ScriptedPresenter presenter;
  presenter.acknowledgeOkBoxes();
  RunContext ctx{workspace, *session, settings, observer, presenter};
  DeviceReadJob job;
  job.run(ctx, ReadChoice::Constants);
  session->close();

  ASSERT_NE(job.result(), nullptr) << observer.log.join(QLatin1Char('\n')).toStdString();
  QTemporaryDir dir;
  SettingsImage fresh;
  EditorState editor;
  ResetImage(fresh, editor);
  EXPECT_EQ(Differences(Reloaded(*job.result(), dir.filePath("got.bfm")),
                        Reloaded(AfterConstantsRead(device, fresh, 1), dir.filePath("want.bfm"))),
            QStringList{});
}

INSTANTIATE_TEST_SUITE_P(Protocols, ReadThroughPty, ::testing::Values(0, 1, 2));

struct CliRun {
  int exitCode;
  QByteArray err;
};

CliRun Cli(const QStringList& args) {
  QProcess process;
  process.start(QStringLiteral(NASTRUM_CLI_PATH), args);
  EXPECT_TRUE(process.waitForFinished(120000));
  return {process.exitCode(), process.readAllStandardError()};
}

QByteArray FileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(ReadCommand, ReadsAPairAndTheNamesIntoIt) {
  QTemporaryDir dir;
  const SettingsImage device = FullImage(1, 1);
  ASSERT_TRUE(writeSettingsPair(dir.filePath("device.bfm"), device).settingsWritten);
  const QString link = dir.filePath(QStringLiteral("orvik"));
  QProcess sim;
  sim.start(QStringLiteral(ORVIK_SIM_PATH), {QStringLiteral("--kind"), QStringLiteral("1"), QStringLiteral("--image"),
                                             dir.filePath("device.bfm"), QStringLiteral("--link"), link});
  ASSERT_TRUE(sim.waitForStarted(10000));
  QByteArray first;
  while (!first.contains('\n') && sim.waitForReadyRead(20000)) first += sim.readAllStandardOutput();

  const QString out = dir.filePath(QStringLiteral("READ.bfm"));
  const CliRun readRun = Cli({QStringLiteral("read"), QStringLiteral("--port"), link, QStringLiteral("--out"), out});
  EXPECT_EQ(readRun.exitCode, 0) << readRun.err.toStdString();
  EXPECT_TRUE(readRun.err.contains("Чтение прошло успешно.")) << readRun.err.toStdString();
  SettingsImage fresh;
  EditorState editor;
  ResetImage(fresh, editor);
  SettingsImage got;
  ASSERT_TRUE(readSettingsPair(out, got, editor).ok());
  EXPECT_EQ(Differences(got, Reloaded(AfterConstantsRead(device, fresh, 1), dir.filePath("want.bfm"))), QStringList{});

  EXPECT_EQ(Cli({QStringLiteral("read"), QStringLiteral("--port"), link, QStringLiteral("--out"), out}).exitCode, 2)
      << "an existing pair is not replaced without --force";

  const QByteArray settingsBefore = FileBytes(out);
  const CliRun names = Cli({QStringLiteral("read"), QStringLiteral("--port"), link, QStringLiteral("--names"),
                         QStringLiteral("--out"), out});
  EXPECT_EQ(names.exitCode, 0) << names.err.toStdString();
  EXPECT_EQ(FileBytes(out), settingsBefore) << "a names read keeps the settings file";
  ASSERT_TRUE(readSettingsPair(out, got, editor).ok());
  EXPECT_EQ(got.names.sensorNames[15].bytes().trimmed(), device.names.sensorNames[15].bytes());

  sim.terminate();
  sim.waitForFinished(20000);
}

TEST(ReadCommand, BadArgumentsAndNoDevice) {
  QTemporaryDir dir;
  const QString out = dir.filePath(QStringLiteral("x.bfm"));
  for (const QStringList& args :
       {QStringList{"read", "--out", out}, QStringList{"read", "--port", "/dev/null", "--out", "x.txt"},
        QStringList{"read", "--port", "/dev/null", "--baud", "9601", "--out", out},
        QStringList{"read", "--port", "/dev/null", "--network", "200", "--out", out},
        QStringList{"read", "--port", "/dev/null", "--names", "--out", out}})
    EXPECT_EQ(Cli(args).exitCode, 2) << args.join(' ').toStdString();

  const CliRun none = Cli({"read", "--port", dir.filePath("missing"), "--attempts", "1", "--out", out});
  EXPECT_EQ(none.exitCode, 1);
  EXPECT_FALSE(QFile::exists(out));
}

}  // namespace
}  // namespace nastrum::test
