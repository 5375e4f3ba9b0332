// nastrum-cli map as a program: it needs no display, even for its PDF.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "maps/map_test_image.h"
#include "model/settings_files.h"

namespace nastrum {
namespace {

TEST(CliMapProcess, WritesAPdfWithoutADisplay) {
  QTemporaryDir dir;
  const QString bfm = dir.filePath(QStringLiteral("plant.bfm"));
  ASSERT_TRUE(writeSettingsPair(bfm, testing::mapPlant(3)).settingsWritten);
  const QString pdf = dir.filePath(QStringLiteral("map11.pdf"));

  QProcess cli;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("QT_QPA_PLATFORM"));
  env.remove(QStringLiteral("DISPLAY"));
  env.remove(QStringLiteral("WAYLAND_DISPLAY"));
  cli.setProcessEnvironment(env);
  cli.start(QStringLiteral(NASTRUM_CLI_PATH), {QStringLiteral("map"), bfm, QStringLiteral("11"), QStringLiteral("--format=pdf"),
                                               QStringLiteral("--out"), pdf});
  ASSERT_TRUE(cli.waitForFinished(120000));
  EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().startsWith("%PDF"));
}

}  // namespace
}  // namespace nastrum
