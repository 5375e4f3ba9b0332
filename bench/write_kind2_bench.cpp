// A full constants write of a kind 2 device (every group of the demonstration
// plant) to orvik-sim over a pseudo-terminal paced at 9600 baud, through the
// program's production serial line, answering "Да" to the start. Reports the
// wall time against the line's floor (every byte on the wire at 11 bits, plus
// the pauses the protocol mandates, the fixed waits of the mode changes among
// them) and the program's own CPU time.
#include <chrono>
#include <cstdio>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "bench/bench_support.h"
#include "link/write/device_write_run.h"
#include "sim/demo_image.h"

namespace nastrum {
namespace {

using bench::CpuSeconds;
using bench::kBaud;
using bench::ReportAgainstFloor;

void BM_WriteKind2OverPacedPty(benchmark::State& state) {
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
    bench::PacedRun run(link);
    run.workspace.image = sim::demoPlantImage();
    run.workspace.image.deviceKind = 2;
    FixedWriteAnswerer answers(false, true);

    const double cpuBefore = CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    const DeviceWriteOutcome outcome = RunDeviceWrite(run.ctx, {WriteChoice::Constants, WriteGroups::all()}, answers);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = CpuSeconds() - cpuBefore;
    run.session.close();
    if (!outcome.succeeded()) {
      state.SkipWithError("the write failed");
      break;
    }
    const double floor = ReportAgainstFloor(state, run.line, run.clock, kBaud, wall, cpu);
    std::printf("kind 2 write: %.1f s wall, floor %.1f s (%lld bytes at 11 bits, %.1f s of pauses), ratio %.2f, "
                "program CPU %.2f s\n",
                wall, floor, run.line.bytes(), static_cast<double>(run.clock.pausedMs()) / 1000.0, wall / floor, cpu);
  }
  sim.terminate();
  sim.waitForFinished(10000);
}

BENCHMARK(BM_WriteKind2OverPacedPty)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
}  // namespace nastrum

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
