// The pages of the main window's tabs, one line each.
#pragma once

#include "model/message_presenter.h"
#include "model/workspace.h"

namespace nastrum {

class PageHost;

void installEditorPages(PageHost& pages, Workspace& workspace, MessagePresenter& messages);

}  // namespace nastrum
