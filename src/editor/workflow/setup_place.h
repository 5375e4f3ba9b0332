// A place in the setup mode: the tab, the object shown on it and the control
// that edits a field. Windows that list fields (the comparison, the errors)
// hand one to the main window, which opens the page there
// (Tbase_form::showSetupAt).
#pragma once

#include <QString>

#include "editor/workflow/main_window_state.h"

namespace nastrum {

struct SetupPlace {
  EditorPage page = EditorPage::Sensors;
  PipelinePage pipelinePage = PipelinePage::Description;  // with EditorPage::Pipelines
  // The objectName of the page's object-number box, and the object it is to
  // show (numbered from 0 as the box shows it); empty for a page of one object.
  QString numberBox;
  int object = -1;
  // The objectName of the control to focus; empty leaves the focus on the
  // number box.
  QString control;

  bool operator==(const SetupPlace&) const = default;
};

}  // namespace nastrum
