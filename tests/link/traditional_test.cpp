#include <gtest/gtest.h>

#include "link/frames.h"
#include "link_fixture.h"

using namespace nastrum;
using namespace nastrum::test;

namespace {

const QByteArray kReadVersion = bytes("01 40 1E");
const QByteArray kFrame = bytes("03 01 40 1E A1");

class Traditional : public LinkFixture {};

}  // namespace

TEST(TraditionalFrame, ChecksumMakesThePayloadSumZero) {
  EXPECT_EQ(TraditionalFrame(kReadVersion), kFrame);
  EXPECT_EQ(TraditionalFrame(bytes("0A")), bytes("01 0A F6"));
  EXPECT_EQ(TraditionalFrame(bytes("00")), bytes("01 00 00"));
  EXPECT_EQ(FrameLogLine(kFrame), "05 03 01 40 1E A1");
}

TEST_F(Traditional, GoodReplySendsEnquiryThenFrameAndLogsIt) {
  QStringList log;
  link.setFrameLog([&](const QString& line) { log << line; });
  line.expect(bytes("05"), bytes("04")).expect(kFrame, bytes("06 02 0A F4"));
  EXPECT_EQ(exchange(kReadVersion, 2), ResultCode::Ok);
  EXPECT_EQ(reply, bytes("02 0A"));
  EXPECT_EQ(line.written(), bytes("05") + kFrame);
  EXPECT_EQ(log, QStringList{"05 03 01 40 1E A1"});
  EXPECT_EQ(line.pendingExpectations(), 0);
}

TEST_F(Traditional, CommandWithoutReplyDataEndsAtTheAcknowledge) {
  line.expect(bytes("05"), bytes("04")).expect(bytes("01 09 F7"), bytes("06"));
  EXPECT_EQ(exchange(bytes("09"), 0), ResultCode::Ok);
  EXPECT_TRUE(reply.isEmpty());
}

TEST_F(Traditional, EveryFaultHasItsCode) {
  struct Case {
    const char* what;
    const char* ready;  // answer to 05
    const char* afterFrame;
    ResultCode code;
  };
  const Case cases[] = {
      {"no device", "", "", ResultCode::NoAnswer},
      {"other bytes, then silence", "55 AA", "", ResultCode::NoAnswer},
      {"no acknowledge", "04", "", ResultCode::NoAcknowledge},
      {"noise but no acknowledge", "04", "33 44 55", ResultCode::NoAcknowledge},
      {"NAK", "04", "15", ResultCode::RequestRefused},
      {"reply too short", "04", "06 02 0A", ResultCode::ReplyShort},
      {"no reply", "04", "06", ResultCode::ReplyShort},
      {"reply checksum", "04", "06 02 0A F5", ResultCode::ReplyChecksum},
      {"noise before ACK is ignored", "77 04", "11 06 02 0A F4", ResultCode::Ok},
  };
  for (const auto& c : cases) {
    VirtualClock clock;
    ScriptedLine line(clock);
    SerialPort port(line, clock);
    LinkLayer link(port);
    link.settings().tryCount = 1;
    ASSERT_TRUE(port.OpenPort("/dev/x", 5, Channel::Main, LineKind::FourWire));
    line.expect(bytes("05"), bytes(c.ready)).expect(kFrame, bytes(c.afterFrame));
    QByteArray reply;
    EXPECT_EQ(link.Exchange(kReadVersion, 2, reply, LinkParams{}), c.code) << c.what;
    if (c.code != ResultCode::Ok) { EXPECT_TRUE(reply.isEmpty()) << c.what; }
  }
}

TEST_F(Traditional, RefusedSendGivesCode8) {
  line.setWriteFails(true);
  EXPECT_EQ(exchange(kReadVersion, 2), ResultCode::SendFailed);
}

TEST_F(Traditional, TwoWireEchoIsNeverTakenForTheAcknowledge) {
  openPort(LineKind::TwoWire);
  line.setEcho(true);
  // The frame of 01 40 06 holds a 06 that would pass for the ACK.
  line.expect(bytes("05"), bytes("04")).expect(bytes("03 01 40 06 B9"), bytes("06 12 34 BA"));
  EXPECT_EQ(exchange(bytes("01 40 06"), 2), ResultCode::Ok);
  EXPECT_EQ(reply, bytes("12 34"));
}

TEST_F(Traditional, NoDeviceWithTwoTriesTakesReadPauseRead) {
  link.settings().tryCount = 2;
  EXPECT_EQ(exchange(kReadVersion, 2), ResultCode::NoAnswer);
  // Settling 3 ms, an empty 1 s read, the 3 s pause, settling, an empty read.
  ASSERT_EQ(line.writes().size(), 2u);
  EXPECT_EQ(line.writes()[0].atMs, 3);
  EXPECT_EQ(line.writes()[1].atMs, 3 + 1000 + 3000 + 3);
  EXPECT_EQ(clock.nowMs(), 5006);
}

TEST_F(Traditional, RetryAfterAFailureSucceeds) {
  link.settings().tryCount = 3;
  link.settings().retryPauseMs = 500;
  line.expect(bytes("05"), bytes("04")).expect(kFrame, bytes("15"));
  line.expect(bytes("05"), bytes("04")).expect(kFrame, bytes("06 02 0A F4"));
  EXPECT_EQ(exchange(kReadVersion, 2), ResultCode::Ok);
  EXPECT_EQ(reply, bytes("02 0A"));
  EXPECT_EQ(line.writes().size(), 4u);
}

TEST_F(Traditional, TryCountBelowOneMakesOneAttempt) {
  link.settings().tryCount = 0;
  EXPECT_EQ(exchange(kReadVersion, 2), ResultCode::NoAnswer);
  EXPECT_EQ(line.writes().size(), 1u);
}

TEST_F(Traditional, LongRepliesGetTwoMoreSeconds) {
  QByteArray data(128, '\x01');
  line.expect(bytes("05"), bytes("04"))
      .expect(TraditionalFrame(bytes("02 2F 00 80")), bytes("06") + data + QByteArray(1, char(0x80)));
  EXPECT_EQ(exchange(bytes("02 2F 00 80"), 128), ResultCode::Ok);
  EXPECT_EQ(reply, data);
  EXPECT_TRUE(line.events().contains("timeout 5000"));
}

TEST_F(Traditional, RequestOfWrongLengthIsNotSent) {
  EXPECT_EQ(exchange(QByteArray(), 0), ResultCode::SendFailed);
  EXPECT_EQ(exchange(QByteArray(201, '\x01'), 0), ResultCode::SendFailed);
  EXPECT_TRUE(line.writes().empty());
}
