// A simulated ОРВИК heat computer: what it knows (identity, status, password,
// clock, settings parameters, modem strings, names area) and how it answers
// each request once the line has delivered it. Framing, addressing and the
// line's faults live in DevicePort.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "link/clock.h"
#include "model/settings_image.h"
#include "sim/faults.h"
#include "sim/param_map.h"

namespace nastrum::sim {

struct DeviceConfig {
  int modelCode = 2;  // 1..3 the served kinds, 0 an early model, 4 an unknown one
  std::uint8_t versionMajor = 3;
  std::uint8_t versionMinor = 2;
  std::uint16_t factoryNumber = 0x1234;
  int networkNumber = 1;  // 1..254; address 0 reaches any device
  // The access password; 0000 and FFFF mean none. Unset: taken from the image.
  std::optional<std::uint16_t> password;
  QDateTime clockStart = QDateTime(QDate(2026, 1, 15), QTime(12, 0, 0));
  // How long the device takes to enter the reprogramming mode after 0D A1.
  int reprogEntryDelayMs = 0;
};

enum class ReplyKind { Data, Ack, Refused, Silent };

// The protocol a request came in; the small model's names chunks carry a
// selector that depends on it.
enum class Framing { Traditional, Ft };

struct Reply {
  ReplyKind kind = ReplyKind::Silent;
  QByteArray data;
  static Reply ack() { return {ReplyKind::Ack, {}}; }
  static Reply refused() { return {ReplyKind::Refused, {}}; }
  static Reply withData(QByteArray d) { return {ReplyKind::Data, std::move(d)}; }
};

// Bits of the status word.
namespace status {
constexpr std::uint16_t KeyMissing = 0x8000;
constexpr std::uint16_t Stopped = 0x0008;        // bits 4..3 = 01
constexpr std::uint16_t ReprogMask = 0x0003;
constexpr std::uint16_t InReprog = 0x0001;       // bits 1..0 = 01
constexpr std::uint16_t LeftReprog = 0x0003;     // bits 1..0 = 11
}  // namespace status

class SimulatedDevice {
 public:
  // The parameters are filled from `image` (its DeviceKind is ignored: the
  // model decides the layout).
  SimulatedDevice(DeviceConfig config, const SettingsImage& image, Clock& clock);

  const DeviceConfig& config() const { return config_; }
  // The kind whose parameter layout the device has (2 for models 0 and 4).
  int layoutKind() const { return layoutKind_; }

  // Answers one request payload (command code first). `request` numbers the
  // requests addressed to this device, for the fault plan.
  Reply handle(const QByteArray& payload, int request, Framing framing = Framing::Traditional);

  // How long a well-formed request starting like `payload` is (-1 unknown);
  // tells frame variants of the same bytes apart.
  int expectedPayloadSize(const QByteArray& payload) const;

  // The loader that programs the names area (entered by 0F 22, 0F 55).
  // A loader left without traffic for kLoaderTimeoutMs gives up.
  bool inLoader();
  static constexpr int kLoaderTimeoutMs = 10000;
  // A loader data packet: page, half-page selector, 128 bytes, checksum.
  static constexpr int kLoaderPacketSize = 131;
  bool loaderAwaitsPacket() const { return loader_.active && loader_.expectPacket; }
  bool loaderActive() const { return loader_.active; }
  // One raw loader stage (two command bytes or a data packet); returns the
  // acknowledgement byte and, after a packet, the completion byte.
  QByteArray loaderStage(const QByteArray& bytes, int request);

  // Everything the device holds, as a settings image of its layout kind.
  SettingsImage exportImage() const;

  // The raw bytes of every settings parameter, as a read would return them;
  // a device may hold any bytes at all, whatever wrote them.
  std::map<ParamKey, QByteArray> parameterBytes() const { return store_; }
  void setParameterBytes(ParamKey key, const QByteArray& bytes);

  std::uint16_t statusWord(int request = 0);
  std::uint16_t password() const { return password_; }
  QByteArray namesMemory() const { return names_; }
  QDateTime now() const;
  bool accessGranted() const { return accessGranted_; }
  // Why the last refused request was refused (empty after a success).
  QString lastRefusal() const { return lastRefusal_; }
  int writesAccepted() const { return writesAccepted_; }
  // How many complete names programmings the loader committed.
  int namesCommits() const { return namesCommits_; }

  FaultPlan& faults() { return faults_; }
  Clock& clock() { return clock_; }

  // One readable line per request.
  void setLogger(std::function<void(const QString&)> log) { log_ = std::move(log); }
  void log(const QString& line) const;

 private:
  Reply readParam(ParamKey key, int request);
  Reply writeParam(ParamKey key, const QByteArray& data, const QByteArray& payload, int request);
  Reply readMemory(std::uint16_t address, int n);
  Reply writeMemory(std::uint16_t address, const QByteArray& data, const QByteArray& payload, int request);
  Reply readNamesChunk(int page, int low, int selector, Framing framing);
  Reply modeCommand(std::uint8_t code, int request);
  Reply reprogCommand(std::uint8_t arg, int request);
  Reply bufferCommand(std::uint8_t arg, int request);
  bool unlockedFor(std::uint8_t a, std::uint8_t b, const QByteArray& payload);
  bool configurable(int request, QString* why);
  Reply refuse(const QString& why);
  void setClock(int which, std::uint8_t a, std::uint8_t b, bool* ok);

  DeviceConfig config_;
  int layoutKind_;
  Clock& clock_;
  SettingsImage base_;  // the image the device was filled from; export starts here
  std::vector<ParamBinding> bindings_;
  std::map<ParamKey, std::size_t> bindingIndex_;
  std::map<ParamKey, QByteArray> store_;
  std::map<std::uint16_t, QByteArray> memory_;  // modem strings that live only in memory
  QByteArray names_;

  std::uint16_t state_ = 0;  // working/STOP and reprogramming bits
  std::optional<std::int64_t> reprogDueMs_;  // 0D A1 accepted, the mode not yet entered
  void settle();  // applies a mode change that has come due
  std::uint16_t password_ = 0xFFFF;
  bool accessGranted_ = false;
  std::uint16_t loginReadback_ = 0xA5A5;
  std::optional<std::pair<std::uint8_t, std::uint8_t>> unlock_;
  QByteArray lastWrite_;  // the write the unlock admitted; a repeat of it is accepted
  std::int64_t clockOffsetMs_ = 0;  // device time minus (start + elapsed)
  std::int64_t clockBaseMs_ = 0;

  struct Loader {
    bool bufferOpen = false;
    bool active = false;
    bool expectPacket = false;
    QByteArray buffer;
    std::int64_t lastActivityMs = 0;
  } loader_;

  FaultPlan faults_;
  std::optional<ParamKey> corruptedKey_;  // the parameter a corrupt-write fault broke
  bool namesCellCorrupt_ = false;          // ... or the first byte of the names area
  QString lastRefusal_;
  int writesAccepted_ = 0;
  int settingsWritesInConversation_ = 0;
  int namesCommits_ = 0;
  std::function<void(const QString&)> log_;
};

}  // namespace nastrum::sim
