#include "link/clock/clock_runs.h"

#include "link/clock/device_clock_time.h"
#include "link/param_address.h"
#include "link/runs/access_check.h"
#include "link/runs/connection.h"
#include "link/runs/run_codes.h"
#include "link/runs/run_retry.h"

namespace nastrum {

namespace {

const QString kMismatch = QStringLiteral("Подключенный ОРВИК не соответствует настрокайм.");

class ClockRun {
 public:
  explicit ClockRun(RunContext& ctx) : ctx_(ctx), run_(ctx.run()) {
    // A code left by an earlier run would make this one skip everything.
    run_.runError = run_code::kOk;
    run_.runDone = false;
  }

  // The connection and the status read both runs begin with; false when the
  // run ended at the port.
  bool begin(RunKind kind) {
    kind_ = kind;
    connection_ = Connect(ctx_, kind);
    if (connection_.stage == ConnectStage::PortFailed) return false;
    if (connection_.stage == ConnectStage::SelectFailed) {
      keep(run_code::kNoAnswer);
      return true;
    }
    if (connection_.stage == ConnectStage::IdentifyFailed) {
      keep(connection_.result);
    } else if (!ctx_.stopped()) {
      QByteArray status;
      keep(RetryExchange(ctx_, [&] { return toInt(ctx_.link.commands().ReadParam(device_param::kStatusWord, 2, status)); }));
    }
    return true;
  }

  void end() {
    if (ctx_.stopped()) keep(run_code::kStoppedByUser);
    EndConnection(ctx_, kind_, connection_);
  }

  bool selectFailed() const { return connection_.stage == ConnectStage::SelectFailed; }
  bool connected() const { return connection_.stage == ConnectStage::Connected; }
  bool failed() const { return run_.runError != run_code::kOk || ctx_.stopped(); }

  // Reads one clock parameter unless the run has failed already.
  QByteArray read(std::uint16_t param) {
    QByteArray bytes;
    if (failed()) return bytes;
    keep(RetryExchange(ctx_, [&] { return toInt(ctx_.link.commands().ReadParam(ParamAddress::fromWord(param), 2, bytes)); }));
    return bytes;
  }

  void write(std::uint16_t param, const BytePair& bytes) {
    if (failed()) return;
    keep(RetryExchange(ctx_, [&] { return toInt(ctx_.link.commands().WriteParam(ParamAddress::fromWord(param), ToByteArray(bytes))); }));
  }

  void advance() { ctx_.observer.setProgress(ctx_.observer.progress() + 1); }

  void keep(int code) {
    if (code != run_code::kOk && run_.runError == run_code::kOk) run_.runError = code;
  }

  RunContext& ctx_;
  RunState& run_;

 private:
  RunKind kind_ = RunKind::ClockRead;
  Connection connection_;
};

bool Served(int kind) { return isValidDeviceKind(kind); }

// False when the port could not be opened: nothing was sent.
bool ReadClock(RunContext& ctx, std::optional<QDateTime>& reading) {
  reading.reset();
  ClockRun run(ctx);
  if (!run.begin(RunKind::ClockRead)) return false;
  if (run.selectFailed()) {
    run.end();
    return true;
  }
  if (run.failed() || Served(run.run_.connectedKind)) {
    const QByteArray year = run.read(device_param::kClockYear.word());
    run.advance();
    const QByteArray date = run.read(device_param::kClockDate.word());
    run.advance();
    const QByteArray time = run.read(device_param::kClockTime.word());
    if (!run.failed()) reading = ClockTimeFromBytes(year, date, time);
    if (reading) {
      ctx.log(QStringLiteral("Чтение времени прошло успешно."));
      run.run_.runDone = true;
    } else {
      // Bytes that make no date are a failed read too: nothing is taken over.
      ctx.log(QStringLiteral("Ошибка чтения."));
    }
  } else {
    ctx.log(kMismatch);
  }
  run.end();
  return true;
}

const QString kBadTime = QStringLiteral("Неверные дата или время, запись отменена.");

// The bytes of the time the source gives once the minute has turned.
std::optional<ClockWriteBytes> TimeAtTheTurn(RunContext& ctx, const ClockSource& timeToWrite) {
  const QDateTime first = timeToWrite();
  if (!first.isValid()) return std::nullopt;
  PauseWatchingStop(ctx, MsToMinuteTurn(first));
  const QDateTime now = timeToWrite();
  if (!now.isValid()) return std::nullopt;
  return ClockBytesFor(now);
}

// False when the port could not be opened: nothing was sent.
bool WriteClock(RunContext& ctx, const ClockSource& timeToWrite) {
  ClockRun run(ctx);
  // A time that makes no date is refused before anything is sent: the device
  // would keep whatever it made of such bytes.
  const QDateTime planned = timeToWrite ? timeToWrite() : QDateTime();
  if (!planned.isValid() || !ClockBytesFor(planned)) {
    ctx.log(kBadTime);
    run.keep(run_code::kNoAnswer);
    return true;
  }
  if (!run.begin(RunKind::ClockWrite)) return false;
  if (run.selectFailed()) {
    run.end();
    return true;
  }
  if (run.failed() || ctx.workspace.image.deviceKind == run.run_.connectedKind) {
    if (!run.failed()) run.keep(CheckAccess(ctx, ctx.settings.password));
    const bool accessGranted = !run.failed();
    std::optional<ClockWriteBytes> bytes;
    if (!run.failed()) {
      bytes = TimeAtTheTurn(ctx, timeToWrite);
      if (!bytes && !ctx.stopped()) {
        ctx.log(kBadTime);
        run.keep(run_code::kNoAnswer);
      }
    }
    if (bytes) {
      run.write(device_param::kClockTime.word(), bytes->time);
      run.write(device_param::kClockDate.word(), bytes->date);
      run.write(device_param::kClockYear.word(), bytes->year);
    }
    run.advance();
    if (!run.failed()) {
      ctx.log(QStringLiteral("Запись времени прошло успешно."));
      run.run_.runDone = true;
    } else if (accessGranted || ctx.stopped()) {
      // A failed write says why; the access check has logged its own refusal.
      // "СТОП" during the wait for the minute fails no exchange, yet it is the reason.
      if (ctx.stopped()) run.keep(run_code::kStoppedByUser);
      ctx.log(ResultText(run.run_.runError));
    }
  } else {
    ctx.log(kMismatch);
  }
  run.end();
  return true;
}

}  // namespace

int MsToMinuteTurn(const QDateTime& time) {
  const int intoMinute = time.time().second() * 1000 + time.time().msec();
  return intoMinute < kClockLandingMs ? 0 : 60'000 - intoMinute;
}

// The clock runs keep their state in the run state while they work; the
// outcome is what they leave there.
RunOutcome RunClockRead(RunContext& ctx, std::optional<QDateTime>& reading) {
  const bool portOpened = ReadClock(ctx, reading);
  return RunOutcome{ctx.run().runError, ctx.run().runDone, !portOpened};
}

RunOutcome RunClockWrite(RunContext& ctx, const ClockSource& timeToWrite) {
  const bool portOpened = WriteClock(ctx, timeToWrite);
  return RunOutcome{ctx.run().runError, ctx.run().runDone, !portOpened};
}

}  // namespace nastrum
