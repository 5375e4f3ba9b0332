// `nastrum FILE.bfm`: the file is opened at start as "Открыть " opens it; a
// file that cannot be read leaves the program empty with its message.
#include <QLineEdit>
#include <QMenu>

#include "app/start_arguments.h"
#include "app_rig.h"
#include "check/check_test_image.h"
#include "check/ui/check_windows.h"
#include "check/ui/error_window.h"
#include "model/settings_files.h"

namespace nastrum::testing {
namespace {

TEST(StartWithFile, TheFileIsOpenedAndCheckedAsTheOpenItemWould) {
  AppRig rig;
  SettingsImage image = meteredImage(3);
  setSensor(image, 7, 0x2100, 0x0100);  // a repairable error
  ASSERT_TRUE(writeSettingsPair(rig.dir.path("plant.bfm"), image).settingsWritten);

  rig.program.openAtStart(QStringLiteral("plant.bfm"));  // relative to the current directory

  EXPECT_TRUE(rig.ws.file.isOpen());
  EXPECT_FALSE(rig.ws.file.isModified());
  EXPECT_EQ(QFileInfo(rig.ws.file.fileName()), QFileInfo(rig.dir.path("plant.bfm")));
  EXPECT_EQ(rig.ws.image.deviceKind, 3);
  EXPECT_EQ(rig.form.windowTitle(), QStringLiteral("Наструм - ОРВИК 9: ") + pathWithoutExtension(rig.ws.file.fileName()));
  EXPECT_TRUE(rig.form.findChild<QMenu*>(QStringLiteral("paramsMenu"))->menuAction()->isVisible());
  EXPECT_TRUE(rig.program.checkWindows().errorWindow().isVisible());
  EXPECT_TRUE(rig.ws.editor.checkFailed);
  EXPECT_TRUE(QFile::exists(rig.dir.path("Report.txt")));
  EXPECT_TRUE(rig.form.diagnosticField1()->text().endsWith(QStringLiteral(".nam"), Qt::CaseInsensitive));
  EXPECT_TRUE(rig.boxes.shown().empty());
  EXPECT_TRUE(rig.action("writeAction")->isEnabled()) << "the program's write action takes the item";
}

TEST(StartWithFile, AFileThatCannotBeOpenedGivesItsMessageAndAnEmptyWindow) {
  AppRig rig;
  ASSERT_TRUE(rig.dir.write(QStringLiteral("short.bfm"), "not a settings record"));
  for (const char* name : {"missing.bfm", "short.bfm"}) {
    rig.boxes.then(AnswerOk);
    rig.program.openAtStart(QString::fromLatin1(name));

    ASSERT_EQ(rig.boxes.codes().back(), 2) << name;
    EXPECT_TRUE(rig.boxes.last().text.contains(QString::fromLatin1(name), Qt::CaseInsensitive)) << name;
    EXPECT_FALSE(rig.ws.file.isOpen()) << name;
    EXPECT_EQ(rig.form.windowTitle(), QStringLiteral("Наструм - ОРВИК"));
    EXPECT_FALSE(rig.form.findChild<QMenu*>(QStringLiteral("paramsMenu"))->menuAction()->isVisible());
    EXPECT_FALSE(rig.program.checkWindows().errorWindow().isVisible());
    EXPECT_FALSE(rig.action("saveAsAction")->isEnabled());
  }
  EXPECT_FALSE(QFile::exists(rig.dir.path("Report.txt")));
  EXPECT_TRUE(rig.boxes.allAnswered());
}

TEST(StartArguments, OnlyTheFileAndTheDemonstrationPortAreTaken) {
  struct Case {
    QStringList arguments;
    QString file;
    QString port;
  };
  const Case cases[] = {
      {{"nastrum"}, {}, {}},
      {{"nastrum", "plant.bfm"}, "plant.bfm", {}},
      {{"nastrum", "--demo-port", "/dev/pts/3"}, {}, "/dev/pts/3"},
      {{"nastrum", "--demo-port", "/dev/pts/3", "a.bfm", "b.bfm"}, "a.bfm", "/dev/pts/3"},
      {{"nastrum", "--verbose", "a.bfm"}, "a.bfm", {}},
      {{"nastrum", "--demo-port"}, {}, {}},
  };
  for (const Case& c : cases) {
    const StartArguments start = parseStartArguments(c.arguments);
    EXPECT_EQ(start.settingsFile, c.file) << c.arguments.join(' ').toStdString();
    EXPECT_EQ(start.demoPort, c.port) << c.arguments.join(' ').toStdString();
  }
}

}  // namespace
}  // namespace nastrum::testing
