#include "link/runs/device_text.h"

#include <QString>

#include "model/cp1251.h"
#include "model/device_alphabet.h"

namespace nastrum {

namespace {

constexpr QChar kBar = u'|';
constexpr int kBarCode = 0x7C;

}  // namespace

QByteArray EncodeDeviceText(const QByteArray& cp1251, std::uint8_t pad) {
  QString shown;
  for (const QChar c : fromCp1251(cp1251.left(kDeviceNameLength))) {
    const auto lookAlike = c == kBar ? std::nullopt : lookAlikeCodeFor(c);
    if (!lookAlike) {
      shown.append(c);
      continue;
    }
    shown.append(*deviceCharFor(*lookAlike));
    if (isTwoPlaceLetter(c)) shown.append(kBar);
  }
  QByteArray out(kEncodedTextLength, static_cast<char>(pad));
  for (int i = 0; i < shown.size() && i < kEncodedTextLength; ++i)
    if (const auto code = deviceCodeFor(shown[i])) out[i] = static_cast<char>(*code);
  return out;
}

QByteArray DecodeDeviceText(const QByteArray& deviceBytes) {
  const QByteArray bytes = deviceBytes.left(kDeviceNameLength);
  const int smallYeryCode = *lookAlikeCodeFor(u'ы');
  const int capitalYeryCode = *lookAlikeCodeFor(u'Ы');
  QString text;
  for (int i = 0; i < bytes.size(); ++i) {
    const int code = static_cast<std::uint8_t>(bytes[i]);
    const bool barFollows = i + 1 < bytes.size() && static_cast<std::uint8_t>(bytes[i + 1]) == kBarCode;
    if (barFollows && (code == smallYeryCode || code == capitalYeryCode)) {
      text.append(code == capitalYeryCode ? u'Ы' : u'ы');
      ++i;
      continue;
    }
    if (const auto c = deviceCharFor(code)) text.append(*c);
  }
  return toCp1251(text.left(kDeviceNameLength));
}

}  // namespace nastrum
