// The device's side of the line, byte for byte, with frames built here.
#include <gtest/gtest.h>

#include "link/crc16.h"
#include "sim/names_memory.h"
#include "sim_rig.h"

namespace nastrum::test {
namespace {

std::uint8_t sum(const QByteArray& b) {
  unsigned s = 0;
  for (char c : b) s += static_cast<std::uint8_t>(c);
  return static_cast<std::uint8_t>(s);
}
QByteArray traditional(const QByteArray& payload) {
  return QByteArray(1, static_cast<char>(payload.size())) + payload + QByteArray(1, static_cast<char>(-sum(payload)));
}
QByteArray crcLowHigh(const QByteArray& b) {
  const std::uint16_t c = Crc16(b);
  return QByteArray{} + static_cast<char>(c & 0xFF) + static_cast<char>(c >> 8);
}

class RawFrames : public ::testing::Test {
 protected:
  void SetUp() override {
    sim::DeviceConfig config;
    config.versionMajor = 1;
    config.versionMinor = 5;
    rig.addDevice(config, freshImage(2));
    ASSERT_TRUE(rig.line.open(QStringLiteral("/dev/sim"), 9600));
  }
  QByteArray talk(const QByteArray& bytes, bool mark = false) {
    rig.line.setFraming(mark ? Parity::Mark : Parity::None, StopBits::Two);
    rig.line.write(bytes);
    return rig.line.read(1000);
  }
  // One traditional request: the ready byte first, then the frame.
  QByteArray request(const char* hex) {
    talk(QByteArray::fromHex("05"));
    return talk(traditional(QByteArray::fromHex(hex)));
  }
  // Logged in with no password, stopped, the loader opened.
  void openLoader() {
    request("054007BFF7");
    request("0540080000");
    request("09");
    request("0F22");
    request("0F55");
  }
  SimRig rig;
};

TEST_F(RawFrames, TraditionalHandshake) {
  EXPECT_EQ(talk(QByteArray::fromHex("05")), QByteArray::fromHex("04"));
  EXPECT_EQ(traditional(QByteArray::fromHex("01401E")), QByteArray::fromHex("0301401EA1"));
  EXPECT_EQ(talk(QByteArray::fromHex("0301401EA1")), QByteArray::fromHex("060105FA"));
  // A frame with a wrong checksum is refused.
  talk(QByteArray::fromHex("05"));
  EXPECT_EQ(talk(QByteArray::fromHex("0301401EA2")), QByteArray::fromHex("15"));
  // Without the ready byte first, a frame is not taken.
  EXPECT_EQ(talk(QByteArray::fromHex("0301401EA1")), QByteArray());
  // A computer that lost the ready byte asks again.
  EXPECT_EQ(talk(QByteArray::fromHex("05")), QByteArray::fromHex("04"));
  EXPECT_EQ(talk(QByteArray::fromHex("05")), QByteArray::fromHex("04"));
  EXPECT_EQ(talk(QByteArray::fromHex("0301401EA1")), QByteArray::fromHex("060105FA"));
}

TEST_F(RawFrames, Ft12ShortLongAndCrcVariants) {
  const QByteArray body = QByteArray::fromHex("4001") + QByteArray::fromHex("01401E00");
  // Checksum and end byte.
  QByteArray reply = talk("\x10" + body + char(sum(body)) + "\x16");
  QByteArray replyBody = QByteArray::fromHex("000101050000");
  EXPECT_EQ(reply, "\x10" + replyBody + char(sum(replyBody)) + "\x16");
  // CRC instead of the checksum.
  reply = talk("\x10" + body + crcLowHigh(body));
  EXPECT_EQ(reply, "\x10" + replyBody + crcLowHigh(replyBody));
  // CRC in the data: the body grows by two and the checksum covers it.
  const QByteArray withCrc = body + crcLowHigh(body);
  reply = talk("\x10" + withCrc + char(sum(withCrc)) + "\x16");
  const QByteArray replyWithCrc = replyBody + crcLowHigh(replyBody);
  EXPECT_EQ(reply, "\x10" + replyWithCrc + char(sum(replyWithCrc)) + "\x16");
  // A long request of five payload bytes (the password write), CRC in data:
  // 68 09 09 68; the unlock before it is a long frame too.
  for (const char* payload : {"054007BFF7", "05400812FF"}) {
    const QByteArray b = QByteArray::fromHex("4001") + QByteArray::fromHex(payload);
    const QByteArray ext = b + crcLowHigh(b);
    const QByteArray frame = QByteArray::fromHex("68090968") + ext + char(sum(ext)) + "\x16";
    EXPECT_EQ(talk(frame), QByteArray::fromHex("A2")) << payload;
  }
}

// Nine bytes of a short frame with the CRC in the data read as a complete
// frame with the CRC instead of the checksum; after the CRC-in-data variant
// the device waits a moment for the last two bytes.
TEST_F(RawFrames, Ft12ShortFrameWithCrcInDataArrivingInTwoParts) {
  const QByteArray body = QByteArray::fromHex("400101401E00") + crcLowHigh(QByteArray::fromHex("400101401E00"));
  const QByteArray replyBody = QByteArray::fromHex("000101050000") + crcLowHigh(QByteArray::fromHex("000101050000"));
  const QByteArray crcInData = "\x10" + replyBody + char(sum(replyBody)) + "\x16";
  EXPECT_EQ(talk("\x10" + body + char(sum(body)) + "\x16"), crcInData);
  rig.line.write("\x10" + body);
  EXPECT_EQ(rig.line.read(0) + talk(QByteArray(1, char(sum(body))) + "\x16"), crcInData);
  // A frame that really has the CRC instead of the checksum is still
  // answered, only a little later.
  const std::int64_t before = rig.clock.nowMs();
  EXPECT_EQ(talk("\x10" + body), "\x10" + replyBody.left(6) + crcLowHigh(replyBody.left(6)));
  EXPECT_EQ(rig.clock.nowMs() - before, 1000) << "the hold lies within the read time-out";
}

// Which bursts are answered before the line goes quiet.
TEST_F(RawFrames, WholeFramesNeedNoQuietLine) {
  sim::DevicePort& port = rig.ports.front();
  auto whole = [&](const QByteArray& bytes) {
    port.receive(bytes, false);
    const bool result = port.holdsWholeFrame();
    port.lineIdle();
    port.takeOutput();
    return result;
  };
  EXPECT_FALSE(whole(QByteArray::fromHex("05"))) << "the enquiry, or the start of an FT1.1 frame";
  EXPECT_TRUE(whole(QByteArray::fromHex("0301401EA1"))) << "the traditional frame after the ready byte";
  const QByteArray body = QByteArray::fromHex("400101401E00");
  EXPECT_FALSE(whole("\x10" + body + crcLowHigh(body))) << "may grow into the CRC-in-data variant";
  EXPECT_TRUE(whole(QByteArray::fromHex("054001") + QByteArray::fromHex("01401E")));
  EXPECT_FALSE(whole(QByteArray::fromHex("054001"))) << "the rest follows";
}

TEST_F(RawFrames, PacingSpendsTheLineTime) {
  rig.line.setPacing(true);
  talk(QByteArray::fromHex("05"));
  const std::int64_t before = rig.clock.nowMs();
  rig.line.write(QByteArray::fromHex("0301401EA1"));
  EXPECT_EQ(rig.line.read(4).size(), 4);
  EXPECT_EQ(rig.clock.nowMs() - before, 4) << "4 bytes of 11 bits at 9600 baud";
}

TEST_F(RawFrames, Ft11AndAddressing) {
  EXPECT_EQ(talk(QByteArray::fromHex("054001") + QByteArray::fromHex("01401E")), QByteArray::fromHex("04000101") + QByteArray::fromHex("05"));
  EXPECT_EQ(talk(QByteArray::fromHex("054000") + QByteArray::fromHex("01401E")), QByteArray::fromHex("0400000105"))
      << "address 0 reaches the one device on the line";
  EXPECT_EQ(talk(QByteArray::fromHex("054002") + QByteArray::fromHex("01401E")), QByteArray()) << "another device's number";
  // A write is acknowledged by an empty reply.
  EXPECT_EQ(talk(QByteArray::fromHex("074001") + QByteArray::fromHex("054007BFF7")), QByteArray::fromHex("00"));
}

TEST_F(RawFrames, FrameSplitAcrossWritesIsAwaitedButNotForever) {
  EXPECT_EQ(talk(QByteArray::fromHex("054001")), QByteArray()) << "the rest is still to come";
  EXPECT_EQ(talk(QByteArray::fromHex("01401E")), QByteArray()) << "came too late: the frame was abandoned";
  rig.line.write(QByteArray::fromHex("054001"));
  EXPECT_EQ(rig.line.read(0) + talk(QByteArray::fromHex("01401E")), QByteArray::fromHex("0400010105"));
  EXPECT_EQ(talk(QByteArray::fromHex("05")), QByteArray::fromHex("04"));
}

TEST_F(RawFrames, SelectByteIsEchoedOnlyForOwnNumber) {
  EXPECT_EQ(talk(QByteArray::fromHex("02"), true), QByteArray());
  EXPECT_EQ(talk(QByteArray::fromHex("05")), QByteArray()) << "another device is selected";
  EXPECT_EQ(talk(QByteArray::fromHex("01"), true), QByteArray::fromHex("01"));
  EXPECT_EQ(talk(QByteArray::fromHex("05")), QByteArray::fromHex("04"));
}

TEST_F(RawFrames, UnlockMustNameTheWrittenParameter) {
  EXPECT_EQ(request("05400700FF"), QByteArray::fromHex("06"));  // unlock for 0xFF00
  EXPECT_EQ(request("05400812FF"), QByteArray::fromHex("15")) << "unlocked for another parameter";
  EXPECT_EQ(request("054007BFF7"), QByteArray::fromHex("06"));
  EXPECT_EQ(request("01401E"), QByteArray::fromHex("060105FA"));
  EXPECT_EQ(request("05400812FF"), QByteArray::fromHex("15")) << "another request came in between";
  EXPECT_EQ(rig.device().lastRefusal(), QStringLiteral("write 0x4008 = 12 FF: not unlocked for this parameter"));
}

// A whole names programming through the loader, as the raw loader stages.
TEST_F(RawFrames, LoaderProgramsTheNamesArea) {
  EXPECT_EQ(request("0F22"), QByteArray::fromHex("15")) << "not logged in, not stopped";
  request("054007BFF7");
  request("0540080000");
  EXPECT_EQ(request("0F55"), QByteArray::fromHex("15")) << "not stopped";
  request("09");
  EXPECT_EQ(request("0F55"), QByteArray::fromHex("15")) << "the buffer was not opened";
  ASSERT_EQ(request("0F22"), QByteArray::fromHex("06"));
  ASSERT_EQ(request("0F55"), QByteArray::fromHex("06"));
  ASSERT_TRUE(rig.device().inLoader());

  SettingsImage named = freshImage(2);
  named.names.pipelineNames[3].setBytes("Pipe 4");
  QByteArray image = sim::namesMemoryFromImage(named, 2);
  for (int i = 0; i < 4096 / 128; ++i) {
    ASSERT_EQ(talk(QByteArray::fromHex("7090")), QByteArray::fromHex("00")) << i;
    QByteArray packet;
    packet += static_cast<char>(0x80 + i / 2);
    packet += static_cast<char>(i % 2 ? 0x18 : 0x08);
    packet += image.mid(128 * i, 128);
    QByteArray damaged = packet + char(-sum(packet) + (i == 3 ? 1 : 0));
    if (i == 3) {
      EXPECT_EQ(talk(damaged), QByteArray::fromHex("01")) << "packet checksum";
      ASSERT_EQ(talk(QByteArray::fromHex("7090")), QByteArray::fromHex("00"));
    }
    ASSERT_EQ(talk(packet + char(-sum(packet))), QByteArray::fromHex("0000")) << i;
  }
  EXPECT_EQ(talk(QByteArray::fromHex("CC35")), QByteArray::fromHex("FF")) << "command bytes do not add up";
  EXPECT_EQ(talk(QByteArray::fromHex("CC34")), QByteArray::fromHex("00"));
  EXPECT_FALSE(rig.device().inLoader());
  EXPECT_EQ(rig.device().namesCommits(), 1);
  EXPECT_EQ(rig.device().exportImage().names.pipelineNames[3].bytes(), QByteArray("Pipe 4"));
  EXPECT_EQ(request("01401E"), QByteArray::fromHex("060105FA")) << "framed requests again";
}

// The completion byte after a packet reports the programming; the program
// tells its failures apart by it.
TEST_F(RawFrames, LoaderReportsAProgrammingFailureOnDemand) {
  openLoader();
  QByteArray packet = QByteArray::fromHex("8008") + QByteArray(128, 'x');
  packet += char(-sum(packet));
  rig.device().faults().add({sim::FaultKind::Completion, true, 0, 0x62});
  rig.device().faults().add({sim::FaultKind::Completion, true, 0, -1});
  talk(QByteArray::fromHex("7090"));
  EXPECT_EQ(talk(packet), QByteArray::fromHex("0062")) << "accepted, then no programming jumper";
  talk(QByteArray::fromHex("7090"));
  EXPECT_EQ(talk(packet), QByteArray::fromHex("00")) << "accepted, then no completion";
  talk(QByteArray::fromHex("7090"));
  EXPECT_EQ(talk(packet), QByteArray::fromHex("0000"));
}

TEST_F(RawFrames, LoaderKeepsTheNamesWhenTheImageChecksumIsWrong) {
  openLoader();
  QByteArray packet = QByteArray::fromHex("8008") + QByteArray(128, 'x');
  talk(QByteArray::fromHex("7090"));
  ASSERT_EQ(talk(packet + char(-sum(packet))), QByteArray::fromHex("0000"));
  EXPECT_EQ(talk(QByteArray::fromHex("CC34")), QByteArray::fromHex("00"));
  EXPECT_EQ(rig.device().namesCommits(), 0);
  EXPECT_EQ(rig.device().namesMemory(), sim::namesMemoryFromImage(freshImage(2), 2));
}

TEST_F(RawFrames, AbandonedLoaderReturnsToFramedRequests) {
  openLoader();
  ASSERT_TRUE(rig.device().inLoader());
  rig.clock.advance(sim::SimulatedDevice::kLoaderTimeoutMs + 1);
  EXPECT_EQ(request("01401E"), QByteArray::fromHex("060105FA"));
}

}  // namespace
}  // namespace nastrum::test
