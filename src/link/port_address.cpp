#include "link/port_address.h"

#include <QRegularExpression>

namespace nastrum {

PortAddress PortAddress::fromNumber(int portNumber, PortNaming naming) {
  QString path = naming == PortNaming::Windows ? QStringLiteral("\\\\.\\Com%1").arg(portNumber)
                                               : QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
  return {path, path};
}

PortAddress PortAddress::fromText(const QString& typed, PortNaming naming) {
  const QString text = typed.trimmed();
  bool isNumber = false;
  const int number = text.toInt(&isNumber);
  if (isNumber) return fromNumber(number, naming);

  if (naming == PortNaming::Windows) {
    static const QRegularExpression comName(QStringLiteral("^(?:\\\\\\\\\\.\\\\)?com(\\d+)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = comName.match(text);
    if (m.hasMatch()) return fromNumber(m.captured(1).toInt(), naming);
  } else if (text.startsWith(QLatin1Char('/'))) {
    return {text, text};
  }
  return fromNumber(-1, naming);
}

PortAddress PortAddress::fromChoice(int item, const QString& typed, PortNaming naming) {
  if (item >= 0 && item < kOtherItem) return fromNumber(item + 1, naming);
  return fromText(typed, naming);
}

}  // namespace nastrum
