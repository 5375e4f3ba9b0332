// The device's four-byte real: exponent byte E, then a sign-and-magnitude
// mantissa M2 M1 M0 whose leading one is stored (bit 22). Value = ±m·2^(E−151).
#pragma once

#include <array>
#include <cstdint>

#include <QByteArray>

namespace nastrum {

using DeviceRealBytes = std::array<std::uint8_t, 4>;

// The device's saturation value (0xFFFFFE00): what FF FF FF FF and every
// exponent of 160 or more read as.
constexpr double DeviceRealLimit = 4294966784.0;

// Truncates (never rounds) to the 23-bit mantissa. Zero, magnitudes below
// 2^-127 and NaN give 80 00 00 00; magnitudes from DeviceRealLimit up give
// FF FF FF FF.
DeviceRealBytes EncodeDeviceReal(double x);

// Never fails: E <= 1 reads as 0.0, E >= 160 or all FF as DeviceRealLimit.
double DecodeDeviceReal(const DeviceRealBytes& bytes);
// The first four bytes of a reply; missing bytes count as 0.
double DecodeDeviceReal(const QByteArray& bytes);

QByteArray DeviceRealToByteArray(const DeviceRealBytes& bytes);

}  // namespace nastrum
