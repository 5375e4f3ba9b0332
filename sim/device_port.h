// The device's serial port: recognises the link protocol of each request
// (the traditional handshake, FT1.2 with any of its checksum variants,
// FT1.1), its network address or the select byte marked by parity, answers
// in the same framing, and misbehaves as the fault plan says.
//
// Bytes arrive in bursts; the line tells the port when it went quiet (the
// computer waits for an answer), and only then is a burst taken as complete.
#pragma once

#include <vector>

#include <QByteArray>

#include "sim/simulated_device.h"

namespace nastrum::sim {

class DevicePort {
 public:
  explicit DevicePort(SimulatedDevice& device) : device_(device) {}

  // Bytes from the line; `addressMark` when they were sent with the parity
  // that marks a network select byte.
  void receive(const QByteArray& bytes, bool addressMark);
  // The line went quiet: the burst received so far is a whole request.
  void lineIdle();
  // The burst is a whole frame that nothing longer can start with, so it
  // may be answered before the line goes quiet.
  bool holdsWholeFrame() const;
  // The burst is the enquiry of the traditional handshake alone (it may
  // also begin an FT1.1 frame; the caller knows it came by itself).
  bool holdsEnquiry() const;
  // What the device sent since the last call.
  QByteArray takeOutput();
  bool hasOutput() const { return !out_.isEmpty(); }
  // Bytes of a request not yet answered (a frame awaiting its rest).
  bool hasPendingBytes() const { return !burst_.isEmpty(); }

  SimulatedDevice& device() { return device_; }
  // How long a begun frame may wait for its rest before it is dropped.
  static constexpr int kFrameHoldMs = 500;

  // Requests addressed to this device so far.
  int requests() const { return requests_; }

 private:
  enum class Selection { Free, Selected, Deselected };
  struct Ft12Frame {
    QByteArray payload;
    int address;
    int crcMode;
  };

  void selectByte(std::uint8_t address);
  void traditionalFrame(const QByteArray& frame);
  bool ft12(const QByteArray& burst);
  bool ft11(const QByteArray& burst);
  bool parseFt12(const QByteArray& burst, Ft12Frame* frame) const;
  bool addressedToMe(int address) const;
  // Counts the request; false when the device stays silent for it.
  bool beginRequest();
  void sendFt12(const Reply& reply, int address, int crcMode);
  void sendFt11(const Reply& reply, int address);
  void sendTraditional(const Reply& reply);
  void afterReply(const QByteArray& payload, const Reply& reply);
  void loaderBurst(const QByteArray& burst);
  // A frame that has begun but cannot be complete yet: wait for the rest.
  bool unfinished(const QByteArray& burst) const;
  void log(const QString& line);

  SimulatedDevice& device_;
  QByteArray burst_;
  QByteArray out_;
  bool awaitingFrame_ = false;  // the traditional ready byte was sent
  Selection selection_ = Selection::Free;
  int requests_ = 0;
  int lastCrcMode_ = 0;
  std::int64_t burstStartMs_ = 0;
  std::int64_t lastByteMs_ = 0;
};

// What the line carries when the devices in `ports` send at the same time:
// one sender comes through whole; two or more (a collision, two devices of one
// network number) come through with their bytes interleaved, as garbled as a
// real shared line makes them.
QByteArray TakeLineOutput(const std::vector<DevicePort*>& ports);

}  // namespace nastrum::sim
