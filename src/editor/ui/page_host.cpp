#include "editor/ui/page_host.h"

#include <QTabWidget>

namespace nastrum {

PageHost::PageHost(Tbase_form& mainWindow) : main_(mainWindow) {
  connections_.push_back(QObject::connect(&main_, &Tbase_form::editorPagesShowWanted, &main_, [this] { showEditorPages(); }));
  connections_.push_back(QObject::connect(&main_, &Tbase_form::kindChoicesWanted, &main_, [this](Word kind) { fillKindChoices(kind); }));
  connections_.push_back(QObject::connect(&main_, &Tbase_form::viewPagesShowWanted, &main_, [this] { showViewPages(); }));
  for (QTabWidget* tabs : {main_.editorPages(), main_.pipelinePages(), main_.viewPages()})
    connections_.push_back(QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [this] { showChosenTab(); }));
  // An undo or redo put another image in place: every page shows it.
  connections_.push_back(QObject::connect(&main_.flows().document(), &SettingsDocument::restored, &main_, [this] {
    showEditorPages();
    showViewPages();
  }));
}

void PageHost::showChosenTab() const {
  for (const Hosted& hosted : hosted_)
    if (hosted.page && hosted.page->isVisibleTo(&main_)) hosted.show();
}

PageHost::~PageHost() {
  for (const QMetaObject::Connection& connection : connections_) QObject::disconnect(connection);
}

}  // namespace nastrum
