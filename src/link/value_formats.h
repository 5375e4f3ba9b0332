// The two-byte value forms the device uses besides its real: words, pairs of
// small decimal numbers, BCD pairs, and the status word.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include <QByteArray>

namespace nastrum {

using BytePair = std::array<std::uint8_t, 2>;

// High byte first: byte0 x 256 + byte1. Missing bytes count as 0.
std::uint16_t WordFromBytes(const QByteArray& bytes);
// The low 16 bits of an image field, high byte first.
QByteArray WordToBytes(std::int64_t value);

// Two small numbers kept in the image as byte0 x 100 + byte1 (hours and
// minutes: 1430).
int DecimalPairFromBytes(const QByteArray& bytes);
// Byte0 = value div 100 up to 255, byte1 the rest, so that every value a
// read can give (up to 25755, read from FF FF) writes back; nothing beyond.
std::optional<BytePair> DecimalPairToBytes(std::int64_t value);

// Two BCD bytes, hour then day (0x23 0x15 -> 2315). A byte that is not BCD
// (0xFF of an unset device among them) counts as 0.
int BcdPairFromBytes(const QByteArray& bytes);
// 2315 -> 0x23 0x15; nothing for values outside 0 ... 9999.
std::optional<BytePair> BcdPairToBytes(std::int64_t value);

QByteArray ToByteArray(const BytePair& pair);

// Parameter 0x4000.
struct StatusWord {
  std::uint16_t value = 0;

  static constexpr std::uint16_t kKeyMissingBit = 0x8000;
  static constexpr int kWorkingStateShift = 3;
  static constexpr int kWorking = 0b00;
  static constexpr int kStopped = 0b01;
  static constexpr int kInReprogramming = 0b01;
  static constexpr int kLeftReprogramming = 0b11;

  // The electronic key is missing: the device refuses configuration.
  constexpr bool keyMissing() const { return (value & kKeyMissingBit) != 0; }
  // Bits 4 ... 3: 00 working, 01 stopped.
  constexpr int workingState() const { return (value >> kWorkingStateShift) & 0b11; }
  constexpr bool stopped() const { return workingState() == kStopped; }
  // Bits 1 ... 0: 01 in the reprogramming mode, 11 left it.
  constexpr int reprogrammingState() const { return value & 0b11; }
  constexpr bool inReprogramming() const { return reprogrammingState() == kInReprogramming; }
  constexpr bool leftReprogramming() const { return reprogrammingState() == kLeftReprogramming; }
};

}  // namespace nastrum
