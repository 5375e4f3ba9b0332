// Every fault the simulated device can show, under each link protocol, met by
// each exchange run: the run ends with the expected code and log line, a
// failed run never replaces the user's image nor leaves a file behind, the
// write and clock runs change the image in nothing but the write's converter
// adjustment, and the program never waits longer than the link's windows
// allow before it looks at the window again.
#include <algorithm>
#include <functional>
#include <optional>
#include <stdexcept>

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "link/clock/clock_runs.h"
#include "link/link_timing.h"
#include "link/read/device_backup.h"
#include "link/read/device_read_job.h"
#include "link/read/read_rig.h"
#include "link/runs/result_texts.h"
#include "link/runs/run_codes.h"
#include "link/safe_write/safe_write.h"
#include "link/write/converter_adjustment.h"
#include "link/write/device_write_run.h"
#include "model/reset_image.h"
#include "model/settings_record.h"
#include "support/temp_current_dir.h"

namespace nastrum::test {
namespace {

SettingsImage UsersImage() {
  SettingsImage image;
  EditorState editor;
  ResetImage(image, editor);
  image.deviceKind = 1;  // the device's kind: the write runs go ahead
  image.sensors[0].number = 0x0777;
  image.sensors[1].mainDescriptor = 0x9472;  // a converter the write adjusts
  image.sys(sys::TimeHHMM) = 905;
  image.sys(sys::DateDDMM) = 703;
  image.sys(sys::DateYear) = 2005;
  image.names.sensorNames[0].setBytes("user's own");
  return image;
}

// The rig of one run: a device of the small model whose fault plan the row sets.
struct MatrixRig : ReadRig {
  MatrixRig() {
    settings.attempts = 2;
    settings.pauseSeconds = 1;
    workspace.image = UsersImage();
    observer.onPump = [this] {
      longestQuiet = std::max(longestQuiet, clock.nowMs() - lastPump);
      lastPump = clock.nowMs();
    };
  }
  std::int64_t lastPump = 0;
  std::int64_t longestQuiet = 0;  // the longest stretch without a look at the window
};

// How one protocol's run ends: the failing code and the progress position
// the result line names, or done.
struct Ending {
  int code = run_code::kOk;
  int position = 0;
  const char* alsoLogged = nullptr;  // a line the run logs on the way
  const char* lastLine = nullptr;    // the failed run's last line, where it is not the run's usual one
};
constexpr Ending kDone{};

// A run of the exchange window, as the table drives it.
struct RunUnderTest {
  const char* name;
  std::function<RunOutcome(MatrixRig&)> start;
  const char* doneLine;  // the last log line of a run that went well
  std::function<QString(const Ending&)> failedLine;  // the last log line of a failed run
  bool bringsImage;      // a good run replaces the user's image with the device's
};

QString ResultLine(const Ending& ending) {
  return QString::number(ending.position) + QStringLiteral("   ") + ResultText(ending.code);
}

RunOutcome ClockRead(MatrixRig& rig) {
  RunContext ctx = rig.ctx();
  std::optional<QDateTime> reading;
  const RunOutcome outcome = RunClockRead(ctx, reading);
  EXPECT_EQ(reading.has_value(), outcome.done) << "a reading only from a good run";
  return outcome;
}

// Where the safe write keeps its backups: outside the current folder, which
// a run must leave empty, and the same for every row so its lines are known.
QString BackupRoot() {
  static const QTemporaryDir dir;
  return dir.path();
}
const QDateTime kBackupTime(QDate(2026, 12, 11), QTime(3, 0, 0));

// The safe write's last line after a failed write: where the device's settings from before are.
QString BackupLine(const Ending&) {
  return QStringLiteral("Настройки прибора до записи: ") +
         QDir::toNativeSeparators(BackupSettingsPath(BackupRoot(), 0x1234, kBackupTime));
}

const RunUnderTest kRuns[] = {
    {"read", [](MatrixRig& rig) {
       DeviceReadJob job;
       RunContext ctx = rig.ctx();
       const RunOutcome outcome = job.run(ctx, ReadChoice::Constants);
       if (job.result()) rig.workspace.image = *job.result();  // the main window's takeover
       return outcome;
     },
     "Чтение прошло успешно.", ResultLine, true},
    {"names", [](MatrixRig& rig) {
       DeviceReadJob job;
       RunContext ctx = rig.ctx();
       const RunOutcome outcome = job.run(ctx, ReadChoice::Names);
       if (job.result()) rig.workspace.image = *job.result();
       return outcome;
     },
     "Чтение прошло успешно.", ResultLine, true},
    {"write",
     [](MatrixRig& rig) {
       RunContext ctx = rig.ctx();
       FixedWriteAnswerer answers(false, true);
       const DeviceWriteOutcome outcome =
           RunDeviceWrite(ctx, WriteRequest{WriteChoice::Constants, WriteGroups::all()}, answers);
       return RunOutcome{outcome.result, outcome.succeeded()};
     },
     "Поздравляю, все прошло удачно!", [](const Ending& ending) { return ResultText(ending.code); }, false},
    // A backup read, the one item the converter adjustment changed, and its read-back.
    {"safe-write",
     [](MatrixRig& rig) {
       RunContext ctx = rig.ctx();
       FixedWriteAnswerer answers(false, true);
       SafeWriteOptions options;
       options.backupRoot = BackupRoot();
       options.when = kBackupTime;
       const SafeWriteOutcome outcome =
           RunSafeWrite(ctx, WriteRequest{WriteChoice::Constants, WriteGroups::all()}, options, answers);
       return RunOutcome{outcome.result, outcome.succeeded()};
     },
     "Поздравляю, все прошло удачно!", BackupLine, false},
    {"clock-read", ClockRead, "Чтение времени прошло успешно.",
     [](const Ending&) { return QStringLiteral("Ошибка чтения."); }, false},
    {"clock-write",
     [](MatrixRig& rig) {
       RunContext ctx = rig.ctx();
       return RunClockWrite(ctx, ImageClockRunning(rig.workspace.image, [&rig] { return rig.clock.nowMs(); }));
     },
     "Запись времени прошло успешно.",
     // The usual failure is the connection's: nothing after it is tried.
     [](const Ending& ending) { return QStringLiteral("Подключенный прибор: ") + ResultText(ending.code); }, false},
};

// The longest the program may go without looking at the window: one
// exchange that fails both its link attempts at 9600 baud (speed class 3) in
// the slowest protocol, FT1.2 (first byte d s, body window d x 0.864 s,
// trailer d s), with the link's 3 s pause between the attempts.
constexpr int kSpeedClass = 3;
constexpr std::int64_t kSlowestAttemptMs = 2 * kSpeedClass * 1000 + ReplyWindowMs(kSpeedClass);
constexpr std::int64_t kWorstExchangeMs = 2 * kSlowestAttemptMs + 3000;
// A failed run: the failing exchange in both run-level attempts, the pause
// between them, and a few seconds for the exchanges that went well before.
constexpr std::int64_t kWorstFailedRunMs = 2 * kWorstExchangeMs + 1000 + 5000;

struct Row {
  const char* fault;  // as the simulator's --fault option takes it
  const char* run;
  Ending byProtocol[3];  // "Традиционный", "FT1.2", "FT1.1"
};

constexpr const char* kNoKey = "Установите электроный ключ.";
constexpr const char* kWrongPassword = "Увы ! пароль не тот...   OK";
constexpr const char* kNoStop = "ОРВИК не перешел в режим СТОП, попробуйте снова";
constexpr const char* kNoReprogramming = "ОРВИК не перешел в режим репрограммации, попробуйте снова";
// The access check's line when its password exchange fails.
constexpr const char* kPasswordNoAnswer = "Увы ! пароль не тот...   Нет ответа от ОРВИК ";
constexpr const char* kPasswordNoAck = "Увы ! пароль не тот...   Нет подтверждения на передачу запроса в ОРВИК";
constexpr const char* kNoAnswerText = "  Нет ответа от ОРВИК ";
constexpr const char* kNoAckText = "  Нет подтверждения на передачу запроса в ОРВИК";
constexpr const char* kNoBackup = "Запись отменена: нет копии настроек прибора. В ОРВИК ничего не записано.";
constexpr const char* kVerifyNoAnswer = "Проверка: не прочитано значение параметра 0x0100  Нет ответа от ОРВИК ";
constexpr const char* kVerifyNoAck =
    "Проверка: не прочитано значение параметра 0x0100  Нет подтверждения на передачу запроса в ОРВИК";
// Sensor 2's main descriptor, the one item the converter adjustment changed.
constexpr const char* kValueKeptWrong =
    "Ошибка проверки: значение параметра 0x0100 не совпадает: записано 95 02, в ОРВИК 95 FD";

const Row kMatrix[] = {
    {"none", "read", {kDone, kDone, kDone}},
    {"noanswer", "read", {{1}, {1}, {2}}},
    {"nak", "read", {{3}, {38}, {2}}},
    {"checksum", "read", {{4}, {36}, {31}}},
    {"short", "read", {{5}, {5}, {5}}},
    {"garbage", "read", {kDone, {1}, {30}}},
    {"echo", "read", {kDone, kDone, kDone}},
    {"stop@8", "read", {{1, 6}, {1, 6}, {2, 6}}},
    {"nak:once", "read", {kDone, kDone, kDone}},
    {"noanswer:once@2", "read", {kDone, kDone, kDone}},
    // The constants need neither key nor password, nor STOP, reprogramming or the loader.
    {"no-key", "read", {kDone, kDone, kDone}},
    {"wrong-password", "read", {kDone, kDone, kDone}},
    {"refuse-stop", "read", {kDone, kDone, kDone}},
    {"refuse-reprog", "read", {kDone, kDone, kDone}},
    {"completion=48", "read", {kDone, kDone, kDone}},
    {"completion=none", "read", {kDone, kDone, kDone}},
    {"corrupt", "read", {kDone, kDone, kDone}},

    {"none", "names", {kDone, kDone, kDone}},
    {"noanswer", "names", {{1}, {1}, {2}}},
    {"nak", "names", {{3}, {38}, {2}}},
    {"checksum", "names", {{4}, {36}, {31}}},
    {"short", "names", {{5}, {5}, {5}}},
    {"garbage", "names", {kDone, {1}, {30}}},
    {"echo", "names", {kDone, kDone, kDone}},
    {"stop@5", "names", {{1}, {1}, {1}}},
    {"stop@8", "names", {{1}, {1}, {2}}},
    {"nak:once", "names", {kDone, kDone, kDone}},
    {"noanswer:once@2", "names", {kDone, kDone, kDone}},
    // Every refusal of the access check ends the run with "no answer".
    {"no-key", "names", {{1, 0, kNoKey}, {1, 0, kNoKey}, {1, 0, kNoKey}}},
    {"wrong-password", "names", {{1, 0, kWrongPassword}, {1, 0, kWrongPassword}, {1, 0, kWrongPassword}}},
    {"refuse-stop", "names", {kDone, kDone, kDone}},
    {"refuse-reprog", "names", {kDone, kDone, kDone}},
    {"completion=48", "names", {kDone, kDone, kDone}},
    {"completion=none", "names", {kDone, kDone, kDone}},
    {"corrupt", "names", {kDone, kDone, kDone}},

    // A write of every constants group: it needs the key, the password, STOP
    // and the reprogramming mode, but not the loader.
    {"none", "write", {kDone, kDone, kDone}},
    {"noanswer", "write", {{1}, {1}, {2}}},
    {"nak", "write", {{3}, {38}, {2}}},
    {"checksum", "write", {{4}, {36}, {31}}},
    {"short", "write", {{5}, {5}, {5}}},
    {"garbage", "write", {kDone, {1}, {30}}},
    {"echo", "write", {kDone, kDone, kDone}},
    {"stop@5", "write", {{1}, {1}, {1}}},
    {"stop@8", "write", {{1}, {1}, {2}}},
    {"nak:once", "write", {kDone, kDone, kDone}},
    {"noanswer:once@2", "write", {kDone, kDone, kDone}},
    {"no-key", "write", {{1, 0, kNoKey}, {1, 0, kNoKey}, {1, 0, kNoKey}}},
    {"wrong-password", "write", {{1, 0, kWrongPassword}, {1, 0, kWrongPassword}, {1, 0, kWrongPassword}}},
    {"refuse-stop", "write", {{1, 0, kNoStop}, {1, 0, kNoStop}, {1, 0, kNoStop}}},
    {"refuse-reprog", "write", {{1, 0, kNoReprogramming}, {1, 0, kNoReprogramming}, {1, 0, kNoReprogramming}}},
    {"completion=48", "write", {kDone, kDone, kDone}},
    {"completion=none", "write", {kDone, kDone, kDone}},
    // A write that does not read back never notices.
    {"corrupt", "write", {kDone, kDone, kDone}},

    // The safe write: a fault that silences the device fails the backup read,
    // and nothing is written; one that refuses what only a write asks fails
    // the write after the backup; a value kept wrong fails the read-back.
    {"none", "safe-write", {kDone, kDone, kDone}},
    {"noanswer", "safe-write", {{1, 0, nullptr, kNoBackup}, {1, 0, nullptr, kNoBackup}, {2, 0, nullptr, kNoBackup}}},
    {"nak", "safe-write", {{3, 0, nullptr, kNoBackup}, {38, 0, nullptr, kNoBackup}, {2, 0, nullptr, kNoBackup}}},
    {"checksum", "safe-write", {{4, 0, nullptr, kNoBackup}, {36, 0, nullptr, kNoBackup}, {31, 0, nullptr, kNoBackup}}},
    {"short", "safe-write", {{5, 0, nullptr, kNoBackup}, {5, 0, nullptr, kNoBackup}, {5, 0, nullptr, kNoBackup}}},
    {"garbage", "safe-write", {kDone, {1, 0, nullptr, kNoBackup}, {30, 0, nullptr, kNoBackup}}},
    {"echo", "safe-write", {kDone, kDone, kDone}},
    {"stop@8", "safe-write", {{1, 0, nullptr, kNoBackup}, {1, 0, nullptr, kNoBackup}, {2, 0, nullptr, kNoBackup}}},
    // Silent from the read-back on: the write is in, its proof is not.
    {"stop@634", "safe-write",
     {{1, 0, kVerifyNoAnswer}, {1, 0, kVerifyNoAnswer}, {2, 0, kVerifyNoAck}}},
    {"nak:once", "safe-write", {kDone, kDone, kDone}},
    {"noanswer:once@2", "safe-write", {kDone, kDone, kDone}},
    {"no-key", "safe-write", {{1, 0, kNoKey}, {1, 0, kNoKey}, {1, 0, kNoKey}}},
    {"wrong-password", "safe-write", {{1, 0, kWrongPassword}, {1, 0, kWrongPassword}, {1, 0, kWrongPassword}}},
    {"refuse-stop", "safe-write", {{1, 0, kNoStop}, {1, 0, kNoStop}, {1, 0, kNoStop}}},
    {"refuse-reprog", "safe-write", {{1, 0, kNoReprogramming}, {1, 0, kNoReprogramming}, {1, 0, kNoReprogramming}}},
    {"completion=48", "safe-write", {kDone, kDone, kDone}},
    {"completion=none", "safe-write", {kDone, kDone, kDone}},
    {"corrupt", "safe-write",
     {{run_code::kVerifyMismatch, 0, kValueKeptWrong}, {run_code::kVerifyMismatch, 0, kValueKeptWrong},
      {run_code::kVerifyMismatch, 0, kValueKeptWrong}}},

    // The clock runs identify the device once, without the run's second
    // attempt: under FT1.2, whose link does not repeat a refused request, one
    // refusal of the identification ends them.
    {"none", "clock-read", {kDone, kDone, kDone}},
    {"noanswer", "clock-read", {{1}, {1}, {2}}},
    {"nak", "clock-read", {{3}, {38}, {2}}},
    {"checksum", "clock-read", {{4}, {36}, {31}}},
    {"short", "clock-read", {{5}, {5}, {5}}},
    {"garbage", "clock-read", {kDone, {1}, {30}}},
    {"echo", "clock-read", {kDone, kDone, kDone}},
    {"stop@5", "clock-read", {{1}, {1}, {2}}},
    {"stop@8", "clock-read", {kDone, kDone, kDone}},  // all its requests come before
    {"nak:once", "clock-read", {kDone, {38}, kDone}},
    {"noanswer:once@2", "clock-read", {kDone, kDone, kDone}},
    // Reading the clock needs neither key nor password, nor STOP, reprogramming or the loader.
    {"no-key", "clock-read", {kDone, kDone, kDone}},
    {"wrong-password", "clock-read", {kDone, kDone, kDone}},
    {"refuse-stop", "clock-read", {kDone, kDone, kDone}},
    {"refuse-reprog", "clock-read", {kDone, kDone, kDone}},
    {"completion=48", "clock-read", {kDone, kDone, kDone}},
    {"completion=none", "clock-read", {kDone, kDone, kDone}},
    {"corrupt", "clock-read", {kDone, kDone, kDone}},

    {"none", "clock-write", {kDone, kDone, kDone}},
    {"noanswer", "clock-write", {{1}, {1}, {2}}},
    {"nak", "clock-write", {{3}, {38}, {2}}},
    {"checksum", "clock-write", {{4}, {36}, {31}}},
    {"short", "clock-write", {{5}, {5}, {5}}},
    {"garbage", "clock-write", {kDone, {1}, {30}}},
    {"echo", "clock-write", {kDone, kDone, kDone}},
    // Silent from the password on: the access check ends the run with "no answer".
    {"stop@5", "clock-write",
     {{1, 0, nullptr, kPasswordNoAnswer}, {1, 0, nullptr, kPasswordNoAnswer}, {1, 0, nullptr, kPasswordNoAck}}},
    // Silent amid the clock's words: the write says why.
    {"stop@8", "clock-write", {{1, 0, nullptr, kNoAnswerText}, {1, 0, nullptr, kNoAnswerText}, {2, 0, nullptr, kNoAckText}}},
    {"nak:once", "clock-write", {kDone, {38}, kDone}},
    {"noanswer:once@2", "clock-write", {kDone, kDone, kDone}},
    {"no-key", "clock-write", {{1, 0, nullptr, kNoKey}, {1, 0, nullptr, kNoKey}, {1, 0, nullptr, kNoKey}}},
    {"wrong-password", "clock-write",
     {{1, 0, nullptr, kWrongPassword}, {1, 0, nullptr, kWrongPassword}, {1, 0, nullptr, kWrongPassword}}},
    // Setting the clock needs neither STOP, reprogramming nor the loader.
    {"refuse-stop", "clock-write", {kDone, kDone, kDone}},
    {"refuse-reprog", "clock-write", {kDone, kDone, kDone}},
    {"completion=48", "clock-write", {kDone, kDone, kDone}},
    {"completion=none", "clock-write", {kDone, kDone, kDone}},
    {"corrupt", "clock-write", {kDone, kDone, kDone}},

};

const RunUnderTest& runNamed(const QString& name) {
  for (const RunUnderTest& run : kRuns)
    if (QString::fromUtf8(run.name) == name) return run;
  throw std::logic_error("no such run");
}

TEST(FaultMatrix, EveryFaultUnderEveryProtocol) {
  const SettingsImage users = UsersImage();
  for (const Row& row : kMatrix)
    for (int protocol = 0; protocol < 3; ++protocol) {
      const Ending& want = row.byProtocol[protocol];
      SCOPED_TRACE(QStringLiteral("%1 run, fault %2, protocol %3").arg(row.run, row.fault).arg(protocol).toStdString());
      TempCurrentDir dir;
      MatrixRig rig;
      ChooseProtocol(rig.settings, protocolOfItem(protocol));
      SettingsImage deviceImage = UsersImage();
      deviceImage.names.sensorNames[0].setBytes("device's own");
      sim::SimulatedDevice& device = rig.addDevice(1, deviceImage);
      const QString fault = QString::fromUtf8(row.fault);
      if (fault == QStringLiteral("echo")) rig.settings.lineKind = LineKind::TwoWire;  // the two-wire loop hears itself
      if (fault != QStringLiteral("none")) {
        const std::optional<sim::Fault> parsed = sim::parseFault(fault);
        ASSERT_TRUE(parsed);
        device.faults().add(*parsed);
      }

      const RunUnderTest& run = runNamed(QString::fromUtf8(row.run));
      const RunOutcome outcome = run.start(rig);

      EXPECT_EQ(outcome.result, want.code);
      EXPECT_EQ(outcome.done, want.code == run_code::kOk);
      ASSERT_FALSE(rig.observer.log.isEmpty());
      const QString last = want.code == run_code::kOk ? QString::fromUtf8(run.doneLine)
                           : want.lastLine     ? QString::fromUtf8(want.lastLine)
                                               : run.failedLine(want);
      EXPECT_EQ(rig.observer.log.last(), last);
      if (want.alsoLogged) {
        EXPECT_TRUE(rig.observer.log.contains(QString::fromUtf8(want.alsoLogged)))
            << rig.observer.log.join(u'|').toStdString();
      }

      // A write adjusts the converters of the image it sends, and changes it in nothing else.
      SettingsImage kept = users;
      const QString runName = QString::fromUtf8(row.run);
      if (runName == QStringLiteral("write") || runName == QStringLiteral("safe-write")) AdjustConverters(kept);
      const bool imageKept = encodeSettingsRecord(rig.workspace.image) == encodeSettingsRecord(kept) &&
                             encodeNamesRecord(rig.workspace.image.names) == encodeNamesRecord(kept.names);
      if (run.bringsImage) {
        EXPECT_EQ(imageKept, outcome.failed()) << "a failed run keeps the user's image; a good one brings the device's";
      } else {
        EXPECT_TRUE(imageKept) << "the run leaves the user's image as it was";
      }
      EXPECT_TRUE(QDir::current().entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden).isEmpty());

      EXPECT_LE(rig.longestQuiet, kWorstExchangeMs);
      // The safe write's failures may come after a whole backup read that went well.
      if (outcome.failed() && QString::fromUtf8(row.run) != QStringLiteral("safe-write")) {
        EXPECT_LE(rig.clock.nowMs(), kWorstFailedRunMs);
      }
    }
}

// A fault the simulator learns is met by every run of the matrix.
TEST(FaultMatrix, CoversEveryFaultOfTheSimulator) {
  for (const RunUnderTest& run : kRuns)
    for (const QString& name : sim::faultNames()) {
      const bool covered = std::any_of(std::begin(kMatrix), std::end(kMatrix), [&](const Row& row) {
        const std::optional<sim::Fault> parsed = sim::parseFault(QString::fromUtf8(row.fault));
        return QString::fromUtf8(row.run) == QString::fromUtf8(run.name) && parsed && sim::faultName(parsed->kind) == name;
      });
      EXPECT_TRUE(covered) << run.name << " run meets no " << name.toStdString();
    }
}

}  // namespace
}  // namespace nastrum::test
