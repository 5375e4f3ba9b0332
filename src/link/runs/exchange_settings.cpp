#include "link/runs/exchange_settings.h"

#include <algorithm>

namespace nastrum {

namespace {

void ClearAddressTable(ExchangeSettings& s) { s.addressTable.fill(0); }

// The hexadecimal digits of the field, upper case, at most four.
QString HexDigitsOf(const QString& field) {
  QString digits;
  for (const QChar c : field) {
    if (digits.size() == 4) break;
    if (IsPasswordCharacter(c)) digits.append(c.toUpper());
  }
  return digits;
}

}  // namespace

int NetworkMaximum(const ExchangeSettings& s) {
  return s.protocol == LinkProtocol::Traditional ? kTraditionalNetworkMax : kFrameNetworkMax;
}

bool NetworkBoxEnabled(const ExchangeSettings& s) { return s.protocol == LinkProtocol::Traditional; }

bool CrcChoiceVisible(const ExchangeSettings& s) { return s.protocol != LinkProtocol::Traditional; }

void ChooseProtocol(ExchangeSettings& s, LinkProtocol protocol) {
  s.protocol = protocol;
  if (s.protocol == LinkProtocol::Traditional) {
    // Back to the traditional protocol: the network stays on only when a
    // number was chosen, and that number is kept within the smaller range.
    s.network = false;
    const auto chosen = std::find_if(s.addressTable.begin(), s.addressTable.end(),
                                     [](std::uint8_t v) { return v != 0; });
    if (chosen != s.addressTable.end()) {
      s.network = true;
      SetNetworkNumber(s, *chosen);
    }
    return;
  }
  // Frame protocols always address a device.
  s.network = true;
  SetNetworkNumber(s, 1);
}

void SetNetwork(ExchangeSettings& s, bool on) {
  s.network = on;
  SetNetworkNumber(s, on ? 1 : 0);
}

void SetNetworkNumber(ExchangeSettings& s, int number) {
  s.networkNumber = std::clamp(number, 0, NetworkMaximum(s));
  ClearAddressTable(s);
  if (s.networkNumber >= 1)
    s.addressTable[static_cast<std::size_t>(s.networkNumber - 1)] =
        static_cast<std::uint8_t>(s.networkNumber);
}

std::uint8_t ChosenAddress(const ExchangeSettings& s) {
  if (s.networkNumber < 1 || s.networkNumber > kFrameNetworkMax) return 0;
  return s.addressTable[static_cast<std::size_t>(s.networkNumber - 1)];
}

bool NeedsNetworkSelect(const ExchangeSettings& s) {
  return s.network && s.protocol == LinkProtocol::Traditional && ChosenAddress(s) != 0;
}

bool NeedsRelease(const ExchangeSettings& s) { return s.protocol == LinkProtocol::Traditional && s.network; }

LinkSetup MakeLinkSetup(const ExchangeSettings& s) {
  LinkSetup setup;
  setup.baudIndex = s.baudIndex;
  setup.channel = s.channel;
  setup.lineKind = s.lineKind;
  setup.protocol = s.protocol;
  setup.address = s.protocol == LinkProtocol::Traditional ? 0 : ChosenAddress(s);
  setup.crcMode = s.protocol == LinkProtocol::Ft12 ? s.crcMode : CrcMode::None;
  return setup;
}

PortAddress ChosenPort(const ExchangeSettings& s) { return PortAddress::fromChoice(s.portItem, s.otherPort); }

QString SpeedItemText(int baudIndex) {
  static const char* const kItems[] = {"  300", "  600", " 1200", " 2400", " 4800", " 9600", "19200"};
  if (baudIndex < 0 || baudIndex > 6) return {};
  return QString::fromLatin1(kItems[baudIndex]);
}

bool IsPasswordCharacter(QChar c) {
  return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
         (c >= QLatin1Char('A') && c <= QLatin1Char('F')) ||
         (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
}

bool IsAcceptablePortText(const QString& text) {
  if (text.startsWith(QLatin1Char('/'))) return true;
  if (text.isEmpty() || text.size() > 3) return false;
  return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

std::pair<std::uint8_t, std::uint8_t> PasswordBytes(const QString& field) {
  // The digits are right-aligned, so "ABC" travels as 0A BC and reads back
  // as the 0ABC it is compared with.
  const unsigned value = PasswordDigits(field).toUInt(nullptr, 16);
  return {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value & 0xFF)};
}

QString PasswordDigits(const QString& field) {
  return HexDigitsOf(field).rightJustified(4, QLatin1Char('0'));
}

bool PasswordAccepted(const QString& sentDigits, const QString& readBackDigits) {
  const auto none = [](const QString& d) { return d == u"0000" || d == u"FFFF"; };
  if (none(sentDigits)) return none(readBackDigits);
  return readBackDigits == sentDigits;
}

}  // namespace nastrum
