// The help of the program: "Справка по программе Наструм ОРВИК" and F1 open
// the page of the tab or modal window in front, "Содержание..." the
// contents; a missing help folder is reported with the folders searched;
// every link between the pages leads to a page that exists.
#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "app/help/help_desk.h"
#include "app/help/help_location.h"
#include "app/help/help_topics.h"
#include "app/help/help_window.h"
#include "app_rig.h"
#include "link/ui/exchange_window.h"

namespace nastrum {
namespace {

QString shownPage(AppRig& rig) {
  HelpWindow* window = rig.program.help().window();
  if (!window || !window->isVisible()) return {};
  return window->browser()->source().fileName();
}

void openNewImage(AppRig& rig, const char* modeAction) {
  rig.action("newAction")->trigger();
  rig.form.flows().ChooseNewKind(2);
  rig.form.flows().ConfirmNewKind();
  rig.form.refresh();
  rig.action(modeAction)->trigger();
}

TEST(HelpInApplication, OpensThePageOfTheTabShown) {
  AppRig rig;
  rig.action("helpAction")->trigger();
  EXPECT_EQ(shownPage(rig), kHelpMainWindowPage) << "without an image";

  openNewImage(rig, "nastroiki");
  struct Case {
    int editorTab;
    int pipelineTab;
    const char* page;
  };
  const Case cases[] = {
      {0, 0, "page_sensors.html"},   {1, 1, "page_pipelines.html"}, {2, 0, "page_archives.html"},
      {3, 0, "page_system.html"},    {4, 0, "page_regulators.html"}, {6, 0, "page_time.html"},
  };
  for (const Case& c : cases) {
    rig.form.editorPages()->setCurrentIndex(c.editorTab);
    rig.form.pipelinePages()->setCurrentIndex(c.pipelineTab);
    rig.action("helpAction")->trigger();
    EXPECT_EQ(shownPage(rig), QString::fromLatin1(c.page)) << "editor tab " << c.editorTab;
  }

  // F1 does the same from the keyboard; the contents item opens the contents.
  rig.form.editorPages()->setCurrentIndex(2);
  rig.program.help().window()->hide();
  QTest::keyClick(rig.form.editorPages(), Qt::Key_F1);
  EXPECT_EQ(shownPage(rig), QStringLiteral("page_archives.html"));
  rig.action("helpContentsAction")->trigger();
  EXPECT_EQ(shownPage(rig), kHelpContentsPage);

  rig.action("prosmotr")->trigger();
  rig.action("helpAction")->trigger();
  EXPECT_EQ(shownPage(rig), QStringLiteral("view_mode.html"));
  EXPECT_TRUE(rig.boxes.shown().empty());
}

TEST(HelpInApplication, F1InAModalWindowOpensItsPageAboveIt) {
  AppRig rig;
  ExchangeWindow& exchange = rig.program.exchangeWindow();
  QString page;
  QWidget* helpParent = nullptr;
  QTimer::singleShot(0, &exchange, [&] {
    QTest::keyClick(&exchange, Qt::Key_F1);
    page = shownPage(rig);
    helpParent = rig.program.help().window()->parentWidget();
    exchange.close();
  });
  rig.action("linkParamsAction")->trigger();
  EXPECT_EQ(page, QStringLiteral("exchange.html"));
  EXPECT_EQ(helpParent, &exchange) << "over a modal window the help must take input";

  rig.action("helpContentsAction")->trigger();
  EXPECT_EQ(shownPage(rig), kHelpContentsPage);
  EXPECT_EQ(rig.program.help().window()->parentWidget(), nullptr);
}

TEST(HelpInApplication, MissingHelpSaysWhereItWasLookedFor) {
  AppRig rig;
  const QString nowhere = QDir::current().filePath(QStringLiteral("no-help"));
  rig.boxes.acknowledgeOkBoxes();
  HelpDesk desk(rig.form, rig.boxes, {nowhere});
  desk.showContents();
  ASSERT_EQ(rig.boxes.shown().size(), 1u);
  EXPECT_TRUE(rig.boxes.shown()[0].text.contains(QDir::toNativeSeparators(nowhere)));
  EXPECT_EQ(desk.window(), nullptr);
}

TEST(HelpPages, EveryLinkAndEveryTopicLeadsToAPage) {
  const QString dir = findHelpDir(defaultHelpDirs());
  ASSERT_FALSE(dir.isEmpty());
  const QRegularExpression link(QStringLiteral(R"(href="([^"#:]+\.html))"));
  int pages = 0;
  for (QDirIterator it(dir, {QStringLiteral("*.html")}); it.hasNext();) {
    const QString path = it.next();
    ++pages;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("<title>"))) << path.toStdString();
    for (auto m = link.globalMatch(text); m.hasNext();) {
      const QString target = m.next().captured(1);
      EXPECT_TRUE(QFile::exists(QDir(dir).filePath(target))) << path.toStdString() << " -> " << target.toStdString();
    }
  }
  EXPECT_GT(pages, 10);
  for (const char* name : {"pageSensors", "pagePipelines", "pageArchives", "pageSystem", "pageRegulators",
                           "pageRegulatorsDesktop", "pageTime", "viewSensors", "TForm1", "logik", "TarForm", "networkWindow"}) {
    const QString page = helpPageForName(QString::fromLatin1(name));
    EXPECT_TRUE(QFile::exists(QDir(dir).filePath(page))) << name << " -> " << page.toStdString();
  }
}

}  // namespace
}  // namespace nastrum
