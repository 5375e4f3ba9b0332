#include <gtest/gtest.h>

#include "link/port_address.h"

using namespace nastrum;

TEST(PortAddress, ChoiceGivesPathAndMessageText) {
  struct Case {
    int item;
    const char* typed;
    PortNaming naming;
    const char* path;
  };
  const Case cases[] = {
      {0, "", PortNaming::Windows, "\\\\.\\Com1"},
      {1, "77", PortNaming::Windows, "\\\\.\\Com2"},
      {kOtherPortItem, "12", PortNaming::Windows, "\\\\.\\Com12"},
      {kOtherPortItem, " 999 ", PortNaming::Windows, "\\\\.\\Com999"},
      {kOtherPortItem, "COM5", PortNaming::Windows, "\\\\.\\Com5"},
      {kOtherPortItem, "\\\\.\\com14", PortNaming::Windows, "\\\\.\\Com14"},
      {kOtherPortItem, "", PortNaming::Windows, "\\\\.\\Com-1"},
      {kOtherPortItem, "abc", PortNaming::Windows, "\\\\.\\Com-1"},
      {0, "", PortNaming::Posix, "/dev/ttyS0"},
      {7, "", PortNaming::Posix, "/dev/ttyS7"},
      {kOtherPortItem, "3", PortNaming::Posix, "/dev/ttyS2"},
      {kOtherPortItem, "/dev/ttyUSB0", PortNaming::Posix, "/dev/ttyUSB0"},
      {kOtherPortItem, " /dev/pts/4 ", PortNaming::Posix, "/dev/pts/4"},
      {kOtherPortItem, "x", PortNaming::Posix, "/dev/ttyS-2"},
  };
  for (const auto& c : cases) {
    const PortAddress a = PortAddress::fromChoice(c.item, QString::fromUtf8(c.typed), c.naming);
    EXPECT_EQ(a.path, QString::fromUtf8(c.path)) << c.item << " " << c.typed;
    EXPECT_EQ(a.display, a.path);
  }
}
