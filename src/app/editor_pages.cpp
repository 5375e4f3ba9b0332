#include "app/editor_pages.h"

#include <QLineEdit>

#include "editor/pages/archives/ui/archives_page_widget.h"
#include "editor/pages/desktop/ui/regulators_desktop_page_widget.h"
#include "editor/pages/pipelines/ui/pipeline_description_page.h"
#include "editor/pages/pipelines/ui/pipeline_sensors_page.h"
#include "editor/pages/regulators/ui/regulators_page_widget.h"
#include "editor/pages/sensors/ui/sensor_page_widget.h"
#include "editor/pages/system/ui/system_page_widget.h"
#include "editor/pages/time/ui/time_page_widget.h"
#include "editor/pages/view/ui/view_page_widget.h"
#include "editor/ui/base_form.h"
#include "editor/ui/page_host.h"
#include "editor/workflow/settings_document.h"
#include "model/real_text.h"

namespace nastrum {

// A page joins the program with one line here and its ui library in
// nastrum_shell's links (src/app/CMakeLists.txt). The host puts it into its
// tab and wires imageEdited(), showCurrent() and, where the page has it,
// fillKindChoices(kind).
InstalledPages installEditorPages(PageHost& pages, Tbase_form& mainWindow, Workspace& workspace,
                                  MessagePresenter& messages) {
  auto* sensors = pages.add(EditorPage::Sensors, new SensorPageWidget(workspace, messages));
  // Both pipeline sub-pages share one current pipeline and one copy buffer.
  auto* description = pages.add(PipelinePage::Description, new PipelineDescriptionPage(workspace, messages));
  pages.add(PipelinePage::ConnectedSensors, new PipelineSensorsPage(*description));
  auto* archives = pages.add(EditorPage::Archives, new ArchivesPageWidget(workspace, messages));
  // Deleting a sensor or switching a pipeline off may empty archives: the
  // archive page shows them again, so its system flags follow at once, not
  // only once its tab is chosen.
  QObject::connect(sensors, &SensorPageWidget::imageEdited, archives, &ArchivesPageWidget::showCurrent);
  QObject::connect(description, &PipelineDescriptionPage::imageEdited, archives, &ArchivesPageWidget::showCurrent);

  // What the sensor page last wrote, for the diagnostic mode.
  QObject::connect(sensors, &SensorPageWidget::written, mainWindow.diagnosticField1(), &QLineEdit::setText);

  pages.add(EditorPage::System, new SystemPageWidget(workspace, messages, systemDecimalSeparator()));
  pages.add(EditorPage::Regulators, new RegulatorsPageWidget(workspace, messages));
  pages.add(EditorPage::RegulatorsDesktop, new RegulatorsDesktopPageWidget(workspace, messages));
  InstalledPages installed;
  installed.time = pages.add(EditorPage::Time, new TimePageWidget(workspace, messages));

  // An emptied image takes the names copy and the device time to set along.
  SettingsDocument& document = mainWindow.flows().document();
  QObject::connect(&document, &SettingsDocument::freshImage, archives, [archives] { archives->rules().forgetNames(); });
  QObject::connect(&document, &SettingsDocument::freshImage, installed.time,
                   [time = installed.time] { time->page().forgetDeviceTime(); });

  // "Просмотр": one table page per family; an edit asks the main window's password first.
  const std::pair<ViewPage, ViewSheet> views[] = {{ViewPage::Sensors, ViewSheet::Sensors},
                                                   {ViewPage::Pipelines, ViewSheet::Pipelines},
                                                   {ViewPage::Archives, ViewSheet::Archives},
                                                   {ViewPage::System, ViewSheet::System},
                                                   {ViewPage::Regulators, ViewSheet::Regulators}};
  const auto login = [&mainWindow] { mainWindow.PrivilegedLogin(); };
  for (const auto& [tab, sheet] : views) pages.add(tab, new ViewPageWidget(sheet, workspace, messages))->setLoginRequest(login);
  return installed;
}

}  // namespace nastrum
