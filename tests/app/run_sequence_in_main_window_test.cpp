// Runs one after another in one program, as a user makes them: every run
// does what its own opener chose, whatever an earlier run left in the
// exchange window, and names that were never read are not written over the
// device's without asking.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <deque>
#include <functional>

#include <gtest/gtest.h>

#include "app_rig.h"
#include "editor/pages/time/ui/time_page_widget.h"
#include "link/runs/device_text.h"
#include "link/runs/link_device_session.h"
#include "link/ui/exchange_window.h"
#include "link/write/ui/write_group_window.h"
#include "sim/demo_image.h"
#include "sim/device_port.h"
#include "sim/sim_serial_line.h"
#include "model/cp1251.h"
#include "sim/simulated_device.h"

namespace nastrum {
namespace {

constexpr std::uint16_t kPassword = 0x5A3C;

struct DeviceOnLine {
  DeviceOnLine() {
    sim::DeviceConfig config;
    config.modelCode = 2;
    config.factoryNumber = 0x0A7F;
    config.password = kPassword;
    // The demonstration plant passes the check: nothing to correct between the runs.
    device.emplace(config, sim::demoPlantImage(), simClock);
    port.emplace(*device);
    line.attach(*port);
  }
  VirtualClock simClock;
  sim::SimSerialLine line{simClock};
  std::optional<sim::SimulatedDevice> device;
  std::optional<sim::DevicePort> port;
};

// What one run left to see.
struct RunSeen {
  QString startCaption;
  QString log;
  int progress = -1, progressMaximum = -1;
};

class RunSequence : public ::testing::Test, protected DeviceOnLine, protected AppRig {
 protected:
  RunSequence() {
    makeLink = [this] { return std::make_unique<LinkDeviceSession>(line, simClock); };
    exchange.settings().attempts = 1;
    exchange.settings().pauseSeconds = 0;
    exchange.settings().backupRoot = backups.path();
    boxes.acknowledgeOkBoxes();
    time = form.findChild<TimePageWidget*>(QStringLiteral("pageTime"));
    time->setCountdownStepMs(0);
    // 21:00:00 when the clock write starts, however long the runs before took on the line's clock.
    time->setComputerClock(
        [this] { return QDateTime(QDate(2026, 12, 10), QTime(21, 0, 0)).addMSecs(simClock.nowMs() - clockStartMs); });
  }

  // When the exchange window shows: `prepare`, then its start button (the
  // clock modes start by themselves), then close once the run has ended.
  void answerExchange(const std::function<void()>& prepare = {}) {
    QTimer::singleShot(0, &exchange, [this, prepare] {
      if (prepare) prepare();
      if (exchange.mode() == kReadMode || exchange.mode() == kWriteMode) {
        seen.startCaption = exchange.findChild<QPushButton*>(QStringLiteral("Set_OnLine"))->text();
        // The run goes on inside the click: the window of the changes is answered meanwhile.
        QTimer accepter;
        QObject::connect(&accepter, &QTimer::timeout, &exchange, [this] { acceptChanges(); });
        accepter.start(10);
        exchange.findChild<QPushButton*>(QStringLiteral("Set_OnLine"))->click();
      }
      closeWhenEnded();
    });
  }
  // "Записать" in the window of the changes a write shows once the device is backed up.
  void acceptChanges() {
    if (auto* changes = exchange.findChild<QDialog*>(QStringLiteral("WritePreview")); changes && changes->isVisible())
      changes->findChild<QPushButton*>(QStringLiteral("writeButton"))->click();
  }
  void closeWhenEnded() {
    auto* poll = new QTimer(&exchange);
    QObject::connect(poll, &QTimer::timeout, &exchange, [this, poll] {
      const QString text = exchange.findChild<QPlainTextEdit*>(QStringLiteral("M"))->toPlainText();
      if (!text.contains(QStringLiteral("** Конец обмена **"))) return;
      seen.log = text;
      auto* bar = exchange.findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
      seen.progress = bar->value();
      seen.progressMaximum = bar->maximum();
      poll->deleteLater();
      exchange.close();
    });
    poll->start(0);
  }
  void password() { exchange.setPassword(QStringLiteral("5A3C")); }

  void readConstants() {
    seen = {};
    answerExchange();
    action("readAction")->trigger();
  }
  void readNames() {
    seen = {};
    answerExchange([this] {
      exchange.findChild<QAbstractButton*>(QStringLiteral("RadioGroup1_1"))->click();
      password();
    });
    action("readAction")->trigger();
  }
  // "Запись в ОРВИК" with the group window answered: names, or these group boxes.
  void write(bool names, std::initializer_list<int> boxes = {}) {
    seen = {};
    ws.editor.accessLevel = 1;  // a read starts a new file, which ends the privilege
    auto* groups = form.findChild<WriteGroupWindow*>(QStringLiteral("Tviborform"));
    QTimer::singleShot(0, groups, [this, groups, names, boxes] {
      for (int n = 1; n <= 5; ++n) groups->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n))->setChecked(false);
      groups->findChild<QAbstractButton*>(names ? QStringLiteral("RadioGroup1_1") : QStringLiteral("RadioGroup1_0"))->click();
      for (int n : boxes) groups->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n))->setChecked(true);
      answerExchange([this] { password(); });
      groups->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    });
    action("writeAction")->trigger();
  }
  void readClock() {
    seen = {};
    answerExchange();
    time->findChild<QPushButton*>(QStringLiteral("Button5"))->click();
  }
  void writeClock() {
    seen = {};
    clockStartMs = simClock.nowMs();
    time->page().setDeviceTime(QTime(21, 0, 57));  // no countdown
    time->findChild<QPushButton*>(QStringLiteral("sync_b"))->click();
    answerExchange();
    time->findChild<QLineEdit*>(QStringLiteral("Edit26"))->setText(QStringLiteral("5A3C"));
    time->findChild<QPushButton*>(QStringLiteral("Button4"))->click();
  }

  ExchangeWindow& exchange = program.exchangeWindow();
  TimePageWidget* time = nullptr;
  RunSeen seen;
  QTemporaryDir backups;  // where the writes back the device up
  std::int64_t clockStartMs = 0;
};

TEST_F(RunSequence, ANamesWriteAfterAConstantsWriteWritesTheNamesAndNoParameter) {
  readConstants();
  ASSERT_TRUE(ws.run.runDone) << seen.log.toStdString();
  EXPECT_EQ(seen.startCaption, QStringLiteral("Чтение параметров"));
  ws.image.sys(sys::DevicePassword) = kPassword;  // the password stays as it is
  ws.image.sensors[0].const1 = 12.5;
  ws.image.names.sensorNames[0].setBytes(toCp1251(QStringLiteral("Подача")));  // typed on the sensor page
  form.imageModified();

  boxes.then(AnswerYes);  // "Перевести ОРВИК в режим работы?"
  write(false, {1});
  EXPECT_EQ(seen.startCaption, QStringLiteral("Запись параметров"));
  EXPECT_TRUE(seen.log.contains(QStringLiteral("Поздравляю, все прошло удачно!"))) << seen.log.toStdString();
  EXPECT_EQ(seen.progress, seen.progressMaximum) << "the bar ends full";
  EXPECT_EQ(device->exportImage().sensors[0].const1, 12.5);

  const int parameterWrites = device->writesAccepted();
  const int namesCommits = device->namesCommits();
  boxes.then(AnswerYes);
  write(true);
  EXPECT_EQ(seen.startCaption, QStringLiteral("Запись имен"));
  EXPECT_TRUE(seen.log.contains(QStringLiteral("Запись имен"))) << seen.log.toStdString();
  EXPECT_FALSE(seen.log.contains(QStringLiteral("репрограммации"))) << seen.log.toStdString();
  EXPECT_TRUE(seen.log.contains(QStringLiteral("Поздравляю, все прошло удачно!"))) << seen.log.toStdString();
  EXPECT_EQ(seen.progress, seen.progressMaximum) << "the bar ends full";
  EXPECT_EQ(device->namesCommits(), namesCommits + 1);
  EXPECT_EQ(device->writesAccepted(), parameterWrites) << "no parameter was written";
  EXPECT_TRUE(device->namesMemory().contains(EncodeDeviceText(toCp1251(QStringLiteral("Подача"))).left(6)));
}

// Each run of a sequence does what its opener chose, in every order.
TEST_F(RunSequence, EveryRunKeepsItsOwnChoiceWhateverCameBefore) {
  readConstants();
  ASSERT_TRUE(ws.run.runDone);
  ws.image.sys(sys::DevicePassword) = kPassword;
  ws.image.names.sensorNames[1].setBytes(toCp1251(QStringLiteral("Обратка")));

  struct Step {
    const char* name;
    std::function<void()> run;
    QString caption;      // the start button's caption, empty for the clock runs
    QString logs;         // a line the run writes
    QString neverLogs;    // a line of another run
  };
  const std::vector<Step> steps = {
      {"write names", [this] { boxes.then(AnswerNo); write(true); }, QStringLiteral("Запись имен"),
       QStringLiteral("Запись имен"), QStringLiteral("режим репрограммации")},
      {"read names", [this] { readNames(); }, QStringLiteral("Чтение имен"), QStringLiteral("** Обмен с ОРВИК **"),
       QStringLiteral("Запись")},
      {"write constants", [this] { boxes.then(AnswerNo); write(false, {1, 3}); }, QStringLiteral("Запись параметров"),
       QStringLiteral("режим репрограммации"), QStringLiteral("Запись имен")},
      {"clock read", [this] { readClock(); }, {}, QStringLiteral("Чтение времени прошло успешно."),
       QStringLiteral("Запись")},
      {"write names again", [this] { boxes.then(AnswerNo); write(true); }, QStringLiteral("Запись имен"),
       QStringLiteral("Запись имен"), QStringLiteral("режим репрограммации")},
      {"clock write", [this] { writeClock(); }, {}, QStringLiteral("Запись времени прошло успешно."),
       QStringLiteral("Запись имен")},
      {"read constants", [this] { readConstants(); }, QStringLiteral("Чтение параметров"),
       QStringLiteral("** Обмен с ОРВИК **"), QStringLiteral("Запись")},
      {"write constants again", [this] { boxes.then(AnswerNo); write(false, {1}); }, QStringLiteral("Запись параметров"),
       QStringLiteral("режим репрограммации"), QStringLiteral("Запись имен")},
  };
  int stepNumber = 0;
  for (const Step& step : steps) {
    // A read of constants opens a new file: the names typed before are gone
    // and a names write would ask; keep one name typed. Each write has
    // something to change: a device that holds it already is left alone.
    ++stepNumber;
    ws.image.names.sensorNames[1].setBytes(toCp1251(QStringLiteral("Обратка %1").arg(stepNumber)));
    ws.image.sensors[0].const1 = 10.0 + stepNumber;
    ws.image.sys(sys::DevicePassword) = kPassword;
    form.flows().document().markUnmodified();  // no question about saving before a read
    const int commits = device->namesCommits();
    step.run();
    for (int guard = 0; (time->countingDown() || seen.log.isEmpty()) && guard < 100000; ++guard)
      QCoreApplication::processEvents();
    ASSERT_FALSE(seen.log.isEmpty()) << step.name << ": the run did not end";
    if (!step.caption.isEmpty()) {
      EXPECT_EQ(seen.startCaption, step.caption) << step.name;
    }
    EXPECT_TRUE(seen.log.contains(step.logs)) << step.name << "\n" << seen.log.toStdString();
    EXPECT_FALSE(seen.log.contains(step.neverLogs)) << step.name << "\n" << seen.log.toStdString();
    EXPECT_EQ(device->namesCommits() - commits, step.caption == QStringLiteral("Запись имен") ? 1 : 0) << step.name;
  }
}

TEST_F(RunSequence, BlankNamesAreWrittenOnlyWhenTheUserSaysSo) {
  readConstants();  // a constants read leaves the names empty
  ASSERT_TRUE(ws.run.runDone);
  ws.image.sys(sys::DevicePassword) = kPassword;
  const QByteArray deviceNames = device->namesMemory();

  // "Отмена": nothing at all.
  boxes.then(AnswerCancel);
  auto* groups = form.findChild<WriteGroupWindow*>(QStringLiteral("Tviborform"));
  bool exchangeOpened = false;
  QTimer::singleShot(0, groups, [this, groups, &exchangeOpened] {
    groups->findChild<QAbstractButton*>(QStringLiteral("RadioGroup1_1"))->click();
    QTimer::singleShot(0, &exchange, [this, &exchangeOpened] {
      exchangeOpened = exchange.isVisible();
      exchange.close();
    });
    groups->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
  });
  action("writeAction")->trigger();
  QCoreApplication::processEvents();
  EXPECT_FALSE(exchangeOpened);
  EXPECT_TRUE(boxes.last().text.contains(QStringLiteral("Считать сначала имена с ОРВИК?")));
  EXPECT_EQ(device->namesMemory(), deviceNames);

  // "Да": the device's names are read into the open file instead.
  boxes.then(AnswerYes);
  QTimer::singleShot(0, groups, [this, groups] {
    groups->findChild<QAbstractButton*>(QStringLiteral("RadioGroup1_1"))->click();
    answerExchange([this] { password(); });
    groups->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
  });
  action("writeAction")->trigger();
  EXPECT_EQ(seen.startCaption, QStringLiteral("Чтение имен"));
  EXPECT_FALSE(ws.image.names.sensorNames[0].isEmpty()) << seen.log.toStdString();
  EXPECT_EQ(device->namesMemory(), deviceNames) << "nothing was written";

  // Blank again, "Нет": the user means it; the empty names go.
  ws.image.names = NamesRegion{};
  boxes.then(AnswerNo).then(AnswerNo);  // write empty names; leave the device in STOP
  write(true);
  EXPECT_TRUE(seen.log.contains(QStringLiteral("Поздравляю, все прошло удачно!"))) << seen.log.toStdString();
  EXPECT_NE(device->namesMemory(), deviceNames);
}

}  // namespace
}  // namespace nastrum
