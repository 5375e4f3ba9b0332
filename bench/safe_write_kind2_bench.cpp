// A safe write of a kind 2 device with one sensor changed, to orvik-sim over a
// pseudo-terminal paced at 9600 baud through the program's production serial
// line: the backup read of the constants, the changed items only, and their
// read-back. Reports the wall time against the line's floor and against a
// full write of every group (bench/write_kind2.sh).
#include <chrono>
#include <cstdio>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "bench/bench_support.h"
#include "link/read/device_read_job.h"
#include "link/safe_write/safe_write.h"

namespace nastrum {
namespace {

using bench::CpuSeconds;
using bench::kBaud;
using bench::ReportAgainstFloor;

// A full kind 2 write of the demonstration plant as write_kind2_bench measured it.
constexpr double kFullWriteSeconds = 246.0;

void BM_SafeWriteKind2OneSensorOverPacedPty(benchmark::State& state) {
  QTemporaryDir dir;
  const QString link = dir.filePath(QStringLiteral("orvik"));
  QProcess sim;
  if (!bench::StartPacedSimulator(sim, QStringLiteral(ORVIK_SIM_PATH),
                                  {QStringLiteral("--kind"), QStringLiteral("2"), QStringLiteral("--demo")}, link,
                                  dir.filePath(QStringLiteral("orvik-sim.log")))) {
    state.SkipWithError("orvik-sim did not start");
    return;
  }

  for (auto _ : state) {
    // What the device holds, as "Чтение с ОРВИК" opens it (not timed), with one sensor edited.
    SettingsImage edited;
    {
      bench::PacedRun read(link);
      DeviceReadJob job;
      if (job.run(read.ctx, ReadChoice::Constants).failed()) {
        state.SkipWithError("the read failed");
        break;
      }
      read.session.close();
      edited = *job.result();
    }
    edited.sensors[0].maxValue += 10.0;
    edited.sensors[0].minValue -= 5.0;

    bench::PacedRun run(link);
    run.workspace.image = edited;
    FixedWriteAnswerer answers(false, true);
    SafeWriteOptions options;
    options.backupRoot = dir.filePath(QStringLiteral("backups"));

    const double cpuBefore = CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    const SafeWriteOutcome outcome =
        RunSafeWrite(run.ctx, {WriteChoice::Constants, WriteGroups::all()}, options, answers);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = CpuSeconds() - cpuBefore;
    run.session.close();
    if (!outcome.succeeded()) {
      state.SkipWithError("the safe write failed");
      break;
    }
    const double floor = ReportAgainstFloor(state, run.line, run.clock, kBaud, wall, cpu);
    state.counters["items"] = outcome.itemsWritten;
    state.counters["wall/full_write"] = wall / kFullWriteSeconds;
    std::printf("kind 2 safe write, one sensor (%d items): %.1f s wall, floor %.1f s (%lld bytes at 11 bits, %.1f s "
                "of pauses), ratio %.2f, %.0f%% of a full write (%.0f s), program CPU %.2f s\n",
                outcome.itemsWritten, wall, floor, run.line.bytes(), static_cast<double>(run.clock.pausedMs()) / 1000.0,
                wall / floor, 100.0 * wall / kFullWriteSeconds, kFullWriteSeconds, cpu);
  }
  sim.terminate();
  sim.waitForFinished(10000);
}

BENCHMARK(BM_SafeWriteKind2OneSensorOverPacedPty)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
}  // namespace nastrum

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
