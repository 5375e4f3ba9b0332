#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "link/serial_port.h"
#include "scripted_line.h"

using namespace nastrum;
using namespace nastrum::test;

TEST(SerialPort, OpensWithDataFramingAndTheControlLinesOfTheLineKind) {
  struct Case {
    LineKind kind;
    int baudIndex;
    const char* lines;
    const char* open;
  };
  const Case cases[] = {
      {LineKind::Rs232, 0, "lines 0 0", "open /dev/x 300"},
      {LineKind::FourWire, 5, "lines 1 0", "open /dev/x 9600"},
      {LineKind::TwoWire, 7, "lines 1 0", "open /dev/x 38400"},
  };
  for (const auto& c : cases) {
    VirtualClock clock;
    ScriptedLine line(clock);
    SerialPort port(line, clock);
    ASSERT_TRUE(port.OpenPort("/dev/x", c.baudIndex, Channel::Main, c.kind));
    const QStringList events = line.events();
    ASSERT_GE(events.size(), 4);
    EXPECT_EQ(events.first(), c.open);
    EXPECT_EQ(events.indexOf("framing None Two"), 1);
    EXPECT_LT(events.indexOf(c.lines), events.lastIndexOf("purge"));
    EXPECT_EQ(events.last(), "purge");
    EXPECT_EQ(port.baudIndex(), c.baudIndex);
  }
}

TEST(SerialPort, OpenFailureLeavesNoPortOpen) {
  VirtualClock clock;
  ScriptedLine line(clock);
  line.setOpenFails(true);
  SerialPort port(line, clock);
  EXPECT_FALSE(port.OpenPort("/dev/none", 5, Channel::Main, LineKind::FourWire));
  EXPECT_FALSE(port.isOpen());
  EXPECT_FALSE(line.events().contains("lines 1 0"));
  port.ClosePort();  // harmless
}

TEST(SerialPort, LineWithoutControlLinesStillOpens) {
  VirtualClock clock;
  ScriptedLine line(clock);
  line.setHasControlLines(false);
  SerialPort port(line, clock);
  EXPECT_TRUE(port.OpenPort("/dev/pts/3", 5, Channel::Main, LineKind::FourWire));
}

TEST(SerialPort, SettlingPauseBeforeEveryTransmission) {
  struct Case {
    int baudIndex;
    LineKind kind;
    int pauseMs;
    bool setsLines;
  };
  const Case cases[] = {
      {0, LineKind::FourWire, 5, true}, {1, LineKind::TwoWire, 4, true}, {2, LineKind::FourWire, 4, true},
      {5, LineKind::FourWire, 3, true}, {6, LineKind::TwoWire, 3, true}, {0, LineKind::Rs232, 2, false},
      {5, LineKind::Rs232, 2, false},
  };
  for (const auto& c : cases) {
    VirtualClock clock;
    ScriptedLine line(clock);
    SerialPort port(line, clock);
    ASSERT_TRUE(port.OpenPort("/dev/x", c.baudIndex, Channel::Main, c.kind));
    const int eventsBefore = static_cast<int>(line.events().size());
    const std::int64_t before = clock.nowMs();
    port.PrepareLine(c.kind);
    EXPECT_EQ(clock.nowMs() - before, c.pauseMs) << c.baudIndex << " " << int(c.kind);
    EXPECT_EQ(line.events().size() > eventsBefore, c.setsLines);
    if (c.setsLines) {
      EXPECT_EQ(line.events().last(), "lines 1 0");
    }
  }
}

TEST(SerialPort, AddressFramingByChannel) {
  struct Case {
    Channel channel;
    bool marking;
    Parity parity;
  };
  const Case cases[] = {{Channel::Main, true, Parity::Mark},
                        {Channel::Main, false, Parity::Space},
                        {Channel::Additional, true, Parity::Even},
                        {Channel::Additional, false, Parity::Odd}};
  for (const auto& c : cases) {
    VirtualClock clock;
    ScriptedLine line(clock);
    SerialPort port(line, clock);
    ASSERT_TRUE(port.OpenPort("/dev/x", 5, c.channel, LineKind::FourWire));
    port.SetAddressFraming(c.marking);
    EXPECT_EQ(line.parity(), c.parity);
    EXPECT_EQ(line.stopBits(), StopBits::One);
  }
}

TEST(SerialPort, SpeedTableAndSpeedClass) {
  EXPECT_EQ(BaudRate(0), 300);
  EXPECT_EQ(BaudRate(5), 9600);
  EXPECT_EQ(BaudRate(7), 38400);
  const int expected[] = {8, 5, 5, 3, 3, 3, 3, 3};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(SpeedClass(i), expected[i]) << i;
}

TEST(SerialPort, ReadTimeoutInSeconds) {
  VirtualClock clock;
  ScriptedLine line(clock);
  SerialPort port(line, clock);
  ASSERT_TRUE(port.OpenPort("/dev/x", 5, Channel::Main, LineKind::FourWire));
  port.SetReadTimeout(8);
  EXPECT_EQ(line.events().last(), "timeout 8000");
  EXPECT_TRUE(port.read(4).isEmpty());
  EXPECT_EQ(clock.nowMs(), 8000);
}

// While the port waits it lets the window live: the idle hook comes at least
// every slice, and a reply still returns the moment it is complete.
TEST(SerialPort, WaitsInSlicesWithTheIdleHook) {
  VirtualClock clock;
  ScriptedLine line(clock);
  SerialPort port(line, clock);
  ASSERT_TRUE(port.OpenPort("/dev/x", 5, Channel::Main, LineKind::FourWire));
  std::vector<std::int64_t> idleAt;
  port.setIdleHook([&] { idleAt.push_back(clock.nowMs()); });
  const auto longestGap = [&](std::int64_t from) {
    std::int64_t gap = 0;
    for (const std::int64_t at : idleAt) {
      gap = std::max(gap, at - from);
      from = at;
    }
    return std::max(gap, clock.nowMs() - from);
  };

  port.SetReadTimeout(8);
  EXPECT_TRUE(port.read(4).isEmpty());
  EXPECT_EQ(clock.nowMs(), 8000);
  EXPECT_LE(longestGap(0), kIdleSliceMs);

  idleAt.clear();
  line.arriveAt(8250, bytes("06 01"));
  EXPECT_EQ(port.read(2), bytes("06 01"));
  EXPECT_EQ(clock.nowMs(), 8250);  // not rounded up to a slice
  EXPECT_EQ(idleAt.size(), 2u);

  idleAt.clear();
  port.pause(3000);
  EXPECT_EQ(clock.nowMs(), 11250);
  EXPECT_LE(longestGap(8250), kIdleSliceMs);

  // Without a hook the wait is one piece, as the line's time-out says.
  port.setIdleHook({});
  idleAt.clear();
  EXPECT_TRUE(port.read(1).isEmpty());
  EXPECT_EQ(line.events().last(), "read 1 -> ");
  EXPECT_TRUE(line.events().contains("timeout 8000"));
  EXPECT_TRUE(idleAt.empty());
}
