// The "Регуляторы/Рабочий стол" tab of the large model: the regulators above
// and the desktop list below. The rules live in RegulatorPage and
// DesktopPage; this widget lays the two groups out, shows them and tells the
// main window when the image was edited.
#pragma once

#include <QWidget>

#include "editor/pages/desktop/desktop_page.h"
#include "editor/pages/desktop/regulator_page.h"

namespace nastrum {

class RegulatorGroup;
class DesktopEntryGroup;

class RegulatorsDesktopPageWidget : public QWidget {
  Q_OBJECT

 public:
  RegulatorsDesktopPageWidget(Workspace& workspace, MessagePresenter& presenter, QWidget* parent = nullptr);

  // Fills both groups for the regulator and the entry their boxes hold.
  // Never an edit.
  void showCurrent();
  // When setup opens: the regulator and the entry in the number boxes are
  // shown as if their numbers had been entered, which rewrites a law the
  // page cannot read, puts "Регуляторы" in step and closes a gap at the
  // entry (imageEdited follows any of these).
  void fillKindChoices(Word kind);

  // Before a write to the device: desktop entries 0..14 shown in turn,
  // closing gaps; the shown entry is shown again. True when anything moved
  // (imageEdited follows).
  bool stepDesktopForWrite();

  RegulatorPage& regulatorRules() { return regulators_; }
  DesktopPage& desktopRules() { return desktop_; }

 signals:
  void imageEdited();

 private:
  void afterChoice();
  void afterTyping();
  void reportChange();  // imageEdited when either part changed the image

  Workspace& workspace_;
  RegulatorPage regulators_;
  DesktopPage desktop_;
  RegulatorGroup* regulatorGroup_ = nullptr;
  DesktopEntryGroup* desktopGroup_ = nullptr;
};

}  // namespace nastrum
