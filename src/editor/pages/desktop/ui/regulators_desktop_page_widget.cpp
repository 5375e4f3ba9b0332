#include "editor/pages/desktop/ui/regulators_desktop_page_widget.h"

#include <QVBoxLayout>

#include "editor/pages/desktop/ui/desktop_entry_group.h"
#include "editor/pages/desktop/ui/regulator_group.h"
#include "widgets/page_parts.h"
#include "model/real_text.h"

namespace nastrum {

RegulatorsDesktopPageWidget::RegulatorsDesktopPageWidget(Workspace& workspace, MessagePresenter& presenter,
                                                         QWidget* parent)
    : QWidget(parent),
      workspace_(workspace),
      regulators_(workspace, presenter, systemDecimalSeparator()),
      desktop_(workspace, presenter) {
  setObjectName(QStringLiteral("regulatorsDesktopPage"));
  setWindowTitle(QStringLiteral("Регуляторы/Рабочий стол"));
  auto* content = scrolledContent(this);
  auto* layout = new QVBoxLayout(content);

  regulatorGroup_ = new RegulatorGroup(regulators_, content);
  desktopGroup_ = new DesktopEntryGroup(desktop_, content);
  layout->addWidget(regulatorGroup_);
  layout->addWidget(desktopGroup_);
  layout->addStretch();
  connect(regulatorGroup_, &RegulatorGroup::changed, this, &RegulatorsDesktopPageWidget::afterChoice);
  connect(regulatorGroup_, &RegulatorGroup::typed, this, &RegulatorsDesktopPageWidget::afterTyping);
  connect(desktopGroup_, &DesktopEntryGroup::changed, this, &RegulatorsDesktopPageWidget::afterChoice);
  connect(desktopGroup_, &DesktopEntryGroup::typed, this, &RegulatorsDesktopPageWidget::afterTyping);
  showCurrent();
}

void RegulatorsDesktopPageWidget::showCurrent() {
  regulatorGroup_->refresh();
  desktopGroup_->refresh();
}

bool RegulatorsDesktopPageWidget::stepDesktopForWrite() {
  const bool moved = desktop_.stepForWrite();
  showCurrent();
  reportChange();
  return moved;
}

void RegulatorsDesktopPageWidget::fillKindChoices(Word /*kind*/) {
  regulators_.select(regulators_.current().value_or(0));
  desktop_.select(desktop_.current().value_or(0));
  afterChoice();
}

void RegulatorsDesktopPageWidget::afterChoice() {
  showCurrent();
  reportChange();
}

void RegulatorsDesktopPageWidget::afterTyping() { reportChange(); }

void RegulatorsDesktopPageWidget::reportChange() {
  // Both are asked: each forgets what it reported.
  const bool regulatorChanged = regulators_.takeChange();
  const bool desktopChanged = desktop_.takeChange();
  if (regulatorChanged || desktopChanged) emit imageEdited();
}

}  // namespace nastrum
