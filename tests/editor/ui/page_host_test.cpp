// Pages installed into the main window's tabs and wired to its flows.
#include <QAction>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>

#include <gtest/gtest.h>

#include "editor/ui/base_form.h"
#include "editor/ui/page_host.h"
#include "editor/ui/scripted_file_dialogs.h"
#include "support/scripted_presenter.h"
#include "support/temp_current_dir.h"
#include "support/widget_application.h"

namespace nastrum {
namespace {

// A page as the page areas write them: it fills itself on showCurrent() and
// tells about the user's edits by imageEdited().
class DummyPage : public QWidget {
  Q_OBJECT
 public:
  int shown = 0;
  void showCurrent() { ++shown; }
  void edit() { emit imageEdited(); }
 signals:
  void imageEdited();
};

// A page whose choices depend on the device kind.
class KindPage : public DummyPage {
  Q_OBJECT
 public:
  std::vector<Word> kinds;
  void fillKindChoices(Word kind) { kinds.push_back(kind); }
};

class PageHostTest : public ::testing::Test {
 protected:
  QAction* action(const char* name) { return form.findChild<QAction*>(QString::fromLatin1(name)); }
  QTabWidget* tabs(const char* name) { return form.findChild<QTabWidget*>(QString::fromLatin1(name)); }

  void newImage(Word kind) {
    action("newAction")->trigger();
    const char* radios[] = {"radioMinimal", "radioExpandable", "radioLarge"};
    form.findChild<QRadioButton*>(QString::fromLatin1(radios[kind - 1]))->click();
    form.findChild<QPushButton*>(QStringLiteral("typeOk"))->click();
  }

  QApplication& app = widgetApplication();
  TempCurrentDir dir;
  Workspace ws;
  ScriptedPresenter boxes;
  ScriptedFileDialogs files;
  Tbase_form form{ws, boxes, files};
  PageHost pages{form};
};

TEST_F(PageHostTest, EveryTabTakesItsPageInsideItsNamedPlaceholder) {
  struct Place {
    const char* tabs;
    int index;
    const char* placeholder;
    const char* caption;
  };
  const Place places[] = {
      {"editorPages", 0, "pageSensors", "Датчики"},
      {"pipelinePages", 0, "pagePipelineDescription", "Описание трубопровода"},
      {"pipelinePages", 1, "pagePipelineSensors", "Подключенные датчики"},
      {"editorPages", 2, "pageArchives", "Архивы"},
      {"editorPages", 3, "pageSystem", "Системные параметры"},
      {"editorPages", 4, "pageRegulators", "Регуляторы"},
      {"editorPages", 5, "pageRegulatorsDesktop", "Регуляторы/Рабочий стол"},
      {"editorPages", 6, "pageTime", "Время"},
      {"viewPages", 0, "viewSensors", "Датчики"},
      {"viewPages", 1, "viewPipelines", "Трубопроводы"},
      {"viewPages", 2, "viewArchives", "Архивы"},
      {"viewPages", 3, "viewSystem", "Системные параметры"},
      {"viewPages", 4, "viewRegulators", "Регуляторы"},
  };
  std::vector<DummyPage*> installed;
  for (int i : {0, 2, 3, 4, 5, 6}) installed.push_back(pages.add(static_cast<EditorPage>(i), new DummyPage));
  installed.insert(installed.begin() + 1, pages.add(PipelinePage::Description, new DummyPage));
  installed.insert(installed.begin() + 2, pages.add(PipelinePage::ConnectedSensors, new DummyPage));
  for (int i = 0; i < 5; ++i) installed.push_back(pages.add(static_cast<ViewPage>(i), new DummyPage));

  ASSERT_EQ(installed.size(), std::size(places));
  for (std::size_t i = 0; i < installed.size(); ++i) {
    const Place& place = places[i];
    QWidget* placeholder = tabs(place.tabs)->widget(place.index);
    EXPECT_EQ(placeholder->objectName(), QString::fromLatin1(place.placeholder));
    EXPECT_EQ(tabs(place.tabs)->tabText(place.index), QString::fromUtf8(place.caption));
    // An editor page scrolls as a whole inside its placeholder; a view page sits in it as it is.
    EXPECT_TRUE(placeholder->isAncestorOf(installed[i])) << place.placeholder;
    const bool scrolled = qobject_cast<QScrollArea*>(installed[i]->parentWidget()->parentWidget()) != nullptr;
    EXPECT_EQ(scrolled, QString::fromLatin1(place.tabs) != QStringLiteral("viewPages")) << place.placeholder;
  }
  EXPECT_EQ(tabs("editorPages")->count(), 7);
  EXPECT_EQ(tabs("editorPages")->widget(1)->findChild<QTabWidget*>(), tabs("pipelinePages"))
      << "the pipeline tab still holds its two inner tabs";
}

TEST_F(PageHostTest, ALaterPageReplacesTheEarlierOne) {
  QPointer<DummyPage> first = pages.add(EditorPage::Archives, new DummyPage);
  DummyPage* second = pages.add(EditorPage::Archives, new DummyPage);
  EXPECT_TRUE(first.isNull());
  EXPECT_TRUE(tabs("editorPages")->widget(static_cast<int>(EditorPage::Archives))->isAncestorOf(second));

  newImage(2);
  action("nastroiki")->trigger();
  EXPECT_EQ(second->shown, 2) << "the new image and the setup mode fill the surviving page only";
}

TEST_F(PageHostTest, AnEditOffersSavingAndTheModesFillThePages) {
  KindPage* sensors = pages.add(EditorPage::Sensors, new KindPage);
  DummyPage* description = pages.add(PipelinePage::Description, new DummyPage);
  DummyPage* view = pages.add(ViewPage::Sensors, new DummyPage);

  newImage(3);
  EXPECT_EQ(sensors->kinds, std::vector<Word>{3}) << "a new image prepares the pages for its kind";
  const int shownAfterNew = sensors->shown;
  EXPECT_EQ(description->shown, shownAfterNew);
  EXPECT_FALSE(action("saveAction")->isEnabled());

  action("nastroiki")->trigger();
  EXPECT_EQ(sensors->shown, shownAfterNew + 1);
  EXPECT_EQ(description->shown, shownAfterNew + 1);
  EXPECT_EQ(sensors->kinds, (std::vector<Word>{3, 3}));
  EXPECT_EQ(view->shown, 0);

  sensors->edit();
  EXPECT_TRUE(ws.file.isModified());
  EXPECT_TRUE(action("saveAction")->isEnabled());
  EXPECT_TRUE(form.findChild<QToolButton*>(QStringLiteral("save_b"))->isEnabled());

  action("prosmotr")->trigger();
  EXPECT_EQ(view->shown, 1);
  EXPECT_EQ(sensors->shown, shownAfterNew + 1) << "the view mode leaves the editor pages alone";
}

TEST_F(PageHostTest, AChosenTabShowsItsPageFromTheImageAsItIsNow) {
  DummyPage* sensors = pages.add(EditorPage::Sensors, new DummyPage);
  DummyPage* description = pages.add(PipelinePage::Description, new DummyPage);
  DummyPage* connected = pages.add(PipelinePage::ConnectedSensors, new DummyPage);
  newImage(2);
  action("nastroiki")->trigger();
  const int sensorsShown = sensors->shown, descriptionShown = description->shown, connectedShown = connected->shown;

  tabs("editorPages")->setCurrentIndex(static_cast<int>(EditorPage::Pipelines));
  EXPECT_EQ(description->shown, descriptionShown + 1) << "the pipeline tab opens on its description";
  EXPECT_EQ(connected->shown, connectedShown) << "a sub-page out of sight waits for its own tab";
  EXPECT_EQ(sensors->shown, sensorsShown);

  tabs("pipelinePages")->setCurrentIndex(static_cast<int>(PipelinePage::ConnectedSensors));
  EXPECT_EQ(connected->shown, connectedShown + 1);
}

}  // namespace
}  // namespace nastrum

#include "page_host_test.moc"
