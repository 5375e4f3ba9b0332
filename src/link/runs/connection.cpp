#include "link/runs/connection.h"

#include "link/port_problem.h"
#include "link/runs/run_codes.h"
#include "link/runs/run_retry.h"
#include "model/message_catalogue.h"
#include "model/message_presenter.h"

namespace nastrum {

namespace {

bool IsClockRun(RunKind kind) { return kind == RunKind::ClockRead || kind == RunKind::ClockWrite; }

constexpr int kReopenPauseMs = 50;

}  // namespace

// The usual line, then why the system refused the port where that can be told.
void ShowPortError(RunContext& ctx, const PortAddress& port) {
  QString text = QStringLiteral("Неверный номер СОМ-порта ") + port.display;
  const QString why = PortProblemText(DiagnosePortProblem(port.path));
  if (!why.isEmpty()) text += QLatin1Char('\n') + why;
  ctx.presenter.present(programMessage(text, MessageIcon::Stop));
}

QString WelcomeText(const QString& greeting) { return QStringLiteral("Вас приветствует ") + greeting; }

Connection Connect(RunContext& ctx, RunKind kind) {
  Connection c;
  RunState& run = ctx.run();
  const ExchangeSettings& s = ctx.settings;

  // RunError, RunDone and StopRequested are the caller's: it clears them
  // before the run and keeps the run's outcome afterwards.
  ctx.observer.setProgress(0);
  if (!IsClockRun(kind)) ctx.observer.setSpeedLabel(QStringLiteral("Скорость ") + SpeedItemText(s.baudIndex));

  if (ctx.link.isOpen()) {
    ctx.link.close();
    if (!IsClockRun(kind)) ctx.clock().sleepMs(kReopenPauseMs);
  }
  if (ctx.spy())
    ctx.link.setFrameLog([&observer = ctx.observer](const QString& line) { observer.logLine(line); });
  else
    ctx.link.setFrameLog({});
  const PortAddress port = ChosenPort(s);
  if (!ctx.link.open(port.path, MakeLinkSetup(s))) {
    ShowPortError(ctx, port);
    ctx.link.close();
    c.stage = ConnectStage::PortFailed;
    return c;
  }
  // The window stays alive while the link waits for the device; the hook
  // goes again at the end of the connection.
  ctx.link.setIdleHook([&observer = ctx.observer] { observer.pumpEvents(); });

  const QString number = s.network && s.networkNumber > 0 ? QString::number(s.networkNumber) : QString();
  if (NeedsNetworkSelect(s) && !ctx.link.selectDevice(ChosenAddress(s))) {
    ctx.observer.setDeviceLabel(QStringLiteral("ОРВИК ") + QString::number(s.networkNumber) +
                                QStringLiteral("  не отвечает"));
    c.stage = ConnectStage::SelectFailed;
    return c;
  }
  ctx.observer.setDeviceLabel((kind == RunKind::Read ? QStringLiteral("ОРВИК ") : QStringLiteral("ОРВИК")) + number);

  const auto identify = [&] { return toInt(ctx.link.commands().Identify(c.identity)); };
  c.result = IsClockRun(kind) ? identify() : RetryExchange(ctx, identify);
  if (kind != RunKind::Read || c.result == run_code::kOk)
    ctx.log(QStringLiteral("Подключенный прибор: ") + ResultText(c.result));
  if (c.result != run_code::kOk) {
    c.stage = ConnectStage::IdentifyFailed;
    return c;
  }

  if (c.identity.modelCode == 0) ctx.log(BasicModelRefusalText());
  c.greeting = Greeting(kind, c.identity);
  run.connectedKind = ConnectedKindOf(c.identity.modelCode);
  if (kind != RunKind::Read) {
    ctx.log(c.greeting);
    ctx.observer.setStatusText(WelcomeText(c.greeting));
  }
  c.stage = ConnectStage::Connected;
  return c;
}

void EndConnection(RunContext& ctx, RunKind kind, const Connection& connection) {
  // The observer may not outlive the run.
  ctx.link.setFrameLog({});
  if (NeedsRelease(ctx.settings) && connection.stage != ConnectStage::PortFailed &&
      (connection.stage != ConnectStage::SelectFailed || IsClockRun(kind)))
    ctx.link.commands().Release();
  ctx.link.setIdleHook({});
}

}  // namespace nastrum
