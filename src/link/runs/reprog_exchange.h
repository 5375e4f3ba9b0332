// The device loader's raw byte protocol: a command of two bytes, optionally
// a data packet, each acknowledged by one byte, and a completion byte.
#pragma once

#include <cstdint>

#include <QByteArray>

#include "link/runs/device_session.h"
#include "link/runs/transfer_options.h"

namespace nastrum {

constexpr int kReprogAttempts = 3;
constexpr int kReprogAckTimeoutMs = 2000;

struct ReprogRequest {
  std::uint8_t command = 0;
  int stages = 1;            // 1: the command only; 2: the command, then `packet`
  QByteArray packet;
  bool completionWanted = false;
  int completionTimeoutSeconds = 1;
  std::uint8_t expectedCompletion = 0x00;
};

// Up to three attempts; returns 0 or the last attempt's code (1, 8, 27, 28,
// 29, 40 … 45).
int ReprogExchange(DeviceSession& link, const ReprogRequest& request, const TransferOptions& options);

// The code a completion byte other than the expected one stands for.
int CompletionFailureCode(std::uint8_t completion, std::uint8_t command);

}  // namespace nastrum
