// The pages of the main window's tabs, one line each, and the few signals
// that pass between them.
#pragma once


#include "model/message_presenter.h"
#include "model/workspace.h"

namespace nastrum {

class PageHost;
class Tbase_form;
class TimePageWidget;

// The pages other parts of the application talk to.
struct InstalledPages {
  TimePageWidget* time = nullptr;  // the device clock action reads and sets the clock through it
};

InstalledPages installEditorPages(PageHost& pages, Tbase_form& mainWindow, Workspace& workspace,
                                  MessagePresenter& messages);

}  // namespace nastrum
