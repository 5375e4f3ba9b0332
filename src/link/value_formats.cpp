#include "link/value_formats.h"

#include <algorithm>

namespace nastrum {

namespace {

std::uint8_t byteAt(const QByteArray& bytes, int i) {
  return i < bytes.size() ? static_cast<std::uint8_t>(bytes[i]) : 0;
}

int bcdByte(std::uint8_t b) {
  const int high = b >> 4;
  const int low = b & 0x0F;
  if (high > 9 || low > 9) return 0;
  return high * 10 + low;
}

std::uint8_t toBcd(int twoDigits) { return static_cast<std::uint8_t>((twoDigits / 10) << 4 | (twoDigits % 10)); }

}  // namespace

std::uint16_t WordFromBytes(const QByteArray& bytes) {
  return static_cast<std::uint16_t>(byteAt(bytes, 0) << 8 | byteAt(bytes, 1));
}

QByteArray WordToBytes(std::int64_t value) {
  const auto word = static_cast<std::uint16_t>(value & 0xFFFF);
  return ToByteArray({static_cast<std::uint8_t>(word >> 8), static_cast<std::uint8_t>(word & 0xFF)});
}

int DecimalPairFromBytes(const QByteArray& bytes) { return byteAt(bytes, 0) * 100 + byteAt(bytes, 1); }

std::optional<BytePair> DecimalPairToBytes(std::int64_t value) {
  // A device may hold a low byte above 99 (FF FF reads as 25755); above
  // 25599 the high byte stays at 255 and the low byte takes the rest, so
  // every value a read gives is written back.
  constexpr std::int64_t kLargest = 255 * 100 + 255;
  if (value < 0 || value > kLargest) return std::nullopt;
  const std::int64_t high = std::min<std::int64_t>(value / 100, 255);
  return BytePair{static_cast<std::uint8_t>(high), static_cast<std::uint8_t>(value - high * 100)};
}

int BcdPairFromBytes(const QByteArray& bytes) { return bcdByte(byteAt(bytes, 0)) * 100 + bcdByte(byteAt(bytes, 1)); }

std::optional<BytePair> BcdPairToBytes(std::int64_t value) {
  if (value < 0 || value > 9999) return std::nullopt;
  const int v = static_cast<int>(value);
  return BytePair{toBcd(v / 100), toBcd(v % 100)};
}

QByteArray ToByteArray(const BytePair& pair) {
  return QByteArray(reinterpret_cast<const char*>(pair.data()), static_cast<qsizetype>(pair.size()));
}

}  // namespace nastrum
