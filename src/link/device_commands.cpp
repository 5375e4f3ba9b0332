#include "link/device_commands.h"

#include "model/device_real.h"
#include "link/link_log.h"
#include "link/value_formats.h"

namespace nastrum {

namespace {

QByteArray request(std::initializer_list<int> bytes) {
  QByteArray r;
  for (int b : bytes) r.append(static_cast<char>(b));
  return r;
}

QByteArray addressBytes(std::uint16_t address) { return request({address >> 8, address & 0xFF}); }

}  // namespace

bool IsWriteUnlock(const QByteArray& request) {
  const ParamAddress unlock = device_param::kWriteUnlock;
  return request.size() >= 3 && static_cast<std::uint8_t>(request[0]) == device_command::kWriteParam &&
         static_cast<std::uint8_t>(request[1]) == unlock.highByte() &&
         static_cast<std::uint8_t>(request[2]) == unlock.lowByte();
}

int ModelCodeFrom(std::uint8_t versionMajor, std::uint8_t versionMinor, std::uint8_t a, std::uint8_t b) {
  if (a == versionMajor && b == versionMinor) return kModelBasic;
  for (int j = kModelMinimal; j <= kModelLarge; ++j)
    if (a == j && b == 255 - j) return j;
  return kModelUnknown;
}

ResultCode DeviceCommands::send(const QByteArray& req, int replyLength, QByteArray& reply) {
  return link_.Exchange(req, replyLength, reply, params_);
}

ResultCode DeviceCommands::ReadParam(ParamAddress address, int n, QByteArray& data) {
  data.clear();
  if (n < 1 || n > kMaxParamBytes) {
    qCWarning(lcLink) << "parameter read of" << n << "bytes not sent";
    return ResultCode::SendFailed;
  }
  return send(request({device_command::kReadParam, address.highByte(), address.lowByte()}), n, data);
}

ResultCode DeviceCommands::ReadWord(ParamAddress address, std::uint16_t& value) {
  QByteArray data;
  const ResultCode code = ReadParam(address, 2, data);
  if (code == ResultCode::Ok) value = WordFromBytes(data);
  return code;
}

ResultCode DeviceCommands::ReadReal(ParamAddress address, double& value) {
  QByteArray data;
  const ResultCode code = ReadParam(address, 4, data);
  if (code == ResultCode::Ok) value = DecodeDeviceReal(data);
  return code;
}

ResultCode DeviceCommands::unlockAndWrite(const QByteArray& unlockBytes, const QByteArray& req) {
  QByteArray none;
  const ParamAddress unlock = device_param::kWriteUnlock;
  const ResultCode code =
      send(request({device_command::kWriteParam, unlock.highByte(), unlock.lowByte()}) + unlockBytes, 0, none);
  if (code != ResultCode::Ok) return code;
  return send(req, 0, none);
}

ResultCode DeviceCommands::WriteParam(ParamAddress address, const QByteArray& data) {
  const QByteArray unlock = request({static_cast<std::uint8_t>(~address.highByte()),
                                     static_cast<std::uint8_t>(~address.lowByte())});
  return unlockAndWrite(unlock, request({device_command::kWriteParam, address.highByte(), address.lowByte()}) + data);
}

ResultCode DeviceCommands::WriteWord(ParamAddress address, std::int64_t value) {
  return WriteParam(address, WordToBytes(value));
}

ResultCode DeviceCommands::WriteReal(ParamAddress address, double value) {
  return WriteParam(address, DeviceRealToByteArray(EncodeDeviceReal(value)));
}

ResultCode DeviceCommands::ReadMemory(std::uint16_t address, int n, QByteArray& data) {
  data.clear();
  if (n < 1 || n > kMaxParamBytes) {
    qCWarning(lcLink) << "memory read of" << n << "bytes not sent";
    return ResultCode::SendFailed;
  }
  return send(request({device_command::kReadMemory, address >> 8, address & 0xFF, n}), n, data);
}

ResultCode DeviceCommands::WriteMemory(std::uint16_t address, const QByteArray& data) {
  return unlockAndWrite(addressBytes(address), request({device_command::kWriteMemory}) + addressBytes(address) + data);
}

ResultCode DeviceCommands::ReadNamesChunk(std::uint16_t address, std::uint8_t selector, QByteArray& chunk) {
  return send(request({device_command::kReadNamesChunk, address >> 8, address & 0xFF, selector}), kNamesChunkBytes,
              chunk);
}

ResultCode DeviceCommands::Start() {
  QByteArray none;
  return send(request({device_command::kStart}), 0, none);
}

ResultCode DeviceCommands::Stop() {
  QByteArray none;
  return send(request({device_command::kStop}), 0, none);
}

ResultCode DeviceCommands::Release() {
  LinkParams traditional;
  traditional.lineKind = params_.lineKind;
  traditional.protocol = LinkProtocol::Traditional;
  traditional.deviceAddress = 0;
  traditional.crcMode = CrcMode::None;
  QByteArray none;
  return link_.Exchange(request({device_command::kRelease}), 0, none, traditional);
}

ResultCode DeviceCommands::Reprogramming(int section, int command) {
  if (section < 8 || section > 10) return ResultCode::BadReprogSection;
  if (command < 0 || command > 3) return ResultCode::BadReprogCommand;
  QByteArray none;
  return send(request({device_command::kReprogramming, section * 16 + command}), 0, none);
}

ResultCode DeviceCommands::ReprogrammingBuffer(std::uint8_t argument) {
  QByteArray none;
  return send(request({device_command::kReprogrammingBuffer, argument}), 0, none);
}

ResultCode DeviceCommands::Identify(DeviceIdentity& out) {
  out = DeviceIdentity{};
  QByteArray version;
  const ResultCode versionRead = ReadParam(device_param::kFirmwareVersion, 2, version);
  if (versionRead != ResultCode::Ok) return versionRead;
  out.versionMajor = static_cast<std::uint8_t>(version[0]);
  out.versionMinor = static_cast<std::uint8_t>(version[1]);
  QByteArray model;
  const ResultCode modelRead = ReadParam(device_param::kModel, 2, model);
  if (modelRead != ResultCode::Ok) return modelRead;
  out.modelCode = ModelCodeFrom(out.versionMajor, out.versionMinor, static_cast<std::uint8_t>(model[0]),
                                static_cast<std::uint8_t>(model[1]));
  return ResultCode::Ok;
}

Identification DeviceCommands::Identify() {
  Identification id;
  id.result = Identify(id);
  return id;
}

}  // namespace nastrum
