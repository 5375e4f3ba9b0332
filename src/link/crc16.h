// The CRC-16 of the FT1.2 frames (CRC-16/MCRF4XX: reflected 0x1021, start
// 0xFFFF, no final XOR). Frames carry it low byte first, so the CRC over data
// followed by its own CRC is 0.
#pragma once

#include <cstdint>
#include <span>

#include <QByteArray>

namespace nastrum {

std::uint16_t Crc16(std::span<const std::uint8_t> bytes);
std::uint16_t Crc16(const QByteArray& bytes);

}  // namespace nastrum
