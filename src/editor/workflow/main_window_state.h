// What the main window shows beside the image: the mode (page set), the kind
// chooser of "Новый", the pages last shown and the caption.
#pragma once

#include <QString>

#include "model/settings_image.h"

namespace nastrum {

enum class PageSet {
  None,    // no mode chosen: both page sets hidden
  Editor,  // "Настройка"
  View,    // "Просмотр"
};

// Tabs of the editor page set, in tab order.
enum class EditorPage { Sensors, Pipelines, Archives, System, Regulators, RegulatorsDesktop, Time };
// Inner tabs of the editor's pipeline page.
enum class PipelinePage { Description, ConnectedSensors };
// Tabs of the view page set, in tab order.
enum class ViewPage { Sensors, Pipelines, Archives, System, Regulators };

struct MainWindowState {
  PageSet pages = PageSet::None;
  bool choosingKind = false;  // the group "Укажите тип создаваемого файла или откажитесь" is shown
  Word kindChoice = 2;        // the radio button selected in that group
  EditorPage editorPage = EditorPage::Sensors;
  PipelinePage pipelinePage = PipelinePage::Description;
  ViewPage viewPage = ViewPage::Sensors;
  QString title;  // the caption, set by the file operations
  bool saveOffered = false;  // "Сохранить" enabled without changes (an image just read from a device)
};

// The view page that matches an editor page, and back (the regulator page of
// the kind for "Регуляторы").
ViewPage viewPageFor(EditorPage page);
EditorPage editorPageFor(ViewPage page, Word kind);

}  // namespace nastrum
