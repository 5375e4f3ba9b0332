// The reply windows and pauses the device relies on.
#pragma once

namespace nastrum {

// The short window of the traditional handshake and the network select.
inline constexpr int kHandshakeWindowMs = 1728;
// Reply windows scale with the speed class d: d x 0.864 s.
inline constexpr int kReplyWindowMsPerSpeedClass = 864;
inline constexpr int ReplyWindowMs(int speedClass) { return speedClass * kReplyWindowMsPerSpeedClass; }

// Read time-out set at the start of every exchange.
inline constexpr int kExchangeReadTimeoutSeconds = 1;
// Extra seconds for a traditional reply longer than 50 bytes.
inline constexpr int kLongReplyExtraSeconds = 2;
inline constexpr int kLongReplyThreshold = 50;
// FT1.1 rests after every attempt.
inline constexpr int kFt11AfterAttemptMs = 100;

// Network select.
inline constexpr int kSelectReadTimeoutMs = 100;
inline constexpr int kSelectPauseMs = 50;
inline constexpr int kSelectAnsweredPauseMs = 20;

}  // namespace nastrum
