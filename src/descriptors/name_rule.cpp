#include "descriptors/name_rule.h"

#include "model/cp1251.h"
#include "model/device_alphabet.h"

namespace nastrum {

int namePlaces(const QString& name) {
  int places = 0;
  for (QChar ch : name) places += isTwoPlaceLetter(ch) ? 2 : 1;
  return places;
}

int nameMaxLength(const QString& name) {
  int twoPlace = 0;
  for (QChar ch : name)
    if (isTwoPlaceLetter(ch)) ++twoPlace;
  return kNamePlaces - twoPlace;
}

bool isNameCharAllowed(QChar ch) { return ch != u'|' && isDeviceShowable(ch); }

bool isNameAcceptable(const QString& text) {
  for (QChar ch : text)
    if (!isNameCharAllowed(ch)) return false;
  return namePlaces(text) <= kNamePlaces;
}

QString nameForSlot(const QString& text) { return text.left(kNamePlaces); }

QString nameText(const NameSlot& slot) { return fromCp1251(slot.bytes()); }

void storeName(NameSlot& slot, const QString& text) { slot.setBytes(toCp1251(nameForSlot(text))); }

}  // namespace nastrum
