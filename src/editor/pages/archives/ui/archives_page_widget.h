// The "Архивы" tab of the settings editor: the hourly, daily, monthly and
// interval groups and the event group, each showing one archive at a time.
// The rules live in ArchivePage; this widget lays the groups out, refreshes
// them and tells the main window when the image was edited.
#pragma once

#include <QWidget>

#include "editor/pages/archives/archive_page.h"

namespace nastrum {

class ArchiveFamilyGroup;
class EventArchiveGroup;

class ArchivesPageWidget : public QWidget {
  Q_OBJECT

 public:
  ArchivesPageWidget(Workspace& workspace, MessagePresenter& presenter, QWidget* parent = nullptr);
  ~ArchivesPageWidget() override;

  // Fills every group from the image for the archive its box holds; shows the
  // interval and event groups only for the kinds that have them. Showing an
  // interval archive or an event puts the system page's flags for them in
  // step with the archives: the one edit a showing makes (imageEdited follows).
  void showCurrent();

  ArchivePage& rules() { return page_; }

 signals:
  void imageEdited();

 private:
  // Fills every group from the image as it is; writes nothing.
  void refreshGroups();
  void afterChoice();
  void afterTyping();

  Workspace& workspace_;
  ArchivePage page_;
  std::array<ArchiveFamilyGroup*, 4> families_{};
  EventArchiveGroup* events_ = nullptr;
};

}  // namespace nastrum
