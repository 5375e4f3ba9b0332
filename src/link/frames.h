// Pure builders of the request frames of the three link protocols and of the
// diagnostic frame log line.
#pragma once

#include <cstdint>

#include <QByteArray>
#include <QString>

#include "link/link_params.h"

namespace nastrum {

// Control bytes of the traditional handshake.
inline constexpr std::uint8_t kEnq = 0x05;    // "may I send?"
inline constexpr std::uint8_t kReady = 0x04;  // "send"
inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kNak = 0x15;

// FT1.2 and FT1.1 framing bytes.
inline constexpr std::uint8_t kFtControl = 0x40;
inline constexpr std::uint8_t kFtShortStart = 0x10;
inline constexpr std::uint8_t kFtLongStart = 0x68;
inline constexpr std::uint8_t kFtEnd = 0x16;
inline constexpr std::uint8_t kFtPositiveAck = 0xA2;
inline constexpr std::uint8_t kFtNegativeAck = 0xE5;
inline constexpr int kFtShortPayload = 4;  // short frames carry exactly four payload bytes

// (256 - sum mod 256) mod 256 over the payload.
std::uint8_t TraditionalChecksum(const QByteArray& payload);
// N, payload, checksum.
QByteArray TraditionalFrame(const QByteArray& payload);

// An FT1.2 frame in the three parts it is written in.
struct Ft12Frame {
  QByteArray start;    // 10, or 68 L L 68
  QByteArray body;     // 40, address, payload (padded to 4 in a short frame; + CRC in mode 1)
  QByteArray trailer;  // sum 16, or the CRC low byte first
  QByteArray bytes() const { return start + body + trailer; }
};
Ft12Frame BuildFt12Frame(const QByteArray& payload, std::uint8_t address, CrcMode crcMode);

// Sum of the bytes mod 256.
std::uint8_t ByteSum(const QByteArray& bytes);
// Appends the CRC of `bytes` low byte first.
void AppendCrc16(QByteArray& bytes);

// The FT1.1 header N + 2, 40, address; the payload follows in its own write.
QByteArray Ft11Header(int payloadLength, std::uint8_t address);

// "05 03 01 40 1E A1": the ready byte's request, then every byte of the frame.
QString FrameLogLine(const QByteArray& traditionalFrame);

}  // namespace nastrum
