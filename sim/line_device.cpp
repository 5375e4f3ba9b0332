#include "sim/line_device.h"

#include <QStringList>

namespace nastrum::sim {

std::optional<LineDevice> parseLineDevice(const QString& text) {
  const QStringList parts = text.split(QLatin1Char(':'));
  if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
  LineDevice device;
  bool numberOk = false;
  bool kindOk = false;
  device.networkNumber = parts[0].toInt(&numberOk);
  device.modelCode = parts[1].toInt(&kindOk);
  if (!numberOk || device.networkNumber < 1 || device.networkNumber > 254) return std::nullopt;
  if (!kindOk || device.modelCode < 0 || device.modelCode > 4) return std::nullopt;
  if (parts.size() == 3) {
    if (parts[2] != QLatin1String("demo")) return std::nullopt;
    device.demo = true;
  }
  return device;
}

}  // namespace nastrum::sim
