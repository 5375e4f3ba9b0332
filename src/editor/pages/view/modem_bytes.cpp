#include "editor/pages/view/modem_bytes.h"

#include <QStringList>

namespace nastrum {

QString modemBytesText(const ModemText& bytes) {
  QString text;
  for (const std::uint8_t byte : bytes) {
    text += QStringLiteral("%1 ").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
    if (byte == 0) break;
  }
  return text;
}

std::optional<ModemText> readModemBytes(const QString& text) {
  const QStringList pairs = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (pairs.size() > static_cast<qsizetype>(ModemText{}.size())) return std::nullopt;
  ModemText bytes{};
  std::size_t at = 0;
  for (const QString& pair : pairs) {
    bool ok = false;
    const uint value = pair.toUInt(&ok, 16);
    if (!ok || pair.size() > 2) return std::nullopt;
    bytes[at++] = static_cast<std::uint8_t>(value);
  }
  return bytes;
}

}  // namespace nastrum
