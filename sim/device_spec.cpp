#include "sim/device_spec.h"

#include <QStringList>

namespace nastrum::sim {

std::optional<DeviceSpec> parseDeviceSpec(const QString& text) {
  const QStringList parts = text.split(QLatin1Char(':'));
  if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
  DeviceSpec spec;
  bool numberOk = false;
  bool kindOk = false;
  spec.networkNumber = parts[0].toInt(&numberOk);
  spec.modelCode = parts[1].toInt(&kindOk);
  if (!numberOk || spec.networkNumber < 1 || spec.networkNumber > 254) return std::nullopt;
  if (!kindOk || spec.modelCode < 0 || spec.modelCode > 4) return std::nullopt;
  if (parts.size() == 3) {
    if (parts[2] != QLatin1String("demo")) return std::nullopt;
    spec.demo = true;
  }
  return spec;
}

}  // namespace nastrum::sim
