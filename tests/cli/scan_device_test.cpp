// nastrum-cli scan and backup against simulated devices sharing one
// pseudo-terminal, run in this process through the production serial line.
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "model/editor_state.h"
#include "model/reset_image.h"
#include "model/settings_files.h"
#include "sim/simulated_device.h"
#include "support/cli_in_process.h"
#include "support/devices_on_pty.h"

namespace nastrum::cli {
namespace {

using test::CliRun;
using test::RunCli;

struct Device {
  int number, model;
  std::uint16_t factory;
};

// Devices on one pseudo-terminal, each holding a reset image.
class LineOnPty : public test::DevicesOnPty {
 public:
  explicit LineOnPty(std::initializer_list<Device> devices) : DevicesOnPty(line(devices)) {}

 private:
  static std::vector<test::DeviceOnLine> line(std::initializer_list<Device> devices) {
    SettingsImage image;
    EditorState editor;
    ResetImage(image, editor);
    std::vector<test::DeviceOnLine> out;
    for (const Device& d : devices) {
      sim::DeviceConfig config;
      config.networkNumber = d.number;
      config.modelCode = d.model;
      config.factoryNumber = d.factory;
      out.push_back({config, image});
    }
    return out;
  }
};

TEST(ScanCommand, PrintsOneLinePerDevice) {
  LineOnPty line({{2, 1, 0x0102}, {3, 2, 0x0203}, {5, 3, 0x0305}});
  const CliRun r = RunCli({QStringLiteral("scan"), QStringLiteral("--port"), line.path(), QStringLiteral("--networks"),
                           QStringLiteral("2-5")});
  EXPECT_EQ(r.code, ExitOk) << r.err.toStdString();
  EXPECT_EQ(r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
            (QStringList{QStringLiteral("2\t1\t0102\t3.2"), QStringLiteral("3\t2\t0203\t3.2"),
                         QStringLiteral("5\t3\t0305\t3.2")}));
}

TEST(BackupCommand, SavesTheDeviceFoundInItsFolder) {
  LineOnPty line({{7, 1, 0x0077}});
  QTemporaryDir dir;
  const CliRun r = RunCli({QStringLiteral("backup"), QStringLiteral("--port"), line.path(), QStringLiteral("--networks"), QStringLiteral("7"),
                           QStringLiteral("--no-names"), QStringLiteral("--dir"), dir.path()});
  ASSERT_EQ(r.code, ExitOk) << r.err.toStdString();
  const QStringList fields = r.out.trimmed().split(QLatin1Char('\t'));
  ASSERT_EQ(fields.size(), 3) << r.out.toStdString();
  EXPECT_EQ(fields[0], QStringLiteral("7"));
  EXPECT_EQ(fields[1], QStringLiteral("0077"));
  SettingsImage saved;
  EditorState editor;
  EXPECT_TRUE(readSettingsPair(fields[2], saved, editor).ok());
  EXPECT_EQ(saved.deviceKind, 1);
  EXPECT_TRUE(r.err.contains(QStringLiteral("Сохранено копий: 1 из 1"))) << r.err.toStdString();
}

TEST(ScanAndBackupCommands, BadArgumentsAndAMissingPort) {
  QTemporaryDir dir;
  const QString missing = dir.filePath(QStringLiteral("no-such-port"));
  struct Case {
    QStringList args;
    int code;
  } const cases[] = {
      {{"scan", "--port", missing, "--networks", "0-5"}, ExitBadInput},
      {{"scan", "--port", missing, "--networks", "1-128"}, ExitBadInput},
      {{"scan", "--port", missing, "--protocol", "ft12", "--networks", "200-254", "--network", "3"}, ExitBadInput},
      {{"backup", "--port", missing}, ExitBadInput},
      {{"scan", "--port", missing, "--networks", "1-2"}, 1},
      {{"backup", "--port", missing, "--dir", dir.path()}, 1},
  };
  for (const Case& c : cases) {
    const CliRun r = RunCli(c.args);
    EXPECT_EQ(r.code, c.code) << c.args.join(' ').toStdString() << "\n" << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << c.args.join(' ').toStdString();
  }
}

}  // namespace
}  // namespace nastrum::cli
