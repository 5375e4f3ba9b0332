// A full scan of network numbers 1 to 32 at 9600 baud, three devices of three
// kinds on the line, against orvik-sim over a paced pseudo-terminal through
// the program's production serial line. The floor of the identifications is
// every byte on the wire at 11 bits, the pauses the protocol mandates, and,
// for each number without a device, the network select's reply window, which
// a silent number has to wait out.
#include <chrono>
#include <cstdio>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "bench/bench_support.h"
#include "link/link_timing.h"
#include "link/scan/network_scan.h"

namespace nastrum {
namespace {

struct Quiet final : ScanListener {
  void probed(const ProbeResult&) override {}
};

void BM_ScanOverPacedPty(benchmark::State& state) {
  const NetworkRange range{1, 32};
  QTemporaryDir dir;
  const QString link = dir.filePath(QStringLiteral("orvik"));
  QProcess sim;
  const QStringList devices{QStringLiteral("--device"), QStringLiteral("3:1"), QStringLiteral("--device"),
                            QStringLiteral("17:2:demo"), QStringLiteral("--device"), QStringLiteral("29:3")};
  if (!bench::StartPacedSimulator(sim, QStringLiteral(ORVIK_SIM_PATH), devices, link,
                                  dir.filePath(QStringLiteral("orvik-sim.log")))) {
    state.SkipWithError("orvik-sim did not start");
    return;
  }

  for (auto _ : state) {
    bench::PacedRun run(link);
    Quiet listener;
    const double cpuBefore = bench::CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    const ScanReport report = RunNetworkScan(run.ctx, ScanOptions{range, 1}, listener);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = bench::CpuSeconds() - cpuBefore;
    if (report.devices().size() != 3 || !report.complete(range)) {
      state.SkipWithError("the scan did not find the three devices");
      break;
    }
    const int silent = range.count() - static_cast<int>(report.answered.size());
    const double windows = silent * kHandshakeWindowMs / 1000.0;
    const double floor = bench::ReportAgainstFloor(state, run.line, run.clock, bench::kBaud, wall, cpu) + windows;
    state.counters["floor_s"] = floor;
    state.counters["wall/floor"] = wall / floor;
    std::printf("scan of 1-32 at 9600 baud: %.1f s wall, floor %.1f s (%lld bytes at 11 bits, %.1f s of pauses, "
                "%d silent numbers x %.3f s select window), ratio %.3f, program CPU %.2f s\n",
                wall, floor, run.line.bytes(), static_cast<double>(run.clock.pausedMs()) / 1000.0, silent,
                kHandshakeWindowMs / 1000.0, wall / floor, cpu);
    std::fflush(stdout);
  }
  sim.terminate();
  sim.waitForFinished(10000);
}

BENCHMARK(BM_ScanOverPacedPty)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
}  // namespace nastrum

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
