// The program's own application object, built with test parts: scripted
// message boxes and file windows, a virtual clock, and a device link the test
// chooses (none unless it sets one). Runs inside a fresh current directory, so
// "Report.txt" and new file names land there.
#pragma once

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include <QAction>

#include "app/nastrum_application.h"
#include "editor/ui/base_form.h"
#include "editor/ui/scripted_file_dialogs.h"
#include "link/clock.h"
#include "link/runs/device_session.h"
#include "support/scripted_presenter.h"
#include "support/temp_current_dir.h"
#include "support/widget_application.h"

namespace nastrum {

struct AppRig {
  QAction* action(const char* name) {
    return program.mainWindow().findChild<QAction*>(QString::fromLatin1(name));
  }

  QApplication& app = widgetApplication();
  TempCurrentDir dir;
  VirtualClock clock;
  ScriptedPresenter boxes;
  ScriptedFileDialogs files;
  std::function<std::unique_ptr<DeviceSession>()> makeLink = []() -> std::unique_ptr<DeviceSession> {
    ADD_FAILURE() << "unexpected device link";
    return nullptr;
  };
  NastrumApplication program{ApplicationParts{boxes, files, clock, [this] { return makeLink(); }}};
  Workspace& ws = program.workspace();
  Tbase_form& form = program.mainWindow();
};

}  // namespace nastrum
