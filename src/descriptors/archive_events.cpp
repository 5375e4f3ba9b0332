// The event words: the mask of the high byte and how the low byte addresses
// the parameter.
#include "descriptors/archive_words.h"

#include "descriptors/descriptor_digits.h"

namespace nastrum {

bool anyEventDescribed(const SettingsImage& image) {
  const int count = eventCount(image.deviceKind);
  for (int n = 0; n < count; ++n)
    if (isEventDescribed(image.eventType[static_cast<std::size_t>(n)])) return true;
  return false;
}

bool isEventDescribed(Word type) { return highByte(type) != 0; }
int eventMask(Word type) { return highByte(type); }
Word withEventMask(Word type, int mask) { return withHighByte(type, mask); }
bool isEventByAddress(Word type) { return lowByte(type) == kEventByAddress; }
int eventByteNumber(Word type) { return digitOf(type, 4); }

ChoiceList eventAddressingChoices() {
  return {{0, QStringLiteral("№ пар.")}, {1, QStringLiteral("адрес")}};
}

Word withEventAddressing(Word type, bool byAddress) {
  return withLowByte(type, byAddress ? kEventByAddress : 0x00);
}

Word withEventByteNumber(Word type, int byteNumber) {
  return withLowByte(type, byteNumber >= 0 && byteNumber <= 15 ? byteNumber : 0);
}

int eventByteMessage(int byteNumber) { return byteNumber >= 0 && byteNumber <= 15 ? 0 : 15; }

}  // namespace nastrum
