#include "editor/descriptors/name_rule.h"

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

}  // namespace nastrum
