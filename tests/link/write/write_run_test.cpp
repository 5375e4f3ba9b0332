// The write run against the simulated device: every kind and protocol
// written whole and read back, the names, and each way a write can fail,
// with its log lines and result, on the virtual clock.
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "link/read/full_image.h"
#include "link/runs/names_layout.h"
#include "link/runs/result_texts.h"
#include "model/field_walk.h"
#include "model/hex_text.h"
#include "sim/faults.h"
#include "write_rig.h"

namespace nastrum::test {
namespace {

QByteArray Bytes(std::initializer_list<int> v) {
  QByteArray b;
  for (int x : v) b.append(static_cast<char>(x));
  return b;
}

// The fields whose text differs, with both values.
QStringList Differences(const SettingsImage& got, const SettingsImage& want) {
  const std::vector<Field> a = walkFields(got), b = walkFields(want);
  QStringList out;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
    if (a[i].text != b[i].text) out << a[i].path + QStringLiteral(": ") + a[i].text + QStringLiteral(" want ") + b[i].text;
  return out;
}

// What a constants read of a device holding `device` gives.
SettingsImage ReadBack(int kind, const SettingsImage& device) {
  ReadRig rig;
  rig.addDevice(kind, device);
  SettingsImage target = FullImage(kind, 9);
  rig.read(ReadChoice::Constants, target);
  EXPECT_TRUE(rig.workspace.run.runDone);
  return target;
}

QStringList Tail(const QStringList& log, qsizetype n) { return log.mid(std::max<qsizetype>(0, log.size() - n)); }

void AddFault(sim::SimulatedDevice& device, const char* text) {
  const std::optional<sim::Fault> fault = sim::parseFault(QString::fromLatin1(text));
  ASSERT_TRUE(fault.has_value()) << text;
  device.faults().add(*fault);
}

class WriteEveryKind : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(WriteEveryKind, TheDeviceHoldsTheImageAndWorksAgain) {
  const auto [kind, protocol] = GetParam();
  WriteRig rig;
  sim::SimulatedDevice& device = rig.addDevice(kind, FullImage(kind, 1));
  ChooseProtocol(rig.settings, protocolOfItem(protocol));
  rig.workspace.image = FullImage(kind, 2);

  const DeviceWriteOutcome outcome = rig.write(WriteChoice::Constants);

  EXPECT_TRUE(outcome.succeeded()) << rig.observer.log.join('\n').toStdString();
  EXPECT_FALSE(rig.workspace.run.runDone);
  EXPECT_EQ(rig.observer.log.last(), QStringLiteral("Поздравляю, все прошло удачно!"));
  const int items[] = {0, 615, 3151, 2065};
  EXPECT_EQ(rig.observer.progressMaximum, items[kind]);
  EXPECT_EQ(rig.observer.progressPosition, items[kind]);
  EXPECT_EQ(rig.workingState(), StatusWord::kWorking);
  // Read back, the device gives what a device that always held the image
  // gives, but for the 256th logic slot, which no page shows: the device keeps its own.
  SettingsImage want = rig.workspace.image;
  const SettingsImage before = FullImage(kind, 1);
  for (auto array : {&SettingsImage::logicLaw, &SettingsImage::logicParam, &SettingsImage::logicK1, &SettingsImage::logicK2})
    (want.*array)[255] = (before.*array)[255];
  SettingsImage written = device.exportImage();
  EXPECT_EQ(Differences(ReadBack(kind, written), ReadBack(kind, want)), QStringList{});
}

INSTANTIATE_TEST_SUITE_P(KindsAndProtocols, WriteEveryKind,
                         ::testing::Combine(::testing::Values(1, 2, 3), ::testing::Values(0, 1, 2)));

class WriteNames : public ::testing::TestWithParam<int> {};

TEST_P(WriteNames, TheNamesAreaHoldsTheEncodedNames) {
  const int kind = GetParam();
  WriteRig rig;
  sim::SimulatedDevice& device = rig.addDevice(kind, FullImage(kind, 1));
  rig.workspace.image = FullImage(kind, 2);

  EXPECT_TRUE(rig.write(WriteChoice::Names).succeeded()) << rig.observer.log.join('\n').toStdString();

  EXPECT_EQ(device.namesCommits(), 1);
  EXPECT_EQ(device.namesMemory(), TransferImage(EncodeNames(rig.workspace.image.names, kind), kind));
  EXPECT_TRUE(rig.observer.log.contains(QStringLiteral("Имена записаны в ОРВИК")));
  EXPECT_EQ(rig.observer.log.last(), QStringLiteral("Поздравляю, все прошло удачно!"));
  EXPECT_EQ(rig.workingState(), StatusWord::kWorking);
}

INSTANTIATE_TEST_SUITE_P(Kinds, WriteNames, ::testing::Values(1, 2, 3));

TEST(WriteRun, AnswerNoToTheStartLeavesTheDeviceInStop) {
  WriteRig rig;
  rig.addDevice(1, FullImage(1, 1));
  rig.workspace.image = FullImage(1, 2);
  EXPECT_TRUE(rig.write(WriteChoice::Constants, WriteGroups::all(), false, false).succeeded());
  EXPECT_FALSE(rig.spy.sent(Bytes({0x08})));
  EXPECT_EQ(rig.workingState(), StatusWord::kStopped);
  EXPECT_EQ(Tail(rig.observer.log, 2), (QStringList{QStringLiteral("ОРВИК оставлен в режиме СТОП"),
                                                    QStringLiteral("Поздравляю, все прошло удачно!")}));
}

// Answers as told and counts the password questions.
struct CountingAnswerer final : WriteAnswerer {
  explicit CountingAnswerer(bool yes) : yes(yes) {}
  bool confirmPasswordChange() override {
    ++passwordQuestions;
    return yes;
  }
  bool confirmStart() override { return true; }
  bool yes;
  int passwordQuestions = 0;
};

// Each failure: how it is brought about, the log's last lines and the result.
struct FailureCase {
  const char* name;
  int deviceKind;
  int imageKind;
  WriteChoice choice;
  std::function<void(WriteRig&, sim::SimulatedDevice&)> arrange;
  QStringList tail;
  int result;
  int workingStateAfter;  // of the device: 00 working, 01 STOP
};

class WriteFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(WriteFailure, EndsWithItsLinesAndCode) {
  const FailureCase& c = GetParam();
  WriteRig rig;
  sim::SimulatedDevice& device = rig.addDevice(c.deviceKind, FullImage(c.deviceKind, 1));
  rig.workspace.image = FullImage(c.imageKind, 2);
  const SettingsImage before = rig.workspace.image;
  WriteGroups groups;
  groups.sensors = groups.pipelines = true;
  if (c.arrange) c.arrange(rig, device);

  const DeviceWriteOutcome outcome = rig.write(c.choice, groups);

  EXPECT_EQ(outcome.result, c.result);
  EXPECT_EQ(Tail(rig.observer.log, c.tail.size()), c.tail) << rig.observer.log.join('\n').toStdString();
  device.faults().clear();
  EXPECT_EQ(rig.workingState(), c.workingStateAfter);
  // The image is the one the user had (its converters aside, which these images have none of).
  EXPECT_EQ(Differences(rig.workspace.image, before), QStringList{});
}

const QString kNoAnswer = QStringLiteral("  Нет ответа от ОРВИК ");
const QString kStopped = QStringLiteral("Чтение/запись прервано пользователем.");
// The mode a failed write leaves the device in, said before the result.
const QString kLeftInStop = QStringLiteral("ОРВИК оставлен в режиме СТОП");
const QString kLeftInReprogramming = QStringLiteral("ОРВИК оставлен в режиме репрограммации и СТОП");

// The write of pipeline 0's main descriptor: refused by the device, or the moment the user presses STOP.
std::optional<int> OnPipelineWrite(const QByteArray& request, const std::function<std::optional<int>()>& then) {
  if (request.startsWith(Bytes({0x05, 0x80, 0x00}))) return then();
  return std::nullopt;
}

const FailureCase kFailures[] = {
    {"KindMismatch", 3, 2, WriteChoice::Constants,
     [](WriteRig& rig, sim::SimulatedDevice&) { (void)rig; },
     {QStringLiteral("Ваши настройки не соответсвуют настройкам подключенного прибора, будьте внимательны!"),
      QStringLiteral(" ")},
     24, StatusWord::kWorking},
    {"StopRefused", 1, 1, WriteChoice::Constants,
     [](WriteRig&, sim::SimulatedDevice& d) { AddFault(d, "refuse-stop"); },
     {QStringLiteral("ОРВИК не перешел в режим СТОП, попробуйте снова"), kNoAnswer}, 1, StatusWord::kWorking},
    // STOP pressed as the device is told to stop: it did stop, and the log says so.
    {"StopPressedAsTheDeviceStops", 1, 1, WriteChoice::Constants,
     [](WriteRig& rig, sim::SimulatedDevice&) {
       rig.spy.intercept = [&rig](const QByteArray& r, QByteArray&) -> std::optional<int> {
         if (r == Bytes({0x09})) rig.pressStop();
         return std::nullopt;
       };
     },
     {QStringLiteral("Передача пароля "), kLeftInStop, kStopped}, 23, StatusWord::kStopped},
    {"ReprogrammingNotConfirmed", 1, 1, WriteChoice::Constants,
     [](WriteRig&, sim::SimulatedDevice& d) { AddFault(d, "refuse-reprog"); },
     {QStringLiteral("переход в режим репрограммации: приказ послан   OK"),
      QStringLiteral("ОРВИК не перешел в режим репрограммации, попробуйте снова"),
      QStringLiteral("ошибка записи: ") + kNoAnswer, QStringLiteral("Отмена репрограммации") + kNoAnswer, kLeftInStop,
      kNoAnswer},
     1, StatusWord::kStopped},
    {"WriteFailsInTheMiddle", 1, 1, WriteChoice::Constants,
     [](WriteRig& rig, sim::SimulatedDevice&) {
       rig.spy.intercept = [](const QByteArray& r, QByteArray&) { return OnPipelineWrite(r, [] { return 3; }); };
     },
     {QStringLiteral("Не записано значение параметра 0x8000"), QStringLiteral("Записано значений: 240 из 316"),
      QStringLiteral("ошибка записи: ") + ResultText(3),
      QStringLiteral("Отмена репрограммации") + ResultText(3), kLeftInStop, ResultText(3)},
     3, StatusWord::kStopped},
    {"StopPressedInTheMiddle", 1, 1, WriteChoice::Constants,
     [](WriteRig& rig, sim::SimulatedDevice&) {
       rig.spy.intercept = [&rig](const QByteArray& r, QByteArray&) {
         return OnPipelineWrite(r, [&rig]() -> std::optional<int> {
           rig.pressStop();
           return std::nullopt;
         });
       };
     },
     {kStopped + QLatin1Char(' '), kLeftInReprogramming, kStopped}, 23, StatusWord::kStopped},
    {"ExitNotConfirmed", 1, 1, WriteChoice::Constants,
     [](WriteRig& rig, sim::SimulatedDevice&) {
       rig.spy.intercept = [&rig](const QByteArray& r, QByteArray& reply) -> std::optional<int> {
         if (r == Bytes({0x01, 0x40, 0x00}) && rig.spy.sent(Bytes({0x0D, 0xA3}))) {
           reply = Bytes({0x00, 0x09});  // still in the reprogramming mode
           return 0;
         }
         return std::nullopt;
       };
     },
     {QStringLiteral("Выход из режима репрограммации: приказ послан   OK"),
      QStringLiteral("ОРВИК не вышел из режима репрограммации, попробуйте снова"), kLeftInReprogramming, kNoAnswer},
     1, StatusWord::kStopped},
    // The exit command itself refused: the write is not reported as done.
    {"ExitRefused", 1, 1, WriteChoice::Constants,
     [](WriteRig& rig, sim::SimulatedDevice&) {
       rig.spy.intercept = [](const QByteArray& r, QByteArray&) -> std::optional<int> {
         if (r == Bytes({0x0D, 0xA3})) return 3;
         return std::nullopt;
       };
     },
     // Nothing says the command went out when it did not.
     {QStringLiteral("Записано значений: 316 из 316"), kLeftInReprogramming, ResultText(3)}, 3, StatusWord::kStopped},
    // The exit went out but its status cannot be read: not done, result 1.
    {"ExitStatusUnread", 1, 1, WriteChoice::Constants,
     [](WriteRig& rig, sim::SimulatedDevice&) {
       rig.spy.intercept = [&rig](const QByteArray& r, QByteArray&) -> std::optional<int> {
         if (r == Bytes({0x01, 0x40, 0x00}) && rig.spy.sent(Bytes({0x0D, 0xA3}))) return 4;
         return std::nullopt;
       };
     },
     {QStringLiteral("Выход из режима репрограммации: приказ послан   OK"),
      QStringLiteral("ОРВИК не вышел из режима репрограммации, попробуйте снова"), kLeftInReprogramming, kNoAnswer},
     1, StatusWord::kStopped},
    {"StartRefused", 1, 1, WriteChoice::Constants,
     [](WriteRig& rig, sim::SimulatedDevice&) {
       rig.spy.intercept = [](const QByteArray& r, QByteArray&) -> std::optional<int> {
         if (r == Bytes({0x08})) return 3;
         return std::nullopt;
       };
     },
     {QStringLiteral("приказ исполнен"), kLeftInStop, ResultText(3)}, 3, StatusWord::kStopped},
    {"StartNotConfirmed", 1, 1, WriteChoice::Constants,
     [](WriteRig& rig, sim::SimulatedDevice&) {
       rig.spy.intercept = [&rig](const QByteArray& r, QByteArray& reply) -> std::optional<int> {
         if (r == Bytes({0x08})) return 0;  // heard, not done
         if (r == Bytes({0x01, 0x40, 0x00}) && rig.spy.sent(Bytes({0x08}))) {
           reply = Bytes({0x00, 0x08});
           return 0;
         }
         return std::nullopt;
       };
     },
     {QStringLiteral("приказ исполнен"), QStringLiteral("ПУСК : приказ послан  OK"), QStringLiteral("Приказ не выполнен"),
      kLeftInStop, kNoAnswer},
     1, StatusWord::kStopped},
    {"NamesTransferFails", 3, 3, WriteChoice::Names,
     [](WriteRig&, sim::SimulatedDevice& d) { AddFault(d, "completion=62"); },
     {QStringLiteral("Запись имен"), QStringLiteral("ОРВИК оставлен в режиме загрузки имен и СТОП"), ResultText(40)}, 40,
     StatusWord::kStopped},
    {"TwoWireNamesKind1", 1, 1, WriteChoice::Names,
     [](WriteRig& rig, sim::SimulatedDevice& d) {
       rig.settings.lineKind = LineKind::TwoWire;
       AddFault(d, "echo");
     },
     {QStringLiteral("Запись имен"), kLeftInStop, ResultText(46)}, 46, StatusWord::kStopped},
    {"TwoWireNamesKind2", 2, 2, WriteChoice::Names,
     [](WriteRig& rig, sim::SimulatedDevice& d) {
       rig.settings.lineKind = LineKind::TwoWire;
       AddFault(d, "echo");
     },
     {QStringLiteral("Запись имен"), kLeftInStop, ResultText(46)}, 46, StatusWord::kStopped},
};

INSTANTIATE_TEST_SUITE_P(Rows, WriteFailure, ::testing::ValuesIn(kFailures),
                         [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST(WriteRun, AFailedWriteCancelsTheReprogrammingAndSendsNothingAfter) {
  WriteRig rig;
  rig.addDevice(1, FullImage(1, 1));
  rig.workspace.image = FullImage(1, 2);
  rig.spy.intercept = [](const QByteArray& r, QByteArray&) { return OnPipelineWrite(r, [] { return 3; }); };
  WriteGroups groups;
  groups.sensors = groups.pipelines = true;
  rig.write(WriteChoice::Constants, groups);
  const auto failed = std::find_if(rig.spy.requests.begin(), rig.spy.requests.end(),
                                   [](const QByteArray& r) { return r.startsWith(Bytes({0x05, 0x80, 0x00})); });
  ASSERT_NE(failed, rig.spy.requests.end());
  // Both sends of the failing item, then the cancel, and nothing more.
  EXPECT_EQ(std::vector<QByteArray>(failed + 1, rig.spy.requests.end()),
            (std::vector<QByteArray>{*failed, Bytes({0x0D, 0xA0})}));
}

TEST(WriteRun, TheStopAfterAnItemSendsNothingMore) {
  WriteRig rig;
  rig.addDevice(1, FullImage(1, 1));
  rig.workspace.image = FullImage(1, 2);
  rig.spy.intercept = [&rig](const QByteArray& r, QByteArray&) {
    return OnPipelineWrite(r, [&rig]() -> std::optional<int> {
      rig.pressStop();
      return std::nullopt;
    });
  };
  rig.write(WriteChoice::Constants);
  EXPECT_FALSE(rig.spy.sent(Bytes({0x0D, 0xA0})));
  EXPECT_FALSE(rig.spy.sent(Bytes({0x0D, 0xA3})));
  EXPECT_TRUE(rig.spy.requests.back().startsWith(Bytes({0x05, 0x80, 0x00})));
}

TEST(WriteRun, ReprogrammingIsPolledUntilTheDeviceIsIn) {
  WriteRig rig;
  sim::DeviceConfig config;
  config.modelCode = 1;
  config.reprogEntryDelayMs = 7000;  // shown on a later poll
  rig.devices.emplace_back(config, FullImage(1, 1), rig.clock);
  rig.ports.emplace_back(rig.devices.back());
  rig.line.attach(rig.ports.back());
  rig.workspace.image = FullImage(1, 2);
  EXPECT_TRUE(rig.write(WriteChoice::Constants, WriteGroups{}).succeeded());
  EXPECT_EQ(rig.observer.log.count(QStringLiteral("приказ исполнен")), 3);  // reprogramming, exit, start
  const auto polls = std::count(rig.spy.requests.begin(), rig.spy.requests.end(), Bytes({0x01, 0x40, 0x00}));
  EXPECT_GE(polls, 5);
}

TEST(WriteRun, ThePasswordIsWrittenOnlyWhenAChangeIsConfirmed) {
  struct Case {
    QString field;
    bool system;
    bool yes;
    bool written;
    bool asked;
  };
  // The question says the password will change: it comes only when the
  // field differs and the system group, which carries the password, is ticked.
  for (const Case& c : {Case{QStringLiteral("1A2B"), true, true, false, false},  // the field holds the image's password
                        Case{QString(), true, false, false, true}, Case{QString(), true, true, true, true},
                        Case{QString(), false, true, false, false}}) {
    WriteRig rig;
    rig.addDevice(1, FullImage(1, 1));
    rig.workspace.image = FullImage(1, 2);
    rig.workspace.image.sys(sys::DevicePassword) = 0x1A2B;
    rig.settings.password = c.field;
    WriteGroups groups;
    groups.system = c.system;
    groups.archives = true;
    CountingAnswerer answers(c.yes);
    RunContext ctx{rig.workspace, rig.spy, rig.settings, rig.observer, rig.presenter};
    RunDeviceWrite(ctx, WriteRequest{WriteChoice::Constants, groups}, answers);
    EXPECT_EQ(answers.passwordQuestions, c.asked ? 1 : 0) << c.field.toStdString() << c.system;
    // The access check sends the field's password before; the new one comes amid the settings.
    const auto reprogramming = std::find(rig.spy.requests.begin(), rig.spy.requests.end(), Bytes({0x0D, 0xA1}));
    const bool written = std::find(reprogramming, rig.spy.requests.end(),
                                   InterceptingSession::Request(0x05, 0x4008) + Bytes({0x1A, 0x2B})) != rig.spy.requests.end();
    EXPECT_EQ(written, c.written)
        << c.field.toStdString() << c.system << c.yes;
  }
}

TEST(WriteRun, AValueTheDeviceCannotTakeIsRefusedBeforeConnecting) {
  WriteRig rig;
  rig.addDevice(2, FullImage(2, 1));
  rig.workspace.image = FullImage(2, 2);
  rig.workspace.image.logicT1[5] = 30000;
  const DeviceWriteOutcome outcome = rig.write(WriteChoice::Constants);
  EXPECT_EQ(outcome.result, 15);
  EXPECT_TRUE(rig.spy.requests.empty());
  EXPECT_EQ(rig.observer.log.first(), QStringLiteral("Значение не помещается в формат параметра 0x4530"));
}

TEST(WriteRun, TheConvertersAreAdjustedInTheImageBeforeAnything) {
  WriteRig rig;
  rig.addDevice(1, FullImage(1, 1));
  rig.workspace.image = FullImage(1, 2);
  rig.workspace.image.sensors[2].mainDescriptor = 0x9472;
  rig.settings.portItem = kOtherPortItem;
  rig.write(WriteChoice::Names);
  EXPECT_EQ(rig.workspace.image.sensors[2].mainDescriptor, 0x9502);
  // The user typed 9472: the log says what became of it.
  EXPECT_EQ(rig.observer.log.first(), QStringLiteral("Датчик 2: код 9472 заменен на 9502 для записи"));
}

TEST(WriteRun, TheDiagnosticModeNamesTheSystemItemsAndTheExitStatus) {
  WriteRig rig;
  rig.addDevice(3, FullImage(3, 1));
  rig.workspace.image = FullImage(3, 2);
  rig.workspace.editor.spyMode = true;
  WriteGroups groups;
  groups.system = true;
  ASSERT_TRUE(rig.write(WriteChoice::Constants, groups).succeeded());

  QStringList want;
  for (int g = 0; g < 8; ++g) want << QStringLiteral("Генератор тока № %1").arg(g);
  want << QStringLiteral("Коррекция хода часов ") << QStringLiteral("Способ записи в архив ")
       << QStringLiteral("Летнее время, длительность интервала ") << QStringLiteral("Расчетный час и дата ")
       << QStringLiteral("Основной канал связи ИРПС ") << QStringLiteral("Базовая скорость обмена по ИРПС ")
       << QStringLiteral("Дополнительный канал связи МПИО ") << QStringLiteral("Базовая скорость обмена МПИО ")
       << QStringLiteral("Контроль аккумулятора ") << QStringLiteral("Дополнительный функции ")
       << QStringLiteral("Температура холодного источника ") << QStringLiteral("Температура энергоносителя ")
       << QStringLiteral("Давление энергоносителя ") << QStringLiteral("Атмосферное давление ")
       << QStringLiteral("Строка инициализации Hayes-модема 4048") << QStringLiteral("Строка инициализации Hayes-модема 404B ");
  QStringList labels;
  for (const QString& line : rig.observer.log)
    if (want.contains(line) || line.startsWith(QStringLiteral("Генератор тока")) || line.startsWith(QStringLiteral("Пароль")))
      labels << line;
  EXPECT_EQ(labels, want);

  const qsizetype exit = rig.observer.log.indexOf(QStringLiteral("Выход из режима репрограммации: 0   OK"));
  ASSERT_GE(exit, 0);
  EXPECT_EQ(rig.observer.log.mid(exit + 1, 3),
            (QStringList{QStringLiteral("000B"), QStringLiteral("0000000000001011"), QStringLiteral("приказ исполнен")}));
}

TEST(WriteRun, TheDiagnosticModeShowsTheSensorNamesAsTheDeviceGetsThem) {
  struct Case {
    int kind;
    QStringList lines;  // of sensor 0, named "T1"
  };
  const QString bytes = QStringLiteral("54 31 20 20 20 20 20 20 20 20 20 20 20 20 20 20 ");
  for (const Case& c : {Case{1, {QStringLiteral("T1"), bytes}},
                        Case{3, {QStringLiteral("до T1"), QStringLiteral("датчик 0 T1"), bytes}}}) {
    WriteRig rig;
    rig.addDevice(c.kind, FullImage(c.kind, 1));
    rig.workspace.image = FullImage(c.kind, 2);
    rig.workspace.image.names.sensorNames[0].setBytes("T1");
    rig.workspace.editor.spyMode = true;
    rig.write(WriteChoice::Names);
    const qsizetype at = rig.observer.log.indexOf(c.lines.first());
    ASSERT_GE(at, 0) << c.kind;
    EXPECT_EQ(rig.observer.log.mid(at, c.lines.size()), c.lines) << c.kind;
  }
}

}  // namespace
}  // namespace nastrum::test
