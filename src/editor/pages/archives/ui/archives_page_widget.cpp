#include "editor/pages/archives/ui/archives_page_widget.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "editor/pages/archives/ui/archive_family_group.h"
#include "editor/pages/archives/ui/event_archive_group.h"
#include "widgets/page_parts.h"

namespace nastrum {

ArchivesPageWidget::ArchivesPageWidget(Workspace& workspace, MessagePresenter& presenter, QWidget* parent)
    : QWidget(parent), workspace_(workspace), page_(workspace, presenter) {
  setObjectName(QStringLiteral("archivesPage"));
  setWindowTitle(QStringLiteral("Архивы"));
  auto* content = scrolledContent(this);
  auto* grid = new QGridLayout(content);

  // Made in reading order, so the keyboard goes through them in that order.
  const ArchiveFamily order[] = {ArchiveFamily::Hourly, ArchiveFamily::Daily, ArchiveFamily::Monthly,
                                 ArchiveFamily::Interval};
  for (int i = 0; i < 4; ++i) {
    auto* group = new ArchiveFamilyGroup(page_, order[i], content);
    families_[static_cast<std::size_t>(i)] = group;
    grid->addWidget(group, i / 2, i % 2);
    connect(group, &ArchiveFamilyGroup::changed, this, &ArchivesPageWidget::afterChoice);
    connect(group, &ArchiveFamilyGroup::typed, this, &ArchivesPageWidget::afterTyping);
  }
  events_ = new EventArchiveGroup(page_, content);
  grid->addWidget(events_, 2, 0, 1, 2);
  grid->setRowStretch(3, 1);
  connect(events_, &EventArchiveGroup::changed, this, &ArchivesPageWidget::afterChoice);
  connect(events_, &EventArchiveGroup::typed, this, &ArchivesPageWidget::afterTyping);
  refreshGroups();
}

ArchivesPageWidget::~ArchivesPageWidget() = default;

void ArchivesPageWidget::showCurrent() {
  page_.syncShownFlags();
  refreshGroups();
  if (page_.takeChange()) emit imageEdited();
}

void ArchivesPageWidget::refreshGroups() {
  for (ArchiveFamilyGroup* group : families_) group->refresh();
  events_->refresh();
}

// A choice may change what other groups show (chains, slots, the paste
// buffers), so every group is shown again.
void ArchivesPageWidget::afterChoice() {
  refreshGroups();
  if (page_.takeChange()) emit imageEdited();
}

void ArchivesPageWidget::afterTyping() {
  if (page_.takeChange()) emit imageEdited();
}

}  // namespace nastrum
