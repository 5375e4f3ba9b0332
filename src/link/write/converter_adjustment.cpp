#include "link/write/converter_adjustment.h"

#include "model/hex_text.h"
#include "model/kind_profile.h"

namespace nastrum {

namespace {

constexpr int kNormalisedTemperature = 0x47;  // D2 D3
constexpr int kOtherLinearScale = 0x50;

}  // namespace

std::vector<ConverterChange> AdjustConverters(SettingsImage& image) {
  std::vector<ConverterChange> changes;
  const int count = kindProfile(image.deviceKind).sensors;
  for (int i = 0; i < count; ++i) {
    Word& main = image.sensors[static_cast<std::size_t>(i)].mainDescriptor;
    const int d1 = (main >> 12) & 0xF;
    const int d2d3 = (main >> 4) & 0xFF;
    if ((d1 == 9 || d1 == 1) && d2d3 == kNormalisedTemperature) {
      const Word before = main;
      main = (main & ~Word{0x0FF0}) | (kOtherLinearScale << 4);
      changes.push_back({i, before, main});
    }
  }
  return changes;
}

void AdjustConvertersTelling(RunContext& ctx) {
  for (const ConverterChange& c : AdjustConverters(ctx.workspace.image))
    ctx.log(QStringLiteral("Датчик %1: код %2 заменен на %3 для записи")
                .arg(c.sensor)
                .arg(HexWord(c.before & 0xFFFF), HexWord(c.after & 0xFFFF)));
}

}  // namespace nastrum
