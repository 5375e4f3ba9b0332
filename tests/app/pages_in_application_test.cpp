// A page added to the program's own page host is wired like every page: an
// edit offers "Сохранить", the setup mode fills it for the image's kind.
#include <QToolButton>

#include "app_rig.h"
#include "editor/pages/archives/ui/archives_page_widget.h"
#include "editor/pages/sensors/ui/sensor_page_widget.h"
#include "editor/ui/page_host.h"
#include "editor/workflow/settings_document.h"

namespace nastrum {
namespace {

class DummyPage : public QWidget {
  Q_OBJECT
 public:
  int shown = 0;
  std::vector<Word> kinds;
  void showCurrent() { ++shown; }
  void fillKindChoices(Word kind) { kinds.push_back(kind); }
  void edit() { emit imageEdited(); }
 signals:
  void imageEdited();
};

// Whether the named tab placeholder holds a page of that class.
template <typename Page>
bool holds(QWidget& window, const char* placeholder) {
  auto* tab = window.findChild<QWidget*>(QString::fromLatin1(placeholder));
  return tab && tab->findChild<Page*>() != nullptr;
}

TEST(PagesInApplication, AnAddedPageIsShownFilledAndOffersSaving) {
  AppRig rig;
  DummyPage* page = rig.program.pages().add(PipelinePage::ConnectedSensors, new DummyPage);
  std::vector<bool> modified;
  QObject::connect(&rig.program.document(), &SettingsDocument::modifiedChanged,
                   [&modified](bool on) { modified.push_back(on); });

  rig.action("newAction")->trigger();
  rig.form.flows().ChooseNewKind(1);
  rig.form.flows().ConfirmNewKind();
  rig.form.refresh();
  rig.action("nastroiki")->trigger();
  ASSERT_EQ(rig.form.flows().state().pages, PageSet::Editor);
  EXPECT_GE(page->shown, 1);
  ASSERT_FALSE(page->kinds.empty());
  EXPECT_EQ(page->kinds.back(), 1);
  EXPECT_FALSE(rig.action("saveAction")->isEnabled());

  page->edit();
  EXPECT_TRUE(rig.ws.editor.modified);
  EXPECT_EQ(modified, std::vector<bool>{true});
  EXPECT_TRUE(rig.action("saveAction")->isEnabled());
  EXPECT_TRUE(rig.form.findChild<QToolButton*>(QStringLiteral("save_b"))->isEnabled());
  EXPECT_TRUE(rig.boxes.shown().empty());
}

TEST(PagesInApplication, TheProgramsPagesSitInTheirTabsAndOpenOnEveryKind) {
  AppRig rig;
  EXPECT_TRUE(holds<SensorPageWidget>(rig.form, "pageSensors"));
  EXPECT_TRUE(holds<ArchivesPageWidget>(rig.form, "pageArchives"));

  for (const Word kind : {1, 2, 3}) {
    rig.action("newAction")->trigger();
    rig.form.flows().ChooseNewKind(kind);
    rig.form.flows().ConfirmNewKind();
    rig.form.refresh();
    rig.action("nastroiki")->trigger();
    EXPECT_EQ(rig.form.flows().state().pages, PageSet::Editor) << kind;
    EXPECT_FALSE(rig.ws.editor.modified) << "showing the pages is no edit, kind " << kind;
  }
  EXPECT_TRUE(rig.boxes.shown().empty());
}

}  // namespace
}  // namespace nastrum

#include "pages_in_application_test.moc"
