// Every fault the simulated device can show, under each link protocol, met by
// each exchange run: the run ends with the expected code and log line, a
// failed run never replaces the user's image nor leaves a file behind, and
// the program never waits longer than the link's windows allow before it
// looks at the window again.
#include <algorithm>
#include <functional>
#include <optional>
#include <stdexcept>

#include <gtest/gtest.h>

#include <QDir>

#include "link/link_timing.h"
#include "link/read/device_read_job.h"
#include "link/read/read_rig.h"
#include "link/runs/result_texts.h"
#include "model/reset_image.h"
#include "model/settings_record.h"
#include "support/temp_current_dir.h"

namespace nastrum::test {
namespace {

SettingsImage UsersImage() {
  SettingsImage image;
  EditorState editor;
  ResetImage(image, editor);
  image.deviceKind = 2;
  image.sensors[0].number = 0x0777;
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

// A run of the exchange window, as the table drives it. The write and clock
// runs join the matrix as rows here.
struct RunUnderTest {
  const char* name;
  std::function<RunOutcome(MatrixRig&)> start;
};

const RunUnderTest kRuns[] = {
    {"read", [](MatrixRig& rig) {
       DeviceReadJob job;
       RunContext ctx = rig.ctx();
       const RunOutcome outcome = job.run(ctx, ReadChoice::Constants);
       if (job.result()) rig.workspace.image = *job.result();  // the main window's takeover
       return outcome;
     }},
    {"names", [](MatrixRig& rig) {
       DeviceReadJob job;
       RunContext ctx = rig.ctx();
       const RunOutcome outcome = job.run(ctx, ReadChoice::Names);
       if (job.result()) rig.workspace.image = *job.result();
       return outcome;
     }},
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

// How one protocol's run ends: the failing code and the progress position
// the result line names, or done.
struct Ending {
  int code = run_code::kOk;
  int position = 0;
  const char* alsoLogged = nullptr;  // a line the run logs on the way
};
constexpr Ending kDone{};

struct Row {
  const char* fault;  // as the simulator's --fault option takes it
  const char* run;
  Ending byProtocol[3];  // "Традиционный", "FT1.2", "FT1.1"
};

constexpr const char* kNoKey = "Установите электроный ключ.";
constexpr const char* kWrongPassword = "Увы ! пароль не тот...   OK";

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
      ChooseProtocol(rig.settings, protocol);
      SettingsImage deviceImage = UsersImage();
      deviceImage.names.sensorNames[0].setBytes("device's own");
      sim::SimulatedDevice& device = rig.addDevice(1, deviceImage);
      const QString fault = QString::fromUtf8(row.fault);
      if (fault == QStringLiteral("echo")) rig.settings.lineKind = 2;  // the two-wire loop hears itself
      if (fault != QStringLiteral("none")) {
        const std::optional<sim::Fault> parsed = sim::parseFault(fault);
        ASSERT_TRUE(parsed);
        device.faults().add(*parsed);
      }

      const RunOutcome outcome = runNamed(QString::fromUtf8(row.run)).start(rig);

      EXPECT_EQ(outcome.result, want.code);
      EXPECT_EQ(outcome.done, want.code == run_code::kOk);
      ASSERT_FALSE(rig.observer.log.isEmpty());
      const QString last = want.code == run_code::kOk
                               ? QStringLiteral("Чтение прошло успешно.")
                               : QString::number(want.position) + QStringLiteral("   ") + ResultText(want.code);
      EXPECT_EQ(rig.observer.log.last(), last);
      if (want.alsoLogged) {
        EXPECT_TRUE(rig.observer.log.contains(QString::fromUtf8(want.alsoLogged)))
            << rig.observer.log.join(u'|').toStdString();
      }

      const bool imageKept = encodeSettingsRecord(rig.workspace.image) == encodeSettingsRecord(users) &&
                             encodeNamesRecord(rig.workspace.image.names) == encodeNamesRecord(users.names);
      EXPECT_EQ(imageKept, outcome.failed()) << "a failed run keeps the user's image; a good one brings the device's";
      EXPECT_TRUE(QDir::current().entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden).isEmpty());

      EXPECT_LE(rig.longestQuiet, kWorstExchangeMs);
      if (outcome.failed()) {
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
