#include "descriptors/channel_word.h"

#include "descriptors/system_codes.h"

namespace nastrum::channel_word {

namespace {

constexpr int kRs485Bit = 0x80;
constexpr int kFtBit = 0x40;
constexpr int kPmk3Bit = 0x20;
constexpr int kHayesBit = 0x10;
constexpr int kFt12Bit = 0x08;
constexpr int kCrcBit = 0x04;
constexpr int kCrcInDataBit = 0x02;
constexpr int kCrcBits = 0x07;
constexpr int kRingBits = 0x0F;

int HighByte(int word) { return (word >> 8) & 0xFF; }
int LowByte(int word) { return word & 0xFF; }
int Combine(int high, int low) { return ((high & 0xFF) << 8) | (low & 0xFF); }

}  // namespace

const ChoiceList& linkTypes() {
  static const ChoiceList list{{Rs232, QStringLiteral("RS-232, ИРПС")},
                               {Rs485, QStringLiteral("RS-485")},
                               {Pmk3, QStringLiteral("ПМК-3")},
                               {Hayes, QStringLiteral("Hayes-модем")}};
  return list;
}

const ChoiceList& protocols() {
  static const ChoiceList list{
      {Traditional, QStringLiteral("Традиционный")}, {Ft11, QStringLiteral("FT 1.1")}, {Ft12, QStringLiteral("FT 1.2")}};
  return list;
}

const ChoiceList& crcModes() {
  static const ChoiceList list{{NoCrc, QStringLiteral("не расчитывается")},
                               {CrcInData, QStringLiteral("в данных")},
                               {CrcInsteadOfSum, QStringLiteral("вместо КС")}};
  return list;
}

const ChoiceList& lineKinds() {
  static const ChoiceList list{{1, QStringLiteral("Коммутируем.")}, {0, QStringLiteral("Выделенная")}};
  return list;
}

LinkType linkTypeOf(int word) {
  if (word & kHayesBit) return Hayes;
  if (word & kPmk3Bit) return Pmk3;
  if (word & kRs485Bit) return Rs485;
  return Rs232;
}

Protocol protocolOf(int word) {
  if (!(word & kFtBit)) return Traditional;
  return (word & kFt12Bit) ? Ft12 : Ft11;
}

Crc crcOf(int word) {
  if (!(word & kCrcBit)) return NoCrc;
  return (word & kCrcInDataBit) ? CrcInData : CrcInsteadOfSum;
}

int networkNumberOf(int word) { return HighByte(word); }
int ringsOf(int word) { return word & kRingBits; }

int withProtocol(int word, Protocol protocol) {
  switch (protocol) {
    case Traditional: return Combine(HighByte(word), 0);
    case Ft11: return 0x0140;
    case Ft12: return 0x0148;
  }
  return word;
}

std::optional<int> withLinkType(int word, LinkType type, int& speedCode) {
  const bool ft = protocolOf(word) != Traditional;
  switch (type) {
    case Rs232:
    case Rs485: {
      const int rs485 = type == Rs485 ? kRs485Bit : 0;
      // A direct line drops the modem bits: left set, they would still make
      // the channel (and the device) a modem link.
      if (ft) return Combine(0x01, (LowByte(word) & ~(kRs485Bit | kHayesBit | kPmk3Bit)) | rs485);
      return rs485;
    }
    case Pmk3:
      if (ft) return std::nullopt;
      speedCode = system_codes::kModemLineMaxSpeedCode;
      return kPmk3Bit;
    case Hayes: {
      const int low = protocolOf(word) == Ft12 ? 0b01011000 : ft ? 0b01010000 : 0b00010000;
      speedCode = system_codes::kDefaultSpeedCode;
      return Combine(HighByte(word), low);
    }
  }
  return word;
}

int withNetwork(int word, bool on) { return Combine(on ? 0x01 : 0x00, LowByte(word)); }
int withNetworkNumber(int word, int number) { return Combine(number, LowByte(word)); }

int withCrc(int word, Crc crc) {
  const int bits = crc == CrcInData ? 0b110 : crc == CrcInsteadOfSum ? 0b100 : 0;
  return (word & ~kCrcBits) | bits;
}

int withSwitchedLine(int word, bool switched) {
  if (!switched) return word & ~kRingBits;
  return Combine(0, (LowByte(word) & ~kRingBits) | 5);
}

int withRings(int word, int rings) {
  if (rings < 1 || rings > 15) rings = 1;
  return (word & ~kRingBits) | rings;
}

int wrapNetworkNumber(int number, bool ft) {
  const int max = ft ? 254 : 127;
  if (number < 0) return max;
  if (number > max) return 0;
  return number;
}

}  // namespace nastrum::channel_word
