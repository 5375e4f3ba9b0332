#include "app/editor_pages.h"

#include <QLineEdit>

#include "editor/pages/archives/ui/archives_page_widget.h"
#include "editor/pages/pipelines/ui/pipeline_description_page.h"
#include "editor/pages/pipelines/ui/pipeline_sensors_page.h"
#include "editor/pages/sensors/ui/sensor_page_widget.h"
#include "editor/ui/base_form.h"
#include "editor/ui/page_host.h"

namespace nastrum {

// A page joins the program with one line here and its ui library in
// nastrum_shell's links (src/app/CMakeLists.txt). The host puts it into its
// tab and wires imageEdited(), showCurrent() and, where the page has it,
// fillKindChoices(kind).
void installEditorPages(PageHost& pages, Tbase_form& mainWindow, Workspace& workspace, MessagePresenter& messages) {
  auto* sensors = pages.add(EditorPage::Sensors, new SensorPageWidget(workspace, messages));
  // Both pipeline sub-pages share one current pipeline and one copy buffer.
  auto* description = pages.add(PipelinePage::Description, new PipelineDescriptionPage(workspace, messages));
  pages.add(PipelinePage::ConnectedSensors, new PipelineSensorsPage(*description));
  pages.add(EditorPage::Archives, new ArchivesPageWidget(workspace, messages));

  // What the sensor page last wrote, for the diagnostic mode.
  QObject::connect(sensors, &SensorPageWidget::written, mainWindow.diagnosticField1(), &QLineEdit::setText);
}

}  // namespace nastrum
