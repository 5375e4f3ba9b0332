// What a write will change, known before anything is sent: the device as
// backed up, the image that will be sent, the items that differ and the
// device the confirmation names.
#pragma once

#include <vector>

#include <QString>

#include "link/write/device_write_run.h"

namespace nastrum {

struct WritePreview {
  const SettingsImage* held = nullptr;    // the device, as the backup read it
  const SettingsImage* toSend = nullptr;  // the image the write sends
  WriteRequest request;
  std::vector<WriteStep> items;  // the constants items that will be sent, in the map's order
  bool namesDiffer = false;      // a names write: the block differs from the device's
  bool passwordChange = false;   // the password field is not the image's password: it may be written
  std::vector<bool> scope;       // the fields the ticked groups send, by imageFields() position
  WriteGroups differing;         // the groups where the device holds other bytes, ticked or not
  int factoryNumber = 0;
  QString port;                  // as the exchange window names it
  int networkNumber = 0;         // 0 off the network
  QString backupPath;

  bool nothingToChange() const;
  // "ОРВИК 5 "расширяемый" №1234, порт Com2, сетевой № 1"
  QString deviceText() const;
  // The confirmation's question: the device and how many values will be written.
  QString question() const;
};

// "ОРВИК 5 "минимальный"", "ОРВИК 5 "расширяемый"", "ОРВИК 9".
QString DeviceKindName(int kind);

}  // namespace nastrum
