// What only the window (or the windows of other areas) can do for the main
// window's flows. Tests answer these with scripted doubles.
#pragma once

#include <optional>

#include <QString>

#include "model/settings_image.h"

namespace nastrum {

class MainWindowServices {
 public:
  virtual ~MainWindowServices() = default;

  // The system's file-open window for settings files; nothing when cancelled.
  virtual std::optional<QString> chooseFileToOpen() = 0;
  // The system's file-save window proposing `proposedPath`; nothing when cancelled.
  virtual std::optional<QString> chooseFileToSave(const QString& proposedPath) = 0;

  // Closes the error report window and the programming-map window if open.
  virtual void closeCheckWindows() {}
  // Runs the settings check, with the report file and error window or silently.
  virtual void runCheck(bool withReport) { (void)withReport; }
  // The correction prompt shown instead of the setup mode while the last check
  // left repairable errors.
  virtual void showCorrectionPrompt() {}

  // The editor pages show their current object again (every object-number box
  // runs its change action once) and the system page selects the main channel.
  virtual void refreshEditorPages() {}
  // The editor pages fill the choices that depend on the device kind.
  virtual void fillKindChoices(Word kind) { (void)kind; }
  // The view pages rebuild their tables from the image.
  virtual void fillViewTables() {}
};

}  // namespace nastrum
