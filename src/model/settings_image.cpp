#include "model/settings_image.h"

#include <algorithm>
#include <cstring>

namespace nastrum {

std::optional<DeviceKind> deviceKindOf(Word stored) {
  for (DeviceKind kind : kDeviceKinds)
    if (toWord(kind) == stored) return kind;
  return std::nullopt;
}

bool isValidDeviceKind(Word kind) { return deviceKindOf(kind).has_value(); }

QByteArray NameSlot::bytes() const {
  const int n = std::min<int>(length, kMaxLength);
  return QByteArray(chars.data(), n);
}

void NameSlot::setBytes(const QByteArray& cp1251) {
  chars.fill(0);
  const int n = std::min<int>(static_cast<int>(cp1251.size()), kMaxLength);
  std::memcpy(chars.data(), cp1251.constData(), static_cast<std::size_t>(n));
  length = static_cast<std::uint8_t>(n);
}


}  // namespace nastrum
