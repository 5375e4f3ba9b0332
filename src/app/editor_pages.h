// The pages of the main window's tabs, one line each, and the few signals
// that pass between them.
#pragma once

#include "model/message_presenter.h"
#include "model/workspace.h"

namespace nastrum {

class PageHost;
class Tbase_form;

void installEditorPages(PageHost& pages, Tbase_form& mainWindow, Workspace& workspace, MessagePresenter& messages);

}  // namespace nastrum
