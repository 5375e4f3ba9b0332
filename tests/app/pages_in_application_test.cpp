// A page added to the program's own page host is wired like every page: an
// edit offers "Сохранить", the setup mode fills it for the image's kind.
#include <QTabWidget>
#include <QToolButton>

#include "app_rig.h"
#include "descriptors/archive_words.h"
#include "descriptors/name_rule.h"
#include "editor/pages/archives/ui/archives_page_widget.h"
#include "editor/pages/pipelines/ui/field_edits.h"
#include "editor/pages/sensors/ui/sensor_page_widget.h"
#include "editor/pages/time/ui/time_page_widget.h"
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
  EXPECT_TRUE(rig.ws.file.isModified());
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
    EXPECT_FALSE(rig.ws.file.isModified()) << "showing the pages is no edit, kind " << kind;
  }
  EXPECT_TRUE(rig.boxes.shown().empty());
}

void openNewImage(AppRig& rig, Word kind) {
  rig.action("newAction")->trigger();
  rig.form.flows().ChooseNewKind(kind);
  rig.form.flows().ConfirmNewKind();
  rig.form.refresh();
}

// What a page keeps beside the image goes with an emptied image (a new one,
// with or without closing the old first): the archive page's names copy and
// the time page's device time.
TEST(PagesInApplication, AnEmptiedImageTakesThePagesOwnCopiesWithIt) {
  for (const bool closeFirst : {false, true}) {
    AppRig rig;
    openNewImage(rig, 1);
    auto* archives = rig.form.findChild<ArchivesPageWidget*>();
    auto* time = rig.form.findChild<TimePageWidget*>();
    ASSERT_TRUE(archives && time);
    storeName(archiveName(rig.ws.image, ArchiveFamily::Daily, 0), QStringLiteral("T1"));
    archives->rules().copyNames(ArchiveFamily::Daily);
    time->page().setDeviceTime(QTime(9, 5, 12));
    ASSERT_TRUE(archives->rules().canPasteNames(ArchiveFamily::Daily));

    if (closeFirst) rig.form.flows().CloseImage();
    openNewImage(rig, 1);
    EXPECT_FALSE(archives->rules().canPasteNames(ArchiveFamily::Daily)) << closeFirst;
    EXPECT_LT(time->page().deviceSeconds(), 60) << "started over at 0:00:01 (its timer may tick), " << closeFirst;
  }
}

Word functionBits(const AppRig& rig) { return rig.ws.image.sys(sys::SpecialFunctions); }

// Opening setup shows the object of every number box as a number entered
// would: the flags of "Дополнительные функции:" follow the generators,
// regulators, interval archives and events, a regulator law the page cannot
// read becomes "Прямой", a desktop gap at the shown entry closes. That is an
// edit, so "Сохранить" is offered.
TEST(PagesInApplication, OpeningSetupShowsEveryBoxsObject) {
  AppRig rig;
  openNewImage(rig, 3);
  SettingsImage& image = rig.ws.image;
  image.currentGenerators[2].lawDescriptor = 0x0100;
  image.logicLaw[0] = 0x0512;
  storeName(image.names.desktopNames[1], QStringLiteral("N1"));
  image.names.desktopParams[1] = 0x0811;
  setArchiveWords(image, ArchiveFamily::Interval, 3, {0x0140, 0, 0});
  image.eventType[1] = 0x0100;
  ASSERT_EQ(functionBits(rig), 0);
  ASSERT_FALSE(rig.ws.file.isModified());

  rig.action("nastroiki")->trigger();
  ASSERT_EQ(rig.form.flows().state().pages, PageSet::Editor);
  EXPECT_EQ(functionBits(rig), (1 << 13) | (1 << 12) | (1 << 9) | (1 << 8));
  EXPECT_EQ(image.logicLaw[0], 0x0112);
  EXPECT_EQ(nameText(image.names.desktopNames[0]), QStringLiteral("N1"));
  EXPECT_EQ(image.names.desktopParams[0], 0x0811);
  EXPECT_TRUE(rig.ws.file.isModified());
  EXPECT_TRUE(rig.action("saveAction")->isEnabled());

  // Everything gone: the next opening clears the four flags.
  image.currentGenerators[2].lawDescriptor = 0;
  image.logicLaw[0] = 0;
  setArchiveWords(image, ArchiveFamily::Interval, 3, {0, 0, 0});
  image.eventType[1] = 0;
  rig.action("nastroiki")->trigger();
  EXPECT_EQ(functionBits(rig), 0);
  EXPECT_TRUE(rig.boxes.shown().empty());
}

// Switching off the pipeline whose flow the only interval archive records
// empties that archive; "Расш. архив интервалов" follows at once, before the
// archive tab is ever chosen again.
TEST(PagesInApplication, APipelineSwitchedOffTakesTheIntervalFlagWithItsArchive) {
  AppRig rig;
  openNewImage(rig, 2);
  rig.ws.image.pipelines[0].mainDescriptor = 0x1000;
  setArchiveWords(rig.ws.image, ArchiveFamily::Interval, 0, {0x0200, 0, 0});
  rig.action("nastroiki")->trigger();
  ASSERT_EQ(functionBits(rig), 1 << 8);

  rig.form.editorPages()->setCurrentIndex(static_cast<int>(EditorPage::Pipelines));
  auto* medium = rig.form.findChild<PipelineChoiceBox*>(QStringLiteral("pipeMedium"));
  ASSERT_NE(medium, nullptr);
  rig.boxes.then(AnswerYes);
  medium->choose(QStringLiteral("трубопровод отключен"));
  ASSERT_EQ(archiveWords(rig.ws.image, ArchiveFamily::Interval, 0).desc, 0);
  EXPECT_EQ(functionBits(rig), 0);
  EXPECT_TRUE(rig.boxes.allAnswered());
}

}  // namespace
}  // namespace nastrum

#include "pages_in_application_test.moc"
