// The safe write against the simulated device: the backup holds what the
// device held, only the items that changed are sent and then read back, a
// value the device does not keep fails the write, and nothing is sent
// without a backup or without anything to change.
#include <algorithm>

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "link/param_address.h"
#include "link/read/full_image.h"
#include "link/runs/run_codes.h"
#include "link/safe_write/safe_write.h"
#include "link/write/converter_adjustment.h"
#include "link/write/write_rig.h"
#include "model/device_real.h"
#include "model/field_walk.h"
#include "model/settings_files.h"
#include "sim/faults.h"

namespace nastrum::test {
namespace {

const QDateTime kWhen(QDate(2026, 12, 11), QTime(9, 30, 0));

QStringList Differences(const SettingsImage& a, const SettingsImage& b) {
  const std::vector<Field> x = walkFields(a), y = walkFields(b);
  QStringList out;
  for (std::size_t i = 0; i < x.size() && i < y.size(); ++i)
    if (x[i].text != y[i].text) out << x[i].path + QStringLiteral(": ") + x[i].text + QStringLiteral(" / ") + y[i].text;
  return out;
}

// A kind 2 device and, in the workspace, what a read of it gave.
struct SafeWriteRig : WriteRig {
  SafeWriteRig() {
    SettingsImage held = FullImage(2, 1);
    AdjustConverters(held);  // the device already holds what a write would adjust
    device = &addDevice(2, held);
    DeviceReadJob job;  // what "Чтение с ОРВИК" opens
    RunContext c = ctx();
    job.run(c, ReadChoice::Constants);
    workspace.image = *job.result();
    observer.log.clear();
    deviceBefore = device->exportImage();
    options.backupRoot = root.path();
    options.when = kWhen;
  }

  SafeWriteOutcome write(WriteGroups groups = WriteGroups::all(), const ConfirmWrite& confirm = {}) {
    RunContext c{workspace, spy, settings, observer, presenter};
    FixedWriteAnswerer answers(false, true);
    return RunSafeWrite(c, WriteRequest{WriteChoice::Constants, groups}, options, answers, confirm);
  }

  // The device's names, one of them changed, written with the rig's options.
  SafeWriteOutcome writeNames(const ConfirmWrite& confirm = {}) {
    workspace.image.names = deviceBefore.names;
    workspace.image.names.sensorNames[2].setBytes("PODACHA 2");
    RunContext c{workspace, spy, settings, observer, presenter};
    FixedWriteAnswerer answers(false, true);
    return RunSafeWrite(c, WriteRequest{WriteChoice::Names, {}}, options, answers, confirm);
  }

  // The parameters written, each send counted.
  std::vector<std::uint16_t> writes() const {
    std::vector<std::uint16_t> out;
    for (const QByteArray& r : spy.requests)
      if (r.size() > 3 && r[0] == 0x05 && !(r[1] == 0x40 && (r[2] == 0x07 || r[2] == 0x08)))
        out.push_back(static_cast<std::uint16_t>(static_cast<std::uint8_t>(r[1]) << 8 | static_cast<std::uint8_t>(r[2])));
    return out;
  }

  QTemporaryDir root;
  SafeWriteOptions options;
  sim::SimulatedDevice* device = nullptr;
  SettingsImage deviceBefore;
};

TEST(SafeWrite, TheBackupPairHoldsWhatTheDeviceHeldBeforeTheWrite) {
  SafeWriteRig rig;
  const SettingsImage readBefore = rig.workspace.image;
  rig.workspace.image.sensors[3].maxValue = 123.5;

  const SafeWriteOutcome outcome = rig.write();

  ASSERT_TRUE(outcome.succeeded()) << rig.observer.log.join('\n').toStdString();
  ASSERT_FALSE(outcome.backupPath.isEmpty());
  EXPECT_TRUE(rig.observer.log.contains(QStringLiteral("Копия настроек прибора: ") + QDir::toNativeSeparators(outcome.backupPath)));
  SettingsImage saved;
  EditorState editor;
  ASSERT_TRUE(readSettingsPair(outcome.backupPath, saved, editor).ok());
  EXPECT_EQ(Differences(saved, readBefore), QStringList{});
  EXPECT_EQ(rig.device->exportImage().sensors[3].maxValue, 123.5);
}

TEST(SafeWrite, OneEditedSensorSendsOnlyItsItemsTwiceEachAndReadsThemBack) {
  SafeWriteRig rig;
  rig.workspace.image.sensors[5].maxValue = 77.25;
  rig.workspace.image.sensors[5].const2 = -3.5;

  const SafeWriteOutcome outcome = rig.write();

  ASSERT_TRUE(outcome.succeeded()) << rig.observer.log.join('\n').toStdString();
  EXPECT_EQ(outcome.itemsWritten, 2);
  // Sensor 5's const2 (0x0502) and maximum (0x0504), each sent twice.
  EXPECT_EQ(rig.writes(), (std::vector<std::uint16_t>{0x0502, 0x0502, 0x0504, 0x0504}));
  EXPECT_EQ(rig.observer.progressMaximum, 2);
  EXPECT_EQ(rig.observer.progressPosition, 2);
  EXPECT_TRUE(rig.spy.sent(InterceptingSession::Request(0x01, 0x0504))) << "read back after the write";
  EXPECT_TRUE(rig.observer.log.contains(QStringLiteral("Записано значений: 2 из 2")));
  EXPECT_TRUE(rig.observer.log.contains(QStringLiteral("Проверка записанного: все значения совпадают")));
  EXPECT_EQ(rig.observer.log.last(), QStringLiteral("Поздравляю, все прошло удачно!"));
  EXPECT_EQ(rig.workingState(), StatusWord::kWorking);
}

TEST(SafeWrite, AValueTheDeviceDoesNotKeepFailsTheVerifyAndLeavesItInStop) {
  SafeWriteRig rig;
  rig.workspace.image.sensors[5].maxValue = 77.25;
  rig.device->faults().add(*sim::parseFault(QStringLiteral("corrupt")));

  const SafeWriteOutcome outcome = rig.write();

  EXPECT_FALSE(outcome.succeeded());
  EXPECT_TRUE(outcome.verifyFailed());
  EXPECT_EQ(outcome.result, run_code::kVerifyMismatch);
  QByteArray sent = DeviceRealToByteArray(EncodeDeviceReal(77.25));
  QByteArray kept = sent;
  kept[3] = static_cast<char>(~kept[3]);
  EXPECT_TRUE(rig.observer.log.contains(QStringLiteral("Ошибка проверки: значение параметра 0x0504 не совпадает: записано ") +
                                        QString::fromLatin1(sent.toHex(' ').toUpper()) + QStringLiteral(", в ОРВИК ") +
                                        QString::fromLatin1(kept.toHex(' ').toUpper())))
      << rig.observer.log.join('\n').toStdString();
  EXPECT_EQ(rig.observer.log.last(),
            QStringLiteral("Настройки прибора до записи: ") + QDir::toNativeSeparators(outcome.backupPath));
  EXPECT_EQ(rig.workingState(), StatusWord::kStopped) << "a device holding a wrong value is not started";
}

// Every kind of item, read back where the device shows it (a logic flag's K1
// among four bytes, the modem strings from memory, a generator's parameter
// under its read number): a device that kept everything verifies clean.
TEST(SafeWrite, EveryItemOfEveryKindVerifiesWhereTheDeviceShowsIt) {
  for (const int kind : {1, 2, 3}) {
    WriteRig rig;
    SettingsImage held = FullImage(kind, 1), image = FullImage(kind, 2);
    AdjustConverters(held);
    AdjustConverters(image);
    image.logicParam[3] = 0x4016;  // a clock threshold: K1 goes as a decimal pair
    image.logicK1[3] = 2512;
    rig.addDevice(kind, held);
    rig.workspace.image = image;
    QTemporaryDir root;
    SafeWriteOptions options;
    options.backupRoot = root.path();
    options.when = kWhen;
    RunContext c{rig.workspace, rig.spy, rig.settings, rig.observer, rig.presenter};
    FixedWriteAnswerer answers(false, true);

    const SafeWriteOutcome outcome = RunSafeWrite(c, WriteRequest{WriteChoice::Constants, WriteGroups::all()}, options, answers);

    EXPECT_TRUE(outcome.succeeded()) << kind << rig.observer.log.join('\n').toStdString();
    EXPECT_TRUE(rig.observer.log.contains(QStringLiteral("Проверка записанного: все значения совпадают"))) << kind;
  }
}

TEST(SafeWrite, StopDuringTheBackupReadSendsNothing) {
  SafeWriteRig rig;
  rig.workspace.image.sensors[5].maxValue = 77.25;
  int reads = 0;
  rig.observer.onPump = [&] { rig.observer.stop = ++reads > 20; };

  const SafeWriteOutcome outcome = rig.write();

  EXPECT_TRUE(outcome.backupFailed);
  EXPECT_EQ(outcome.result, run_code::kStoppedByUser);
  EXPECT_TRUE(rig.writes().empty());
  EXPECT_EQ(rig.device->writesAccepted(), 0);
  EXPECT_TRUE(QDir(rig.root.path()).isEmpty());
  EXPECT_EQ(rig.observer.log.last(), QStringLiteral("Запись отменена: нет копии настроек прибора. В ОРВИК ничего не записано."));
}

TEST(SafeWrite, AnAdjustedConverterIsToldOnceBeforeTheBackup) {
  SafeWriteRig rig;
  rig.workspace.image.sensors[4].mainDescriptor = 0x1473;

  const SafeWriteOutcome outcome = rig.write();

  ASSERT_TRUE(outcome.succeeded()) << rig.observer.log.join('\n').toStdString();
  const QString told = QStringLiteral("Датчик 4: код 1473 заменен на 1503 для записи");
  EXPECT_EQ(rig.observer.log.count(told), 1);
  EXPECT_EQ(rig.observer.log.first(), told);
  EXPECT_EQ(rig.device->exportImage().sensors[4].mainDescriptor, 0x1503);
}

TEST(SafeWrite, ABackupThatCannotBeSavedFailsTheRunAndSendsNothing) {
  SafeWriteRig rig;
  rig.workspace.image.sensors[5].maxValue = 77.25;
  QFile blocker(rig.root.filePath(QStringLiteral("not-a-folder")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  rig.options.backupRoot = blocker.fileName();  // no folder can be made inside a file

  const SafeWriteOutcome outcome = rig.write();

  EXPECT_TRUE(outcome.backupFailed);
  EXPECT_FALSE(outcome.succeeded());
  EXPECT_NE(outcome.result, run_code::kOk) << "the run did not write: its code must not say it did";
  EXPECT_TRUE(rig.writes().empty());
  EXPECT_EQ(rig.device->writesAccepted(), 0);
  EXPECT_EQ(rig.observer.log.last(), QStringLiteral("Запись отменена: нет копии настроек прибора. В ОРВИК ничего не записано."));
}

// No device answers the network number: the backup read ends without a code
// of its own, and the write must not pass for done.
TEST(SafeWrite, NoAnswerToTheNetworkSelectFailsTheRun) {
  SafeWriteRig rig;
  rig.workspace.image.sensors[5].maxValue = 77.25;
  SetNetwork(rig.settings, true);
  SetNetworkNumber(rig.settings, 9);  // the device is number 1

  const SafeWriteOutcome outcome = rig.write();

  EXPECT_TRUE(outcome.backupFailed);
  EXPECT_EQ(outcome.result, run_code::kNoAnswer);
  EXPECT_TRUE(rig.writes().empty());
  EXPECT_EQ(rig.device->writesAccepted(), 0);
}

TEST(SafeWrite, NothingToChangeSendsNothingAndACancelToo) {
  SafeWriteRig rig;
  const SafeWriteOutcome same = rig.write();
  EXPECT_TRUE(same.succeeded());
  EXPECT_TRUE(same.nothingToChange);
  EXPECT_TRUE(rig.writes().empty());
  EXPECT_EQ(rig.workingState(), StatusWord::kWorking) << "not even stopped";

  rig.workspace.image.pipelines[2].pipeDiameter = 150.0;
  std::optional<WritePreview> shown;
  const SafeWriteOutcome cancelled = rig.write(WriteGroups::all(), [&](const WritePreview& p) {
    shown = p;
    return false;
  });
  EXPECT_TRUE(cancelled.cancelled);
  EXPECT_TRUE(rig.writes().empty());
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->items.size(), 1u);
  EXPECT_TRUE(shown->differing.pipelines);
  EXPECT_FALSE(shown->differing.sensors);
  EXPECT_EQ(shown->question(), QStringLiteral("Записать в ОРВИК 5 \"расширяемый\" №1234, порт ") +
                                   ChosenPort(rig.settings).display +
                                   QStringLiteral("?\nБудет записано значений: 1 (Датчики, Трубопроводы, Архивы, "
                                                  "Системные параметры, Регуляторы)."));
}

// The password is no item of the table of changes, yet it may be written:
// the confirmation says so, and only when the system group is ticked.
TEST(SafeWrite, AConfirmationNamesAPasswordThatMayChange) {
  for (const bool system : {true, false}) {
    SafeWriteRig rig;
    rig.settings.password = QStringLiteral("1A2B");  // not the image's password
    rig.workspace.image.pipelines[2].pipeDiameter = 150.0;
    WriteGroups groups;
    groups.system = system;
    groups.pipelines = true;
    std::optional<QString> question;  // the preview points into the backup: read it while there is one
    rig.write(groups, [&](const WritePreview& p) {
      question = p.question();
      return false;
    });
    ASSERT_TRUE(question) << system;
    EXPECT_EQ(question->endsWith(
                  QStringLiteral("\nПароль в окне обмена не совпадает с паролем настроек: будет задан вопрос о смене "
                                 "пароля ОРВИК.")),
              system);
  }
}

TEST(SafeWrite, WrittenNamesAreReadBackAndANameTheDeviceDoesNotKeepFailsTheWrite) {
  for (const bool failingCell : {false, true}) {
    SafeWriteRig rig;
    // The first byte of the names area (sensor 0's name) does not keep what the loader wrote.
    if (failingCell) rig.device->faults().add(*sim::parseFault(QStringLiteral("corrupt")));

    const SafeWriteOutcome outcome = rig.writeNames();

    const QString log = rig.observer.log.join('\n');
    EXPECT_EQ(rig.device->namesCommits(), 1) << failingCell;
    EXPECT_TRUE(rig.observer.log.contains(QStringLiteral("Проверка записанного: чтение имен из ОРВИК"))) << log.toStdString();
    EXPECT_EQ(rig.device->exportImage().names.sensorNames[2].bytes(), QByteArray("PODACHA 2")) << failingCell;
    if (!failingCell) {
      EXPECT_TRUE(outcome.succeeded()) << log.toStdString();
      EXPECT_TRUE(rig.observer.log.contains(QStringLiteral("Проверка записанного: все значения совпадают")));
      EXPECT_EQ(rig.workingState(), StatusWord::kWorking);
      continue;
    }
    EXPECT_TRUE(outcome.verifyFailed()) << log.toStdString();
    EXPECT_EQ(outcome.result, run_code::kVerifyMismatch);
    // The name as sent, padded to its slot, and as the device shows it without the lost letter.
    const QString sent = QString::fromLatin1(rig.deviceBefore.names.sensorNames[0].bytes()).leftJustified(16);
    EXPECT_TRUE(rig.observer.log.contains(QStringLiteral("Ошибка проверки: SensorNames[0] не совпадает: записано \"") +
                                          sent + QStringLiteral("\", в ОРВИК \"") + sent.mid(1) + QLatin1Char('"')))
        << log.toStdString();
    EXPECT_TRUE(rig.observer.log.contains(QStringLiteral("Проверка записанного: не совпадают значений: 1")));
    EXPECT_EQ(rig.workingState(), StatusWord::kStopped) << "a device holding a wrong name is not started";
  }
}

// With "только изменения" unticked the user asks for the whole block: names
// the device already shows are written all the same, as the constants are.
TEST(SafeWrite, NamesAreWrittenWholeWhenNotOnlyTheChangesAreAskedFor) {
  for (const bool changedOnly : {true, false}) {
    SafeWriteRig rig;
    rig.workspace.image.names = rig.deviceBefore.names;
    rig.options.changedOnly = changedOnly;
    RunContext c{rig.workspace, rig.spy, rig.settings, rig.observer, rig.presenter};
    FixedWriteAnswerer answers(false, true);

    const SafeWriteOutcome outcome = RunSafeWrite(c, WriteRequest{WriteChoice::Names, {}}, rig.options, answers);

    EXPECT_TRUE(outcome.succeeded()) << changedOnly;
    EXPECT_EQ(outcome.nothingToChange, changedOnly);
    EXPECT_EQ(rig.device->namesCommits(), changedOnly ? 0 : 1);
  }
}

// The backup of a names write still reads the constants: a backup is a pair
// that opens and writes back whole. The names write itself reads none.
TEST(SafeWrite, ANamesWriteReadsNoConstantsBeyondItsBackup) {
  SafeWriteRig rig;
  std::size_t backupRequests = 0;
  const SafeWriteOutcome outcome = rig.writeNames([&](const WritePreview&) {
    backupRequests = rig.spy.requests.size();
    return true;
  });

  ASSERT_TRUE(outcome.succeeded()) << rig.observer.log.join('\n').toStdString();
  // A parameter read that is not one of the run's own (status, password,
  // factory number, and the identification's version and model).
  const auto settingsRead = [](const QByteArray& r) {
    if (r.size() != 3 || r[0] != 0x01) return false;
    const auto param = static_cast<std::uint16_t>(static_cast<std::uint8_t>(r[1]) << 8 | static_cast<std::uint8_t>(r[2]));
    for (const ParamAddress own : {device_param::kStatusWord, device_param::kPassword, device_param::kFactoryNumber,
                                   device_param::kFirmwareVersion, device_param::kModel})
      if (param == own.word()) return false;
    return true;
  };
  const auto& requests = rig.spy.requests;
  EXPECT_GT(std::count_if(requests.begin(), requests.begin() + static_cast<std::ptrdiff_t>(backupRequests), settingsRead), 500);
  EXPECT_EQ(std::count_if(requests.begin() + static_cast<std::ptrdiff_t>(backupRequests), requests.end(), settingsRead), 0);
  SettingsImage saved;
  EditorState editor;
  ASSERT_TRUE(readSettingsPair(outcome.backupPath, saved, editor).namesRead);
  EXPECT_EQ(saved.sensors[7].maxValue, rig.deviceBefore.sensors[7].maxValue);
  EXPECT_EQ(saved.names.sensorNames[2].bytes().trimmed(), rig.deviceBefore.names.sensorNames[2].bytes());
}

TEST(SafeWrite, APortThatWillNotOpenSaysSoAndSendsNothing) {
  SafeWriteRig rig;
  rig.workspace.image.sensors[5].maxValue = 77.25;
  rig.line.setMissingPort(true);
  rig.spy.requests.clear();

  const SafeWriteOutcome outcome = rig.write();

  EXPECT_FALSE(outcome.succeeded());
  EXPECT_TRUE(outcome.portFailed);
  EXPECT_TRUE(outcome.backupFailed);
  EXPECT_TRUE(rig.spy.requests.empty());
  EXPECT_TRUE(QDir(rig.root.path()).isEmpty());
  ASSERT_FALSE(rig.presenter.shown().empty());
  EXPECT_TRUE(rig.presenter.shown().back().text.startsWith(QStringLiteral("Неверный номер СОМ-порта ")));
  EXPECT_EQ(rig.observer.log.last(), QStringLiteral("Запись отменена: порт не открыт. В ОРВИК ничего не записано."));
}

}  // namespace
}  // namespace nastrum::test
