// One device of a multi-drop line as orvik-sim's "--device NUMBER:KIND[:demo]"
// names it.
#pragma once

#include <optional>

#include <QString>

namespace nastrum::sim {

struct LineDevice {
  int networkNumber = 1;  // 1 … 254
  int modelCode = 2;      // 0 … 4, as --kind
  bool demo = false;      // the demonstration plant instead of the starting settings
};

// "5:3" or "12:2:demo"; nothing when the text is not such a device.
std::optional<LineDevice> parseLineDevice(const QString& text);

}  // namespace nastrum::sim
