#include "descriptors/sensor_show.h"

#include <cstring>

#include "descriptors/choice_list.h"
#include "descriptors/descriptor_digits.h"
#include "descriptors/kind_codes.h"
#include "descriptors/sensor_channels.h"
#include "descriptors/sensor_constants.h"
#include "descriptors/sensor_edit.h"

namespace nastrum {

namespace {

// Showing resets the channel codes a sensor of the family cannot have on the
// kind. A pulse sensor on МВВ is put right on the small model only: on kind 2
// a code beyond the two modules is shown as "ОШИБКА" and left to the user.
bool channelRepairedOnShow(int kind, SensorFamily family, int code) {
  if (family == SensorFamily::PulseMvv && !kindCodes(kind).repairsMvvChannelOnShow) return false;
  return !isValidChannel(kind, family, code);
}

}  // namespace

bool repairSensorOnShow(SettingsImage& image, int n) {
  const int kind = image.deviceKind;
  SensorRecord& s = image.sensors[static_cast<std::size_t>(n)];
  const SensorRecord before = s;
  const Word m = s.mainDescriptor;
  const SensorFamily family = sensorFamily(m, kind);
  switch (family) {
    case SensorFamily::Invalid:
      return false;  // kept unchanged until the user chooses a family
    case SensorFamily::Absent:
      clearToEmpty(s);
      break;
    case SensorFamily::Analog:
    case SensorFamily::PulseMvv:
    case SensorFamily::PulseMchv:
    case SensorFamily::Frequency:
      if (channelRepairedOnShow(kind, family, highByte(s.auxDescriptor))) applyChannel(s, 0x00);
      if (family == SensorFamily::Analog && digitOf(m, 2) == Temperature && digitOf(m, 3) >= 4 &&
          digitOf(m, 3) <= 6 && !isValidColdJunction(image, n, s.const2))
        applyColdJunction(s, std::nullopt);
      break;
    case SensorFamily::Conditional:
      if (digitOf(m, 3) == TableFunction && !decodeTableRef(s.const1, kind)) s.const1 = 0;
      break;
  }
  applyForcedValues(s, kind);
  return std::memcmp(&before, &s, sizeof s) != 0;
}

ChoiceList tableNumberChoices(int kind) {
  ChoiceList list;
  for (int t = 0; t < tableCount(kind); ++t) list.add(t, QString::number(t));
  return list;
}

}  // namespace nastrum
