#include "link/runs/fake_device.h"

namespace nastrum::test {

namespace {
QByteArray Bytes(std::initializer_list<int> v) {
  QByteArray b;
  for (int x : v) b.append(static_cast<char>(x));
  return b;
}
QByteArray Word(std::uint16_t w) { return Bytes({w >> 8, w & 0xFF}); }
}  // namespace

bool LoaderLine::write(const QByteArray& bytes) {
  writes.push_back(bytes);
  if (device_.setup().lineKind == LineKind::TwoWire)
    for (const char b : bytes) pending_.push_back(b);
  for (const char b : bytes) take(static_cast<std::uint8_t>(b));
  return true;
}

void LoaderLine::take(std::uint8_t byte) {
  if (device_.silentLoader) return;
  if (expectingPacket_) {
    packet_.append(static_cast<char>(byte));
    if (packet_.size() < 131) return;
    expectingPacket_ = false;
    device_.loaderPackets.push_back(packet_);
    unsigned sum = 0;
    for (const char b : packet_) sum += static_cast<std::uint8_t>(b);
    const bool good = sum % 256 == 0;
    pending_.push_back(static_cast<char>(good ? device_.packetAck : 0x01));
    if (!good || device_.packetAck != 0) return;
    const int page = static_cast<std::uint8_t>(packet_[0]);
    const bool high = static_cast<std::uint8_t>(packet_[1]) == device_.loaderHighSelector;
    const int offset = (page - device_.loaderStartPage) * 256 + (high ? 128 : 0);
    if (device_.loaderImage.size() < offset + 128) device_.loaderImage.resize(offset + 128, static_cast<char>(0xEE));
    device_.loaderImage.replace(offset, 128, packet_.mid(2, 128));
    pending_.push_back(static_cast<char>(device_.completion));
    return;
  }
  command_.append(static_cast<char>(byte));
  if (command_.size() < 2) return;
  const auto c = static_cast<std::uint8_t>(command_[0]);
  const bool good = (c + static_cast<std::uint8_t>(command_[1])) % 256 == 0;
  command_.clear();
  pending_.push_back(static_cast<char>(good ? device_.commandAck : 0x01));
  if (good && device_.commandAck == 0 && c == 0x70) {
    expectingPacket_ = true;
    packet_.clear();
  }
}

QByteArray LoaderLine::read(int maxBytes) {
  QByteArray out;
  while (out.size() < maxBytes && !pending_.empty()) {
    out.append(pending_.front());
    pending_.pop_front();
  }
  if (out.size() < maxBytes) device_.virtualClock.sleepMs(timeoutMs_);
  return out;
}

FakeDevice::FakeDevice() : loader_(*this) {}

int FakeDevice::fault() {
  if (dead) return 1;
  if (failNext.empty()) return 0;
  const int code = failNext.front();
  failNext.pop_front();
  return code;
}

bool FakeDevice::open(const QString& path, const LinkSetup& setup) {
  openedPath = path;
  setup_ = setup;
  open_ = portExists;
  return open_;
}

bool FakeDevice::selectDevice(std::uint8_t address) {
  ++selects;
  virtualClock.sleepMs(150);
  return !dead && address == networkAddress;
}

int FakeDevice::exchange(const QByteArray& payload, QByteArray& reply, int replyLength) {
  requests.push_back(payload);
  virtualClock.sleepMs(20);
  if (const int f = fault()) return f;
  const auto command = static_cast<std::uint8_t>(payload[0]);
  if (command == 0x03) {
    const int address = static_cast<std::uint8_t>(payload[1]) << 8 | static_cast<std::uint8_t>(payload[2]);
    reply = memory.mid(address, replyLength);
  } else {
    reply.clear();
  }
  return 0;
}

int FakeDevice::readParam(std::uint16_t param, int size, QByteArray& out) {
  requests.push_back(Bytes({0x01, param >> 8, param & 0xFF}));
  virtualClock.sleepMs(20);
  if (const int f = fault()) return f;
  switch (param) {
    case 0x401E: out = Bytes({major, minor}); break;
    case 0x411E: out = Bytes({modelA, modelB}); break;
    case 0x4000: out = Word(status); break;
    case 0x4008: out = Word(storedPassword); break;
    default: out = QByteArray(size, '\0');
  }
  return 0;
}

int FakeDevice::writeParam(std::uint16_t param, const QByteArray& data) {
  requests.push_back(Bytes({0x05, param >> 8, param & 0xFF}) + data);
  virtualClock.sleepMs(20);
  if (const int f = fault()) return f;
  if (param == 0x4008 && keepsWrittenPassword && data.size() == 2)
    storedPassword = static_cast<std::uint16_t>(static_cast<std::uint8_t>(data[0]) << 8 | static_cast<std::uint8_t>(data[1]));
  return 0;
}

int FakeDevice::writeMemory(std::uint16_t address, const QByteArray& data) {
  requests.push_back(Bytes({0x06, address >> 8, address & 0xFF}) + data);
  virtualClock.sleepMs(20);
  if (const int f = fault()) return f;
  return 0;
}

int FakeDevice::identify(DeviceIdentity& out) {
  QByteArray version, model;
  if (const int r = readParam(0x401E, 2, version)) return r;
  if (const int r = readParam(0x411E, 2, model)) return r;
  out.major = static_cast<std::uint8_t>(version[0]);
  out.minor = static_cast<std::uint8_t>(version[1]);
  out.modelCode = 4;
  if (model == version) out.modelCode = 0;
  for (int j = 1; j <= 3; ++j)
    if (static_cast<std::uint8_t>(model[0]) == j && static_cast<std::uint8_t>(model[1]) == 255 - j) out.modelCode = j;
  return 0;
}

int FakeDevice::release() {
  ++releases;
  requests.push_back(Bytes({0x0A}));
  return 0;
}

}  // namespace nastrum::test
