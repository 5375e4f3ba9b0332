// Comparing two kind 2 images, the largest, as the window and nastrum-cli diff
// do: the configured demonstration plant against a copy with a difference on
// every page. The comparison should stay within 10 ms.
#include <benchmark/benchmark.h>

#include "compare/settings_comparison.h"
#include "sim/demo_image.h"

namespace nastrum {
namespace {

SettingsImage changedEverywhere(SettingsImage image) {
  image.sensors[1].maxValue = 120;
  image.pipelines[3].pipeDiameter = 65;
  image.hourArcDesc[0] = 0;
  image.sys(sys::MainChannelBaud) = 0x1920;
  image.logicLaw[5] = 0x0100;
  image.names.sensorNames[2].setBytes("T");
  image.sys(sys::TimeHHMM) = 1230;
  return image;
}

void BM_CompareKind2(benchmark::State& state) {
  const SettingsImage self = sim::demoPlantImage();
  const SettingsImage other = changedEverywhere(self);
  CompareOptions options;
  options.onlyDifferences = state.range(0) == 0;
  for (auto _ : state) {
    const Comparison c = compareSettings(self, QStringLiteral("a.bfm"), other, QStringLiteral("b.bfm"), options);
    benchmark::DoNotOptimize(c.rows.data());
  }
}
// 0: the differences only (the command line, the window's filter); 1: every field.
BENCHMARK(BM_CompareKind2)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace nastrum

BENCHMARK_MAIN();
