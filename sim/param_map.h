// The device's settings parameters of one model and how each one corresponds
// to a field of the settings image. The device itself stores raw bytes; this
// map is what fills it from an image and what turns what was written to it
// back into an image.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include <QByteArray>

#include "model/settings_image.h"

namespace nastrum::sim {

// The wire address of a parameter: (group OR index) in the high byte, number low.
using ParamKey = std::uint16_t;

constexpr ParamKey paramKey(int groupOrIndex, int number) {
  return static_cast<ParamKey>(((groupOrIndex & 0xFF) << 8) | (number & 0xFF));
}

struct ParamBinding {
  ParamKey key;
  int size;       // bytes a read returns
  int writeSize;  // bytes a write carries
  std::function<QByteArray(const SettingsImage&)> encode;
  std::function<void(SettingsImage&, const QByteArray&)> decode;
};

// Every settings parameter of the model (kinds 1..3; other codes use kind 2),
// in the order the program reads them.
std::vector<ParamBinding> settingsParams(int kind);

// Where the main modem string also appears in device memory: read at
// readAddress, written at writeAddress (0 when only readable there).
struct ModemMemory {
  std::uint16_t readAddress;
  std::uint16_t writeAddress;
  ParamKey aliasOf;  // the parameter holding it, 0 when it lives only in memory
};
std::vector<ModemMemory> modemMemoryFor(int kind);

}  // namespace nastrum::sim
