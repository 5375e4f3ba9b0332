#include "sim/simulated_device.h"

#include "sim/byte_at.h"
#include "sim/names_memory.h"

namespace nastrum::sim {
namespace {

QString hex(const QByteArray& bytes, int max = 8) {
  QString s = QString::fromLatin1(bytes.left(max).toHex(' ').toUpper());
  if (bytes.size() > max) s += QStringLiteral(" …(%1 bytes)").arg(bytes.size());
  return s;
}
QString keyText(ParamKey key) { return QStringLiteral("0x") + QStringLiteral("%1").arg(key, 4, 16, QLatin1Char('0')).toUpper(); }
QByteArray word(std::uint16_t v) {
  QByteArray b(2, 0);
  b[0] = static_cast<char>(v >> 8);
  b[1] = static_cast<char>(v & 0xFF);
  return b;
}
std::uint8_t u8(const QByteArray& b, int i) { return byteAt(b, i); }
bool noPassword(std::uint16_t p) { return p == 0x0000 || p == 0xFFFF; }

}  // namespace

SimulatedDevice::SimulatedDevice(DeviceConfig config, const SettingsImage& image, Clock& clock)
    : config_(std::move(config)),
      layoutKind_(config_.modelCode >= 1 && config_.modelCode <= 3 ? config_.modelCode : 2),
      clock_(clock),
      base_(image) {
  base_.deviceKind = layoutKind_;
  bindings_ = settingsParams(layoutKind_);
  for (std::size_t i = 0; i < bindings_.size(); ++i) {
    bindingIndex_[bindings_[i].key] = i;
    store_[bindings_[i].key] = bindings_[i].encode(base_);
  }
  for (const ModemMemory& m : modemMemoryFor(layoutKind_))
    if (m.aliasOf == 0) memory_[m.readAddress] = QByteArray(reinterpret_cast<const char*>(base_.modemInitMain.data()), 128);
  names_ = namesMemoryFromImage(base_, layoutKind_);
  if (config_.password)
    password_ = *config_.password;
  else
    password_ = image.sys(sys::PasswordPresent) == 1 ? static_cast<std::uint16_t>(image.sys(sys::DevicePassword)) : 0xFFFF;
  clockBaseMs_ = clock_.nowMs();
}

void SimulatedDevice::setParameterBytes(ParamKey key, const QByteArray& bytes) {
  const auto it = store_.find(key);
  if (it != store_.end()) it->second = bytes.left(it->second.size()).leftJustified(it->second.size(), '\0');
}

void SimulatedDevice::log(const QString& line) const {
  if (log_) log_(line);
}

Reply SimulatedDevice::refuse(const QString& why) {
  lastRefusal_ = why;
  log(QStringLiteral("  refused: ") + why);
  return Reply::refused();
}

QDateTime SimulatedDevice::now() const {
  return config_.clockStart.addMSecs(clock_.nowMs() - clockBaseMs_ + clockOffsetMs_);
}

std::uint16_t SimulatedDevice::statusWord(int request) {
  settle();
  std::uint16_t s = state_;
  if (faults_.take(FaultKind::MissingKey, request)) s |= status::KeyMissing;
  return s;
}

bool SimulatedDevice::configurable(int request, QString* why) {
  if (faults_.active(FaultKind::MissingKey, request)) {
    *why = QStringLiteral("the electronic key is missing");
    return false;
  }
  if (!accessGranted_) {
    *why = QStringLiteral("no accepted password");
    return false;
  }
  return true;
}

bool SimulatedDevice::inLoader() {
  if (loader_.active && clock_.nowMs() - loader_.lastActivityMs > kLoaderTimeoutMs) {
    log(QStringLiteral("loader: no traffic, back to normal operation"));
    loader_ = Loader{};
  }
  return loader_.active;
}

void SimulatedDevice::settle() {
  if (reprogDueMs_ && clock_.nowMs() >= *reprogDueMs_) {
    reprogDueMs_.reset();
    if (state_ & status::Stopped) state_ = static_cast<std::uint16_t>((state_ & ~status::ReprogMask) | status::InReprog);
  }
}

Reply SimulatedDevice::handle(const QByteArray& payload, int request, Framing framing) {
  lastRefusal_.clear();
  settle();
  const std::uint8_t cmd = u8(payload, 0);
  const bool isUnlock = cmd == 0x05 && payload.size() >= 3 && u8(payload, 1) == 0x40 && u8(payload, 2) == 0x07;
  const bool isWrite = (cmd == 0x05 || cmd == 0x06) && !isUnlock;
  if (!isUnlock && !isWrite) {
    unlock_.reset();
    lastWrite_.clear();
  }
  switch (cmd) {
    case 0x01:
      if (payload.size() != 3) return refuse(QStringLiteral("read with %1 bytes").arg(payload.size()));
      return readParam(static_cast<ParamKey>((u8(payload, 1) << 8) | u8(payload, 2)), request);
    case 0x02:
      if (payload.size() != 4) return refuse(QStringLiteral("memory read with %1 bytes").arg(payload.size()));
      return readMemory(static_cast<std::uint16_t>((u8(payload, 1) << 8) | u8(payload, 2)), u8(payload, 3));
    case 0x03: {
      if (payload.size() != 4) return refuse(QStringLiteral("names chunk request with %1 bytes").arg(payload.size()));
      QString why;
      if (!configurable(request, &why)) return refuse(QStringLiteral("names chunk: ") + why);
      return readNamesChunk(u8(payload, 1), u8(payload, 2), u8(payload, 3), framing);
    }
    case 0x05:
      if (payload.size() < 4) return refuse(QStringLiteral("write without data"));
      return writeParam(static_cast<ParamKey>((u8(payload, 1) << 8) | u8(payload, 2)), payload.mid(3), payload, request);
    case 0x06:
      if (payload.size() < 4) return refuse(QStringLiteral("memory write without data"));
      return writeMemory(static_cast<std::uint16_t>((u8(payload, 1) << 8) | u8(payload, 2)), payload.mid(3), payload, request);
    case 0x08:
    case 0x09:
    case 0x0A:
      if (payload.size() != 1) return refuse(QStringLiteral("mode command with %1 bytes").arg(payload.size()));
      return modeCommand(cmd, request);
    case 0x0D:
      if (payload.size() != 2) return refuse(QStringLiteral("reprogramming command with %1 bytes").arg(payload.size()));
      return reprogCommand(u8(payload, 1), request);
    case 0x0F:
      if (payload.size() == 2) return bufferCommand(u8(payload, 1), request);
      // Also understood as one request: 0F 22 55 opens the buffer and starts
      // the loader, 0F 22 00 cancels.
      if (payload.size() == 3 && u8(payload, 1) == 0x22) {
        if (u8(payload, 2) == 0x00) return bufferCommand(0x00, request);
        const Reply opened = bufferCommand(0x22, request);
        return opened.kind == ReplyKind::Ack && u8(payload, 2) != 0x22 ? bufferCommand(u8(payload, 2), request) : opened;
      }
      return refuse(QStringLiteral("buffer command with %1 bytes").arg(payload.size()));
    default:
      return refuse(QStringLiteral("unknown command %1").arg(cmd, 2, 16, QLatin1Char('0')));
  }
}

int SimulatedDevice::expectedPayloadSize(const QByteArray& payload) const {
  switch (u8(payload, 0)) {
    case 0x01: return 3;
    case 0x02:
    case 0x03: return 4;
    case 0x06: return 3 + 128;
    case 0x08:
    case 0x09:
    case 0x0A: return 1;
    case 0x0D: return 2;
    case 0x0F: return payload.size() == 3 ? 3 : 2;
    case 0x05: {
      if (payload.size() < 3) return -1;
      const auto key = static_cast<ParamKey>((u8(payload, 1) << 8) | u8(payload, 2));
      if (key == 0x4007 || key == 0x4008 || key == 0x4015 || key == 0x4016 || key == 0x4017) return 5;
      const auto it = bindingIndex_.find(key);
      return it == bindingIndex_.end() ? -1 : 3 + bindings_[it->second].writeSize;
    }
    default: return -1;
  }
}

Reply SimulatedDevice::readParam(ParamKey key, int request) {
  QByteArray value;
  const QDateTime t = now();
  switch (key) {
    case 0x4000: value = word(statusWord(request)); break;
    case 0x4008: value = word(loginReadback_); break;
    case 0x401E:
      settingsWritesInConversation_ = 0;
      value = QByteArray{} + char(config_.versionMajor) + char(config_.versionMinor);
      break;
    case 0x411E:
      if (config_.modelCode == 0)  // early models answer with their version
        value = QByteArray{} + char(config_.versionMajor) + char(config_.versionMinor);
      else
        value = QByteArray{} + char(config_.modelCode) + char(255 - config_.modelCode);
      break;
    case 0x403C: value = word(config_.factoryNumber); break;
    case 0x4015: value = QByteArray{} + char(t.time().hour()) + char(t.time().minute()); break;
    case 0x4016: value = QByteArray{} + char(t.date().day()) + char(t.date().month()); break;
    case 0x4017: value = QByteArray{} + char(t.date().year() / 100) + char(t.date().year() % 100); break;
    default: {
      const auto it = store_.find(key);
      if (it == store_.end()) return refuse(QStringLiteral("read of unknown parameter ") + keyText(key));
      value = it->second;
    }
  }
  log(QStringLiteral("read %1 -> %2").arg(keyText(key), hex(value)));
  return Reply::withData(value);
}

bool SimulatedDevice::unlockedFor(std::uint8_t a, std::uint8_t b, const QByteArray& payload) {
  if (!lastWrite_.isEmpty() && payload == lastWrite_) return true;  // the same write repeated
  if (!unlock_ || unlock_->first != a || unlock_->second != b) return false;
  unlock_.reset();
  lastWrite_ = payload;
  return true;
}

Reply SimulatedDevice::writeParam(ParamKey key, const QByteArray& data, const QByteArray& payload, int request) {
  if (key == 0x4007) {
    lastWrite_.clear();
    if (data.size() != 2) return refuse(QStringLiteral("unlock with %1 bytes").arg(data.size()));
    unlock_ = std::make_pair(u8(data, 0), u8(data, 1));
    log(QStringLiteral("unlock %1").arg(hex(data)));
    return Reply::ack();
  }
  const QString what = QStringLiteral("write %1 = %2").arg(keyText(key), hex(data));
  if (!unlockedFor(static_cast<std::uint8_t>(~(key >> 8)), static_cast<std::uint8_t>(~key), payload))
    return refuse(what + QStringLiteral(": not unlocked for this parameter"));
  if (faults_.active(FaultKind::MissingKey, request)) return refuse(what + QStringLiteral(": the electronic key is missing"));

  if (key == 0x4008) {
    if (data.size() != 2) return refuse(what + QStringLiteral(": a password has two bytes"));
    const auto value = static_cast<std::uint16_t>((u8(data, 0) << 8) | u8(data, 1));
    // A new password is taken only amid the settings being written; a
    // conversation that begins (reads the version) with the device still in
    // the reprogramming mode logs in like any other.
    const bool changing = (state_ & status::ReprogMask) == status::InReprog && accessGranted_ && settingsWritesInConversation_ > 0;
    if (changing && value != password_) {
      password_ = value;
      loginReadback_ = value;
      ++writesAccepted_;
      log(what + QStringLiteral(" (new password)"));
      return Reply::ack();
    }
    const bool matches = value == password_ || (noPassword(password_) && noPassword(value));
    accessGranted_ = matches && !faults_.take(FaultKind::WrongPassword, request);
    // A refused password never reads back as itself, nor as "no password".
    loginReadback_ = accessGranted_ ? value : static_cast<std::uint16_t>(value ^ 0x5A5A);
    log(what + (accessGranted_ ? QStringLiteral(" (password accepted)") : QStringLiteral(" (password refused)")));
    return Reply::ack();
  }
  QString why;
  if (!configurable(request, &why)) return refuse(what + QStringLiteral(": ") + why);

  if (key == 0x4015 || key == 0x4016 || key == 0x4017) {
    if (data.size() != 2) return refuse(what + QStringLiteral(": clock values have two bytes"));
    bool ok = false;
    setClock(key & 0xFF, u8(data, 0), u8(data, 1), &ok);
    if (!ok) return refuse(what + QStringLiteral(": not a valid clock value"));
    ++writesAccepted_;
    log(what + QStringLiteral(" (clock now %1)").arg(now().toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"))));
    return Reply::ack();
  }
  const auto it = bindingIndex_.find(key);
  if (it == bindingIndex_.end()) return refuse(what + QStringLiteral(": no such parameter"));
  if ((state_ & status::ReprogMask) != status::InReprog || !(state_ & status::Stopped))
    return refuse(what + QStringLiteral(": settings change only in STOP and the reprogramming mode"));
  const ParamBinding& binding = bindings_[it->second];
  if (data.size() != binding.writeSize)
    return refuse(what + QStringLiteral(": %1 bytes expected").arg(binding.writeSize));
  // A cell that does not keep what it is told: acknowledged, stored with its last byte inverted.
  if (!corruptedKey_ && !namesCellCorrupt_ && faults_.take(FaultKind::CorruptWrite, request)) corruptedKey_ = key;
  QByteArray stored = data;
  if (corruptedKey_ == key) stored[stored.size() - 1] = static_cast<char>(~stored[stored.size() - 1]);
  store_[key].replace(0, stored.size(), stored);
  ++writesAccepted_;
  ++settingsWritesInConversation_;
  log(corruptedKey_ == key ? what + QStringLiteral(" (kept corrupted)") : what);
  return Reply::ack();
}

void SimulatedDevice::setClock(int which, std::uint8_t a, std::uint8_t b, bool* ok) {
  const QDateTime t = now();
  QDate date = t.date();
  QTime time = t.time();
  if (which == 0x15) {
    time = a < 24 && b < 60 ? QTime(a, b, 0) : QTime();
  } else if (which == 0x16) {
    date = QDate(date.year(), b, a);  // invalid for a day or month out of range
  } else {
    const int year = a * 100 + b;
    date = a < 100 && b < 100 ? QDate(year, date.month(), std::min(date.day(), QDate(year, date.month(), 1).daysInMonth())) : QDate();
  }
  *ok = date.isValid() && time.isValid();
  if (*ok) clockOffsetMs_ += t.msecsTo(QDateTime(date, time));
}

Reply SimulatedDevice::readMemory(std::uint16_t address, int n) {
  for (const ModemMemory& m : modemMemoryFor(layoutKind_)) {
    if (address < m.readAddress || address + n > m.readAddress + 128) continue;
    const QByteArray& bytes = m.aliasOf ? store_[m.aliasOf] : memory_[m.readAddress];
    const QByteArray value = bytes.mid(address - m.readAddress, n);
    log(QStringLiteral("read memory 0x%1 (%2) -> %3").arg(address, 4, 16, QLatin1Char('0')).arg(n).arg(hex(value)));
    return Reply::withData(value);
  }
  return refuse(QStringLiteral("memory read 0x%1 (%2 bytes) outside readable memory").arg(address, 4, 16, QLatin1Char('0')).arg(n));
}

Reply SimulatedDevice::writeMemory(std::uint16_t address, const QByteArray& data, const QByteArray& payload, int request) {
  const QString what = QStringLiteral("write memory 0x%1 = %2").arg(address, 4, 16, QLatin1Char('0')).arg(hex(data));
  if (!unlockedFor(static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address), payload))
    return refuse(what + QStringLiteral(": not unlocked for this address"));
  QString why;
  if (!configurable(request, &why)) return refuse(what + QStringLiteral(": ") + why);
  if ((state_ & status::ReprogMask) != status::InReprog || !(state_ & status::Stopped))
    return refuse(what + QStringLiteral(": settings change only in STOP and the reprogramming mode"));
  for (const ModemMemory& m : modemMemoryFor(layoutKind_)) {
    if (m.writeAddress != address || m.writeAddress == 0) continue;
    if (data.size() != 128) return refuse(what + QStringLiteral(": 128 bytes expected"));
    memory_[m.readAddress] = data;
    ++writesAccepted_;
    ++settingsWritesInConversation_;
    log(what);
    return Reply::ack();
  }
  return refuse(what + QStringLiteral(": not writable memory"));
}

Reply SimulatedDevice::readNamesChunk(int page, int low, int selector, Framing framing) {
  const NamesGeometry g = namesGeometryFor(layoutKind_);
  const int expected = layoutKind_ != 1 ? 0xF8 : framing == Framing::Traditional ? 0x0F : 0xFF;
  const bool selectorOk = selector == expected;
  const int offset = (page - g.startPage) * 256 + low;
  const QString what = QStringLiteral("names chunk %1%2 selector %3")
                           .arg(page, 2, 16, QLatin1Char('0'))
                           .arg(low, 2, 16, QLatin1Char('0'))
                           .arg(selector, 2, 16, QLatin1Char('0'));
  if (!selectorOk) return refuse(what + QStringLiteral(": wrong selector"));
  if (low % 64 != 0 || offset < 0 || offset + 64 > g.readSize) return refuse(what + QStringLiteral(": outside the names area"));
  log(what);
  return Reply::withData(names_.mid(offset, 64));
}

Reply SimulatedDevice::modeCommand(std::uint8_t code, int request) {
  if (code == 0x09) {
    if (faults_.take(FaultKind::RefuseStop, request)) {
      log(QStringLiteral("STOP (ignored)"));
      return Reply::ack();
    }
    state_ |= status::Stopped;
    log(QStringLiteral("STOP"));
  } else if (code == 0x08) {
    state_ = 0;
    reprogDueMs_.reset();
    log(QStringLiteral("start (working)"));
  } else {
    accessGranted_ = false;
    log(QStringLiteral("release"));
  }
  return Reply::ack();
}

Reply SimulatedDevice::reprogCommand(std::uint8_t arg, int request) {
  if (arg >> 4 != 10) return refuse(QStringLiteral("reprogramming section %1").arg(arg >> 4));
  const int command = arg & 0x0F;
  if (command == 1) {
    QString why;
    if (!(state_ & status::Stopped))
      why = QStringLiteral("not in STOP");
    else if (configurable(request, &why) && faults_.take(FaultKind::RefuseReprog, request))
      why = QStringLiteral("refused on demand");
    if (why.isEmpty()) {
      reprogDueMs_ = clock_.nowMs() + config_.reprogEntryDelayMs;
      settle();
      log(QStringLiteral("enter reprogramming mode"));
    } else {
      log(QStringLiteral("enter reprogramming mode: ignored, ") + why);
    }
  } else if (command == 3) {
    reprogDueMs_.reset();
    if ((state_ & status::ReprogMask) == status::InReprog) state_ |= status::LeftReprog;
    log(QStringLiteral("leave reprogramming mode"));
  } else if (command == 0) {
    reprogDueMs_.reset();
    state_ &= static_cast<std::uint16_t>(~status::ReprogMask);
    log(QStringLiteral("cancel reprogramming mode"));
  } else {
    return refuse(QStringLiteral("reprogramming command %1").arg(command));
  }
  return Reply::ack();
}

Reply SimulatedDevice::bufferCommand(std::uint8_t arg, int request) {
  if (arg == 0x00) {
    loader_ = Loader{};
    log(QStringLiteral("loader: cancelled"));
    return Reply::ack();
  }
  QString why;
  if (!configurable(request, &why)) return refuse(QStringLiteral("buffer command: ") + why);
  if (!(state_ & status::Stopped)) return refuse(QStringLiteral("buffer command: not in STOP"));
  if (arg == 0x22) {
    loader_ = Loader{};
    loader_.bufferOpen = true;
    log(QStringLiteral("loader: buffer opened"));
    return Reply::ack();
  }
  if (arg == 0x55) {
    if (!loader_.bufferOpen) return refuse(QStringLiteral("loader: started before the buffer was opened"));
    loader_.active = true;
    loader_.buffer = QByteArray(namesGeometryFor(layoutKind_).imageSize, static_cast<char>(0xFF));
    loader_.lastActivityMs = clock_.nowMs();
    log(QStringLiteral("loader: started"));
    return Reply::ack();
  }
  return refuse(QStringLiteral("buffer command %1").arg(arg, 2, 16, QLatin1Char('0')));
}

QByteArray SimulatedDevice::loaderStage(const QByteArray& bytes, int request) {
  loader_.lastActivityMs = clock_.nowMs();
  const QByteArray reject(1, static_cast<char>(0xFF));
  const bool nak = faults_.take(FaultKind::Nak, request);
  if (loader_.expectPacket && bytes.size() == kLoaderPacketSize) {
    loader_.expectPacket = false;
    const NamesGeometry g = namesGeometryFor(layoutKind_);
    unsigned sum = 0;
    for (char c : bytes) sum += static_cast<std::uint8_t>(c);
    const int page = u8(bytes, 0);
    const int selector = u8(bytes, 1);
    const int offset = (page - g.startPage) * 256 + (selector == g.highSelector ? 128 : 0);
    QString why;
    if (nak)
      why = QStringLiteral("refused on demand");
    else if (sum % 256 != 0)
      why = QStringLiteral("packet checksum wrong");
    else if (selector != g.lowSelector && selector != g.highSelector)
      why = QStringLiteral("wrong half-page selector");
    else if (offset < 0 || offset + 128 > g.imageSize)
      why = QStringLiteral("page outside the names area");
    const QString what = QStringLiteral("loader: packet page %1 selector %2").arg(page, 2, 16, QLatin1Char('0')).arg(selector, 2, 16, QLatin1Char('0'));
    if (!why.isEmpty()) {
      lastRefusal_ = why;
      log(what + QStringLiteral(": rejected, ") + why);
      return QByteArray(1, 0x01);
    }
    Fault failure{FaultKind::Completion};
    if (faults_.take(FaultKind::Completion, request, &failure)) {
      log(what + QStringLiteral(": accepted, programming fails on demand"));
      return failure.value < 0 ? QByteArray(1, 0x00) : QByteArray(1, 0x00) + static_cast<char>(failure.value);
    }
    loader_.buffer.replace(offset, 128, bytes.mid(2, 128));
    log(what);
    return QByteArray(2, 0x00);  // accepted, then programmed
  }
  loader_.expectPacket = false;
  if (bytes.size() != 2 || static_cast<std::uint8_t>(u8(bytes, 0) + u8(bytes, 1)) != 0 || nak) {
    lastRefusal_ = QStringLiteral("loader command bytes wrong");
    log(QStringLiteral("loader: command %1 rejected").arg(hex(bytes)));
    return reject;
  }
  const std::uint8_t c = u8(bytes, 0);
  if (c == 0x70) {
    loader_.expectPacket = true;
  } else if (c == 0xCC) {
    if (namesChecksumValid(loader_.buffer, layoutKind_)) {
      names_ = loader_.buffer;
      ++namesCommits_;
      // A failing cell of the names memory: its first byte keeps the wrong value.
      if (!corruptedKey_ && !namesCellCorrupt_ && faults_.take(FaultKind::CorruptWrite, request)) namesCellCorrupt_ = true;
      if (namesCellCorrupt_) names_[0] = static_cast<char>(~names_[0]);
      log(namesCellCorrupt_ ? QStringLiteral("loader: names area programmed (first byte kept corrupted)")
                            : QStringLiteral("loader: names area programmed"));
    } else {
      lastRefusal_ = QStringLiteral("names image checksum wrong");
      log(QStringLiteral("loader: names image checksum wrong, names kept"));
    }
    loader_ = Loader{};
  } else if (c == 0x00) {
    log(QStringLiteral("loader: synchronised"));
  } else {
    log(QStringLiteral("loader: unknown command %1").arg(c, 2, 16, QLatin1Char('0')));
    return reject;
  }
  return QByteArray(1, 0x00);
}

SettingsImage SimulatedDevice::exportImage() const {
  SettingsImage image = base_;
  for (const ParamBinding& b : bindings_) b.decode(image, store_.at(b.key));
  for (const ModemMemory& m : modemMemoryFor(layoutKind_)) {
    if (m.aliasOf != 0) continue;
    const QByteArray& bytes = memory_.at(m.readAddress);
    for (int i = 0; i < 128; ++i) image.modemInitMain[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(bytes[i]);
  }
  namesMemoryToImage(names_, layoutKind_, image);
  image.sys(sys::DevicePassword) = password_;
  image.sys(sys::PasswordPresent) = noPassword(password_) ? 0 : 1;
  const QDateTime t = now();
  image.sys(sys::TimeHHMM) = t.time().hour() * 100 + t.time().minute();
  image.sys(sys::DateDDMM) = t.date().day() * 100 + t.date().month();
  image.sys(sys::DateYear) = t.date().year();
  return image;
}

}  // namespace nastrum::sim
