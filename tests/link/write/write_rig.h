// The write run against the simulated device on an in-process line, through a
// session that keeps every request and lets a test answer one itself.
#pragma once

#include <functional>
#include <algorithm>
#include <optional>
#include <vector>

#include "link/read/read_rig.h"
#include "link/value_formats.h"
#include "link/write/device_write_run.h"

namespace nastrum::test {

class InterceptingSession final : public DeviceSession {
 public:
  explicit InterceptingSession(DeviceSession& inner) : inner_(inner) {}

  // Sees each request (command byte first: 01 read, 05 parameter write, 06
  // memory write, or the payload of an exchange) before the device; a code
  // returned is the request's result and the device never hears it.
  std::function<std::optional<int>(const QByteArray& request, QByteArray& reply)> intercept;
  std::vector<QByteArray> requests;

  bool sent(const QByteArray& request) const {
    return std::find(requests.begin(), requests.end(), request) != requests.end();
  }

  bool open(const QString& path, const LinkSetup& setup) override { return inner_.open(path, setup); }
  void close() override { inner_.close(); }
  bool isOpen() const override { return inner_.isOpen(); }
  const LinkSetup& setup() const override { return inner_.setup(); }
  bool selectDevice(std::uint8_t address) override { return inner_.selectDevice(address); }
  int exchange(const QByteArray& payload, QByteArray& reply, int replyLength) override {
    if (auto r = seen(payload, reply)) return *r;
    return inner_.exchange(payload, reply, replyLength);
  }
  int readParam(std::uint16_t param, int size, QByteArray& out) override {
    if (auto r = seen(Request(0x01, param), out)) return *r;
    return inner_.readParam(param, size, out);
  }
  int writeParam(std::uint16_t param, const QByteArray& data) override {
    QByteArray none;
    if (auto r = seen(Request(0x05, param) + data, none)) return *r;
    return inner_.writeParam(param, data);
  }
  int writeMemory(std::uint16_t address, const QByteArray& data) override {
    QByteArray none;
    if (auto r = seen(Request(0x06, address) + data, none)) return *r;
    return inner_.writeMemory(address, data);
  }
  int identify(DeviceIdentity& out) override { return inner_.identify(out); }
  int release() override { return inner_.release(); }
  void purgeReceive() override { inner_.purgeReceive(); }
  void setReadTimeoutMs(int ms) override { inner_.setReadTimeoutMs(ms); }
  bool writeRaw(const QByteArray& bytes) override { return inner_.writeRaw(bytes); }
  QByteArray readRaw(int maxBytes) override { return inner_.readRaw(maxBytes); }
  void prepareLine() override { inner_.prepareLine(); }
  Clock& clock() override { return inner_.clock(); }
  void setFrameLog(std::function<void(const QString&)> log) override { inner_.setFrameLog(std::move(log)); }

  static QByteArray Request(int command, std::uint16_t address) {
    QByteArray r;
    r.append(static_cast<char>(command));
    r.append(static_cast<char>(address >> 8));
    r.append(static_cast<char>(address & 0xFF));
    return r;
  }

 private:
  std::optional<int> seen(const QByteArray& request, QByteArray& reply) {
    requests.push_back(request);
    return intercept ? intercept(request, reply) : std::nullopt;
  }

  DeviceSession& inner_;
};

struct WriteRig : ReadRig {
  DeviceWriteOutcome write(WriteChoice choice, WriteGroups groups = WriteGroups::all(), bool changePassword = false,
                     bool start = true) {
    RunContext c{workspace, spy, settings, observer, presenter};
    FixedWriteAnswerer answers(changePassword, start);
    return RunDeviceWrite(c, WriteRequest{choice, groups}, answers);
  }

  // Status bits 4 … 3 of the device: 00 working, 01 STOP.
  int workingState() { return StatusWord{devices.front().statusWord()}.workingState(); }

  InterceptingSession spy{session};
};

}  // namespace nastrum::test
