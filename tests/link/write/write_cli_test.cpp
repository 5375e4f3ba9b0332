// nastrum-cli write against orvik-sim over a pseudo-terminal, read back with
// nastrum-cli read; its refusals and failures.
#include <iostream>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include "check/check_rules.h"

#include "link/read/full_image.h"
#include "link/write/converter_adjustment.h"
#include "model/editor_state.h"
#include "model/field_walk.h"
#include "model/reset_image.h"
#include "model/settings_files.h"

namespace nastrum::test {
namespace {

QStringList Differences(const SettingsImage& got, const SettingsImage& want) {
  const std::vector<Field> a = walkFields(got), b = walkFields(want);
  QStringList out;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
    if (a[i].text != b[i].text) out << a[i].path + QStringLiteral(": ") + a[i].text + QStringLiteral(" want ") + b[i].text;
  return out;
}

struct CliRun {
  int exitCode;
  QString err;
  QString out;
};

CliRun Cli(const QStringList& args) {
  QProcess process;
  process.start(QStringLiteral(NASTRUM_CLI_PATH), args);
  EXPECT_TRUE(process.waitForFinished(180000));
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardError()),
          QString::fromUtf8(process.readAllStandardOutput())};
}

QByteArray FileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class SimulatorOnPty : public ::testing::Test {
 protected:
  void start(int kind, const SettingsImage& device, const QStringList& extra = {}) {
    ASSERT_TRUE(writeSettingsPair(dir.filePath("device.bfm"), device).settingsWritten);
    // The device logs a line per request: into a file, so that a full pipe never stalls it.
    sim.setStandardOutputFile(simLog);
    sim.setStandardErrorFile(simLog, QIODevice::Append);
    sim.start(QStringLiteral(ORVIK_SIM_PATH), QStringList{QStringLiteral("--kind"), QString::number(kind), QStringLiteral("--image"),
                                               dir.filePath("device.bfm"), QStringLiteral("--link"), link} + extra);
    ASSERT_TRUE(sim.waitForStarted(10000));
    for (int i = 0; i < 200 && !FileBytes(simLog).contains("ready"); ++i) QThread::msleep(50);
  }
  ~SimulatorOnPty() override {
    sim.terminate();
    sim.waitForFinished(20000);
    // The device's side of a failure: its last requests.
    if (HasFailure()) {
      const QList<QByteArray> lines = FileBytes(simLog).split('\n');
      for (qsizetype i = std::max<qsizetype>(0, lines.size() - 40); i < lines.size(); ++i)
        std::cerr << lines[i].toStdString() << '\n';
    }
  }

  QTemporaryDir dir;
  QString link = dir.filePath(QStringLiteral("orvik"));
  QString simLog = dir.filePath(QStringLiteral("sim.log"));
  QProcess sim;
};

TEST_F(SimulatorOnPty, WrittenThenReadBackGivesTheSameSettings) {
  start(1, FullImage(1, 1));
  const QString file = dir.filePath(QStringLiteral("plant.bfm"));
  const SettingsImage plant = FullImage(1, 2);
  ASSERT_TRUE(writeSettingsPair(file, plant).settingsWritten);
  const QByteArray before = FileBytes(file);

  const QString backups = dir.filePath(QStringLiteral("backups"));
  const CliRun refused = Cli({"write", file, "--port", link, "--all", "--backup-dir", backups});
  EXPECT_EQ(refused.exitCode, 2) << "the check finds errors in these settings";
  EXPECT_TRUE(refused.err.contains(QStringLiteral("Проверка обнаружила"))) << refused.err.toStdString();

  const CliRun written = Cli({"write", file, "--port", link, "--all", "--force", "--start", "--backup-dir", backups});
  EXPECT_EQ(written.exitCode, 0) << written.err.toStdString();
  EXPECT_TRUE(written.err.contains(QStringLiteral("ПУСК : приказ послан"))) << written.err.toStdString();
  EXPECT_TRUE(written.err.contains(QStringLiteral("Поздравляю, все прошло удачно!")));
  EXPECT_EQ(FileBytes(file), before) << "a write never changes the file";

  const QString back = dir.filePath(QStringLiteral("back.bfm"));
  const CliRun read = Cli({"read", "--port", link, "--out", back});
  ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
  SettingsImage got, want, fresh;
  EditorState editor;
  ASSERT_TRUE(readSettingsPair(back, got, editor).ok());
  ResetImage(fresh, editor);
  // What is written is the image as the check leaves it (the check renumbers
  // and resets some archive words), then adjusted for the converters.
  SettingsImage adjusted = plant;
  evaluateRules(adjusted, false);
  AdjustConverters(adjusted);
  want = AfterConstantsRead(adjusted, fresh, 1);
  ASSERT_TRUE(writeSettingsPair(dir.filePath("want.bfm"), want).settingsWritten);
  ASSERT_TRUE(readSettingsPair(dir.filePath("want.bfm"), want, editor).ok());
  EXPECT_EQ(Differences(got, want), QStringList{});
}

TEST_F(SimulatorOnPty, AFailedWriteSaysWhyAndExitsWithOne) {
  start(3, FullImage(3, 1));
  const QString file = dir.filePath(QStringLiteral("small.bfm"));
  ASSERT_TRUE(writeSettingsPair(file, FullImage(1, 2)).settingsWritten);
  const CliRun mismatch =
      Cli({"write", file, "--port", link, "--groups", "archives", "--force", "--backup-dir", dir.filePath("backups")});
  EXPECT_EQ(mismatch.exitCode, 1);
  EXPECT_TRUE(mismatch.err.contains(
      QStringLiteral("Ваши настройки не соответсвуют настройкам подключенного прибора, будьте внимательны!")))
      << mismatch.err.toStdString();
}

// The lines of the device's log that record a settings write (the password
// every conversation logs in with is not one).
int SettingsWritesLogged(const QString& simLog) {
  int writes = 0;
  for (const QByteArray& line : FileBytes(simLog).split('\n'))
    if ((line.contains(" write 0x") && !line.contains("(password")) || line.contains(" write memory")) ++writes;
  return writes;
}

// A session run from the command line: read, write the constants, then the
// names. Each write sends what it was asked for and nothing else, and names
// that were never read are written only when the user says so.
TEST_F(SimulatorOnPty, ReadThenConstantsThenNamesEachWriteOnlyTheirOwn) {
  SettingsImage device = FullImage(1, 1);
  device.names.sensorNames[0].setBytes("FLOW 1");
  start(1, device);
  const QString file = dir.filePath(QStringLiteral("site.bfm"));
  ASSERT_EQ(Cli({"read", "--port", link, "--out", file}).exitCode, 0);

  const QString backups = dir.filePath(QStringLiteral("backups"));
  const CliRun constants = Cli({"write", file, "--port", link, "--groups", "sensors", "--force", "--backup-dir", backups});
  ASSERT_EQ(constants.exitCode, 0) << constants.err.toStdString();
  const int parameterWrites = SettingsWritesLogged(simLog);
  EXPECT_GT(parameterWrites, 10);
  EXPECT_FALSE(FileBytes(simLog).contains("names area programmed"));

  const CliRun refused = Cli({"write", file, "--port", link, "--names", "--force", "--backup-dir", backups});
  EXPECT_EQ(refused.exitCode, 2) << "the pair's names were never read: " << refused.err.toStdString();
  EXPECT_FALSE(FileBytes(simLog).contains("names area programmed"));

  const CliRun names = Cli({"write", file, "--port", link, "--names", "--force", "--empty-names", "--backup-dir", backups});
  ASSERT_EQ(names.exitCode, 0) << names.err.toStdString();
  EXPECT_TRUE(FileBytes(simLog).contains("names area programmed"));
  EXPECT_EQ(SettingsWritesLogged(simLog), parameterWrites) << "a names write sends no parameter";

  const QString back = dir.filePath(QStringLiteral("back.bfm"));
  ASSERT_EQ(Cli({"read", "--port", link, "--out", back}).exitCode, 0);
  ASSERT_EQ(Cli({"read", "--port", link, "--names", "--out", back}).exitCode, 0);
  SettingsImage got;
  EditorState editor;
  ASSERT_TRUE(readSettingsPair(back, got, editor).ok());
  EXPECT_TRUE(got.names.sensorNames[0].bytes().trimmed().isEmpty()) << "the empty names the user chose to write";
}

// What the device holds, read by nastrum-cli read into `path`.
void ReadDevice(const QString& link, const QString& path) {
  const CliRun read = Cli({"read", "--port", link, "--out", path});
  ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
}

TEST_F(SimulatorOnPty, ADryRunPrintsTheChangeAndAChangedOnlyWriteSendsAndVerifiesIt) {
  start(1, FullImage(1, 1));
  const QString file = dir.filePath(QStringLiteral("plant.bfm"));
  ReadDevice(link, file);
  SettingsImage plant;
  EditorState editor;
  ASSERT_TRUE(readSettingsPair(file, plant, editor).ok());
  plant.sensors[2].maxValue = 321.5;
  ASSERT_TRUE(writeSettingsPair(file, plant).settingsWritten);
  const QString backups = dir.filePath(QStringLiteral("backups"));
  const QStringList write = {"write", file, "--port", link, "--groups", "sensors", "--force", "--backup-dir", backups};

  const CliRun dry = Cli(write + QStringList{"--dry-run"});
  EXPECT_EQ(dry.exitCode, 0) << dry.err.toStdString();
  EXPECT_TRUE(dry.err.contains(QStringLiteral("Копия настроек прибора: "))) << dry.err.toStdString();
  EXPECT_TRUE(dry.err.contains(QStringLiteral("Пробный запуск: в ОРВИК ничего не записано.")));
  EXPECT_TRUE(dry.out.startsWith(QStringLiteral("Sensors[2].MaxValue: "))) << dry.out.toStdString();
  EXPECT_EQ(dry.out.count(QLatin1Char('\n')), 1) << "only what changes, in the groups written";
  EXPECT_FALSE(FileBytes(simLog).contains("write ")) << "a dry run writes nothing";

  const CliRun written = Cli(write + QStringList{"--changed-only", "--verify"});
  EXPECT_EQ(written.exitCode, 0) << written.err.toStdString();
  EXPECT_TRUE(written.err.contains(QStringLiteral("Проверка записанного: все значения совпадают")));
  const QString back = dir.filePath(QStringLiteral("back.bfm"));
  ReadDevice(link, back);
  SettingsImage got;
  ASSERT_TRUE(readSettingsPair(back, got, editor).ok());
  EXPECT_EQ(got.sensors[2].maxValue, 321.5);
  EXPECT_EQ(QDir(backups + "/1234").entryList({"*.bfm"}).size(), 2) << "a backup before each run";
}

TEST_F(SimulatorOnPty, AValueTheDeviceDoesNotKeepExitsWithThree) {
  start(1, FullImage(1, 1), {"--fault", "corrupt"});
  const QString file = dir.filePath(QStringLiteral("plant.bfm"));
  ReadDevice(link, file);
  SettingsImage plant;
  EditorState editor;
  ASSERT_TRUE(readSettingsPair(file, plant, editor).ok());
  plant.sensors[2].maxValue = 321.5;
  ASSERT_TRUE(writeSettingsPair(file, plant).settingsWritten);

  const CliRun written = Cli({"write", file, "--port", link, "--groups", "sensors", "--force", "--changed-only",
                              "--verify", "--backup-dir", dir.filePath("backups")});
  EXPECT_EQ(written.exitCode, 3) << written.err.toStdString();
  EXPECT_TRUE(written.err.contains(QStringLiteral("Ошибка проверки: значение параметра 0x0204 не совпадает")));
  EXPECT_TRUE(written.err.contains(QStringLiteral("the device's settings before the write: ")));
}

TEST_F(SimulatorOnPty, ANameTheDeviceDoesNotKeepExitsWithThree) {
  start(1, FullImage(1, 1), {"--fault", "corrupt"});
  const QString file = dir.filePath(QStringLiteral("plant.bfm"));
  ReadDevice(link, file);
  ASSERT_EQ(Cli({"read", "--port", link, "--names", "--out", file}).exitCode, 0);
  SettingsImage plant;
  EditorState editor;
  ASSERT_TRUE(readSettingsPair(file, plant, editor).ok());
  plant.names.sensorNames[2].setBytes("PODACHA 2");
  ASSERT_TRUE(writeSettingsPair(file, plant).namesWritten);

  const CliRun written = Cli({"write", file, "--port", link, "--names", "--force", "--verify", "--backup-dir",
                              dir.filePath("backups")});
  EXPECT_EQ(written.exitCode, 3) << written.err.toStdString();
  // The small model's names area begins with the hourly archives' names.
  EXPECT_TRUE(written.err.contains(QStringLiteral("Ошибка проверки: HourArcNames[0] не совпадает: записано \"")))
      << written.err.toStdString();
  EXPECT_TRUE(FileBytes(simLog).contains("names area programmed"));
}

TEST(WriteCommand, BadArgumentsAndNoDevice) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("plant.bfm"));
  SettingsImage image;
  EditorState editor;
  ResetImage(image, editor);
  ASSERT_TRUE(writeSettingsPair(file, image).settingsWritten);
  for (const QStringList& args :
       {QStringList{"write", file, "--port", "/dev/null"}, QStringList{"write", file, "--all"},
        QStringList{"write", file, "--port", "/dev/null", "--all", "--names"},
        QStringList{"write", file, "--port", "/dev/null", "--groups", "sensors,clock"},
        QStringList{"write", file, "--port", "/dev/null", "--all", "--format", "json"},
        // The password travels with the system group: asked for without it, it could not change.
        QStringList{"write", file, "--port", "/dev/null", "--groups", "sensors", "--change-password"},
        QStringList{"write", file, "--port", "/dev/null", "--names", "--empty-names", "--change-password"},
        QStringList{"write", "--port", "/dev/null", "--all"},
        QStringList{"write", dir.filePath("missing.bfm"), "--port", "/dev/null", "--all"}})
    EXPECT_EQ(Cli(args).exitCode, 2) << args.join(' ').toStdString();

  const CliRun none = Cli({"write", file, "--port", dir.filePath("missing"), "--attempts", "1", "--all", "--force",
                           "--backup-dir", dir.filePath("backups")});
  EXPECT_EQ(none.exitCode, 1) << none.err.toStdString();
  EXPECT_TRUE(none.err.contains(QStringLiteral("Неверный номер СОМ-порта "))) << none.err.toStdString();
  EXPECT_TRUE(none.err.contains(QStringLiteral("Запись отменена: порт не открыт. В ОРВИК ничего не записано.")));
  EXPECT_TRUE(none.err.contains(QStringLiteral("nastrum-cli write: the port could not be opened")));

  // A fresh pair holds no name: writing its names would blank the device's.
  const CliRun blank = Cli({"write", file, "--port", dir.filePath("missing"), "--attempts", "1", "--names", "--force"});
  EXPECT_EQ(blank.exitCode, 2) << blank.err.toStdString();
  EXPECT_TRUE(blank.err.contains(QStringLiteral("--empty-names"))) << blank.err.toStdString();
  const CliRun meant = Cli({"write", file, "--port", dir.filePath("missing"), "--attempts", "1", "--names", "--force",
                            "--empty-names"});
  EXPECT_EQ(meant.exitCode, 1) << "past the refusal, to the missing port: " << meant.err.toStdString();
  EXPECT_EQ(Cli({"write", file, "--port", "/dev/null", "--all", "--empty-names"}).exitCode, 2);

  // The small model has no regulators to write: refused before any port is opened.
  image.deviceKind = 1;
  const QString small = dir.filePath(QStringLiteral("small.bfm"));
  ASSERT_TRUE(writeSettingsPair(small, image).settingsWritten);
  const CliRun nothing =
      Cli({"write", small, "--port", dir.filePath("missing"), "--attempts", "1", "--groups", "regulators", "--force"});
  EXPECT_EQ(nothing.exitCode, 2) << nothing.err.toStdString();
  EXPECT_FALSE(nothing.err.contains(QStringLiteral("СОМ-порта"))) << nothing.err.toStdString();
}

}  // namespace
}  // namespace nastrum::test
