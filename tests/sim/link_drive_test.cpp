// The simulator driven through the program's own link, for every protocol.
#include <gtest/gtest.h>

#include "model/device_real.h"
#include "sim/names_memory.h"
#include "sim_rig.h"

namespace nastrum::test {
namespace {

using sim::FaultKind;

struct ProtocolCase {
  const char* name;
  LinkProtocol protocol;
  CrcMode crc;
  ResultCode refused;       // what a request the device refuses gives
  ResultCode noAnswer;
  ResultCode badChecksum;
  ResultCode shortReply;
  ResultCode garbage;
};

// FT1.1 has no negative acknowledgement and no checksum: a refusal goes
// unanswered and a corrupted reply names a wrong address.
const ProtocolCase kProtocols[] = {
    {"Traditional", LinkProtocol::Traditional, CrcMode::None, ResultCode::RequestRefused, ResultCode::NoAnswer,
     ResultCode::ReplyChecksum, ResultCode::ReplyShort, ResultCode::Ok},
    {"Ft12Sum", LinkProtocol::Ft12, CrcMode::None, ResultCode::NegativeAck, ResultCode::NoAnswer,
     ResultCode::FrameChecksum, ResultCode::ReplyShort, ResultCode::NoAnswer},
    {"Ft12CrcInData", LinkProtocol::Ft12, CrcMode::InData, ResultCode::NegativeAck, ResultCode::NoAnswer,
     ResultCode::Crc16Mismatch, ResultCode::ReplyShort, ResultCode::NoAnswer},
    {"Ft12CrcInsteadOfSum", LinkProtocol::Ft12, CrcMode::InsteadOfSum, ResultCode::NegativeAck, ResultCode::NoAnswer,
     ResultCode::Crc16Mismatch, ResultCode::ReplyShort, ResultCode::NoAnswer},
    {"Ft11", LinkProtocol::Ft11, CrcMode::None, ResultCode::NoAcknowledge, ResultCode::NoAcknowledge,
     ResultCode::AddressMismatch, ResultCode::ReplyShort, ResultCode::ControlByte},
};

class LinkDrive : public ::testing::TestWithParam<ProtocolCase> {
 protected:
  void SetUp() override { rig.open(); }
  DeviceCommands commands(int address = 1) { return DeviceCommands(rig.link, rig.params(GetParam().protocol, address, GetParam().crc)); }
  std::uint16_t status() {
    auto cmd = commands();
    std::uint16_t word = 0;
    EXPECT_EQ(cmd.ReadWord(device_param::kStatusWord, word), ResultCode::Ok);
    return word;
  }
  SimRig rig;
};

TEST_P(LinkDrive, IdentifiesEveryModel) {
  for (int model : {0, 1, 2, 3, 4}) {
    SimRig local;
    local.open();
    sim::DeviceConfig config;
    config.modelCode = model;
    config.factoryNumber = static_cast<std::uint16_t>(0x1200 + model);
    local.addDevice(config, freshImage(2));
    DeviceCommands cmd(local.link, local.params(GetParam().protocol, 1, GetParam().crc));
    const Identification id = cmd.Identify();
    EXPECT_EQ(id.result, ResultCode::Ok) << "model " << model;
    EXPECT_EQ(id.modelCode, model);
    EXPECT_EQ(id.versionMajor, 3);
    std::uint16_t factory = 0;
    EXPECT_EQ(cmd.ReadWord(device_param::kFactoryNumber, factory), ResultCode::Ok);
    EXPECT_EQ(factory, 0x1200 + model);
  }
}

TEST_P(LinkDrive, ReadsTheImageItWasFilledWith) {
  SettingsImage image = freshImage(2);
  image.sensors[5].maxValue = 150.5;
  image.pipelines[2].tempSensors = 0x0304;
  image.sys(sys::SettlementHourDate) = 815;
  const char modem[] = "ATZ\r";
  std::copy(modem, modem + 4, image.modemInitMain.begin());
  rig.addDevice(sim::DeviceConfig{}, image);
  auto cmd = commands();
  double real = 0;
  EXPECT_EQ(cmd.ReadReal(ParamAddress::sensor(5, 4), real), ResultCode::Ok);
  EXPECT_EQ(real, 150.5);
  std::uint16_t word = 0;
  EXPECT_EQ(cmd.ReadWord(ParamAddress::pipeline(2, 2), word), ResultCode::Ok);
  EXPECT_EQ(word, 0x0304);
  QByteArray bytes;
  EXPECT_EQ(cmd.ReadParam(device_param::kSettlementHourAndDay, 2, bytes), ResultCode::Ok);
  EXPECT_EQ(bytes, QByteArray::fromHex("0815"));
  EXPECT_EQ(cmd.ReadParam(ParamAddress::fromWord(0x404B), 128, bytes), ResultCode::Ok);
  EXPECT_EQ(bytes.left(5), QByteArray("ATZ\r\0", 5));
}

TEST_P(LinkDrive, WritesOnlyInStopAndReprogrammingModeAfterThePassword) {
  sim::DeviceConfig config;
  config.password = 0x1234;
  rig.addDevice(config, freshImage(2));
  auto cmd = commands();
  const ParamAddress maxValue = ParamAddress::sensor(3, 4);

  EXPECT_EQ(cmd.WriteReal(maxValue, 99.0), GetParam().refused) << "no password yet";
  EXPECT_EQ(cmd.WriteParam(device_param::kPassword, QByteArray::fromHex("1234")), ResultCode::Ok);
  EXPECT_EQ(cmd.WriteReal(maxValue, 99.0), GetParam().refused) << "working, not in STOP";
  EXPECT_EQ(cmd.Stop(), ResultCode::Ok);
  EXPECT_EQ(status() & 0x18, 0x08);
  EXPECT_EQ(cmd.WriteReal(maxValue, 99.0), GetParam().refused) << "STOP but not reprogramming";
  EXPECT_EQ(cmd.Reprogramming(kReprogSection, kReprogEnter), ResultCode::Ok);
  EXPECT_EQ(status() & 0x03, 0x01);
  EXPECT_EQ(cmd.WriteReal(maxValue, 99.0), ResultCode::Ok);
  EXPECT_EQ(cmd.WriteWord(ParamAddress::pipeline(1, 7), 0x0102), ResultCode::Ok);
  EXPECT_EQ(cmd.WriteParam(ParamAddress::fromWord(0x404B), QByteArray(128, 'A')), ResultCode::Ok);
  EXPECT_EQ(cmd.Reprogramming(kReprogSection, kReprogLeave), ResultCode::Ok);
  EXPECT_EQ(status() & 0x03, 0x03);
  EXPECT_EQ(cmd.Start(), ResultCode::Ok);
  EXPECT_EQ(status(), 0);

  const SettingsImage out = rig.device().exportImage();
  EXPECT_EQ(out.sensors[3].maxValue, 99.0);
  EXPECT_EQ(out.pipelines[1].impurityTariff, 0x0102);
  EXPECT_EQ(out.modemInitMain[127], 'A');
  EXPECT_EQ(rig.device().writesAccepted(), 3);
}

TEST_P(LinkDrive, WrongPasswordReadsBackAsSomethingElse) {
  sim::DeviceConfig config;
  config.password = 0x1234;
  rig.addDevice(config, freshImage(2));
  auto cmd = commands();
  QByteArray back;
  for (const char* entered : {"0000", "FFFF", "4321"}) {
    ASSERT_EQ(cmd.WriteParam(device_param::kPassword, QByteArray::fromHex(entered)), ResultCode::Ok);
    ASSERT_EQ(cmd.ReadParam(device_param::kPassword, 2, back), ResultCode::Ok);
    EXPECT_NE(back.toHex().toUpper(), QByteArray(entered));
    EXPECT_NE(back, QByteArray::fromHex("0000"));
    EXPECT_NE(back, QByteArray::fromHex("FFFF"));
  }
  ASSERT_EQ(cmd.WriteParam(device_param::kPassword, QByteArray::fromHex("1234")), ResultCode::Ok);
  ASSERT_EQ(cmd.ReadParam(device_param::kPassword, 2, back), ResultCode::Ok);
  EXPECT_EQ(back, QByteArray::fromHex("1234"));

  rig.device().faults().add({FaultKind::WrongPassword});
  ASSERT_EQ(cmd.WriteParam(device_param::kPassword, QByteArray::fromHex("1234")), ResultCode::Ok);
  ASSERT_EQ(cmd.ReadParam(device_param::kPassword, 2, back), ResultCode::Ok);
  EXPECT_NE(back, QByteArray::fromHex("1234"));
}

TEST_P(LinkDrive, RefusedModeChangesShowInTheStatusWord) {
  rig.addDevice();
  auto cmd = commands();
  rig.device().faults().add({FaultKind::RefuseStop, true});
  EXPECT_EQ(cmd.Stop(), ResultCode::Ok);
  EXPECT_EQ(status() & 0x18, 0x00);
  rig.device().faults().add({FaultKind::RefuseReprog, true});
  enterReprogramming(cmd);
  EXPECT_EQ(status() & 0x03, 0x00);
  EXPECT_EQ(cmd.Reprogramming(kReprogSection, kReprogEnter), ResultCode::Ok);
  EXPECT_EQ(status() & 0x03, 0x01);
  EXPECT_EQ(cmd.Reprogramming(kReprogSection, kReprogCancel), ResultCode::Ok);
  EXPECT_EQ(status() & 0x03, 0x00);
  rig.device().faults().add({FaultKind::MissingKey});
  EXPECT_EQ(status() & 0x8000, 0x8000);
}

TEST_P(LinkDrive, ReprogrammingModeMayTakeAWhile) {
  sim::DeviceConfig config;
  config.reprogEntryDelayMs = 5000;
  rig.addDevice(config, freshImage(2));
  auto cmd = commands();
  enterReprogramming(cmd);
  EXPECT_EQ(status() & 0x03, 0x00);
  EXPECT_EQ(cmd.WriteReal(ParamAddress::sensor(0, 4), 1.0), GetParam().refused);
  rig.clock.advance(5000);
  EXPECT_EQ(status() & 0x03, 0x01);
  EXPECT_EQ(cmd.WriteReal(ParamAddress::sensor(0, 4), 1.0), ResultCode::Ok);
}

TEST_P(LinkDrive, FaultsGiveTheirResultCodes) {
  rig.addDevice();
  auto cmd = commands();
  struct Case {
    FaultKind kind;
    ResultCode expected;
  };
  const Case cases[] = {
      {FaultKind::NoAnswer, GetParam().noAnswer},     {FaultKind::Nak, GetParam().refused},
      {FaultKind::BadChecksum, GetParam().badChecksum}, {FaultKind::ShortReply, GetParam().shortReply},
      {FaultKind::Garbage, GetParam().garbage},
  };
  for (const Case& c : cases) {
    rig.device().faults().add({c.kind, true});
    QByteArray version;
    EXPECT_EQ(cmd.ReadParam(device_param::kFirmwareVersion, 2, version), c.expected) << sim::faultName(c.kind).toStdString();
    EXPECT_EQ(cmd.ReadParam(device_param::kFirmwareVersion, 2, version), ResultCode::Ok) << "a one-time fault is used up";
  }
}

TEST_P(LinkDrive, StopsAnsweringAfterNRequests) {
  rig.addDevice();
  rig.device().faults().add({FaultKind::StopAnswering, false, 2});
  auto cmd = commands();
  EXPECT_EQ(cmd.Identify().result, ResultCode::Ok);
  QByteArray bytes;
  EXPECT_EQ(cmd.ReadParam(device_param::kFactoryNumber, 2, bytes), GetParam().noAnswer);
  EXPECT_EQ(cmd.ReadParam(device_param::kFactoryNumber, 2, bytes), GetParam().noAnswer);
}

TEST_P(LinkDrive, TwoWireLoopEchoIsSkipped) {
  rig.addDevice();
  rig.device().faults().add({FaultKind::Echo});
  rig.open(LineKind::TwoWire);
  DeviceCommands cmd(rig.link, rig.params(GetParam().protocol, 1, GetParam().crc, LineKind::TwoWire));
  const Identification id = cmd.Identify();
  EXPECT_EQ(id.result, ResultCode::Ok);
  EXPECT_EQ(id.modelCode, 2);
}

TEST_P(LinkDrive, NamesChunksAfterThePassword) {
  SettingsImage image = freshImage(3);
  image.names.sensorNames[0].setBytes(QByteArray("\xD2\xE5\xEF\xEB\xEE"));  // Тепло
  image.names.desktopNames[1].setBytes("P1");
  image.names.desktopParams[1] = 0x4015;
  sim::DeviceConfig config;
  config.modelCode = 3;
  rig.addDevice(config, image);
  auto cmd = commands();
  QByteArray chunk;
  EXPECT_EQ(cmd.ReadNamesChunk(0x8000, 0xF8, chunk), GetParam().refused) << "no password yet";
  ASSERT_EQ(cmd.WriteParam(device_param::kPassword, QByteArray::fromHex("FFFF")), ResultCode::Ok);
  ASSERT_EQ(cmd.ReadNamesChunk(0x8000, 0xF8, chunk), ResultCode::Ok);
  EXPECT_EQ(chunk.left(16), QByteArray::fromHex("54656E026F2020202020202020202020"));
  EXPECT_EQ(chunk.mid(16, 16), QByteArray(16, ' ')) << "an unnamed sensor is 16 spaces";
  ASSERT_EQ(cmd.ReadNamesChunk(0x9000, 0xF8, chunk), ResultCode::Ok);  // the work table
  EXPECT_EQ(chunk.mid(32, 18), QByteArray("P1").leftJustified(16, ' ') + QByteArray::fromHex("4015"));
  EXPECT_EQ(cmd.ReadNamesChunk(0x9200, 0xF8, chunk), GetParam().refused) << "past the work table";
}

TEST_P(LinkDrive, SmallModelNamesSelectorFollowsTheProtocol) {
  sim::DeviceConfig config;
  config.modelCode = 1;
  rig.addDevice(config, freshImage(1));
  auto cmd = commands();
  ASSERT_EQ(cmd.WriteParam(device_param::kPassword, QByteArray::fromHex("FFFF")), ResultCode::Ok);
  const bool traditional = GetParam().protocol == LinkProtocol::Traditional;
  QByteArray chunk;
  EXPECT_EQ(cmd.ReadNamesChunk(0x9000, traditional ? 0x0F : 0xFF, chunk), ResultCode::Ok);
  EXPECT_EQ(cmd.ReadNamesChunk(0x9000, traditional ? 0xFF : 0x0F, chunk), GetParam().refused);
  EXPECT_EQ(cmd.ReadNamesChunk(0x9700, traditional ? 0x0F : 0xFF, chunk), ResultCode::Ok) << "the 29th chunk";
  EXPECT_EQ(cmd.ReadNamesChunk(0x9740, traditional ? 0x0F : 0xFF, chunk), GetParam().refused) << "past 1856 bytes";
}

TEST_P(LinkDrive, ClockIsSetAfterThePassword) {
  rig.addDevice();
  auto cmd = commands();
  EXPECT_EQ(cmd.WriteParam(device_param::kClockTime, QByteArray::fromHex("0905")), GetParam().refused);
  ASSERT_EQ(cmd.WriteParam(device_param::kPassword, QByteArray::fromHex("0000")), ResultCode::Ok);
  EXPECT_EQ(cmd.WriteParam(device_param::kClockTime, QByteArray::fromHex("0905")), ResultCode::Ok);
  EXPECT_EQ(cmd.WriteParam(device_param::kClockDate, QByteArray::fromHex("1F0C")), ResultCode::Ok);  // 31.12
  EXPECT_EQ(cmd.WriteParam(device_param::kClockYear, QByteArray::fromHex("1418")), ResultCode::Ok);  // 2024
  EXPECT_EQ(cmd.WriteParam(device_param::kClockDate, QByteArray::fromHex("1E02")), GetParam().refused) << "30 February";
  rig.clock.advance(61'000);
  QByteArray t;
  ASSERT_EQ(cmd.ReadParam(device_param::kClockTime, 2, t), ResultCode::Ok);
  EXPECT_EQ(t, QByteArray::fromHex("0906"));
  ASSERT_EQ(cmd.ReadParam(device_param::kClockDate, 2, t), ResultCode::Ok);
  EXPECT_EQ(t, QByteArray::fromHex("1F0C"));
  ASSERT_EQ(cmd.ReadParam(device_param::kClockYear, 2, t), ResultCode::Ok);
  EXPECT_EQ(t, QByteArray::fromHex("1418"));
}

TEST_P(LinkDrive, ModemStringOfTheSmallModelLivesInMemory) {
  sim::DeviceConfig config;
  config.modelCode = 1;
  SettingsImage image = freshImage(1);
  image.modemInitMain[0] = 'A';
  rig.addDevice(config, image);
  auto cmd = commands();
  QByteArray bytes;
  ASSERT_EQ(cmd.ReadMemory(0xAF00, 128, bytes), ResultCode::Ok);
  EXPECT_EQ(bytes[0], 'A');
  enterReprogramming(cmd);
  EXPECT_EQ(cmd.WriteMemory(0xAF00, QByteArray(128, 'B')), GetParam().refused) << "written at another address";
  EXPECT_EQ(cmd.WriteMemory(0x2F00, QByteArray(128, 'B')), ResultCode::Ok);
  ASSERT_EQ(cmd.ReadMemory(0xAF00, 128, bytes), ResultCode::Ok);
  EXPECT_EQ(bytes, QByteArray(128, 'B'));
  EXPECT_EQ(rig.device().exportImage().modemInitMain[5], 'B');
}

// The loader's raw stages as the program sends them: command bytes, then a
// packet, each acknowledged; a packet also gets its completion byte.
QByteArray loaderStage(SerialPort& port, const QByteArray& bytes, bool echo, int answers) {
  port.write(bytes);
  if (echo) port.read(static_cast<int>(bytes.size()));
  return port.read(answers);
}

TEST_P(LinkDrive, LoaderSessionOfTheLargeModelOnATwoWireLoop) {
  sim::DeviceConfig config;
  config.modelCode = 3;
  rig.addDevice(config, freshImage(3));
  rig.device().faults().add({FaultKind::Echo});
  rig.open(LineKind::TwoWire);
  const LinkParams params = rig.params(GetParam().protocol, 1, GetParam().crc, LineKind::TwoWire);
  DeviceCommands cmd(rig.link, params);
  ASSERT_EQ(cmd.WriteParam(device_param::kPassword, QByteArray::fromHex("FFFF")), ResultCode::Ok);
  ASSERT_EQ(cmd.Stop(), ResultCode::Ok);
  QByteArray none;
  ASSERT_EQ(rig.link.Exchange(QByteArray::fromHex("0F22"), 0, none, params), ResultCode::Ok);
  ASSERT_EQ(rig.link.Exchange(QByteArray::fromHex("0F55"), 0, none, params), ResultCode::Ok);

  SettingsImage named = freshImage(3);
  named.names.intervalArcNames[11].setBytes("Interval 12");
  named.names.desktopNames[0].setBytes("Desk 1");
  named.names.desktopParams[0] = 0x4016;
  const QByteArray image = sim::namesMemoryFromImage(named, 3);
  EXPECT_EQ(loaderStage(rig.port, QByteArray::fromHex("0000"), true, 1), QByteArray::fromHex("00")) << "synchronised";
  for (int i = 0; i < 36; ++i) {
    ASSERT_EQ(loaderStage(rig.port, QByteArray::fromHex("7090"), true, 1), QByteArray::fromHex("00"));
    QByteArray packet;
    packet += static_cast<char>(0x80 + i / 2);
    packet += static_cast<char>(i % 2 ? 0x18 : 0x08);
    packet += image.mid(128 * i, 128);
    unsigned sum = 0;
    for (char c : packet) sum += static_cast<std::uint8_t>(c);
    packet += static_cast<char>(-sum);
    ASSERT_EQ(loaderStage(rig.port, packet, true, 2), QByteArray::fromHex("0000")) << i;
  }
  EXPECT_EQ(loaderStage(rig.port, QByteArray::fromHex("CC34"), true, 1), QByteArray::fromHex("00"));
  EXPECT_EQ(rig.device().namesCommits(), 1);
  const SettingsImage out = rig.device().exportImage();
  EXPECT_EQ(out.names.intervalArcNames[11].bytes(), QByteArray("Interval 12"));
  EXPECT_EQ(out.names.desktopNames[0].bytes(), QByteArray("Desk 1"));
  EXPECT_EQ(out.names.desktopParams[0], 0x4016);
  EXPECT_EQ(cmd.Start(), ResultCode::Ok) << "framed requests again";
}

INSTANTIATE_TEST_SUITE_P(AllProtocols, LinkDrive, ::testing::ValuesIn(kProtocols),
                         [](const auto& info) { return std::string(info.param.name); });

// The password changes only amid the settings writes of the reprogramming
// mode; a later conversation that finds the device still in that mode logs in.
TEST(SimPassword, ChangedOnlyAmidTheSettingsWrites) {
  SimRig rig;
  sim::DeviceConfig config;
  config.password = 0x1234;
  rig.addDevice(config, freshImage(2));
  rig.open();
  DeviceCommands cmd(rig.link, rig.params(LinkProtocol::Traditional));
  enterReprogramming(cmd, 0x1234);
  ASSERT_EQ(cmd.WriteParam(device_param::kPassword, QByteArray::fromHex("5678")), ResultCode::Ok);
  EXPECT_EQ(rig.device().password(), 0x1234) << "no settings written yet: a login";
  ASSERT_EQ(cmd.WriteParam(device_param::kPassword, QByteArray::fromHex("1234")), ResultCode::Ok);
  ASSERT_EQ(cmd.WriteWord(ParamAddress::fromWord(0x4102), 3), ResultCode::Ok);
  ASSERT_EQ(cmd.WriteParam(device_param::kPassword, QByteArray::fromHex("5678")), ResultCode::Ok);
  EXPECT_EQ(rig.device().password(), 0x5678);

  ASSERT_EQ(cmd.Identify().result, ResultCode::Ok);  // the next run, the device still reprogramming
  ASSERT_EQ(cmd.WriteParam(device_param::kPassword, QByteArray::fromHex("9999")), ResultCode::Ok);
  EXPECT_EQ(rig.device().password(), 0x5678);
  EXPECT_FALSE(rig.device().accessGranted());
  EXPECT_EQ(rig.device().exportImage().sys(sys::DevicePassword), 0x5678);
}

// The traditional network: the select byte goes out with MARK parity and only
// the device of that number answers until it is released.
TEST(SimNetwork, SelectAddressesOneDeviceOfSeveral) {
  SimRig rig;
  for (int n : {1, 2}) {
    sim::DeviceConfig config;
    config.networkNumber = n;
    config.factoryNumber = static_cast<std::uint16_t>(0x100 * n);
    rig.addDevice(config, freshImage(2));
  }
  rig.open();
  DeviceCommands cmd(rig.link, rig.params(LinkProtocol::Traditional));
  EXPECT_FALSE(rig.link.SelectDevice(3, LineKind::FourWire));
  ASSERT_TRUE(rig.link.SelectDevice(2, LineKind::FourWire));
  std::uint16_t factory = 0;
  ASSERT_EQ(cmd.ReadWord(device_param::kFactoryNumber, factory), ResultCode::Ok);
  EXPECT_EQ(factory, 0x200);
  ASSERT_TRUE(rig.link.SelectDevice(1, LineKind::FourWire));
  ASSERT_EQ(cmd.ReadWord(device_param::kFactoryNumber, factory), ResultCode::Ok);
  EXPECT_EQ(factory, 0x100);
  EXPECT_EQ(cmd.Release(), ResultCode::Ok);

  // FT protocols carry the number in every frame.
  for (int n : {1, 2}) {
    DeviceCommands ft(rig.link, rig.params(LinkProtocol::Ft12, n));
    ASSERT_EQ(ft.ReadWord(device_param::kFactoryNumber, factory), ResultCode::Ok);
    EXPECT_EQ(factory, 0x100 * n);
  }
  DeviceCommands nobody(rig.link, rig.params(LinkProtocol::Ft11, 7));
  EXPECT_EQ(nobody.ReadWord(device_param::kFactoryNumber, factory), ResultCode::NoAcknowledge);
}

TEST(SimNetwork, AdditionalChannelMarksWithEvenParity) {
  SimRig rig;
  sim::DeviceConfig config;
  config.networkNumber = 5;
  rig.addDevice(config, freshImage(2));
  rig.link.settings().tryCount = 1;
  ASSERT_TRUE(rig.port.OpenPort(QStringLiteral("/dev/sim"), kDefaultBaudIndex, Channel::Additional, LineKind::FourWire));
  EXPECT_TRUE(rig.link.SelectDevice(5, LineKind::FourWire));
  EXPECT_EQ(rig.line.parity(), Parity::Odd);
}

}  // namespace
}  // namespace nastrum::test
