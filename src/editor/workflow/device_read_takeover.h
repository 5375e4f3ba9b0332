// What the main window does with a device read once the exchange window has
// closed: the constants become a new unsaved file named after the device's
// factory number; the names replace the names of the open file.
#pragma once

#include "editor/workflow/main_window_flows.h"
#include "editor/workflow/main_window_services.h"
#include "model/settings_image.h"
#include "model/workspace.h"

namespace nastrum {

// `readImage` is the image the run read, present only when it succeeded
// (RunDone). Without it nothing changes: the current image and file stay as
// they were, whatever the run reached before it failed or was stopped.
void AcceptDeviceRead(MainWindowFlows& flows, Workspace& workspace, MainWindowServices& window,
                      const SettingsImage* readImage, bool userConstants);

}  // namespace nastrum
