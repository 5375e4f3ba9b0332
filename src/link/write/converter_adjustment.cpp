#include "link/write/converter_adjustment.h"

#include "model/kind_profile.h"

namespace nastrum {

namespace {

constexpr int kNormalisedTemperature = 0x47;  // D2 D3
constexpr int kOtherLinearScale = 0x50;

}  // namespace

int AdjustConverters(SettingsImage& image) {
  int changed = 0;
  const int count = kindProfile(image.deviceKind).sensors;
  for (int i = 0; i < count; ++i) {
    Word& main = image.sensors[static_cast<std::size_t>(i)].mainDescriptor;
    const int d1 = (main >> 12) & 0xF;
    const int d2d3 = (main >> 4) & 0xFF;
    if ((d1 == 9 || d1 == 1) && d2d3 == kNormalisedTemperature) {
      main = (main & ~Word{0x0FF0}) | (kOtherLinearScale << 4);
      ++changed;
    }
  }
  return changed;
}

}  // namespace nastrum
