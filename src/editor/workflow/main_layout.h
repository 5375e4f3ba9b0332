// Which parts of the main window are shown and enabled, as plain data computed
// from the state; the window only copies these flags onto its controls.
#pragma once

#include <array>

#include "editor/workflow/main_window_state.h"
#include "model/kind_profile.h"
#include "model/workspace.h"

namespace nastrum {


struct MainLayout {
  // Menus and tool bar.
  bool fileMenuVisible = true;
  bool helpMenuVisible = true;
  bool toolBarVisible = true;
  bool paramsMenuVisible = false;  // "Параметры"
  bool mapsMenuVisible = false;    // "Карты программирования"

  // "Файл" items and their buttons.
  bool saveVisible = true;    // "Сохранить" (hidden while the kind is chosen)
  bool saveEnabled = false;   // "Сохранить", save_b
  bool saveAsEnabled = false; // "Сохранить как ..."
  bool closeEnabled = false;  // "Закрыть файл" (the item itself is always hidden)
  bool readEnabled = true;    // "Чтение с ОРВИК", read_b
  bool writeEnabled = false;  // "Запись в ОРВИК", zapis_b

  // tool_b, prosmotr_b, logik_b.
  bool modeButtonsVisible = false;
  bool setupEnabled = false;  // "Настройка", tool_b

  // The kind chooser of "Новый".
  bool kindGroupVisible = false;

  // Page sets (at most one is visible) and the tabs that exist for the kind.
  bool editorPagesVisible = false;
  bool viewPagesVisible = false;
  bool regulatorPageVisible = false;         // editor "Регуляторы", kind 2
  bool regulatorDesktopPageVisible = false;  // editor "Регуляторы/Рабочий стол", kind 3
  bool viewRegulatorPageVisible = false;     // view "Регуляторы", kinds 2 and 3

  // "Карты программирования" items 1..11 (index 0 is item 1).
  std::array<bool, kMapCount> mapItemVisible{};

  bool diagnosticsVisible = false;  // the hidden diagnostic fields, shown in spy mode
};

MainLayout computeMainLayout(const Workspace& workspace, const MainWindowState& state);

}  // namespace nastrum
