// Every codec that reads text the user typed or bytes a device or file gave:
// hexadecimal words, reals, the modem strings, names in the device's own
// characters and the name rule. Each must take any input and keep the
// promises its header makes.
#include <cmath>
#include <cstdlib>

#include <QString>

#include "descriptors/name_rule.h"
#include "fuzz_input.h"
#include "link/runs/device_text.h"
#include "model/device_text.h"
#include "model/hex_text.h"
#include "model/message_presenter.h"
#include "model/real_text.h"

using namespace nastrum;

namespace {

// Answers every box with OK and counts them.
class CountingPresenter final : public MessagePresenter {
 public:
  int present(const MessageBoxSpec&) override {
    ++shown;
    return AnswerOk;
  }
  int shown = 0;
};

void check(bool promise) {
  if (!promise) std::abort();
}

void hexWords(const QString& text) {
  const std::optional<Word> word = HexToInt(text);
  if (word) check(HexToInt(HexWord(*word)) == *word);
  (void)HexToBits(text);
  (void)BitsToInt(text);
  (void)Bits3ToInt(text, 0);
  (void)Bits3ToInt(text, 1);
}

void reals(const QString& text, QChar separator) {
  CountingPresenter presenter;
  const double value = ParseNumber(text, separator, presenter);
  check(presenter.shown <= 1);
  const std::optional<double> strict = readRealText(text, separator);
  if (strict) check(presenter.shown == 0 && (value == *strict || (std::isnan(value) && std::isnan(*strict))));
  (void)FormatReal8(value, separator);
  // What the program shows, it reads back.
  const QString shown = GeneralRealText(value, separator);
  if (std::isfinite(value)) check(readRealText(shown, separator).has_value());
}

void modemText(const QByteArray& bytes, const QString& text) {
  ModemText buffer{};
  for (int i = 0; i < bytes.size() && i < static_cast<int>(buffer.size()); ++i)
    buffer[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(bytes[i]);
  (void)DeviceTextToEdit(buffer);
  const ModemText stored = EditToDeviceText(text);
  // The text always ends with its carriage return inside the 128 bytes.
  bool terminated = false;
  for (std::uint8_t b : stored)
    if (b == 13) terminated = true;
  check(terminated);
  check(DeviceTextToEdit(stored).size() <= kDeviceTextMaxChars);
}

void deviceNames(const QByteArray& bytes) {
  check(DecodeDeviceText(bytes).size() <= kDeviceNameLength);
  check(EncodeDeviceText(bytes).size() == kEncodedTextLength);
}

void nameRule(const QString& text) {
  if (isNameAcceptable(text)) check(namePlaces(text) <= kNamePlaces);
  check(nameForSlot(text).size() <= kNamePlaces);
  NameSlot slot;
  storeName(slot, text);
  check(slot.length <= NameSlot::kMaxLength);
  (void)nameText(slot);
  (void)nameMaxLength(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  const std::uint8_t choice = in.byte();
  const QByteArray bytes = in.rest();
  // Typed text reaches the codecs as UTF-16; take the bytes both as UTF-8 and
  // as raw UTF-16 units so unpaired surrogates come along too.
  const QString text = (choice & 0x80) ? QString::fromUtf8(bytes)
                                       : QString(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2);
  switch (choice % 5) {
    case 0: hexWords(text); break;
    case 1: reals(text, (choice & 0x40) ? QLatin1Char(',') : QLatin1Char('.')); break;
    case 2: modemText(bytes, text); break;
    case 3: deviceNames(bytes); break;
    default: nameRule(text); break;
  }
  return 0;
}
