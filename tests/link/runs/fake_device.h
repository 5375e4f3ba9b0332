// A device behind the DeviceSession interface for run tests: it answers the
// request frames of the device commands (the parameters a connection and an
// access check ask for, its names memory in chunks, writes after their
// unlock) and runs a byte-level loader on its serial line, all on a virtual
// clock.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include <QByteArray>
#include <QString>

#include "link/clock.h"
#include "link/runs/device_session.h"
#include "link/serial_line.h"

namespace nastrum::test {

class FakeDevice;

// The loader's side of the serial line.
class LoaderLine final : public SerialLine {
 public:
  explicit LoaderLine(FakeDevice& device) : device_(device) {}
  bool open(const QString&, int) override { return true; }
  void close() override {}
  bool isOpen() const override { return true; }
  void setFraming(Parity, StopBits) override {}
  bool setControlLines(bool, bool) override { return true; }
  void setReadTimeout(int ms) override { timeoutMs_ = ms; }
  void purgeReceive() override { pending_.clear(); }
  bool write(const QByteArray& bytes) override;
  QByteArray read(int maxBytes) override;

  std::vector<QByteArray> writes;  // every write, in order

 private:
  void take(std::uint8_t byte);

  FakeDevice& device_;
  int timeoutMs_ = 0;
  std::deque<char> pending_;
  QByteArray command_;
  QByteArray packet_;
  bool expectingPacket_ = false;
};

class FakeDevice final : public DeviceSession {
 public:
  FakeDevice();

  // --- what the device is -------------------------------------------------
  std::uint8_t major = 1, minor = 5;
  std::uint8_t modelA = 2, modelB = 0xFD;  // parameter 0x411E
  std::uint16_t status = 0x0000;
  std::uint16_t storedPassword = 0x0000;  // what 0x4008 reads back after a write
  bool keepsWrittenPassword = true;       // false: the read-back stays storedPassword
  std::uint8_t networkAddress = 0;        // 0: answers no select
  bool portExists = true;
  std::map<std::uint16_t, QByteArray> params;  // other parameters: written values, zeros when never written
  QByteArray memory = QByteArray(0x10000, static_cast<char>(0xFF));  // names area by address
  int loaderStartPage = 0x80;
  std::uint8_t loaderHighSelector = 0x18;

  // --- faults ---------------------------------------------------------------
  std::deque<int> failNext;  // codes returned instead of the next requests
  bool dead = false;         // every request: no answer
  std::uint8_t commandAck = 0x00, packetAck = 0x00, completion = 0x00;
  bool silentLoader = false;
  bool refuseUnlocks = false;  // every write unlock refused (NAK)

  // --- what happened --------------------------------------------------------
  QString openedPath;
  // Every request frame but the unlocks, which take no time and no fault:
  // a write stands for its unlock.
  std::vector<QByteArray> requests;
  int unlocks = 0;
  std::vector<QByteArray> loaderPackets;
  int releases = 0;
  int selects = 0;
  VirtualClock virtualClock;

  // DeviceSession
  bool open(const QString& path, const LinkSetup& setup) override;
  void close() override { open_ = false; }
  bool isOpen() const override { return open_; }
  const LinkSetup& setup() const override { return setup_; }
  bool selectDevice(std::uint8_t address) override;
  void purgeReceive() override { loader_.purgeReceive(); }
  void setReadTimeoutMs(int ms) override { loader_.setReadTimeout(ms); }
  bool writeRaw(const QByteArray& bytes) override { return loader_.write(bytes); }
  QByteArray readRaw(int maxBytes) override { return loader_.read(maxBytes); }
  Clock& clock() override { return virtualClock; }
  LoaderLine& loaderLine() { return loader_; }
  void prepareLine() override { virtualClock.sleepMs(3); }

  // Loader memory: what packets wrote, by transfer-image offset.
  QByteArray loaderImage;

 private:
  friend class LoaderLine;
  ResultCode Exchange(const QByteArray& request, int replyLength, QByteArray& reply, const LinkParams& params) override;
  ResultCode unlock(const QByteArray& request);
  bool unlockedFor(std::uint8_t a, std::uint8_t b);
  QByteArray readParam(std::uint16_t param, int size) const;
  ResultCode writeParam(std::uint16_t param, const QByteArray& data);
  int fault();

  bool open_ = false;
  LinkSetup setup_;
  std::optional<std::pair<std::uint8_t, std::uint8_t>> unlock_;
  LoaderLine loader_;
};

}  // namespace nastrum::test
