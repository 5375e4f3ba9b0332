#include "app/editor_pages.h"

#include "editor/ui/page_host.h"

namespace nastrum {

// A page joins the program with one line here, such as
//   pages.add(EditorPage::Sensors, new SensorPage(workspace, messages));
// and its ui library in nastrum_shell's links (src/app/CMakeLists.txt).
// The host puts it into its tab and wires imageEdited(), showCurrent() and,
// where the page has it, fillKindChoices(kind).
void installEditorPages(PageHost& pages, Workspace& workspace, MessagePresenter& messages) {
  (void)pages;
  (void)workspace;
  (void)messages;
}

}  // namespace nastrum
