// Turns the exchange window's port choice into the path the serial line opens
// and the text the open-failure message shows after "Неверный номер СОМ-порта ".
//
// On Windows port N is "\\.\ComN". Elsewhere port N is the system's Nth
// built-in serial device, /dev/ttyS{N-1} (so "Com1" is /dev/ttyS0). Wherever
// the user may type a port number, a device path such as /dev/ttyUSB0 or a
// pseudo-terminal path is accepted as it is, and on Windows so are "COM12"
// and "\\.\COM12".
#pragma once

#include <QString>

namespace nastrum {

enum class PortNaming { Windows, Posix };

#ifdef Q_OS_WIN
inline constexpr PortNaming kNativePortNaming = PortNaming::Windows;
#else
inline constexpr PortNaming kNativePortNaming = PortNaming::Posix;
#endif

struct PortAddress {
  // "Com1" ... "Com8" are items 0 ... 7 of the port choice; item 8 ("Др")
  // takes the typed text.
  static constexpr int kOtherItem = 8;

  QString path;     // what the serial line opens
  QString display;  // shown in the open-failure message

  static PortAddress fromNumber(int portNumber, PortNaming naming = kNativePortNaming);
  // A number, or a device path; anything else gives port -1, which no system
  // has, so opening it fails with the usual message.
  static PortAddress fromText(const QString& typed, PortNaming naming = kNativePortNaming);
  static PortAddress fromChoice(int item, const QString& typed, PortNaming naming = kNativePortNaming);
};

}  // namespace nastrum
