// What a sensor is, in a few words, for the hint of a list item that names
// the sensor only by its number: its name and what it measures.
#pragma once

#include <QString>

#include "descriptors/choice_list.h"
#include "model/settings_image.h"

namespace nastrum {

// "Т подачи — температура"; the quantity alone for a sensor without a name,
// the family for a sensor that is not analog ("числоимпульсный"); empty for
// a number that is no sensor.
QString sensorHint(const SettingsImage& image, int sensorNumber);

// `choices` whose codes are sensor numbers, each item hinting at its sensor
// ("нет" and other codes that are no sensor get no hint).
ChoiceList withSensorHints(const SettingsImage& image, const ChoiceList& choices);

}  // namespace nastrum
