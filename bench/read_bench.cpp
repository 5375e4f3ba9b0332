// A full constants read of each device kind from orvik-sim over a paced
// pseudo-terminal at 9600 and 19200 baud, through the program's production
// serial line. Reports the wall time against the line's floor (every byte on
// the wire at 11 bits, plus the pauses the protocol mandates), and the CPU
// time of the program and of the simulator.
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <memory>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "bench/bench_support.h"
#include "link/serial_port.h"
#include "link/read/device_read_job.h"

namespace nastrum {
namespace {

using bench::CpuSeconds;
using bench::ReportAgainstFloor;

// User and system time of another process so far, from /proc.
double ProcessCpuSeconds(qint64 pid) {
  QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
  if (!stat.open(QIODevice::ReadOnly)) return 0.0;
  const QByteArray text = stat.readAll();
  // The fields after the command name, which is in parentheses.
  const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
  if (fields.size() < 13) return 0.0;
  const double ticks = static_cast<double>(fields[11].toLongLong() + fields[12].toLongLong());
  return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Arguments: the device kind and the speed's BaudIndex.
void BM_ReadOverPacedPty(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  const int baudIndex = static_cast<int>(state.range(1));
  const double baud = BaudRate(baudIndex);
  QTemporaryDir dir;
  const QString link = dir.filePath(QStringLiteral("orvik"));
  QProcess sim;
  QStringList simArgs{QStringLiteral("--kind"), QString::number(kind)};
  if (kind == 2) simArgs << QStringLiteral("--demo");  // the demonstration plant is of this kind
  if (!bench::StartPacedSimulator(sim, QStringLiteral(ORVIK_SIM_PATH), simArgs, link,
                                  dir.filePath(QStringLiteral("orvik-sim.log")))) {
    state.SkipWithError("orvik-sim did not start");
    return;
  }

  for (auto _ : state) {
    bench::PacedRun run(link);
    run.settings.baudIndex = baudIndex;
    DeviceReadJob job;

    const double cpuBefore = CpuSeconds();
    const double simCpuBefore = ProcessCpuSeconds(sim.processId());
    const auto start = std::chrono::steady_clock::now();
    job.run(run.ctx, ReadChoice::Constants);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = CpuSeconds() - cpuBefore;
    const double simCpu = ProcessCpuSeconds(sim.processId()) - simCpuBefore;
    run.session.close();
    if (!job.result()) {
      state.SkipWithError("the read failed");
      break;
    }
    const double floor = ReportAgainstFloor(state, run.line, run.clock, baud, wall, cpu);
    state.counters["sim_cpu_s"] = simCpu;
    std::printf("kind %d read at %.0f baud: %.1f s wall, floor %.1f s (%lld bytes at 11 bits, %.1f s of pauses), "
                "ratio %.3f, program CPU %.2f s (%.1f %% of the wall time), simulator CPU %.2f s\n",
                kind, baud, wall, floor, run.line.bytes(), static_cast<double>(run.clock.pausedMs()) / 1000.0, wall / floor,
                cpu, 100.0 * cpu / wall, simCpu);
    std::fflush(stdout);
  }
  sim.terminate();
  sim.waitForFinished(10000);
}

BENCHMARK(BM_ReadOverPacedPty)
    ->ArgNames({"kind", "baud_index"})
    ->ArgsProduct({{1, 2, 3}, {5, 6}})  // 9600 and 19200 baud
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

}  // namespace
}  // namespace nastrum

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
