// The link settings of the exchange window and the rules that tie its
// controls together. They live as long as the program; nothing is stored.
#pragma once

#include <array>
#include <cstdint>
#include <utility>

#include <QString>

#include "link/port_address.h"
#include "link/runs/device_session.h"

namespace nastrum {

// Entry n - 1 holds n for the chosen network number n, every other entry 0.
using AddressTable = std::array<std::uint8_t, 254>;

// "Др" in `RGcom`: the port typed in `PortEditM`.
constexpr int kOtherPortItem = PortAddress::kOtherItem;

constexpr int kTraditionalNetworkMax = 127;
constexpr int kFrameNetworkMax = 254;

struct ExchangeSettings {
  int portItem = 1;             // `RGcom`, "Com2"
  QString otherPort = QStringLiteral("1");  // `PortEditM`
  int baudIndex = kDefaultBaudIndex;  // `RGsk`, " 9600"
  LineKind lineKind = LineKind::FourWire;            // `RGVs`, "ИРПС (4x-пр)"
  LinkProtocol protocol = LinkProtocol::Traditional;  // `Rprot`, "Традиционный"
  CrcMode crcMode = CrcMode::None;                    // `RCRC`
  int channel = 0;              // `RGim`, "Основной"
  int attempts = 3;             // `SpinEdit2`, run-level attempts 1 … 99
  int pauseSeconds = 3;         // `SpinEdit1`, wait after a failed attempt 0 … 15
  bool network = false;         // `RBset`
  int networkNumber = 1;        // `SpinEdit3`
  AddressTable addressTable{};
  QString password;             // `Edit1`
  QString backupRoot;           // where a write backs the device up first; empty: the program's data folder
};

// --- Control rules -------------------------------------------------------

int NetworkMaximum(const ExchangeSettings& s);
bool NetworkBoxEnabled(const ExchangeSettings& s);  // only the traditional protocol lets it be unticked
bool CrcChoiceVisible(const ExchangeSettings& s);

// `Rprot` click.
void ChooseProtocol(ExchangeSettings& s, LinkProtocol protocol);
// `RBset` click.
void SetNetwork(ExchangeSettings& s, bool on);
// `SpinEdit3` change; the number is kept within 0 … NetworkMaximum.
void SetNetworkNumber(ExchangeSettings& s, int number);

// --- What a run takes from the settings ----------------------------------

// The address byte the network select sends and FT1.2 / FT1.1 frames carry; 0 for none.
std::uint8_t ChosenAddress(const ExchangeSettings& s);
// The network select runs for the traditional protocol with a chosen number.
bool NeedsNetworkSelect(const ExchangeSettings& s);
// The release command closes every networked traditional run.
bool NeedsRelease(const ExchangeSettings& s);
LinkSetup MakeLinkSetup(const ExchangeSettings& s);

// The path the port is opened with and the text the open-failure message
// shows: "Com1" … "Com8", or the number or device path typed for "Др".
PortAddress ChosenPort(const ExchangeSettings& s);

// The speed item's caption as `RGsk` shows it ("  300" … "19200").
QString SpeedItemText(int baudIndex);

// --- Input filters --------------------------------------------------------

bool IsPasswordCharacter(QChar c);
// What `PortEditM` accepts: a number of up to three digits, or a device path.
bool IsAcceptablePortText(const QString& text);

// --- Password ------------------------------------------------------------

// The two bytes written to the password parameter.
std::pair<std::uint8_t, std::uint8_t> PasswordBytes(const QString& field);
// The field's value as four upper-case hexadecimal digits.
QString PasswordDigits(const QString& field);
// The device keeps the password when the read-back matches what was sent;
// 0000 and FFFF both mean "no password" and match each other.
bool PasswordAccepted(const QString& sentDigits, const QString& readBackDigits);

}  // namespace nastrum
