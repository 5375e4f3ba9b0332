// nastrum-cli diff --device: a file compared with the simulated device, run
// in this process through a pseudo-terminal and the production serial line.
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "model/cp1251.h"
#include "model/settings_files.h"
#include "sim/demo_image.h"
#include "sim/simulated_device.h"
#include "support/cli_in_process.h"
#include "support/devices_on_pty.h"

namespace nastrum::cli {
namespace {

using test::CliRun;
using test::RunCli;

// The small model reads fastest: the demonstration plant as far as it has room for it.
sim::DeviceConfig smallModel() {
  sim::DeviceConfig config;
  config.modelCode = 1;
  return config;
}
SettingsImage smallPlant() {
  SettingsImage image = sim::demoPlantImage();
  image.deviceKind = 1;
  return image;
}

// That plant in a simulated device on a pseudo-terminal.
class DeviceOnPty : public test::DevicesOnPty {
 public:
  DeviceOnPty() : DevicesOnPty({{smallModel(), smallPlant()}}) {}
};

QStringList Link(const QString& port) {
  return {QStringLiteral("--port"), port, QStringLiteral("--attempts"), QStringLiteral("1"), QStringLiteral("--pause"),
          QStringLiteral("0")};
}

template <class Edit>
void EditPair(const QString& path, Edit edit) {
  SettingsImage image;
  EditorState editor;
  ASSERT_TRUE(readSettingsPair(path, image, editor).ok());
  edit(image);
  ASSERT_TRUE(writeSettingsPair(path, image).settingsWritten);
}

TEST(DiffWithDevice, EqualAfterAReadAndOneDifferenceAfterOneEdit) {
  DeviceOnPty device;
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("plant.bfm"));
  const CliRun read = RunCli(QStringList{QStringLiteral("read"), QStringLiteral("--out"), file} + Link(device.path()));
  ASSERT_EQ(read.code, 0) << read.err.toStdString();

  const QStringList diff = QStringList{QStringLiteral("diff"), file, QStringLiteral("--device")} + Link(device.path());
  const CliRun equal = RunCli(diff);
  EXPECT_EQ(equal.code, ExitOk) << equal.out.toStdString() << equal.err.toStdString();
  EXPECT_TRUE(equal.out.isEmpty());

  EditPair(file, [](SettingsImage& image) { image.pipelines[3].pipeDiameter = 65; });
  const CliRun one = RunCli(diff + QStringList{QStringLiteral("--captions")});
  EXPECT_EQ(one.code, ExitDiffers) << one.err.toStdString();
  EXPECT_EQ(one.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
            QStringList{QStringLiteral("Трубопроводы, трубопровод 3: Диаметр трубопровода: 65.0000 -> 50.0000")});

  // The names are compared only when asked for, and then only the names.
  const CliRun readNames = RunCli(QStringList{QStringLiteral("read"), QStringLiteral("--names"), QStringLiteral("--out"),
                                              file} + Link(device.path()));
  ASSERT_EQ(readNames.code, 0) << readNames.err.toStdString();
  EXPECT_EQ(RunCli(diff + QStringList{QStringLiteral("--names")}).code, ExitOk);
  EditPair(file, [](SettingsImage& image) { image.names.sensorNames[0].setBytes(toCp1251(QStringLiteral("Иное"))); });
  const CliRun names = RunCli(diff + QStringList{QStringLiteral("--names"), QStringLiteral("--format"), QStringLiteral("json")});
  EXPECT_EQ(names.code, ExitDiffers) << names.err.toStdString();
  const QJsonObject root = QJsonDocument::fromJson(names.out.toUtf8()).object();
  EXPECT_EQ(root[QStringLiteral("differences")].toInt(), 1);
  EXPECT_EQ(root[QStringLiteral("other")][QStringLiteral("name")].toString(), QStringLiteral("ОРВИК №1234"));
  EXPECT_EQ(root[QStringLiteral("rows")][0][QStringLiteral("field")].toString(), QStringLiteral("SensorNames[0]"));
}

TEST(DiffWithDevice, NoDeviceIsAnError) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("plant.bfm"));
  ASSERT_TRUE(writeSettingsPair(file, sim::demoPlantImage()).settingsWritten);
  const CliRun r = RunCli(QStringList{QStringLiteral("diff"), file, QStringLiteral("--device")} +
                       Link(dir.filePath(QStringLiteral("no-such-port"))));
  EXPECT_EQ(r.code, ExitBadInput);
  EXPECT_TRUE(r.out.isEmpty());
  EXPECT_TRUE(r.err.contains(QStringLiteral("the device could not be read"))) << r.err.toStdString();
}

}  // namespace
}  // namespace nastrum::cli
