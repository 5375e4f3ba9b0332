#include "app/cli/command_clock.h"

#include <optional>

#include "app/cli/cli_link_options.h"
#include "app/cli/cli_run_observer.h"
#include "link/clock/clock_countdown.h"
#include "link/clock/clock_runs.h"
#include "link/clock/device_clock_time.h"
#include "link/runs/link_device_session.h"
#include "link/runs/result_texts.h"
#include "link/runs/run_codes.h"
#include "link/runs/run_retry.h"

namespace nastrum::cli {

namespace {

const QString kName = QStringLiteral("clock");
const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm");
constexpr int kExitClockFailed = 1;
constexpr int kPauseSliceMs = 100;

struct ClockArgs {
  ExchangeSettings settings;
  bool set = false;
  bool setNow = false;
  QDateTime setTime;
};

QString Parse(const CliArgs& args, ClockArgs& a) {
  if (QString complaint = parseLinkOptions(args, a.settings); !complaint.isEmpty()) return complaint;
  if (QString complaint = parsePasswordOption(args, a.settings); !complaint.isEmpty()) return complaint;
  a.set = args.isSet(QStringLiteral("set"));
  if (!a.set) {
    if (!a.settings.password.isEmpty()) return QStringLiteral("--password goes with --set");
    return {};
  }
  const QString value = args.value(QStringLiteral("set")).trimmed();
  if (value == QLatin1String("now")) {
    a.setNow = true;
    return {};
  }
  a.setTime = QDateTime::fromString(value, kTimeFormat);
  if (!a.setTime.isValid() || !ClockBytesFor(a.setTime))
    return QStringLiteral("--set takes 'YYYY-MM-DD HH:MM' or now, not \"%1\"").arg(value);
  return {};
}

// One conversation with the device, reporting on stderr.
class ClockSession {
 public:
  ClockSession(const ClockArgs& a, CliIo& io)
      : session_(MakeSerialPortSession(clock_)),
        observer_(io.err, false),
        presenter_(io.err),
        ctx_{workspace_, *session_, a.settings, observer_, presenter_} {}
  ~ClockSession() { session_->close(); }
  ClockSession(const ClockSession&) = delete;
  ClockSession& operator=(const ClockSession&) = delete;

  std::optional<QDateTime> read() {
    std::optional<QDateTime> reading;
    last_ = RunClockRead(ctx_, reading);
    return reading;
  }

  bool write(const ClockSource& timeToWrite) {
    workspace_.image.deviceKind = workspace_.run.connectedKind;
    last_ = RunClockWrite(ctx_, timeToWrite);
    return last_.done;
  }

  // A time the user gave runs on from now with this program's clock.
  ClockSource runningFrom(const QDateTime& time) {
    return RunningFrom(time, [this] { return clock_.nowMs(); });
  }

  // The time page's countdown on the computer's clock, so that the write
  // starts near the end of a minute; Ctrl+C abandons it.
  bool countDown(CliIo& io) {
    CountdownHooks hooks;
    hooks.show = [&](int left) { io.err << CountdownText(left) << Qt::endl; };
    hooks.sleep = [&](int ms) {
      for (int waited = 0; waited < ms; waited += kPauseSliceMs) {
        clock_.sleepMs(std::min(kPauseSliceMs, ms - waited));
        observer_.pumpEvents();
        if (observer_.stopRequested()) return false;
      }
      return true;
    };
    return CountDownFrom(QDateTime::currentDateTime(), hooks).has_value();
  }

  // Why the last run failed, for the closing line.
  QString failure() const {
    if (last_.portFailed) return QStringLiteral("the port could not be opened");
    const int code = last_.result;
    if (workspace_.run.connectedKind == 0 && code == 0) return QStringLiteral("the device is not one this program serves");
    if (code != 0) return ResultText(code).trimmed();
    const QString label = observer_.deviceLabel();
    return label.endsWith(QStringLiteral("не отвечает")) ? label : QStringLiteral("the run did not complete");
  }

 private:
  SystemClock clock_;
  Workspace workspace_;
  std::unique_ptr<DeviceSession> session_;
  CliRunObserver observer_;
  CliPresenter presenter_;
  RunContext ctx_;
  RunOutcome last_;
};

int runClock(const CliArgs& args, CliIo& io) {
  ClockArgs a;
  const QString complaint = Parse(args, a);
  if (!complaint.isEmpty()) return io.fail(kName, complaint);

  ClockSession device(a, io);
  const auto failed = [&] {
    io.err << "nastrum-cli clock: " << device.failure() << Qt::endl;
    return kExitClockFailed;
  };
  // Also tells the kind of the connected device, which a write must name.
  std::optional<QDateTime> reading = device.read();
  if (!reading) return failed();
  if (a.set) {
    ClockSource time = device.runningFrom(a.setTime);
    if (a.setNow) {
      if (!device.countDown(io)) {
        io.err << "nastrum-cli clock: " << ResultText(run_code::kStoppedByUser) << Qt::endl;
        return kExitClockFailed;
      }
      // The computer's time as it is when the bytes go out.
      time = [] { return QDateTime::currentDateTime(); };
    }
    if (!device.write(time)) return failed();
    reading = device.read();
    if (!reading) return failed();
  }
  io.out << reading->toString(kTimeFormat) << Qt::endl;
  return ExitOk;
}

}  // namespace

CliCommand clockCommand() {
  std::vector<CliOption> options = linkOptions();
  options.push_back({QStringLiteral("set"), QStringLiteral("'YYYY-MM-DD HH:MM'|now"),
                     QStringLiteral("write this time (now: this computer's, sent at the turn of a minute), then read it back")});
  options.push_back(passwordOption(QStringLiteral("with --set: the device's password, up to four hex digits")));
  return {kName,
          QStringLiteral("read the device clock, or set it, and print it as YYYY-MM-DD HH:MM"),
          {},
          options,
          runClock,
          QStringLiteral("The log goes to stderr; Ctrl+C stops the run as \"СТОП\" does. --set now waits, as the "
                         "time page does, for the turn of the minute and sends the minute that has just begun. Exit 1 when the device was not read or "
                         "not set.")};
}

}  // namespace nastrum::cli
