// The device commands as the runs send them, against every session a run can
// meet: the program's own session over the simulated device in each framing,
// and the test doubles the run tests put in its place, so that the doubles
// are known to answer as the device does where the runs rely on them.
#include <deque>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "link/device_commands.h"
#include "link/runs/fake_device.h"
#include "link/runs/intercepting_session.h"
#include "link/runs/link_device_session.h"
#include "link/runs/names_layout.h"
#include "model/reset_image.h"
#include "sim/device_port.h"
#include "sim/sim_serial_line.h"
#include "sim/simulated_device.h"

namespace nastrum::test {
namespace {

QByteArray Bytes(std::initializer_list<int> v) {
  QByteArray b;
  for (const int x : v) b.append(static_cast<char>(x));
  return b;
}

// Every target is the same device: ОРВИК 5 "минимальный" (it has the modem
// memory a memory write reaches), version 3.2, factory number 1234, no password.
constexpr int kKind = 1;
constexpr std::uint8_t kMajor = 3, kMinor = 2;
constexpr std::uint16_t kFactoryNumber = 0x1234;
constexpr std::uint16_t kModemMemory = 0x2F00;  // where the modem string is written
constexpr ParamAddress kReal = ParamAddress::fromWord(0x0504);
const QByteArray k735 = Bytes({0x8A, 0x5B, 0xE0, 0x00});  // 735.0 in the device's form

// A device behind a session, and what a test needs to see of it.
class CommandTarget {
 public:
  virtual ~CommandTarget() = default;
  virtual DeviceSession& session() = 0;
  // The device holds `bytes` in parameter `param`.
  virtual void hold(ParamAddress param, const QByteArray& bytes) = 0;
  // The device refuses the next write unlock.
  virtual void refuseNextUnlock() = 0;
  // Requests the device heard so far, unlocks included.
  virtual int heard() const = 0;

  DeviceCommands commands() { return session().commands(); }
};

LinkSetup SetupFor(LinkProtocol protocol) {
  LinkSetup setup;
  setup.protocol = protocol;
  setup.address = 1;
  setup.tryCount = 1;  // a refusal is the command's result, not retried away
  return setup;
}

// The program's session over the simulated device on an in-process line.
class SimTarget final : public CommandTarget {
 public:
  explicit SimTarget(LinkProtocol protocol) {
    SettingsImage image;
    EditorState editor;
    ResetImage(image, editor);
    image.deviceKind = kKind;
    sim::DeviceConfig config;
    config.modelCode = kKind;
    config.versionMajor = kMajor;
    config.versionMinor = kMinor;
    config.factoryNumber = kFactoryNumber;
    config.password = 0x0000;
    device_ = std::make_unique<sim::SimulatedDevice>(config, image, clock_);
    port_ = std::make_unique<sim::DevicePort>(*device_);
    line_.attach(*port_);
    EXPECT_TRUE(session_.open(QStringLiteral("sim"), SetupFor(protocol)));
  }

  DeviceSession& session() override { return session_; }
  void hold(ParamAddress param, const QByteArray& bytes) override { device_->setParameterBytes(param.word(), bytes); }
  void refuseNextUnlock() override { device_->faults().add(sim::Fault{sim::FaultKind::Nak, true, port_->requests()}); }
  int heard() const override { return port_->requests(); }

 private:
  VirtualClock clock_;
  sim::SimSerialLine line_{clock_};
  std::unique_ptr<sim::SimulatedDevice> device_;
  std::unique_ptr<sim::DevicePort> port_;
  LinkDeviceSession session_{line_, clock_};
};

// The run tests' fake device.
class FakeTarget final : public CommandTarget {
 public:
  FakeTarget() {
    device_.major = kMajor;
    device_.minor = kMinor;
    device_.modelA = kKind;
    device_.modelB = 255 - kKind;
    device_.params[0x403C] = Bytes({kFactoryNumber >> 8, kFactoryNumber & 0xFF});
    EXPECT_TRUE(device_.open(QStringLiteral("fake"), SetupFor(LinkProtocol::Traditional)));
  }

  DeviceSession& session() override { return device_; }
  void hold(ParamAddress param, const QByteArray& bytes) override { device_.params[param.word()] = bytes; }
  void refuseNextUnlock() override { device_.refuseUnlocks = true; }
  int heard() const override { return static_cast<int>(device_.requests.size()) + device_.unlocks; }

 private:
  FakeDevice device_;
};

// The write tests' intercepting session around the simulated device, letting
// everything through.
class InterceptingTarget final : public CommandTarget {
 public:
  DeviceSession& session() override { return spy_; }
  void hold(ParamAddress param, const QByteArray& bytes) override { inner_.hold(param, bytes); }
  void refuseNextUnlock() override { inner_.refuseNextUnlock(); }
  int heard() const override { return inner_.heard(); }

 private:
  SimTarget inner_{LinkProtocol::Traditional};
  InterceptingSession spy_{inner_.session()};
};

struct TargetCase {
  const char* name;
  std::function<std::unique_ptr<CommandTarget>()> make;
};

void PrintTo(const TargetCase& target, std::ostream* out) { *out << target.name; }

const TargetCase kTargets[] = {
    {"SimTraditional", [] { return std::make_unique<SimTarget>(LinkProtocol::Traditional); }},
    {"SimFt12", [] { return std::make_unique<SimTarget>(LinkProtocol::Ft12); }},
    {"SimFt11", [] { return std::make_unique<SimTarget>(LinkProtocol::Ft11); }},
    {"FakeDevice", [] { return std::make_unique<FakeTarget>(); }},
    {"InterceptingSession", [] { return std::make_unique<InterceptingTarget>(); }},
};

class DeviceCommandsInterface : public ::testing::TestWithParam<TargetCase> {
 protected:
  // Writes take the password, then STOP and the reprogramming mode.
  void openForWrites() {
    ASSERT_EQ(commands().WriteParam(device_param::kPassword, Bytes({0x00, 0x00})), ResultCode::Ok);
    ASSERT_EQ(commands().Stop(), ResultCode::Ok);
    ASSERT_EQ(commands().Reprogramming(kReprogSection, kReprogEnter), ResultCode::Ok);
  }
  DeviceCommands commands() { return target->commands(); }

  std::unique_ptr<CommandTarget> target = GetParam().make();
};

TEST_P(DeviceCommandsInterface, IdentifiesTheDevice) {
  const Identification id = commands().Identify();
  EXPECT_EQ(id.result, ResultCode::Ok);
  EXPECT_EQ(id.modelCode, kKind);
  EXPECT_EQ(id.versionMajor, kMajor);
  EXPECT_EQ(id.versionMinor, kMinor);
}

TEST_P(DeviceCommandsInterface, ReadsWordRealAndParameterBytes) {
  target->hold(kReal, k735);
  std::uint16_t word = 0;
  double real = 0;
  QByteArray bytes;
  EXPECT_EQ(commands().ReadWord(device_param::kFactoryNumber, word), ResultCode::Ok);
  EXPECT_EQ(word, kFactoryNumber);
  EXPECT_EQ(commands().ReadReal(kReal, real), ResultCode::Ok);
  EXPECT_EQ(real, 735.0);
  EXPECT_EQ(commands().ReadParam(kReal, 4, bytes), ResultCode::Ok);
  EXPECT_EQ(bytes, k735);

  // A length the command does not carry is not sent.
  const int before = target->heard();
  for (const int n : {0, kMaxParamBytes + 1}) EXPECT_EQ(commands().ReadParam(kReal, n, bytes), ResultCode::SendFailed) << n;
  EXPECT_EQ(target->heard(), before);
}

TEST_P(DeviceCommandsInterface, WritesGoAfterTheirUnlock) {
  openForWrites();
  const int before = target->heard();
  EXPECT_EQ(commands().WriteReal(kReal, 77.25), ResultCode::Ok);
  EXPECT_EQ(commands().WriteMemory(kModemMemory, QByteArray(128, 'A')), ResultCode::Ok);
  EXPECT_EQ(target->heard(), before + 4);  // each write with its unlock
  double real = 0;
  EXPECT_EQ(commands().ReadReal(kReal, real), ResultCode::Ok);
  EXPECT_EQ(real, 77.25);
}

TEST_P(DeviceCommandsInterface, ARefusedUnlockSuppressesTheWrite) {
  target->hold(kReal, k735);
  openForWrites();
  target->refuseNextUnlock();
  const int before = target->heard();
  EXPECT_NE(commands().WriteReal(kReal, 77.25), ResultCode::Ok);
  EXPECT_EQ(target->heard(), before + 1);  // the unlock alone
  double real = 0;
  EXPECT_EQ(commands().ReadReal(kReal, real), ResultCode::Ok);
  EXPECT_EQ(real, 735.0);
}

TEST_P(DeviceCommandsInterface, ReadsANamesChunk) {
  ASSERT_EQ(commands().WriteParam(device_param::kPassword, Bytes({0x00, 0x00})), ResultCode::Ok);
  const NamesKindLayout& layout = *NamesLayoutFor(kKind);
  const auto selector = ReadSelector(kKind, target->session().setup().protocol);
  QByteArray chunk;
  EXPECT_EQ(commands().ReadNamesChunk(static_cast<std::uint16_t>(layout.startPage << 8 | 0x40), selector, chunk),
            ResultCode::Ok);
  EXPECT_EQ(chunk.size(), kNamesChunkBytes);
}

TEST_P(DeviceCommandsInterface, ModeCommandsAreAcknowledged) {
  ASSERT_EQ(commands().WriteParam(device_param::kPassword, Bytes({0x00, 0x00})), ResultCode::Ok);
  EXPECT_EQ(commands().Stop(), ResultCode::Ok);
  EXPECT_EQ(commands().Reprogramming(kReprogSection, kReprogEnter), ResultCode::Ok);
  EXPECT_EQ(commands().Reprogramming(kReprogSection, kReprogCancel), ResultCode::Ok);
  EXPECT_EQ(commands().Start(), ResultCode::Ok);
  EXPECT_EQ(commands().Release(), ResultCode::Ok);
}

TEST_P(DeviceCommandsInterface, ReprogrammingArgumentsOutOfRangeSendNothing) {
  struct Case {
    int section;
    int command;
    ResultCode code;
  };
  const int before = target->heard();
  for (const Case& c : {Case{7, 1, ResultCode::BadReprogSection}, Case{11, 1, ResultCode::BadReprogSection},
                        Case{10, -1, ResultCode::BadReprogCommand}, Case{10, 4, ResultCode::BadReprogCommand},
                        Case{7, 4, ResultCode::BadReprogSection}})
    EXPECT_EQ(commands().Reprogramming(c.section, c.command), c.code) << c.section << ' ' << c.command;
  EXPECT_EQ(target->heard(), before);
}

INSTANTIATE_TEST_SUITE_P(Sessions, DeviceCommandsInterface, ::testing::ValuesIn(kTargets),
                         [](const ::testing::TestParamInfo<TargetCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace nastrum::test
