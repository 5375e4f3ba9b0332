#include <gtest/gtest.h>

#include "link_fixture.h"

using namespace nastrum;
using namespace nastrum::test;

namespace {

class SelectDevice : public LinkFixture {};

}  // namespace

TEST_F(SelectDevice, MarksTheAddressThenLeavesTheLineInDataFraming) {
  line.expect(bytes("2A"), bytes("2A"), 120);
  EXPECT_TRUE(link.SelectDevice(0x2A, LineKind::FourWire));
  const QStringList e = line.events();
  const auto at = [&](const char* what) { return e.indexOf(what); };
  EXPECT_LT(at("timeout 100"), at("framing Mark One"));
  EXPECT_LT(at("framing Mark One"), at("write 2A"));
  EXPECT_LT(at("framing Space One"), at("read 1 -> 2A"));
  EXPECT_GT(at("framing Space One"), at("write 2A"));
  EXPECT_EQ(line.parity(), Parity::Space);
  EXPECT_EQ(line.stopBits(), StopBits::One);
  // 50 ms, settling 3 ms, 50 + 50 ms around the send, then the answer at 120 ms, 20 ms.
  EXPECT_EQ(line.writes().front().atMs, 53);
  EXPECT_EQ(clock.nowMs(), 53 + 120 + 20);
}

TEST_F(SelectDevice, AdditionalChannelUsesEvenAndOdd) {
  openPort(LineKind::FourWire, 5, Channel::Additional);
  line.expect(bytes("03"), bytes("03"));
  EXPECT_TRUE(link.SelectDevice(3, LineKind::FourWire));
  EXPECT_TRUE(line.events().contains("framing Even One"));
  EXPECT_EQ(line.parity(), Parity::Odd);
}

TEST_F(SelectDevice, OtherBytesOrSilenceMeanNoAnswer) {
  line.expect(bytes("2A"), bytes("2B 2C"));
  EXPECT_FALSE(link.SelectDevice(0x2A, LineKind::FourWire));
  // Reads of 100 ms until the 1.728 s window has passed.
  EXPECT_GE(clock.nowMs(), 53 + 100 + 1728);
  EXPECT_LE(clock.nowMs(), 53 + 100 + 1728 + 100);
}

TEST_F(SelectDevice, TwoWireEchoOfTheAddressIsNotTheAnswer) {
  openPort(LineKind::TwoWire);
  line.setEcho(true);
  EXPECT_FALSE(link.SelectDevice(0x11, LineKind::TwoWire));

  line.expect(bytes("11"), bytes("11"), 150);
  EXPECT_TRUE(link.SelectDevice(0x11, LineKind::TwoWire));
}

TEST_F(SelectDevice, NextExchangeRestoresTheOneSecondReadTimeout) {
  line.expect(bytes("01"), bytes("01"));
  ASSERT_TRUE(link.SelectDevice(1, LineKind::FourWire));
  exchange(bytes("09"), 0);
  EXPECT_EQ(port.readTimeoutMs(), 1000);
}

namespace {

// A line that answers every read at once with nothing, as a failing adapter does.
class InstantSilentLine final : public SerialLine {
 public:
  bool open(const QString&, int) override { return open_ = true; }
  void close() override { open_ = false; }
  bool isOpen() const override { return open_; }
  void setFraming(Parity, StopBits) override {}
  bool setControlLines(bool, bool) override { return true; }
  void setReadTimeout(int) override {}
  void purgeReceive() override {}
  bool write(const QByteArray&) override { return true; }
  QByteArray read(int) override { return {}; }

 private:
  bool open_ = false;
};

}  // namespace

TEST(SelectDeviceOnAFailingLine, WindowsStillCloseWhenReadsReturnAtOnce) {
  VirtualClock clock;
  InstantSilentLine line;
  SerialPort port(line, clock);
  LinkLayer link(port);
  ASSERT_TRUE(port.OpenPort("/dev/x", 5, Channel::Main, LineKind::FourWire));
  EXPECT_FALSE(link.SelectDevice(1, LineKind::FourWire));
  QByteArray reply;
  for (LinkProtocol protocol : {LinkProtocol::Traditional, LinkProtocol::Ft12, LinkProtocol::Ft11})
    EXPECT_NE(link.Exchange(bytes("01 40 1E"), 2, reply, LinkParams{LineKind::TwoWire, protocol, 1}), ResultCode::Ok);
}
