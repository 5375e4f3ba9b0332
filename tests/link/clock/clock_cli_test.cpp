// nastrum-cli clock reads and sets the clock of orvik-sim through a
// pseudo-terminal.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct CliRun {
  int exitCode;
  QByteArray out;
  QByteArray err;
};

CliRun Cli(const QStringList& args) {
  QProcess process;
  process.start(QStringLiteral(NASTRUM_CLI_PATH), args);
  EXPECT_TRUE(process.waitForFinished(60000));
  return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// orvik-sim on a pseudo-terminal for the life of the object.
class Simulator {
 public:
  Simulator(const QString& link, const QStringList& extra) {
    process_.start(QStringLiteral(ORVIK_SIM_PATH), QStringList{QStringLiteral("--link"), link} + extra);
    EXPECT_TRUE(process_.waitForStarted(10000));
    QByteArray first;
    while (!first.contains('\n') && process_.waitForReadyRead(20000)) first += process_.readAllStandardOutput();
  }
  ~Simulator() {
    process_.terminate();
    process_.waitForFinished(20000);
  }

 private:
  QProcess process_;
};

QStringList Args(const QString& link, const QStringList& more = {}) {
  return QStringList{QStringLiteral("clock"), QStringLiteral("--port"), link, QStringLiteral("--attempts"),
                     QStringLiteral("1"), QStringLiteral("--pause"), QStringLiteral("0")} +
         more;
}

TEST(ClockCommand, ReadsAndSetsTheDeviceClock) {
  QTemporaryDir dir;
  const QString link = dir.filePath(QStringLiteral("orvik"));
  Simulator sim(link, {QStringLiteral("--kind"), QStringLiteral("3"), QStringLiteral("--password"),
                       QStringLiteral("1234")});

  const CliRun read = Cli(Args(link));
  ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
  const QDateTime shown = QDateTime::fromString(QString::fromUtf8(read.out.trimmed()), QStringLiteral("yyyy-MM-dd HH:mm"));
  ASSERT_TRUE(shown.isValid()) << read.out.toStdString();
  EXPECT_LT(std::abs(shown.secsTo(QDateTime::currentDateTime())), 120) << "orvik-sim keeps the computer's time";
  EXPECT_TRUE(read.err.contains("Чтение времени прошло успешно.")) << read.err.toStdString();

  const CliRun refused = Cli(Args(link, {QStringLiteral("--set"), QStringLiteral("2005-03-07 09:05")}));
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_TRUE(refused.out.isEmpty());
  EXPECT_TRUE(refused.err.contains("Увы ! пароль не тот...")) << refused.err.toStdString();

  const CliRun set = Cli(Args(link, {QStringLiteral("--set"), QStringLiteral("2005-03-07 09:05"),
                                     QStringLiteral("--password"), QStringLiteral("1234")}));
  EXPECT_EQ(set.exitCode, 0) << set.err.toStdString();
  EXPECT_EQ(set.out, QByteArray("2005-03-07 09:05\n")) << "read back after the write";
  EXPECT_TRUE(set.err.contains("Запись времени прошло успешно.")) << set.err.toStdString();
  EXPECT_EQ(Cli(Args(link)).out, QByteArray("2005-03-07 09:05\n"));
}

TEST(ClockCommand, AnEarlyModelIsNeitherReadNorSet) {
  QTemporaryDir dir;
  const QString link = dir.filePath(QStringLiteral("orvik"));
  Simulator sim(link, {QStringLiteral("--kind"), QStringLiteral("0")});
  const CliRun read = Cli(Args(link));
  EXPECT_EQ(read.exitCode, 1);
  EXPECT_TRUE(read.out.isEmpty());
  EXPECT_TRUE(read.err.contains("Подключенный ОРВИК не соответствует настрокайм.")) << read.err.toStdString();
}

TEST(ClockCommand, BadArgumentsAndNoDevice) {
  QTemporaryDir dir;
  const QString missing = dir.filePath(QStringLiteral("missing"));
  for (const QStringList& more : {QStringList{"--set", "2005-13-07 09:05"}, QStringList{"--set", "tomorrow"},
                                  QStringList{"--set", "2005-02-29 09:05"}, QStringList{"--password", "1234"},
                                  QStringList{"--set", "now", "--password", "12345"}})
    EXPECT_EQ(Cli(Args(missing, more)).exitCode, 2) << more.join(' ').toStdString();
  EXPECT_EQ(Cli({QStringLiteral("clock")}).exitCode, 2) << "--port is required";

  const CliRun none = Cli(Args(missing));
  EXPECT_EQ(none.exitCode, 1);
  EXPECT_TRUE(none.out.isEmpty());
  EXPECT_TRUE(none.err.contains("the port could not be opened")) << none.err.toStdString();
}

}  // namespace
