// The write run of the exchange window's write mode: connect, check the kind,
// the key and the password, put the device into STOP, then write the names
// through the device's loader or the chosen groups of user constants inside
// the reprogramming mode, and offer to start the device again.
#pragma once

#include "link/runs/run_context.h"
#include "link/write/write_answers.h"
#include "link/write/write_map.h"

namespace nastrum {

// `RadioGroup1` of the write mode: what to write.
enum class WriteChoice : int {
  Constants = 0,  // "Константы пользователя"
  Names = 1,      // "Имена"
};

struct WriteRequest {
  WriteChoice choice = WriteChoice::Constants;
  WriteGroups groups;  // the constants' groups
  // What the device holds (a backup read just before): only the items whose
  // bytes differ from it are sent. Null: every item of the groups.
  const SettingsImage* held = nullptr;
  // Once the reprogramming mode is left, every item written is read back and
  // compared (after a names write, the names area); a difference fails the
  // run and the device is not started.
  bool verify = false;
};

// What became of a write.
struct DeviceWriteOutcome {
  int result = 0;           // 0, or the code the run ended with (23 after STOP)
  bool portFailed = false;  // the port could not be opened; nothing was sent
  int itemsWritten = 0;     // constants items the device acknowledged, the password not counted
  bool succeeded() const { return result == 0 && !portFailed; }
};

// Writes the workspace's image to the device. Before anything is sent the
// converter adjustment is applied to the image (the only change a write makes
// to it). A write never counts as a finished read: its caller keeps the result
// as RunError and leaves RunDone clear. ConnectedKind is the identified kind. The questions go to `answers`.
DeviceWriteOutcome RunDeviceWrite(RunContext& ctx, const WriteRequest& request, WriteAnswerer& answers);

}  // namespace nastrum
