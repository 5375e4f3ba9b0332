#include "link/crc16.h"

namespace nastrum {

namespace {

std::uint16_t crcStep(std::uint16_t crc, std::uint8_t byte) {
  crc ^= byte;
  for (int bit = 0; bit < 8; ++bit) crc = (crc & 1u) ? static_cast<std::uint16_t>((crc >> 1) ^ 0x8408u) : static_cast<std::uint16_t>(crc >> 1);
  return crc;
}

}  // namespace

std::uint16_t Crc16(std::span<const std::uint8_t> bytes) {
  std::uint16_t crc = 0xFFFF;
  for (std::uint8_t b : bytes) crc = crcStep(crc, b);
  return crc;
}

std::uint16_t Crc16(const QByteArray& bytes) {
  std::uint16_t crc = 0xFFFF;
  for (char c : bytes) crc = crcStep(crc, static_cast<std::uint8_t>(c));
  return crc;
}

}  // namespace nastrum
