// The link layer: one request to the device and its checked reply, in the
// protocol the user chose, with the layer's own retries; and the network
// select that addresses one device on a shared traditional line.
#pragma once

#include <cstdint>
#include <functional>

#include <QByteArray>
#include <QString>

#include "link/frame_exchanger.h"
#include "link/link_params.h"
#include "link/result_code.h"
#include "link/serial_port.h"

namespace nastrum {

// Receives one line per traditional frame in the diagnostic mode.
using FrameLog = std::function<void(const QString& line)>;

// Named apart from the runs' device interface, which a production adapter
// implements on top of this layer and DeviceCommands.
class LinkLayer final : public FrameExchanger {
 public:
  explicit LinkLayer(SerialPort& port) : port_(port) {}

  SerialPort& port() { return port_; }
  LinkSettings& settings() { return settings_; }
  const LinkSettings& settings() const { return settings_; }

  // Diagnostic mode: an empty function switches the frame log off.
  void setFrameLog(FrameLog log) { frameLog_ = std::move(log); }

  // Sends `request` (the command code and its arguments, 1 ... 200 bytes) and
  // on success leaves the first `replyLength` data bytes of the reply in
  // `reply`. Never throws; a request of a wrong length is not sent (code 8).
  ResultCode Exchange(const QByteArray& request, int replyLength, QByteArray& reply,
                      const LinkParams& params) override;

  // Marks `address` with the parity bit on the shared line and waits for the
  // device to echo it; the line stays in the unmarked framing afterwards.
  bool SelectDevice(std::uint8_t address, LineKind lineKind);

 private:
  SerialPort& port_;
  LinkSettings settings_;
  FrameLog frameLog_;
};

}  // namespace nastrum
