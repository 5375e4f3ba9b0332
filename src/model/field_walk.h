// Every field of a settings image in file order, each with its name and its
// value as text: the listing behind dumping and comparing settings files.
// The fields are those of the one field description (model/image_fields.h).
//
// Names follow the image's own: "DeviceKind", "Sensors[0].MainDescriptor",
// "SystemBlock.MainChannelBaud", "TableFunctions[3][16]", "SensorNames[5]".
// Records and slots are numbered as the user interface numbers them, from 0.
#pragma once

#include <vector>

#include <QString>

#include "model/image_fields.h"
#include "model/settings_image.h"

namespace nastrum {

struct Field {
  QString path;
  FieldName name;     // the path in parts
  FieldKind kind = FieldKind::Number;
  Word word = 0;      // Number and Code
  double real = 0;    // Real
  QString text;       // the value as listings show it
  QString plainText;  // Name and DeviceText without quotes; otherwise as text
  KindSet kinds;      // the device kinds that use the field
};

std::vector<Field> walkFields(const SettingsImage& image);

// The value of one field as listings show it: "0x4040", "735", "\"Расход\"".
QString fieldText(const ImageField& field);

// The shortest round-trip text of a double ("0.6", "735", "1e-06", "nan").
QString exactRealText(double value);

}  // namespace nastrum
