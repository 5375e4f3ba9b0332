#include "model/device_text.h"

#include "model/cp1251.h"

namespace nastrum {

namespace {
constexpr unsigned char kCarriageReturn = 13;
}

QString DeviceTextToEdit(const ModemText& buffer) {
  QString text;
  bool endsWithReturn = false;
  for (const std::uint8_t byte : buffer) {
    if (byte == 0) break;
    endsWithReturn = byte == kCarriageReturn;
    text.append(endsWithReturn ? QChar(u'*') : cp1251Char(byte));
  }
  if (endsWithReturn) text.chop(1);
  return text;
}

ModemText EditToDeviceText(const QString& text) {
  ModemText buffer{};
  const QByteArray bytes = toCp1251(text).left(kDeviceTextMaxChars);
  qsizetype i = 0;
  for (; i < bytes.size(); ++i)
    buffer[static_cast<std::size_t>(i)] = bytes[i] == '*' ? kCarriageReturn : static_cast<std::uint8_t>(bytes[i]);
  buffer[static_cast<std::size_t>(i)] = kCarriageReturn;
  return buffer;
}

}  // namespace nastrum
