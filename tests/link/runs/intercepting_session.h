// A session around another that keeps every request frame and lets a test
// answer one itself.
#pragma once

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

#include "link/runs/device_session.h"

namespace nastrum::test {

class InterceptingSession final : public DeviceSession {
 public:
  explicit InterceptingSession(DeviceSession& inner) : inner_(inner) {}

  // Sees each request frame (command byte first: 01 read, 05 parameter
  // write, 06 memory write, 0D reprogramming...) before the device; a code
  // returned is the request's result and the device never hears it. The
  // write unlocks pass unseen: a write stands for its unlock.
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
  ResultCode Exchange(const QByteArray& request, int replyLength, QByteArray& reply, const LinkParams& params) override {
    if (!IsWriteUnlock(request)) {
      requests.push_back(request);
      if (intercept)
        if (const std::optional<int> code = intercept(request, reply)) return static_cast<ResultCode>(*code);
    }
    return ForwardFrame(inner_, request, replyLength, reply, params);
  }

  DeviceSession& inner_;
};

}  // namespace nastrum::test
