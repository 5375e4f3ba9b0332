// Bounds-checked byte access: requests and replies come from the line, so a
// missing byte reads as 0 rather than past the end.
#pragma once

#include <cstdint>

#include <QByteArray>

namespace nastrum::sim {

inline std::uint8_t byteAt(const QByteArray& bytes, qsizetype i) {
  return i >= 0 && i < bytes.size() ? static_cast<std::uint8_t>(bytes[i]) : 0;
}

}  // namespace nastrum::sim
