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
      {PortAddress::kOtherItem, "12", PortNaming::Windows, "\\\\.\\Com12"},
      {PortAddress::kOtherItem, " 999 ", PortNaming::Windows, "\\\\.\\Com999"},
      {PortAddress::kOtherItem, "COM5", PortNaming::Windows, "\\\\.\\Com5"},
      {PortAddress::kOtherItem, "\\\\.\\com14", PortNaming::Windows, "\\\\.\\Com14"},
      {PortAddress::kOtherItem, "", PortNaming::Windows, "\\\\.\\Com-1"},
      {PortAddress::kOtherItem, "abc", PortNaming::Windows, "\\\\.\\Com-1"},
      {0, "", PortNaming::Posix, "/dev/ttyS0"},
      {7, "", PortNaming::Posix, "/dev/ttyS7"},
      {PortAddress::kOtherItem, "3", PortNaming::Posix, "/dev/ttyS2"},
      {PortAddress::kOtherItem, "/dev/ttyUSB0", PortNaming::Posix, "/dev/ttyUSB0"},
      {PortAddress::kOtherItem, " /dev/pts/4 ", PortNaming::Posix, "/dev/pts/4"},
      {PortAddress::kOtherItem, "x", PortNaming::Posix, "/dev/ttyS-2"},
  };
  for (const auto& c : cases) {
    const PortAddress a = PortAddress::fromChoice(c.item, QString::fromUtf8(c.typed), c.naming);
    EXPECT_EQ(a.path, QString::fromUtf8(c.path)) << c.item << " " << c.typed;
    EXPECT_EQ(a.display, a.path);
  }
}
