// The settings the open image is compared with: another pair, or what was
// read from the device, with the fields that read reached.
#pragma once

#include <vector>

#include <QString>

#include "model/settings_image.h"

namespace nastrum {

struct OtherSettings {
  SettingsImage image;
  QString name;             // the file's path, or the device as "ОРВИК №1234"
  std::vector<bool> scope;  // the fields to compare, by imageFields() position; empty: all
  bool fromDevice = false;
};

// Adds a device read to what an earlier read of the same device brought: a
// names read after a constants read (or the other way round) compares both.
// Anything else replaces `other`.
void addDeviceRead(OtherSettings& other, OtherSettings read, bool namesRead);

}  // namespace nastrum
