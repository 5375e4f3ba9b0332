// Every field of a settings image in file order, each with its name and its
// value as text: the listing behind dumping and comparing settings files.
//
// Names follow the image's own: "DeviceKind", "Sensors[0].MainDescriptor",
// "SystemBlock.MainChannelBaud", "TableFunctions[3][16]", "SensorNames[5]".
// Records and slots are numbered as the user interface numbers them, from 0.
#pragma once

#include <vector>

#include <QString>

#include "model/settings_image.h"

namespace nastrum {

enum class FieldKind {
  Number,      // a word read as a decimal number (record numbers, dates, flags)
  Code,        // a word read as a hexadecimal code: "0x4040"
  Real,        // the shortest text that reads back to the same double
  Name,        // a name slot, decoded from code page 1251, in double quotes
  DeviceText,  // a modem string: its edit text in double quotes, or its bytes
  Bytes,       // spare bytes: hexadecimal up to the last non-zero byte
};

struct Field {
  QString path;
  FieldKind kind = FieldKind::Number;
  Word word = 0;      // Number and Code
  double real = 0;    // Real
  QString text;       // the value as listings show it
  QString plainText;  // Name and DeviceText without quotes; otherwise as text
};

std::vector<Field> walkFields(const SettingsImage& image);

// The shortest round-trip text of a double ("0.6", "735", "1e-06", "nan").
QString exactRealText(double value);

}  // namespace nastrum
