// The device's command set over the link: parameter and memory reads and
// writes (each write preceded by its unlock), the mode commands and the
// identification of the connected model.
#pragma once

#include <cstdint>

#include <QByteArray>

#include "link/frame_exchanger.h"
#include "link/link_params.h"
#include "link/param_address.h"

namespace nastrum {

// Command codes: the first byte of every request.
namespace device_command {
inline constexpr std::uint8_t kReadParam = 0x01;
inline constexpr std::uint8_t kReadMemory = 0x02;
inline constexpr std::uint8_t kReadNamesChunk = 0x03;
inline constexpr std::uint8_t kWriteParam = 0x05;
inline constexpr std::uint8_t kWriteMemory = 0x06;
inline constexpr std::uint8_t kStart = 0x08;
inline constexpr std::uint8_t kStop = 0x09;
inline constexpr std::uint8_t kRelease = 0x0A;
inline constexpr std::uint8_t kReprogramming = 0x0D;
inline constexpr std::uint8_t kReprogrammingBuffer = 0x0F;
}  // namespace device_command

// Arguments of the reprogramming command (section 10 is the one in use).
inline constexpr int kReprogSection = 10;
inline constexpr int kReprogCancel = 0;  // 0D A0
inline constexpr int kReprogEnter = 1;   // 0D A1
inline constexpr int kReprogLeave = 3;   // 0D A3

inline constexpr int kMaxParamBytes = 128;
inline constexpr int kNamesChunkBytes = 64;

// What Identify found: 1 ... 3 are the DeviceKind values of the settings.
enum ModelCode : int {
  kModelBasic = 0,       // an early model without a model parameter: refused
  kModelMinimal = 1,     // ОРВИК 5 "минимальный"
  kModelExpandable = 2,  // ОРВИК 5 "расширяемый"
  kModelLarge = 3,       // ОРВИК 9
  kModelUnknown = 4,     // a model this program does not serve
};

// Version and model of the connected device.
struct DeviceIdentity {
  std::uint8_t versionMajor = 0;
  std::uint8_t versionMinor = 0;
  int modelCode = kModelBasic;
};

struct Identification : DeviceIdentity {
  ResultCode result = ResultCode::NoAnswer;
};

// Whether `request` is the unlock that goes before every parameter and
// memory write.
bool IsWriteUnlock(const QByteArray& request);

// The model code from the version bytes and the two bytes of the model
// parameter (code, 255 - code).
int ModelCodeFrom(std::uint8_t versionMajor, std::uint8_t versionMinor, std::uint8_t a, std::uint8_t b);

class DeviceCommands {
 public:
  DeviceCommands(FrameExchanger& link, const LinkParams& params) : link_(link), params_(params) {}

  const LinkParams& params() const { return params_; }

  // n of 1 ... 128 bytes.
  ResultCode ReadParam(ParamAddress address, int n, QByteArray& data);
  ResultCode ReadWord(ParamAddress address, std::uint16_t& value);
  ResultCode ReadReal(ParamAddress address, double& value);
  // The unlock, then the write; a failing unlock suppresses the write.
  ResultCode WriteParam(ParamAddress address, const QByteArray& data);
  ResultCode WriteWord(ParamAddress address, std::int64_t value);
  ResultCode WriteReal(ParamAddress address, double value);

  ResultCode ReadMemory(std::uint16_t address, int n, QByteArray& data);
  ResultCode WriteMemory(std::uint16_t address, const QByteArray& data);
  // One 64-byte chunk of the names area.
  ResultCode ReadNamesChunk(std::uint16_t address, std::uint8_t selector, QByteArray& chunk);

  ResultCode Start();  // working mode ("ПУСК")
  ResultCode Stop();   // STOP mode
  // Ends a networked traditional run; always sent in the traditional
  // protocol to address 0 without CRC, whatever the run's settings.
  ResultCode Release();
  // Section 8, 9 or 10 (else code 19) and command 0 ... 3 (else code 20);
  // nothing is sent when either is wrong.
  ResultCode Reprogramming(int section, int command);
  // The loader's buffer command 0F with one argument: 0x22 and then 0x55
  // open the loader, 0x00 abandons it.
  ResultCode ReprogrammingBuffer(std::uint8_t argument);

  // The version, then the model parameter; `out` keeps what was read before
  // a failure.
  ResultCode Identify(DeviceIdentity& out);
  Identification Identify();

 private:
  ResultCode send(const QByteArray& request, int replyLength, QByteArray& reply);
  ResultCode unlockAndWrite(const QByteArray& unlockBytes, const QByteArray& request);

  FrameExchanger& link_;
  LinkParams params_;
};

}  // namespace nastrum
