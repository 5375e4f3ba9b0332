#include "descriptors/sensor_hint.h"

#include "descriptors/descriptor_digits.h"
#include "descriptors/name_rule.h"
#include "descriptors/sensor_codes.h"

namespace nastrum {

namespace {

QString whatItMeasures(Word mainDescriptor, int kind) {
  const SensorFamily family = sensorFamily(mainDescriptor, kind);
  if (family == SensorFamily::Analog) return quantityChoices(kind).textOf(digitOf(mainDescriptor, 2));
  const std::optional<int> choice = familyChoiceOf(family);
  return choice ? familyChoices().textOf(*choice) : QString();
}

}  // namespace

QString sensorHint(const SettingsImage& image, int sensorNumber) {
  if (sensorNumber < 0 || sensorNumber >= kSensorCount) return {};
  const auto n = static_cast<std::size_t>(sensorNumber);
  const QString name = nameText(image.names.sensorNames[n]).trimmed();
  const QString quantity = whatItMeasures(image.sensors[n].mainDescriptor, image.deviceKind);
  if (name.isEmpty()) return quantity;
  if (quantity.isEmpty()) return name;
  return name + QStringLiteral(" — ") + quantity;
}

ChoiceList withSensorHints(const SettingsImage& image, const ChoiceList& choices) {
  ChoiceList hinted;
  for (const Choice& c : choices) hinted.add(c.code, c.text, sensorHint(image, c.code));
  return hinted;
}

}  // namespace nastrum
