// The pages of the main window's tabs, one line each.
#pragma once

#include <functional>

#include "model/message_presenter.h"
#include "model/workspace.h"

namespace nastrum {

class PageHost;
class TimePageWidget;

// The pages other parts of the application talk to.
struct InstalledPages {
  TimePageWidget* time = nullptr;  // the device clock action reads and sets the clock through it
};

InstalledPages installEditorPages(PageHost& pages, Workspace& workspace, MessagePresenter& messages,
                                  const std::function<void()>& privilegedLogin);

}  // namespace nastrum
