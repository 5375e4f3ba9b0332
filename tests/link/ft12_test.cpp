#include <gtest/gtest.h>

#include "link/crc16.h"
#include "link/frames.h"
#include "link_fixture.h"

using namespace nastrum;
using namespace nastrum::test;

namespace {

const QByteArray kReadVersion = bytes("01 40 1E");

class Ft12 : public LinkFixture {
 protected:
  void SetUp() override {
    LinkFixture::SetUp();
    params.protocol = LinkProtocol::Ft12;
    params.deviceAddress = 5;
  }
};

// A long reply from device 5 in CRC mode 0.
QByteArray longReply(const QByteArray& data) {
  const QByteArray body = bytes("00 05") + data;
  const char length = static_cast<char>(body.size());
  return bytes("68") + length + length + bytes("68") + body + static_cast<char>(ByteSum(body)) + bytes("16");
}

}  // namespace

TEST(Ft12Frame, ShortAndLongFramesInEveryCrcMode) {
  EXPECT_EQ(BuildFt12Frame(kReadVersion, 5, CrcMode::None).bytes(), bytes("10 40 05 01 40 1E 00 A4 16"));
  EXPECT_EQ(BuildFt12Frame(kReadVersion, 5, CrcMode::InData).bytes(), bytes("10 40 05 01 40 1E 00 B9 39 96 16"));
  EXPECT_EQ(BuildFt12Frame(kReadVersion, 5, CrcMode::InsteadOfSum).bytes(), bytes("10 40 05 01 40 1E 00 B9 39"));
  EXPECT_EQ(BuildFt12Frame(bytes("05 40 07 BF F7"), 5, CrcMode::InData).bytes(),
            bytes("68 09 09 68 40 05 05 40 07 BF F7 7E 26 EB 16"));
  EXPECT_EQ(BuildFt12Frame(bytes("05 40 07 BF F7"), 5, CrcMode::None).start, bytes("68 07 07 68"));
  EXPECT_EQ(BuildFt12Frame(bytes("09"), 0, CrcMode::None).bytes(), bytes("10 40 00 09 00 00 00 49 16"));
}

TEST_F(Ft12, GoodReplyInEveryCrcMode) {
  struct Case {
    CrcMode mode;
    const char* request;
    const char* answer;
  };
  const Case cases[] = {
      {CrcMode::None, "10 40 05 01 40 1E 00 A4 16", "10 00 05 02 0A 00 00 11 16"},
      {CrcMode::InData, "10 40 05 01 40 1E 00 B9 39 96 16", "10 00 05 02 0A 00 00 28 64 9D 16"},
      {CrcMode::InsteadOfSum, "10 40 05 01 40 1E 00 B9 39", "10 00 05 02 0A 00 00 28 64"},
  };
  for (const auto& c : cases) {
    params.crcMode = c.mode;
    line.expect(bytes(c.request), bytes(c.answer));
    EXPECT_EQ(exchange(kReadVersion, 2), ResultCode::Ok) << int(c.mode);
    EXPECT_EQ(reply, bytes("02 0A"));
    EXPECT_EQ(line.unreadBytes(), 0);
  }
  EXPECT_EQ(line.pendingExpectations(), 0);
}

TEST_F(Ft12, LongReplyCarriesABlock) {
  QByteArray data;
  for (int i = 0; i < 128; ++i) data.append(static_cast<char>(i));
  line.expect(BuildFt12Frame(bytes("02 2F 00 80"), 5, CrcMode::None).bytes(), longReply(data));
  EXPECT_EQ(exchange(bytes("02 2F 00 80"), 128), ResultCode::Ok);
  EXPECT_EQ(reply, data);
}

TEST_F(Ft12, EveryFaultHasItsCode) {
  struct Case {
    const char* what;
    CrcMode mode;
    int replyLength;
    const char* answer;
    ResultCode code;
  };
  const Case cases[] = {
      {"no answer", CrcMode::None, 2, "", ResultCode::NoAnswer},
      {"unknown start byte", CrcMode::None, 2, "33 00 05 02 0A 00 00 11 16", ResultCode::NoAnswer},
      {"positive ack, data wanted", CrcMode::None, 2, "A2", ResultCode::PositiveAck},
      {"positive ack, no data wanted", CrcMode::None, 0, "A2", ResultCode::Ok},
      {"negative ack", CrcMode::None, 2, "E5", ResultCode::NegativeAck},
      {"long start cut short", CrcMode::None, 2, "68 05", ResultCode::NoAnswer},
      {"length bytes differ", CrcMode::None, 2, "68 05 06 68 00 05 02 0A 00", ResultCode::LengthMismatch},
      {"second start byte", CrcMode::None, 2, "68 05 05 69 00 05 02 0A 00", ResultCode::SecondStartByte},
      {"control byte", CrcMode::None, 2, "10 01 05 02 0A 00 00 12 16", ResultCode::ControlByte},
      {"address", CrcMode::None, 2, "10 00 06 02 0A 00 00 12 16", ResultCode::AddressMismatch},
      {"trailer missing", CrcMode::None, 2, "10 00 05 02 0A 00 00 11", ResultCode::ReplyShort},
      {"body cut short", CrcMode::None, 2, "10 00 05 02", ResultCode::ReplyShort},
      {"checksum", CrcMode::None, 2, "10 00 05 02 0A 00 00 12 16", ResultCode::FrameChecksum},
      {"end byte", CrcMode::None, 2, "10 00 05 02 0A 00 00 11 17", ResultCode::EndByte},
      {"CRC in data", CrcMode::InData, 2, "10 00 05 02 0A 00 00 28 65 9E 16", ResultCode::Crc16Mismatch},
      {"checksum after good CRC", CrcMode::InData, 2, "10 00 05 02 0A 00 00 28 64 9E 16", ResultCode::FrameChecksum},
      {"CRC instead of sum", CrcMode::InsteadOfSum, 2, "10 00 05 02 0A 00 00 28 65", ResultCode::Crc16Mismatch},
      {"fewer data than asked", CrcMode::None, 8, "10 00 05 02 0A 00 00 11 16", ResultCode::ReplyShort},
  };
  for (const auto& c : cases) {
    VirtualClock clock;
    ScriptedLine line(clock);
    SerialPort port(line, clock);
    LinkLayer link(port);
    link.settings().tryCount = 1;
    ASSERT_TRUE(port.OpenPort("/dev/x", 5, Channel::Main, LineKind::FourWire));
    const LinkParams p{LineKind::FourWire, LinkProtocol::Ft12, 5, c.mode};
    const QByteArray request = c.replyLength == 8 ? bytes("01 40 1F") : kReadVersion;
    line.expect(BuildFt12Frame(request, 5, c.mode).bytes(), bytes(c.answer));
    QByteArray reply;
    EXPECT_EQ(link.Exchange(request, c.replyLength, reply, p), c.code) << c.what;
    if (c.code != ResultCode::Ok) { EXPECT_TRUE(reply.isEmpty()) << c.what; }
  }
}

TEST_F(Ft12, WrongControlByteOrAddressLeavesTheTrailerUnread) {
  line.expect(BuildFt12Frame(kReadVersion, 5, CrcMode::None).bytes(), bytes("10 00 07 02 0A 00 00 13 16"));
  EXPECT_EQ(exchange(kReadVersion, 2), ResultCode::AddressMismatch);
  EXPECT_EQ(line.unreadBytes(), 6);
}

TEST_F(Ft12, TwoWireEchoIsNeverTakenForTheReply) {
  openPort(LineKind::TwoWire);
  line.setEcho(true);
  line.expect(bytes("10 40 05 01 40 1E 00 A4 16"), bytes("10 00 05 02 0A 00 00 11 16"));
  EXPECT_EQ(exchange(kReadVersion, 2), ResultCode::Ok);
  EXPECT_EQ(reply, bytes("02 0A"));
}

TEST_F(Ft12, FinalCodesEndTheExchangeOthersAreRetried) {
  link.settings().tryCount = 2;
  const QByteArray frame = BuildFt12Frame(kReadVersion, 5, CrcMode::None).bytes();
  line.expect(frame, bytes("E5"));
  EXPECT_EQ(exchange(kReadVersion, 2), ResultCode::NegativeAck);
  EXPECT_EQ(line.writes().size(), 3u);  // start, body, trailer: one attempt

  line.expect(frame, bytes("10 01 05 02 0A 00 00 12 16")).expect(frame, bytes("10 00 05 02 0A 00 00 11 16"));
  const std::int64_t before = clock.nowMs();
  EXPECT_EQ(exchange(kReadVersion, 2), ResultCode::Ok);
  EXPECT_GE(clock.nowMs() - before, kDefaultRetryPauseMs);
}

TEST_F(Ft12, NoAnswerWaitsOneReadOfTheSpeedClassPerAttempt) {
  openPort(LineKind::FourWire, 0);  // 300 baud: d = 8
  link.settings().tryCount = 2;
  EXPECT_EQ(exchange(kReadVersion, 2), ResultCode::NoAnswer);
  // Settling 5 ms, an empty 8 s read, the pause, settling, an empty 8 s read.
  EXPECT_EQ(clock.nowMs(), 5 + 8000 + 3000 + 5 + 8000);
}
