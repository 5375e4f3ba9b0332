// What one exchange needs to know about the link, and the link layer's
// retry settings.
#pragma once

#include <cstdint>

#include "link/serial_port.h"

namespace nastrum {

// The exchange window's "Протокол обмена:" choice.
enum class LinkProtocol : int { Traditional = 0, Ft12 = 1, Ft11 = 2 };

// The exchange window's "CRC:" choice; only FT1.2 uses it.
enum class CrcMode : int {
  None = 0,         // "не раcсчитывается": checksum and end byte
  InData = 1,       // "в данных": CRC appended to the body, then checksum and end byte
  InsteadOfSum = 2, // "вместо КС": CRC in place of checksum and end byte
};

// The choices are kept and shown as their item index (the radio button's
// place, the number the settings store). These turn an index back into the
// choice; an index out of range becomes the nearest item.
LineKind lineKindOfItem(int item);
LinkProtocol protocolOfItem(int item);
CrcMode crcModeOfItem(int item);
template <class Choice>
constexpr int itemOf(Choice choice) { return static_cast<int>(choice); }

// The port itself is the SerialPort the LinkLayer was built on.
struct LinkParams {
  LineKind lineKind = LineKind::FourWire;
  LinkProtocol protocol = LinkProtocol::Traditional;
  std::uint8_t deviceAddress = 0;
  CrcMode crcMode = CrcMode::None;
};

// Attempts per frame and the pause before each attempt after the first; the
// exchange window resets both to these values whenever it is activated.
inline constexpr int kDefaultTryCount = 2;
inline constexpr int kDefaultRetryPauseMs = 3000;

struct LinkSettings {
  int tryCount = kDefaultTryCount;  // values below 1 count as 1
  int retryPauseMs = kDefaultRetryPauseMs;
};

// Request limits: a length byte N of 1 ... 200 payload bytes.
inline constexpr int kMaxRequestLength = 200;

}  // namespace nastrum
