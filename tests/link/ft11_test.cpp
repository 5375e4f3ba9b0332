#include <gtest/gtest.h>

#include "link_fixture.h"

using namespace nastrum;
using namespace nastrum::test;

namespace {

const QByteArray kReadVersion = bytes("01 40 1E");
const QByteArray kFrame = bytes("05 40 07 01 40 1E");

class Ft11 : public LinkFixture {
 protected:
  void SetUp() override {
    LinkFixture::SetUp();
    params.protocol = LinkProtocol::Ft11;
    params.deviceAddress = 7;
  }
};

}  // namespace

TEST_F(Ft11, GoodReplyWithHeaderAndPayloadInTwoWrites) {
  line.expect(kFrame, bytes("04 00 07 02 0A"));
  EXPECT_EQ(exchange(kReadVersion, 2), ResultCode::Ok);
  EXPECT_EQ(reply, bytes("02 0A"));
  ASSERT_EQ(line.writes().size(), 2u);
  EXPECT_EQ(line.writes()[0].bytes, bytes("05 40 07"));
}

TEST_F(Ft11, EveryFaultHasItsCode) {
  struct Case {
    const char* what;
    int replyLength;
    const char* answer;
    ResultCode code;
  };
  const Case cases[] = {
      {"no length byte", 2, "", ResultCode::NoAcknowledge},
      {"bare acknowledge, no data wanted", 0, "00", ResultCode::Ok},
      {"bare acknowledge, data wanted", 2, "00", ResultCode::PositiveAck},
      {"control byte", 2, "04 01 07 02 0A", ResultCode::ControlByte},
      {"address", 2, "04 00 08 02 0A", ResultCode::AddressMismatch},
      {"cut short but every data byte there", 2, "06 00 07 02 0A", ResultCode::Ok},
      {"cut short before the data", 2, "04 00 07 02", ResultCode::ReplyShort},
  };
  for (const auto& c : cases) {
    VirtualClock clock;
    ScriptedLine line(clock);
    SerialPort port(line, clock);
    LinkLayer link(port);
    link.settings().tryCount = 1;
    ASSERT_TRUE(port.OpenPort("/dev/x", 5, Channel::Main, LineKind::FourWire));
    line.expect(kFrame, bytes(c.answer));
    QByteArray reply;
    EXPECT_EQ(link.Exchange(kReadVersion, c.replyLength, reply, LinkParams{LineKind::FourWire, LinkProtocol::Ft11, 7}),
              c.code)
        << c.what;
    if (c.code == ResultCode::Ok && c.replyLength > 0) { EXPECT_EQ(reply, bytes("02 0A")) << c.what; }
  }
}

TEST_F(Ft11, TwoWireEchoIsNeverTakenForTheReply) {
  openPort(LineKind::TwoWire);
  line.setEcho(true);
  line.expect(kFrame, bytes("04 00 07 02 0A"));
  EXPECT_EQ(exchange(kReadVersion, 2), ResultCode::Ok);
  EXPECT_EQ(reply, bytes("02 0A"));
}

TEST_F(Ft11, RetriesOnlyTheRetryableCodesAndRestsAfterEachAttempt) {
  link.settings().tryCount = 2;
  line.expect(kFrame, bytes("04 00 09 02 0A")).expect(kFrame, bytes("04 00 07 02 0A"));
  EXPECT_EQ(exchange(kReadVersion, 2), ResultCode::Ok);
  ASSERT_EQ(line.writes().size(), 4u);
  // Settling 3 ms, the wrong address, 100 ms rest, the pause, settling.
  EXPECT_EQ(line.writes()[2].atMs - line.writes()[1].atMs, 100 + kDefaultRetryPauseMs + 3);

  line.expect(kFrame, bytes("00"));
  EXPECT_EQ(exchange(kReadVersion, 2), ResultCode::PositiveAck);
  EXPECT_EQ(line.writes().size(), 6u);
}
