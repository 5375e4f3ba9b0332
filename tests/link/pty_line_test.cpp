// QSerialPortLine against a real pseudo-terminal: the test plays a device on
// the master side while the link runs on the slave, on real time.
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include <QCoreApplication>
#include <gtest/gtest.h>

#include "link/device_commands.h"
#include "link/frames.h"
#include "link/link_layer.h"
#include "link/qserialport_line.h"
#include "scripted_line.h"

using namespace nastrum;
using nastrum::test::bytes;

namespace {

class PseudoTerminal {
 public:
  PseudoTerminal() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) return;
    if (grantpt(master_) != 0 || unlockpt(master_) != 0) return;
    if (const char* name = ptsname(master_)) slavePath_ = QString::fromLocal8Bit(name);
  }
  ~PseudoTerminal() {
    if (master_ >= 0) ::close(master_);
  }
  bool ok() const { return master_ >= 0 && !slavePath_.isEmpty(); }
  const QString& slavePath() const { return slavePath_; }

  // One byte from the program, or -1 after `ms` of silence.
  int readByte(int ms) {
    pollfd p{master_, POLLIN, 0};
    if (::poll(&p, 1, ms) <= 0) return -1;
    unsigned char b = 0;
    return ::read(master_, &b, 1) == 1 ? b : -1;
  }
  void send(const QByteArray& b) { (void)!::write(master_, b.constData(), static_cast<size_t>(b.size())); }

 private:
  int master_ = -1;
  QString slavePath_;
};

// Answers traditional requests for the version and model parameters.
void playDevice(PseudoTerminal& pty, std::atomic<bool>& stop) {
  while (!stop) {
    const int first = pty.readByte(50);
    if (first != 0x05) continue;
    pty.send(bytes("04"));
    const int length = pty.readByte(2000);
    if (length <= 0) continue;
    QByteArray payload;
    for (int i = 0; i < length + 1; ++i) payload.append(static_cast<char>(pty.readByte(2000)));
    payload.chop(1);
    const QByteArray data = payload == bytes("01 40 1E") ? bytes("02 07") : bytes("03 FC");
    pty.send(bytes("06") + data + static_cast<char>(TraditionalChecksum(data)));
  }
}

class PtyLine : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "link_pty_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) app_ = new QCoreApplication(argc, argv);
  }
  static void TearDownTestSuite() {
    delete app_;
    app_ = nullptr;
  }
  void SetUp() override {
    if (!pty.ok()) GTEST_SKIP() << "no pseudo-terminal can be made here";
  }

  static inline QCoreApplication* app_ = nullptr;
  PseudoTerminal pty;
  SystemClock clock;
  QSerialPortLine line;
  SerialPort port{line, clock};
};

}  // namespace

TEST_F(PtyLine, IdentifiesADeviceThroughQSerialPort) {
  // A pseudo-terminal has no DTR: that is logged, not fatal.
  ASSERT_TRUE(port.OpenPort(pty.slavePath(), kDefaultBaudIndex, Channel::Main, LineKind::FourWire)) << line.errorText().toStdString();
  std::atomic<bool> stop{false};
  std::thread device(playDevice, std::ref(pty), std::ref(stop));
  LinkLayer link(port);
  link.settings().tryCount = 1;
  DeviceCommands commands(link, LinkParams{});
  const Identification id = commands.Identify();
  stop = true;
  device.join();
  EXPECT_EQ(id.result, ResultCode::Ok);
  EXPECT_EQ(id.versionMajor, 2);
  EXPECT_EQ(id.versionMinor, 7);
  EXPECT_EQ(id.modelCode, kModelLarge);
}

TEST_F(PtyLine, ReadsUpToTheCountOrTheTimeOutAndPurges) {
  ASSERT_TRUE(port.OpenPort(pty.slavePath(), kDefaultBaudIndex, Channel::Main, LineKind::Rs232));
  port.SetReadTimeoutMs(300);
  EXPECT_TRUE(port.read(1).isEmpty());

  pty.send(bytes("01 02 03"));
  EXPECT_EQ(port.read(2), bytes("01 02"));
  EXPECT_EQ(port.read(5), bytes("03"));  // what came before the time-out

  pty.send(bytes("AA BB"));
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  port.PurgeReceive();
  EXPECT_TRUE(port.read(1).isEmpty());

  EXPECT_TRUE(port.write(bytes("05 06")));
  EXPECT_EQ(pty.readByte(1000), 0x05);
  EXPECT_EQ(pty.readByte(1000), 0x06);

  port.SetAddressFraming(true);  // mark parity on a terminal device
  EXPECT_TRUE(port.write(bytes("11")));
  EXPECT_EQ(pty.readByte(1000), 0x11);
}

TEST_F(PtyLine, OpeningAMissingDeviceFailsAndLeavesNothingOpen) {
  EXPECT_FALSE(port.OpenPort("/dev/nastrum-no-such-port", kDefaultBaudIndex, Channel::Main, LineKind::FourWire));
  EXPECT_FALSE(port.isOpen());
}
