// The address of a device parameter: group G, number P and index I, sent on
// the line as the two bytes (G OR I), P and written as 0x4102 and the like.
#pragma once

#include <cstdint>

namespace nastrum {

struct ParamAddress {
  std::uint8_t group = 0;
  std::uint8_t number = 0;
  std::uint8_t index = 0;

  // Group 0x00, I = sensor index 0 ... 63 (also the interval archives).
  static constexpr ParamAddress sensor(int sensorIndex, int number) {
    return {0x00, static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(sensorIndex)};
  }
  // Group 0x80, I = pipeline index 0 ... 15.
  static constexpr ParamAddress pipeline(int pipelineIndex, int number) {
    return {0x80, static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(pipelineIndex)};
  }
  // Groups 0x40 ... 0x43, I the element of a per-item family.
  static constexpr ParamAddress system(int group, int index, int number) {
    return {static_cast<std::uint8_t>(group), static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(index)};
  }
  // From the written form: 0x4008 is group 0x40, number 0x08.
  static constexpr ParamAddress fromWord(std::uint16_t word) {
    return {static_cast<std::uint8_t>(word >> 8), static_cast<std::uint8_t>(word & 0xFF), 0};
  }

  constexpr std::uint8_t highByte() const { return static_cast<std::uint8_t>(group | index); }
  constexpr std::uint8_t lowByte() const { return number; }
  constexpr std::uint16_t word() const { return static_cast<std::uint16_t>(highByte() << 8 | lowByte()); }

  friend constexpr bool operator==(const ParamAddress& a, const ParamAddress& b) { return a.word() == b.word(); }
};

// Parameters more than one exchange run needs.
namespace device_param {
inline constexpr ParamAddress kStatusWord = ParamAddress::fromWord(0x4000);
inline constexpr ParamAddress kSettlementHourAndDay = ParamAddress::fromWord(0x4002);  // BCD pair
inline constexpr ParamAddress kWriteUnlock = ParamAddress::fromWord(0x4007);
inline constexpr ParamAddress kPassword = ParamAddress::fromWord(0x4008);
inline constexpr ParamAddress kClockTime = ParamAddress::fromWord(0x4015);  // hours, minutes
inline constexpr ParamAddress kClockDate = ParamAddress::fromWord(0x4016);  // day, month
inline constexpr ParamAddress kClockYear = ParamAddress::fromWord(0x4017);  // century, year of century
inline constexpr ParamAddress kFirmwareVersion = ParamAddress::fromWord(0x401E);
inline constexpr ParamAddress kFactoryNumber = ParamAddress::fromWord(0x403C);
inline constexpr ParamAddress kModel = ParamAddress::fromWord(0x411E);
}  // namespace device_param

}  // namespace nastrum
