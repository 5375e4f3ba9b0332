// The simulator behind a real pseudo-terminal, reached through the
// program's production serial line.
#include <gtest/gtest.h>

#include "link/device_commands.h"
#include "link/qserialport_line.h"
#include "sim/pty_host.h"
#include "support/devices_on_pty.h"
#include "sim_rig.h"

namespace nastrum::test {
namespace {

class PtyLine : public ::testing::Test {
 protected:
  void SetUp() override {
    sim::DeviceConfig config;
    config.networkNumber = 3;
    device = std::make_unique<sim::SimulatedDevice>(config, freshImage(2), deviceClock);
    port = std::make_unique<sim::DevicePort>(*device);
    host = std::make_unique<sim::PtyHost>(std::vector<sim::DevicePort*>{port.get()});
    QString error;
    ASSERT_TRUE(host->open(&error)) << error.toStdString();
    link.settings().tryCount = 1;
  }
  void TearDown() override { stop(); }
  // The device runs on its own thread between open() and stop(); touch it
  // only outside that span.
  void open(Channel channel = Channel::Main, bool paced = false) {
    host->setPacing(paced);
    server = std::make_unique<PtyServer>(*host);
    server->start();
    ASSERT_TRUE(serialPort.OpenPort(host->slavePath(), kDefaultBaudIndex, channel, LineKind::FourWire));
  }
  void stop() {
    serialPort.ClosePort();
    if (server) server->stop();
  }

  void identifyAndWriteInEveryProtocol();

  SystemClock deviceClock;
  std::unique_ptr<sim::SimulatedDevice> device;
  std::unique_ptr<sim::DevicePort> port;
  std::unique_ptr<sim::PtyHost> host;
  std::unique_ptr<PtyServer> server;

  SystemClock clock;
  QSerialPortLine line;
  SerialPort serialPort{line, clock};
  LinkLayer link{serialPort};
};

void PtyLine::identifyAndWriteInEveryProtocol() {
  struct Case {
    LinkProtocol protocol;
    CrcMode crc;
  };
  const Case cases[] = {{LinkProtocol::Traditional, CrcMode::None},
                        {LinkProtocol::Ft12, CrcMode::None},
                        {LinkProtocol::Ft12, CrcMode::InData},
                        {LinkProtocol::Ft12, CrcMode::InsteadOfSum},
                        {LinkProtocol::Ft11, CrcMode::None}};
  ASSERT_TRUE(link.SelectDevice(3, LineKind::FourWire)) << "traditional requests need the select first";
  double value = 1.0;
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.protocol) * 10 + static_cast<int>(c.crc));
    LinkParams params;
    params.protocol = c.protocol;
    params.crcMode = c.crc;
    params.deviceAddress = c.protocol == LinkProtocol::Traditional ? 0 : 3;
    DeviceCommands cmd(link, params);
    const Identification id = cmd.Identify();
    ASSERT_EQ(id.result, ResultCode::Ok);
    EXPECT_EQ(id.modelCode, 2);
    enterReprogramming(cmd);
    value += 1.0;
    EXPECT_EQ(cmd.WriteReal(ParamAddress::sensor(0, 4), value), ResultCode::Ok);
    double back = 0;
    EXPECT_EQ(cmd.ReadReal(ParamAddress::sensor(0, 4), back), ResultCode::Ok);
    EXPECT_EQ(back, value);
    EXPECT_EQ(cmd.Reprogramming(kReprogSection, kReprogLeave), ResultCode::Ok);
  }
  stop();
  EXPECT_EQ(device->exportImage().sensors[0].maxValue, value);
}

TEST_F(PtyLine, EveryProtocolIdentifiesAndWrites) {
  open();
  identifyAndWriteInEveryProtocol();
}

// At line speed a request is taken when it is over, however the program
// writes it: FT1.1 requests begin with the enquiry's byte (05) and FT frames
// come in several writes.
TEST_F(PtyLine, EveryProtocolIdentifiesAndWritesOnAPacedLine) {
  open(Channel::Main, true);
  identifyAndWriteInEveryProtocol();
}

TEST_F(PtyLine, SelectOnTheAdditionalChannelUsesEvenParity) {
  device->faults().add({sim::FaultKind::Nak, true, 3});  // after the select and the identification
  open(Channel::Additional);
  EXPECT_FALSE(link.SelectDevice(4, LineKind::FourWire));
  ASSERT_TRUE(link.SelectDevice(3, LineKind::FourWire));
  DeviceCommands cmd(link, LinkParams{});
  EXPECT_EQ(cmd.Identify().result, ResultCode::Ok);
  QByteArray version;
  EXPECT_EQ(cmd.ReadParam(device_param::kFirmwareVersion, 2, version), ResultCode::RequestRefused);
}

}  // namespace
}  // namespace nastrum::test
