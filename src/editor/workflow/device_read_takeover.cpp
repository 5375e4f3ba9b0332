#include "editor/workflow/device_read_takeover.h"

#include "model/settings_record.h"

namespace nastrum {

void AcceptDeviceRead(MainWindowFlows& flows, Workspace& workspace, MainWindowServices& window,
                      const SettingsImage* readImage, bool userConstants) {
  if (!readImage) workspace.run.runDone = false;
  if (!workspace.run.runDone || (!userConstants && !workspace.file.isOpen())) {
    workspace.run.runDone = false;
    flows.FinishDeviceRead(userConstants);
    return;
  }
  if (userConstants) {
    // Unsaved changes were dealt with (message 6) before the read started.
    window.closeCheckWindows();
    flows.CloseImage();
    workspace.image = *readImage;
    flows.FinishDeviceRead(true);
    window.runCheck(true);
    return;
  }
  // The device's names are a change of the open file that must not be lost
  // by closing it unasked.
  if (encodeNamesRecord(workspace.image.names) != encodeNamesRecord(readImage->names)) {
    workspace.image.names = readImage->names;
    flows.markModified();
    // Undo does not take back what the device said.
    flows.document().startHistoryHere();
  }
  flows.FinishDeviceRead(false);
}

}  // namespace nastrum
