// The connection sequence, the run-level retry and the access check against
// a fake device on a virtual clock, with the exact log lines.
#include <gtest/gtest.h>

#include "link/port_problem.h"
#include "link/runs/access_check.h"
#include "link/runs/connection.h"
#include "link/runs/fake_device.h"
#include "link/runs/recording_observer.h"
#include "support/scripted_presenter.h"
#include "link/runs/run_codes.h"
#include "link/runs/run_retry.h"

namespace nastrum {
namespace {

using test::FakeDevice;
using test::RecordingObserver;

class ConnectionTest : public ::testing::Test {
 protected:
  RunContext ctx() { return RunContext{workspace, device, settings, observer, presenter}; }
  Connection connect(RunKind kind) {
    RunContext c = ctx();
    return Connect(c, kind);
  }
  int checkAccess(const QString& password, AccessCheckOptions options = {}) {
    RunContext c = ctx();
    return CheckAccess(c, password, options);
  }
  int sendsOf(std::uint8_t command) const {
    int n = 0;
    for (const auto& r : device.requests) n += static_cast<std::uint8_t>(r[0]) == command;
    return n;
  }

  Workspace workspace;
  FakeDevice device;
  ExchangeSettings settings;
  RecordingObserver observer;
  ScriptedPresenter presenter;
};

TEST_F(ConnectionTest, IdentifiesEachModelWithItsGreeting) {
  struct Case {
    int a, b;
    RunKind kind;
    int connectedKind;
    QStringList log;
  };
  const Case cases[] = {
      {1, 254, RunKind::Write, 1, {"Подключенный прибор:   OK", "ОРВИК  5 миним. версия 1.5"}},
      {2, 253, RunKind::Write, 2, {"Подключенный прибор:   OK", "ОРВИК  5 расшир. версия 1.5"}},
      {3, 252, RunKind::ClockRead, 3, {"Подключенный прибор:   OK", "ОРВИК  9 версия 1.5"}},
      {1, 5, RunKind::Write, 0,
       {"Подключенный прибор:   OK", "Программа не работает с базовым типом прибора (толстым).",
        "ОРВИК  5 базовый  версия 1.5"}},
      {2, 254, RunKind::Write, 0, {"Подключенный прибор:   OK", " НЛО версия 1.5"}},
      // The read run logs the greeting itself, after the factory number.
      {2, 253, RunKind::Read, 2, {"Подключенный прибор:   OK"}},
  };
  for (const auto& c : cases) {
    workspace = Workspace{};
    observer = RecordingObserver{};
    device.modelA = static_cast<std::uint8_t>(c.a);
    device.modelB = static_cast<std::uint8_t>(c.b);
    const Connection conn = connect(c.kind);
    EXPECT_EQ(conn.stage, ConnectStage::Connected);
    EXPECT_EQ(observer.log, c.log) << c.a << "," << c.b;
    EXPECT_EQ(workspace.run.connectedKind, c.connectedKind);
    if (c.kind != RunKind::Read) {
      EXPECT_EQ(observer.status, QStringLiteral("Вас приветствует ") + c.log.last());
    }
  }
}

TEST_F(ConnectionTest, LabelsAndPortPath) {
  connect(RunKind::Read);
  EXPECT_EQ(observer.speedLabel, QStringLiteral("Скорость  9600"));
  EXPECT_EQ(observer.deviceLabel, QStringLiteral("ОРВИК "));
  EXPECT_EQ(device.setup().lineKind, LineKind::FourWire);
  settings.portItem = kOtherPortItem;
  settings.otherPort = QStringLiteral("/tmp/orvik-sim");
  SetNetwork(settings, true);
  SetNetworkNumber(settings, 7);
  device.networkAddress = 7;
  connect(RunKind::ClockRead);
  EXPECT_EQ(device.openedPath, QStringLiteral("/tmp/orvik-sim"));
  EXPECT_EQ(observer.deviceLabel, QStringLiteral("ОРВИК7"));
}

TEST_F(ConnectionTest, PortThatCannotBeOpenedShowsTheBoxAndEndsTheRun) {
  device.portExists = false;
  presenter.then(AnswerOk);
  settings.portItem = kOtherPortItem;
  settings.otherPort = QStringLiteral("/dev/nothing");
  const Connection conn = connect(RunKind::Read);
  EXPECT_EQ(conn.stage, ConnectStage::PortFailed);
  ASSERT_EQ(presenter.shown().size(), 1u);
  // The usual line, then why: no such device file.
  EXPECT_EQ(presenter.shown()[0].text, QStringLiteral("Неверный номер СОМ-порта /dev/nothing\n") +
                                           PortProblemText(PortProblem::Missing));
  EXPECT_EQ(presenter.shown()[0].icon, MessageIcon::Stop);
  EXPECT_TRUE(device.requests.empty());
  EXPECT_FALSE(device.isOpen());
  RunContext c = ctx();
  EndConnection(c, RunKind::ClockRead, conn);
  EXPECT_EQ(device.releases, 0);
}

TEST_F(ConnectionTest, NetworkSelectAnsweredThenReleasedAtTheEnd) {
  SetNetwork(settings, true);
  SetNetworkNumber(settings, 5);
  device.networkAddress = 5;
  const Connection conn = connect(RunKind::Write);
  EXPECT_EQ(conn.stage, ConnectStage::Connected);
  EXPECT_EQ(device.selects, 1);
  EXPECT_EQ(observer.deviceLabel, QStringLiteral("ОРВИК5"));
  RunContext c = ctx();
  EndConnection(c, RunKind::Write, conn);
  EXPECT_EQ(device.releases, 1);
}

TEST_F(ConnectionTest, NetworkSelectUnansweredEndsTheRun) {
  SetNetwork(settings, true);
  SetNetworkNumber(settings, 5);
  device.networkAddress = 6;
  for (const RunKind kind : {RunKind::Read, RunKind::ClockWrite}) {
    device.releases = 0;
    observer.log.clear();
    const Connection conn = connect(kind);
    EXPECT_EQ(conn.stage, ConnectStage::SelectFailed);
    EXPECT_EQ(observer.deviceLabel, QStringLiteral("ОРВИК 5  не отвечает"));
    EXPECT_TRUE(observer.log.isEmpty());
    RunContext c = ctx();
    EndConnection(c, kind, conn);
    // Only the clock runs still release the network.
    EXPECT_EQ(device.releases, kind == RunKind::ClockWrite ? 1 : 0);
  }
}

TEST_F(ConnectionTest, FailedIdentificationIsRetriedWithThePause) {
  device.dead = true;
  const std::int64_t start = device.virtualClock.nowMs();
  const Connection conn = connect(RunKind::Write);
  EXPECT_EQ(conn.stage, ConnectStage::IdentifyFailed);
  EXPECT_EQ(conn.result, 1);
  EXPECT_EQ(sendsOf(0x01), 3);  // SpinEdit2 attempts of the version read
  EXPECT_EQ(observer.log, QStringList{QStringLiteral("Подключенный прибор:   Нет ответа от ОРВИК ")});
  // Three failed attempts, each followed by the SpinEdit1 pause.
  EXPECT_GE(device.virtualClock.nowMs() - start, 3 * 3000);

  // The read run logs nothing on failure; the clock run tries only once.
  observer.log.clear();
  device.requests.clear();
  EXPECT_EQ(connect(RunKind::Read).stage, ConnectStage::IdentifyFailed);
  EXPECT_TRUE(observer.log.isEmpty());
  device.requests.clear();
  connect(RunKind::ClockRead);
  EXPECT_EQ(sendsOf(0x01), 1);
}

TEST_F(ConnectionTest, OneAttemptAndNoPause) {
  settings.attempts = 1;
  settings.pauseSeconds = 0;
  device.dead = true;
  const std::int64_t start = device.virtualClock.nowMs();
  connect(RunKind::Write);
  EXPECT_EQ(sendsOf(0x01), 1);
  EXPECT_LT(device.virtualClock.nowMs() - start, 1000);
}

TEST_F(ConnectionTest, StopDuringThePauseStartsNoFurtherExchange) {
  device.failNext = {1, 1, 1};
  observer.onPump = [&] {
    if (device.virtualClock.nowMs() >= 1000 && !observer.stop) {
      observer.stop = true;  // the "СТОП" button
    }
  };
  RunContext c = ctx();
  const int r = RetryExchange(c, [&] {
    QByteArray out;
    return toInt(device.commands().ReadParam(device_param::kStatusWord, 2, out));
  });
  EXPECT_EQ(r, 1);
  EXPECT_EQ(device.requests.size(), 1u);
  EXPECT_LT(device.virtualClock.nowMs(), 3000);  // the pause was cut short

  // A run stopped before its first attempt sends nothing and reports the stop.
  EXPECT_EQ(RetryExchange(c, [&] { return 0; }), run_code::kStoppedByUser);
}

TEST_F(ConnectionTest, RetryEndsAtTheFirstSuccess) {
  device.failNext = {4};
  RunContext c = ctx();
  const int r = RetryExchange(c, [&] {
    QByteArray out;
    return toInt(device.commands().ReadParam(device_param::kStatusWord, 2, out));
  });
  EXPECT_EQ(r, 0);
  EXPECT_EQ(device.requests.size(), 2u);
}

TEST_F(ConnectionTest, AccessAcceptedSendsThePasswordAndReadsItBack) {
  EXPECT_EQ(checkAccess(QStringLiteral("12ab")), 0);
  EXPECT_EQ(observer.log, QStringList{QStringLiteral("Передача пароля ")});
  ASSERT_EQ(device.requests.size(), 3u);
  EXPECT_EQ(device.requests[0].toHex(), QByteArray("014000"));
  EXPECT_EQ(device.requests[1].toHex(), QByteArray("05400812ab"));
  EXPECT_EQ(device.requests[2].toHex(), QByteArray("014008"));
}

TEST_F(ConnectionTest, AccessRules) {
  struct Case {
    const char* field;
    bool keeps;
    std::uint16_t stored;
    int result;
  };
  const Case cases[] = {
      {"0000", false, 0xFFFF, 0},  // no password either way
      {"", false, 0x0000, 0},
      {"12AB", false, 0x0000, 1},  // the device did not take it
      {"12AB", false, 0x12AB, 0},
      {"ABC", true, 0, 0},
  };
  for (const auto& c : cases) {
    device.keepsWrittenPassword = c.keeps;
    device.storedPassword = c.stored;
    observer.log.clear();
    EXPECT_EQ(checkAccess(QString::fromLatin1(c.field)), c.result) << c.field;
    if (c.result != 0) {
      EXPECT_EQ(observer.log.last(), QStringLiteral("Увы ! пароль не тот...   OK")) << c.field;
    }
  }
}

TEST_F(ConnectionTest, RefusalLogsDigitsInSpyModeForTheWriteRun) {
  workspace.editor.spyMode = true;
  device.keepsWrittenPassword = false;
  device.storedPassword = 0x1234;
  AccessCheckOptions options;
  options.status = 0x0008;
  options.logDigitsInSpyMode = true;
  EXPECT_EQ(checkAccess(QStringLiteral("BEEF"), options), 1);
  EXPECT_EQ(observer.log, (QStringList{QStringLiteral("Передача пароля "), QStringLiteral("1234"),
                                       QStringLiteral("BEEF"), QStringLiteral("Увы ! пароль не тот...   OK")}));
  EXPECT_EQ(device.requests.front().toHex(), QByteArray("054008beef"));  // the status was not read again
}

TEST_F(ConnectionTest, MissingKeyIsRefusedBeforeThePassword) {
  device.status = 0x8000;
  EXPECT_EQ(checkAccess(QStringLiteral("1234")), 1);
  EXPECT_EQ(observer.log, QStringList{QStringLiteral("Установите электроный ключ.")});
  EXPECT_EQ(device.requests.size(), 1u);
}

TEST_F(ConnectionTest, PasswordWriteThatFailsIsReportedWithItsCode) {
  settings.attempts = 1;
  device.failNext = {0, 3};  // status read answers, the password write is refused
  EXPECT_EQ(checkAccess(QStringLiteral("1234")), 1);
  EXPECT_EQ(observer.log.last(),
            QStringLiteral("Увы ! пароль не тот...   Несовпадение контрольной суммы передачи"));
}

}  // namespace
}  // namespace nastrum
