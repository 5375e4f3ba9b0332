// What the benchmarks share: the paced simulator they talk to, the parts of a
// run against it, and what they measure a run against: a serial line that
// counts the bytes crossing it in either direction, a clock that sums the
// pauses asked of it, and the process's CPU time.
#pragma once

#include <sys/resource.h>

#include <cstdint>

#include <QFile>
#include <QProcess>
#include <QStringList>

#include <benchmark/benchmark.h>

#include "link/clock.h"
#include "link/port_address.h"
#include "link/qserialport_line.h"
#include "link/runs/exchange_settings.h"
#include "link/runs/link_device_session.h"
#include "link/runs/run_context.h"
#include "link/runs/run_observer.h"
#include "model/message_presenter.h"
#include "model/workspace.h"

namespace nastrum::bench {

constexpr double kBaud = 9600.0;
constexpr double kBitsPerByte = 11.0;  // start, 8 data, 2 stop

// Counts the bytes that cross the line in either direction.
class CountingLine final : public SerialLine {
 public:
  bool open(const QString& path, int baud) override { return line_.open(path, baud); }
  void close() override { line_.close(); }
  bool isOpen() const override { return line_.isOpen(); }
  void setFraming(Parity parity, StopBits stopBits) override { line_.setFraming(parity, stopBits); }
  bool setControlLines(bool dtr, bool rts) override { return line_.setControlLines(dtr, rts); }
  void setReadTimeout(int ms) override { line_.setReadTimeout(ms); }
  void purgeReceive() override { line_.purgeReceive(); }
  bool write(const QByteArray& bytes) override {
    bytes_ += bytes.size();
    return line_.write(bytes);
  }
  QByteArray read(int maxBytes) override {
    QByteArray got = line_.read(maxBytes);
    bytes_ += got.size();
    return got;
  }
  long long bytes() const { return bytes_; }

 private:
  QSerialPortLine line_;
  long long bytes_ = 0;
};

// Real time; every pause the link and the run ask for is summed.
class CountingClock final : public Clock {
 public:
  std::int64_t nowMs() const override { return clock_.nowMs(); }
  void sleepMs(int ms) override {
    pausedMs_ += ms > 0 ? ms : 0;
    clock_.sleepMs(ms);
  }
  std::int64_t pausedMs() const { return pausedMs_; }

 private:
  SystemClock clock_;
  std::int64_t pausedMs_ = 0;
};

inline double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Starts orvik-sim paced at 9600 baud with `arguments` on the link `link`;
// false when it did not come up. It logs a line per request into `logPath`,
// so that it never waits for a full pipe.
inline bool StartPacedSimulator(QProcess& sim, const QString& simPath, const QStringList& arguments,
                                const QString& link, const QString& logPath) {
  sim.setStandardOutputFile(logPath);
  sim.start(simPath, arguments + QStringList{QStringLiteral("--pace"), QStringLiteral("--link"), link});
  for (int i = 0; i < 200; ++i) {
    QFile log(logPath);
    if (log.open(QIODevice::ReadOnly) && log.readLine().startsWith("orvik-sim ready")) return true;
    sim.waitForFinished(100);
  }
  return false;
}

// Answers every message with "ОК".
class OkPresenter final : public MessagePresenter {
  int present(const MessageBoxSpec&) override { return AnswerOk; }
};

// The parts of one run over the production serial line to the simulator on
// `link`: the counting line and clock, the session over them, an empty
// workspace, a silent observer and a presenter that answers "ОК".
struct PacedRun {
  explicit PacedRun(const QString& link) {
    settings.portItem = PortAddress::kOtherItem;
    settings.otherPort = link;
  }
  CountingLine line;
  CountingClock clock;
  LinkDeviceSession session{line, clock};
  Workspace workspace;
  ExchangeSettings settings;
  NullRunObserver observer;
  OkPresenter presenter;
  RunContext ctx{workspace, session, settings, observer, presenter};
};

// Sets the iteration time and the counters every run benchmark reports (bytes,
// pauses, the line's floor, the ratio to it, CPU time and share); returns the
// floor in seconds: every byte at 11 bits plus the pauses asked for.
inline double ReportAgainstFloor(benchmark::State& state, const CountingLine& line, const CountingClock& clock,
                                 double baud, double wall, double cpu) {
  const double pauses = static_cast<double>(clock.pausedMs()) / 1000.0;
  const double floor = static_cast<double>(line.bytes()) * kBitsPerByte / baud + pauses;
  state.SetIterationTime(wall);
  state.counters["bytes"] = static_cast<double>(line.bytes());
  state.counters["pauses_s"] = pauses;
  state.counters["floor_s"] = floor;
  state.counters["wall_s"] = wall;
  state.counters["wall/floor"] = wall / floor;
  state.counters["cpu_s"] = cpu;
  state.counters["cpu_share"] = cpu / wall;
  return floor;
}

}  // namespace nastrum::bench
