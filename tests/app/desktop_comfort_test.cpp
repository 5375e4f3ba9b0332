// What makes the program pleasant to come back to: the first window large
// enough for the pages, what the user chose kept between starts (in a
// settings file of the test's own, never the user's), recent files, the
// shortcuts, the status bar, and "Выход" ending every window.
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QShortcut>
#include <QTabWidget>
#include <QTemporaryDir>

#include "app/first_placement.h"
#include "app/help/help_desk.h"
#include "app/help/help_window.h"
#include "app_rig.h"
#include "check/check_test_image.h"
#include "check/ui/check_windows.h"
#include "check/ui/error_window.h"
#include "link/ui/exchange_window.h"
#include "model/settings_files.h"

namespace nastrum::testing {
namespace {

TEST(FirstPlacement, FitsCentredOrMaximised) {
  struct Case {
    QSize wanted;
    QRect available;
    bool maximised;
  };
  const Case cases[] = {
      {{1000, 700}, {0, 0, 1280, 770}, false},   // a 1280×800 screen with a panel
      {{1000, 700}, {0, 30, 1280, 770}, false},  // the panel on top
      {{1264, 730}, {0, 0, 1280, 770}, false},   // just fits with its frame
      {{1265, 700}, {0, 0, 1280, 770}, true},
      {{1000, 731}, {0, 0, 1280, 770}, true},
      {{1000, 690}, {0, 0, 1024, 738}, false},
      {{1100, 900}, {0, 0, 1024, 738}, true},    // a smaller screen
  };
  for (const Case& c : cases) {
    const FirstPlacement p = firstPlacement(c.wanted, c.available);
    EXPECT_EQ(p.maximised, c.maximised) << c.wanted.width() << "x" << c.wanted.height();
    if (p.maximised) {
      EXPECT_EQ(p.geometry, c.available);
      continue;
    }
    EXPECT_EQ(p.geometry.size(), c.wanted);
    EXPECT_EQ(p.geometry.center(), c.available.center());
    EXPECT_TRUE(c.available.contains(p.geometry));
  }
}

// A plant file open in "Настройка", the error window out of the way.
void openPlant(AppRig& rig) {
  ASSERT_TRUE(writeSettingsPair(rig.dir.path(QStringLiteral("plant.bfm")), meteredImage(3)).settingsWritten);
  rig.boxes.then(AnswerOk);  // "Итог проверки"
  rig.program.openAtStart(rig.dir.path(QStringLiteral("plant.bfm")));
  rig.program.checkWindows().errorWindow().close();
  rig.action("nastroiki")->trigger();
}

// Two application objects on one settings file, as two starts of the program.
struct Start {
  explicit Start(QSettings& settings)
      : program(ApplicationParts{boxes, files, clock, [] { return std::unique_ptr<DeviceSession>(); }, &settings}) {}
  QApplication& app = widgetApplication();
  VirtualClock clock;
  ScriptedPresenter boxes;
  ScriptedFileDialogs files;
  NastrumApplication program;
};

class RememberedTest : public ::testing::Test {
 protected:
  TempCurrentDir dir;
  QTemporaryDir store;
  QSettings settings{store.filePath(QStringLiteral("nastrum.ini")), QSettings::IniFormat};
};

TEST_F(RememberedTest, TheFirstStartTakesTheUsualLinkSettings) {
  Start first(settings);
  const ExchangeSettings& s = first.program.exchangeWindow().settings();
  const ExchangeSettings usual;
  EXPECT_EQ(s.portItem, usual.portItem);
  EXPECT_EQ(s.baudIndex, usual.baudIndex);
  EXPECT_EQ(s.lineKind, usual.lineKind);
  EXPECT_EQ(s.attempts, usual.attempts);
}

TEST_F(RememberedTest, WindowPlaceTabAndLinkSettingsSurviveARestart) {
  {
    Start first(settings);
    first.program.show();
    Tbase_form& form = first.program.mainWindow();
    form.showNormal();
    form.setGeometry(40, 50, 900, 640);
    form.flows().setEditorPage(EditorPage::Archives);
    form.flows().setPipelinePage(PipelinePage::ConnectedSensors);
    ExchangeSettings& link = first.program.exchangeWindow().settings();
    link.portItem = kOtherPortItem;
    link.otherPort = QStringLiteral("/dev/ttyUSB1");
    link.baudIndex = 6;
    link.lineKind = LineKind::Rs232;
    ChooseProtocol(link, LinkProtocol::Ft11);
    SetNetworkNumber(link, 9);
    link.attempts = 5;
    link.pauseSeconds = 8;
  }
  Start second(settings);
  second.program.show();
  Tbase_form& form = second.program.mainWindow();
  EXPECT_EQ(form.size(), QSize(900, 640));
  EXPECT_EQ(form.flows().state().editorPage, EditorPage::Archives);
  EXPECT_EQ(form.flows().state().pipelinePage, PipelinePage::ConnectedSensors);
  const ExchangeSettings& link = second.program.exchangeWindow().settings();
  EXPECT_EQ(link.portItem, kOtherPortItem);
  EXPECT_EQ(link.otherPort, QStringLiteral("/dev/ttyUSB1"));
  EXPECT_EQ(link.baudIndex, 6);
  EXPECT_EQ(link.lineKind, LineKind::Rs232);
  EXPECT_EQ(link.protocol, LinkProtocol::Ft11);
  EXPECT_EQ(link.networkNumber, 9);
  EXPECT_EQ(link.attempts, 5);
  EXPECT_EQ(link.pauseSeconds, 8);
  EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("portStatus"))->text(), QStringLiteral("/dev/ttyUSB1"));
}

// The other windows keep their places the same way, the error window here.
TEST_F(RememberedTest, AnotherWindowComesBackWhereItWasLeft) {
  {
    Start first(settings);
    ErrorWindow& errors = first.program.checkWindows().errorWindow();
    errors.show();
    errors.setGeometry(120, 90, 700, 420);
    errors.hide();  // closed by the user
  }
  Start second(settings);
  ErrorWindow& errors = second.program.checkWindows().errorWindow();
  errors.show();
  EXPECT_EQ(errors.geometry(), QRect(120, 90, 700, 420));
  errors.setGeometry(10, 10, 500, 300);
  errors.hide();
  errors.show();  // shown again in the same run: where the user left it
  EXPECT_EQ(errors.size(), QSize(500, 300));
  errors.hide();
}

TEST_F(RememberedTest, TheDemonstrationPortIsNotKept) {
  {
    Start demo(settings);
    demo.program.preselectPort(QStringLiteral("/tmp/orvik-demo"));
  }
  Start next(settings);
  EXPECT_EQ(next.program.exchangeWindow().settings().portItem, ExchangeSettings{}.portItem);
}

TEST_F(RememberedTest, AStartThatRemembersNothingLeavesTheFileAlone) {
  {
    Start quiet(settings);
    quiet.program.rememberNothing();
  }
  settings.sync();
  EXPECT_TRUE(settings.allKeys().isEmpty());
  {
    Start usual(settings);
  }
  settings.sync();
  EXPECT_FALSE(settings.allKeys().isEmpty()) << "an ordinary start does keep its settings";
}

TEST_F(RememberedTest, OpenedFilesAreListedNewestFirstAndKeptBetweenStarts) {
  for (const char* name : {"a.bfm", "b.bfm", "c.bfm", "d.bfm", "e.bfm", "f.bfm"})
    ASSERT_TRUE(writeSettingsPair(dir.path(QString::fromLatin1(name)), meteredImage(2)).settingsWritten);
  {
    Start first(settings);
    for (const char* name : {"a.bfm", "b.bfm", "c.bfm", "d.bfm", "e.bfm", "f.bfm", "c.bfm"}) {
      first.boxes.then(AnswerOk);  // "Итог проверки"
      first.program.openAtStart(dir.path(QString::fromLatin1(name)));
    }
  }
  Start second(settings);
  Tbase_form& form = second.program.mainWindow();
  const QStringList expected{dir.path(QStringLiteral("c.bfm")), dir.path(QStringLiteral("f.bfm")), dir.path(QStringLiteral("e.bfm")), dir.path(QStringLiteral("d.bfm")),
                             dir.path(QStringLiteral("b.bfm"))};
  ASSERT_EQ(form.recentFiles().size(), 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(QFileInfo(form.recentFiles()[i]), QFileInfo(expected[i])) << i;

  // The items of "Файл" open them; one gone since leaves the list.
  auto* second_item = form.findChild<QAction*>(QStringLiteral("recentFile2"));
  ASSERT_NE(second_item, nullptr);
  EXPECT_TRUE(second_item->text().startsWith(QStringLiteral("&2 ")));
  second.boxes.then(AnswerOk);
  second_item->trigger();
  EXPECT_TRUE(second.program.workspace().file.isOpen());
  EXPECT_EQ(QFileInfo(form.recentFiles().first()), QFileInfo(dir.path(QStringLiteral("f.bfm"))));

  ASSERT_TRUE(QFile::remove(dir.path(QStringLiteral("e.bfm"))));
  second.boxes.then(AnswerOk);  // the file error
  form.findChild<QAction*>(QStringLiteral("recentFile3"))->trigger();
  EXPECT_EQ(form.recentFiles().size(), 4);
  for (const QString& path : form.recentFiles()) EXPECT_FALSE(path.endsWith(QStringLiteral("e.bfm")));
}

TEST(Shortcuts, CtrlKeysBesideTheUsualOnesAndPagesInTurn) {
  AppRig rig;
  EXPECT_TRUE(rig.action("saveAction")->shortcuts().contains(QKeySequence(Qt::Key_F2)));
  EXPECT_TRUE(rig.action("saveAction")->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_S)));
  EXPECT_EQ(rig.action("openAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
  EXPECT_EQ(rig.action("newAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
  auto* print = rig.form.findChild<QShortcut*>(QStringLiteral("printShortcut"));
  ASSERT_NE(print, nullptr);
  EXPECT_EQ(print->key(), QKeySequence(Qt::CTRL | Qt::Key_P));

  rig.program.show();
  openPlant(rig);
  auto* next = rig.form.findChild<QShortcut*>(QStringLiteral("nextPageShortcut"));
  auto* previous = rig.form.findChild<QShortcut*>(QStringLiteral("previousPageShortcut"));
  ASSERT_TRUE(next && previous);
  EXPECT_EQ(next->key(), QKeySequence(Qt::CTRL | Qt::Key_PageDown));
  EXPECT_EQ(previous->key(), QKeySequence(Qt::CTRL | Qt::Key_PageUp));
  // Sensors, then each pipeline page, then the archives; and back round.
  EXPECT_EQ(rig.form.flows().state().editorPage, EditorPage::Sensors);
  emit next->activated();
  EXPECT_EQ(rig.form.flows().state().editorPage, EditorPage::Pipelines);
  EXPECT_EQ(rig.form.flows().state().pipelinePage, PipelinePage::Description);
  emit next->activated();
  EXPECT_EQ(rig.form.flows().state().pipelinePage, PipelinePage::ConnectedSensors);
  emit next->activated();
  EXPECT_EQ(rig.form.flows().state().editorPage, EditorPage::Archives);
  emit previous->activated();
  emit previous->activated();
  emit previous->activated();
  EXPECT_EQ(rig.form.flows().state().editorPage, EditorPage::Sensors);
  emit previous->activated();  // round to the last page shown
  EXPECT_EQ(rig.form.flows().state().editorPage, EditorPage::Time);
}

TEST(StatusBar, ShowsTheFileItsKindAndThePort) {
  AppRig rig;
  rig.program.show();
  EXPECT_TRUE(rig.form.findChild<QLabel*>(QStringLiteral("fileStatus"))->text().isEmpty());
  EXPECT_EQ(rig.form.findChild<QLabel*>(QStringLiteral("portStatus"))->text(), ChosenPort(ExchangeSettings{}).display);
  openPlant(rig);
  EXPECT_EQ(QFileInfo(rig.form.findChild<QLabel*>(QStringLiteral("fileStatus"))->text()),
            QFileInfo(rig.dir.path(QStringLiteral("plant.bfm"))));
  EXPECT_EQ(rig.form.findChild<QLabel*>(QStringLiteral("kindStatus"))->text(), QStringLiteral("ОРВИК 9"));
}

TEST(Exit, ClosesEveryWindowOfTheProgram) {
  AppRig rig;
  rig.program.show();
  auto* other = new QWidget;  // as the help window: parentless
  other->setAttribute(Qt::WA_DeleteOnClose);
  other->setObjectName(QStringLiteral("helpWindow"));
  other->show();
  QPointer<QWidget> guard(other);
  rig.boxes.then(AnswerYes);  // "Вы уверены, что хотите выйти из программы?"
  rig.action("exitAction")->trigger();
  EXPECT_FALSE(rig.form.isVisible());
  QApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(!guard || !guard->isVisible());
}

}  // namespace
}  // namespace nastrum::testing
