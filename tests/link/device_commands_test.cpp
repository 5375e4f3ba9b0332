#include <gtest/gtest.h>

#include "link/device_commands.h"
#include "link/frames.h"
#include "link_fixture.h"

using namespace nastrum;
using namespace nastrum::test;

namespace {

// A device on the traditional protocol that answers every request at once:
// ready to ENQ, ACK and the reply its table holds (zeros otherwise) to frames.
class TraditionalPeer {
 public:
  explicit TraditionalPeer(ScriptedLine& line) {
    line.setResponder([this](const QByteArray& written) { return answer(written); });
  }
  void setReply(const QByteArray& request, const QByteArray& data) { replies_.append({request, data}); }
  void refuse(const QByteArray& request) { refused_.append(request); }
  QList<QByteArray> requests;

 private:
  QByteArray answer(const QByteArray& written) {
    if (written == bytes("05")) return bytes("04");
    const QByteArray payload = written.mid(1, written.size() - 2);
    requests.append(payload);
    if (refused_.contains(payload)) return bytes("15");
    QByteArray data;
    for (const auto& [req, d] : replies_)
      if (req == payload) data = d;
    if (data.isEmpty()) data = QByteArray(payload.startsWith('\x01') ? 4 : 0, '\0');
    QByteArray reply = bytes("06") + data;
    if (!data.isEmpty()) reply.append(static_cast<char>(TraditionalChecksum(data)));
    return reply;
  }
  QList<QPair<QByteArray, QByteArray>> replies_;
  QList<QByteArray> refused_;
};

class Commands : public LinkFixture {
 protected:
  TraditionalPeer peer{line};
  DeviceCommands commands{link, params};
};

}  // namespace

TEST(ParamAddressTest, WireBytesAndWrittenForm) {
  EXPECT_EQ(ParamAddress::sensor(5, 10).word(), 0x050A);
  EXPECT_EQ(ParamAddress::pipeline(2, 60).word(), 0x823C);
  EXPECT_EQ(ParamAddress::system(0x40, 0x28, 0x34).word(), 0x6834);
  EXPECT_EQ(device_param::kPassword.highByte(), 0x40);
  EXPECT_EQ(device_param::kPassword.lowByte(), 0x08);
}

TEST_F(Commands, ReadsParameterWordAndReal) {
  peer.setReply(bytes("01 40 3C"), bytes("30 39"));
  peer.setReply(bytes("01 05 0A"), bytes("8A 5B E0 00"));
  std::uint16_t word = 0;
  double real = 0;
  EXPECT_EQ(commands.ReadWord(device_param::kFactoryNumber, word), ResultCode::Ok);
  EXPECT_EQ(word, 12345);
  EXPECT_EQ(commands.ReadReal(ParamAddress::sensor(5, 10), real), ResultCode::Ok);
  EXPECT_EQ(real, 735.0);
  QByteArray data;
  EXPECT_EQ(commands.ReadParam(ParamAddress::sensor(0, 1), 129, data), ResultCode::SendFailed);
  EXPECT_EQ(peer.requests.size(), 2);
}

TEST_F(Commands, EveryWriteIsPrecededByItsUnlock) {
  EXPECT_EQ(commands.WriteParam(device_param::kPassword, bytes("12 34")), ResultCode::Ok);
  EXPECT_EQ(commands.WriteMemory(0x2F00, bytes("AA BB")), ResultCode::Ok);
  EXPECT_EQ(commands.WriteReal(ParamAddress::pipeline(2, 60), 735.0), ResultCode::Ok);
  EXPECT_EQ(commands.WriteWord(ParamAddress::sensor(1, 2), 0x12345), ResultCode::Ok);
  const QList<QByteArray> expected = {
      bytes("05 40 07 BF F7"), bytes("05 40 08 12 34"),           bytes("05 40 07 2F 00"),
      bytes("06 2F 00 AA BB"), bytes("05 40 07 7D C3"),           bytes("05 82 3C 8A 5B E0 00"),
      bytes("05 40 07 FE FD"), bytes("05 01 02 23 45"),
  };
  EXPECT_EQ(peer.requests, expected);
}

TEST_F(Commands, FailingUnlockSuppressesTheWrite) {
  peer.refuse(bytes("05 40 07 BF F7"));
  EXPECT_EQ(commands.WriteParam(device_param::kPassword, bytes("12 34")), ResultCode::RequestRefused);
  EXPECT_EQ(peer.requests, QList<QByteArray>{bytes("05 40 07 BF F7")});
}

TEST_F(Commands, ModeCommandsAndReprogrammingArguments) {
  EXPECT_EQ(commands.Stop(), ResultCode::Ok);
  EXPECT_EQ(commands.Start(), ResultCode::Ok);
  EXPECT_EQ(commands.Reprogramming(kReprogSection, kReprogEnter), ResultCode::Ok);
  EXPECT_EQ(commands.Reprogramming(kReprogSection, kReprogLeave), ResultCode::Ok);
  EXPECT_EQ(commands.ReprogrammingBuffer(0x22), ResultCode::Ok);
  EXPECT_EQ(commands.ReprogrammingBuffer(0x55), ResultCode::Ok);
  EXPECT_EQ(peer.requests, (QList<QByteArray>{bytes("09"), bytes("08"), bytes("0D A1"), bytes("0D A3"), bytes("0F 22"), bytes("0F 55")}));

  peer.requests.clear();
  EXPECT_EQ(commands.Reprogramming(11, 1), ResultCode::BadReprogSection);
  EXPECT_EQ(commands.Reprogramming(7, 1), ResultCode::BadReprogSection);
  EXPECT_EQ(commands.Reprogramming(10, 4), ResultCode::BadReprogCommand);
  EXPECT_EQ(commands.Reprogramming(10, -1), ResultCode::BadReprogCommand);
  EXPECT_TRUE(peer.requests.isEmpty());
  EXPECT_EQ(line.writes().size(), 12);  // six commands, nothing for the refused ones
}

TEST_F(Commands, ReadsMemoryAndNamesChunks) {
  const QByteArray block(128, '\x5A');
  peer.setReply(bytes("02 2F 00 80"), block);
  peer.setReply(bytes("03 10 40 01"), QByteArray(64, '\x21'));
  QByteArray data;
  EXPECT_EQ(commands.ReadMemory(0x2F00, 128, data), ResultCode::Ok);
  EXPECT_EQ(data, block);
  EXPECT_EQ(commands.ReadNamesChunk(0x1040, 1, data), ResultCode::Ok);
  EXPECT_EQ(data, QByteArray(64, '\x21'));
}

TEST(CommandsRelease, AlwaysTraditionalToAddressZero) {
  VirtualClock clock;
  ScriptedLine line(clock);
  SerialPort port(line, clock);
  LinkLayer link(port);
  ASSERT_TRUE(port.OpenPort("/dev/x", 5, Channel::Main, LineKind::FourWire));
  DeviceCommands commands(link, LinkParams{LineKind::FourWire, LinkProtocol::Ft12, 9, CrcMode::InsteadOfSum});
  line.expect(bytes("05"), bytes("04")).expect(bytes("01 0A F6"), bytes("06"));
  EXPECT_EQ(commands.Release(), ResultCode::Ok);
  EXPECT_EQ(line.pendingExpectations(), 0);
}

TEST_F(Commands, IdentifyFindsTheModel) {
  struct Case {
    const char* version;
    const char* model;
    int modelCode;
  };
  const Case cases[] = {{"01 05", "01 05", kModelBasic},   {"02 07", "01 FE", kModelMinimal},
                        {"02 07", "02 FD", kModelExpandable}, {"03 01", "03 FC", kModelLarge},
                        {"02 07", "02 FE", kModelUnknown},  {"02 07", "05 FA", kModelUnknown}};
  for (const auto& c : cases) {
    VirtualClock clock;
    ScriptedLine line(clock);
    SerialPort port(line, clock);
    LinkLayer link(port);
    ASSERT_TRUE(port.OpenPort("/dev/x", 5, Channel::Main, LineKind::FourWire));
    TraditionalPeer peer(line);
    peer.setReply(bytes("01 40 1E"), bytes(c.version));
    peer.setReply(bytes("01 41 1E"), bytes(c.model));
    DeviceCommands commands(link, LinkParams{});
    const Identification id = commands.Identify();
    EXPECT_EQ(id.result, ResultCode::Ok);
    EXPECT_EQ(id.modelCode, c.modelCode) << c.model;
    EXPECT_EQ(id.versionMajor, static_cast<std::uint8_t>(bytes(c.version)[0]));
    EXPECT_EQ(id.versionMinor, static_cast<std::uint8_t>(bytes(c.version)[1]));
  }
}

TEST_F(Commands, IdentifyReturnsTheFirstFailure) {
  peer.refuse(bytes("01 41 1E"));
  peer.setReply(bytes("01 40 1E"), bytes("02 07"));
  const Identification id = commands.Identify();
  EXPECT_EQ(id.result, ResultCode::RequestRefused);
  EXPECT_EQ(id.versionMajor, 2);
}

TEST(CommandsOverFt12, WritesAreAcknowledgedByTheBarePositiveAck) {
  VirtualClock clock;
  ScriptedLine line(clock);
  SerialPort port(line, clock);
  LinkLayer link(port);
  ASSERT_TRUE(port.OpenPort("/dev/x", 5, Channel::Main, LineKind::FourWire));
  const LinkParams params{LineKind::FourWire, LinkProtocol::Ft12, 3, CrcMode::None};
  DeviceCommands commands(link, params);
  line.expect(BuildFt12Frame(bytes("05 40 07 BF F7"), 3, CrcMode::None).bytes(), bytes("A2"))
      .expect(BuildFt12Frame(bytes("05 40 08 12 34"), 3, CrcMode::None).bytes(), bytes("A2"));
  EXPECT_EQ(commands.WriteParam(device_param::kPassword, bytes("12 34")), ResultCode::Ok);
  EXPECT_EQ(line.pendingExpectations(), 0);

  // A bare acknowledge to a read is not data.
  line.expect(BuildFt12Frame(bytes("01 40 00"), 3, CrcMode::None).bytes(), bytes("A2"));
  std::uint16_t status = 0;
  EXPECT_EQ(commands.ReadWord(device_param::kStatusWord, status), ResultCode::PositiveAck);
}
