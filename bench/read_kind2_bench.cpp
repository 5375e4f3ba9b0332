// A full constants read of a kind 2 device (the demonstration plant) from
// orvik-sim over a pseudo-terminal paced at 9600 baud, through the program's
// production serial line. Reports the wall time against the line's floor
// (every byte on the wire at 11 bits, plus the pauses the protocol mandates)
// and the program's own CPU time.
#include <chrono>
#include <cstdio>
#include <memory>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "bench/bench_support.h"
#include "link/read/device_read_job.h"
#include "link/runs/link_device_session.h"

namespace nastrum {
namespace {

using bench::CountingClock;
using bench::CountingLine;
using bench::CpuSeconds;
using bench::kBaud;
using bench::kBitsPerByte;

void BM_ReadKind2OverPacedPty(benchmark::State& state) {
  QTemporaryDir dir;
  const QString link = dir.filePath(QStringLiteral("orvik"));
  const QString simLog = dir.filePath(QStringLiteral("orvik-sim.log"));
  QProcess sim;
  if (!bench::StartPacedSimulator(sim, QStringLiteral(ORVIK_SIM_PATH),
                                  {QStringLiteral("--kind"), QStringLiteral("2"), QStringLiteral("--demo")}, link,
                                  simLog)) {
    state.SkipWithError("orvik-sim did not start");
    return;
  }

  for (auto _ : state) {
    CountingLine line;
    CountingClock clock;
    LinkDeviceSession session(line, clock);
    Workspace workspace;
    ExchangeSettings settings;
    settings.portItem = PortAddress::kOtherItem;
    settings.otherPort = link;
    NullRunObserver observer;
    class : public MessagePresenter {
      int present(const MessageBoxSpec&) override { return AnswerOk; }
    } presenter;
    RunContext ctx{workspace, session, settings, observer, presenter};
    DeviceReadJob job;

    const double cpuBefore = CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    job.run(ctx, ReadChoice::Constants);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = CpuSeconds() - cpuBefore;
    session.close();
    if (!job.result()) {
      state.SkipWithError("the read failed");
      break;
    }
    const double floor = static_cast<double>(line.bytes()) * kBitsPerByte / kBaud +
                         static_cast<double>(clock.pausedMs()) / 1000.0;
    state.SetIterationTime(wall);
    state.counters["bytes"] = static_cast<double>(line.bytes());
    state.counters["pauses_s"] = static_cast<double>(clock.pausedMs()) / 1000.0;
    state.counters["floor_s"] = floor;
    state.counters["wall_s"] = wall;
    state.counters["wall/floor"] = wall / floor;
    state.counters["cpu_s"] = cpu;
    std::printf("kind 2 read: %.1f s wall, floor %.1f s (%lld bytes at 11 bits, %.1f s of pauses), ratio %.2f, "
                "program CPU %.2f s\n",
                wall, floor, line.bytes(), static_cast<double>(clock.pausedMs()) / 1000.0, wall / floor, cpu);
  }
  sim.terminate();
  sim.waitForFinished(10000);
}

BENCHMARK(BM_ReadKind2OverPacedPty)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
}  // namespace nastrum

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
