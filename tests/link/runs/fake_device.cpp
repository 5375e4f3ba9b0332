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

ResultCode FakeDevice::Exchange(const QByteArray& request, int replyLength, QByteArray& reply, const LinkParams&) {
  const auto command = static_cast<std::uint8_t>(request[0]);
  if (command == 0x0A) {
    ++releases;
    requests.push_back(request);
    return ResultCode::Ok;
  }
  if (IsWriteUnlock(request)) return unlock(request);
  requests.push_back(request);
  virtualClock.sleepMs(20);
  if (const int f = fault()) return static_cast<ResultCode>(f);
  const std::uint8_t high = request.size() > 2 ? static_cast<std::uint8_t>(request[1]) : 0;
  const std::uint8_t low = request.size() > 2 ? static_cast<std::uint8_t>(request[2]) : 0;
  const auto address = static_cast<std::uint16_t>(high << 8 | low);
  switch (command) {
    case 0x01: reply = readParam(address, replyLength); break;
    case 0x02:
    case 0x03: reply = memory.mid(address, replyLength); break;
    case 0x05:
      if (!unlockedFor(static_cast<std::uint8_t>(~high), static_cast<std::uint8_t>(~low))) return ResultCode::RequestRefused;
      return writeParam(address, request.mid(3));
    case 0x06:
      if (!unlockedFor(high, low)) return ResultCode::RequestRefused;
      memory.replace(address, static_cast<int>(request.size()) - 3, request.mid(3));
      return ResultCode::Ok;
    default: reply.clear();
  }
  return ResultCode::Ok;
}

ResultCode FakeDevice::unlock(const QByteArray& request) {
  ++unlocks;
  unlock_.reset();
  if (refuseUnlocks || request.size() != 5) return ResultCode::RequestRefused;
  unlock_ = std::make_pair(static_cast<std::uint8_t>(request[3]), static_cast<std::uint8_t>(request[4]));
  return ResultCode::Ok;
}

// An unlock opens the one write it names.
bool FakeDevice::unlockedFor(std::uint8_t a, std::uint8_t b) {
  const bool open = unlock_ && unlock_->first == a && unlock_->second == b;
  unlock_.reset();
  return open;
}

QByteArray FakeDevice::readParam(std::uint16_t param, int size) const {
  switch (param) {
    case 0x401E: return Bytes({major, minor});
    case 0x411E: return Bytes({modelA, modelB});
    case 0x4000: return Word(status);
    case 0x4008: return Word(storedPassword);
    default: {
      const auto it = params.find(param);
      return it != params.end() ? it->second.left(size) : QByteArray(size, '\0');
    }
  }
}

ResultCode FakeDevice::writeParam(std::uint16_t param, const QByteArray& data) {
  if (param != 0x4008) {
    params[param] = data;
  } else if (keepsWrittenPassword && data.size() == 2) {
    storedPassword = static_cast<std::uint16_t>(static_cast<std::uint8_t>(data[0]) << 8 | static_cast<std::uint8_t>(data[1]));
  }
  return ResultCode::Ok;
}

}  // namespace nastrum::test
