// Runs the built nastrum-cli as a user would and checks its exit codes.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Result {
  int exitCode;
  QByteArray out;
  QByteArray err;
};

Result runCli(const QStringList& args) {
  QProcess process;
  process.start(QStringLiteral(NASTRUM_CLI_PATH), args);
  EXPECT_TRUE(process.waitForFinished(60000));
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

}  // namespace

TEST(CliProcess, ExitCodesOfNewDumpAndDiff) {
  QTemporaryDir dir;
  const QString a = dir.filePath(QStringLiteral("a.bfm"));
  const QString b = dir.filePath(QStringLiteral("b.bfm"));
  const QString c = dir.filePath(QStringLiteral("c.bfm"));

  EXPECT_EQ(runCli({}).exitCode, 2);
  EXPECT_EQ(runCli({QStringLiteral("new"), QStringLiteral("--kind"), QStringLiteral("2"), a}).exitCode, 0);
  EXPECT_EQ(runCli({QStringLiteral("new"), QStringLiteral("--kind"), QStringLiteral("2"), b}).exitCode, 0);
  EXPECT_EQ(runCli({QStringLiteral("new"), QStringLiteral("--kind"), QStringLiteral("1"), c}).exitCode, 0);

  const Result dump = runCli({QStringLiteral("dump"), a});
  EXPECT_EQ(dump.exitCode, 0);
  EXPECT_TRUE(dump.out.startsWith("DeviceKind = 2\n"));

  EXPECT_EQ(runCli({QStringLiteral("diff"), a, b}).exitCode, 0);
  const Result differs = runCli({QStringLiteral("diff"), a, c});
  EXPECT_EQ(differs.exitCode, 1);
  EXPECT_EQ(differs.out, QByteArray("DeviceKind: 2 -> 1\n"));

  const Result missing = runCli({QStringLiteral("dump"), dir.filePath(QStringLiteral("none.bfm"))});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_EQ(missing.err.count('\n'), 1);
}
