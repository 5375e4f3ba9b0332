#include "model/device_real.h"

#include <cmath>

namespace nastrum {

namespace {

constexpr DeviceRealBytes kZeroPattern{0x80, 0x00, 0x00, 0x00};
constexpr DeviceRealBytes kLimitPattern{0xFF, 0xFF, 0xFF, 0xFF};
constexpr int kExponentBias = 151;  // value = m * 2^(E - 151), m < 2^23

}  // namespace

DeviceRealBytes EncodeDeviceReal(double x) {
  // A NaN must never reach the device as some arbitrary pattern: send zero.
  if (x == 0.0 || std::isnan(x)) return kZeroPattern;
  const double magnitude = std::fabs(x);
  if (magnitude >= DeviceRealLimit) return kLimitPattern;

  int binaryExponent = 0;  // magnitude = f * 2^binaryExponent, 0.5 <= f < 1
  std::frexp(magnitude, &binaryExponent);
  const int exponent = 129 + (binaryExponent - 1);  // 2^(E-129) <= |x| < 2^(E-128)
  if (exponent <= 1) return kZeroPattern;

  // Scaling by a power of two is exact, so floor() is the bit-by-bit truncation.
  const auto mantissa = static_cast<std::uint32_t>(std::floor(std::ldexp(magnitude, kExponentBias - exponent)));
  std::uint8_t m2 = static_cast<std::uint8_t>((mantissa >> 16) & 0x7F);
  if (x < 0) m2 |= 0x80;
  return {static_cast<std::uint8_t>(exponent), m2, static_cast<std::uint8_t>(mantissa >> 8),
          static_cast<std::uint8_t>(mantissa)};
}

double DecodeDeviceReal(const DeviceRealBytes& bytes) {
  const int exponent = bytes[0];
  if (bytes == kLimitPattern || exponent >= 160) return DeviceRealLimit;
  if (exponent <= 1) return 0.0;
  const std::uint32_t mantissa = (static_cast<std::uint32_t>(bytes[1] & 0x7F) << 16) |
                                 (static_cast<std::uint32_t>(bytes[2]) << 8) | bytes[3];
  if (mantissa == 0) return 0.0;
  const double magnitude = std::ldexp(static_cast<double>(mantissa), exponent - kExponentBias);
  return (bytes[1] & 0x80) ? -magnitude : magnitude;
}

double DecodeDeviceReal(const QByteArray& bytes) {
  DeviceRealBytes raw{};
  for (int i = 0; i < 4 && i < bytes.size(); ++i) raw[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(bytes[i]);
  return DecodeDeviceReal(raw);
}

QByteArray DeviceRealToByteArray(const DeviceRealBytes& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

}  // namespace nastrum
