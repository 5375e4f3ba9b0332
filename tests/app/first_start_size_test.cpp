// The main window's first start on a 1280×800 screen (the offscreen
// platform given that screen): at the size that shows the largest editor
// page whole where that fits, maximised where it does not; either way a page
// scrolls as a whole rather than squeezing a control below its natural height.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>

#include "app/first_placement.h"
#include "app_rig.h"
#include "check/check_test_image.h"
#include "check/ui/check_windows.h"
#include "check/ui/error_window.h"
#include "model/settings_files.h"

namespace nastrum::testing {
namespace {

// Made before the executable's one QApplication: the offscreen platform
// reads its screens from this file.
QApplication& applicationOn1280x800() {
  static QTemporaryDir dir;
  static const bool configured = [] {
    QFile config(dir.filePath(QStringLiteral("screen.json")));
    if (!config.open(QIODevice::WriteOnly)) return false;
    config.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1280, "height": 800,
                                  "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
    return true;
  }();
  EXPECT_TRUE(configured);
  return widgetApplication();
}

// Every list and entry field shown on `tab` has at least its natural height.
void expectNothingSqueezed(QWidget* tab) {
  QApplication::processEvents();
  const QString page = tab->objectName();
  for (auto* field : tab->findChildren<QWidget*>()) {
    if (!field->isVisible()) continue;
    if (qobject_cast<QComboBox*>(field)) {
      EXPECT_GE(field->height(), field->sizeHint().height()) << page.toStdString() << " "
                                                             << field->objectName().toStdString();
    }
    if (qobject_cast<QListWidget*>(field)) {
      EXPECT_GE(field->height(), field->minimumSizeHint().height())
          << page.toStdString() << " " << field->objectName().toStdString();
    }
    if (auto* label = qobject_cast<QLabel*>(field); label && !label->wordWrap() && !label->text().isEmpty()) {
      EXPECT_GE(label->width(), label->minimumSizeHint().width()) << label->text().toStdString();
    }
  }
}

// Every editor page in turn, the pipeline tab's two pages among them.
template <typename Check>
void forEachEditorPage(Tbase_form& form, Check check) {
  QTabWidget* tabs = form.editorPages();
  for (int i = 0; i < tabs->count(); ++i) {
    if (!tabs->isTabVisible(i)) continue;
    tabs->setCurrentIndex(i);
    if (!tabs->widget(i)->isAncestorOf(form.pipelinePages())) {
      check(tabs->widget(i));
      continue;
    }
    for (int j = 0; j < form.pipelinePages()->count(); ++j) {
      form.pipelinePages()->setCurrentIndex(j);
      check(form.pipelinePages()->widget(j));
    }
  }
}

struct FirstStart {
  QApplication& app = applicationOn1280x800();
  AppRig rig;

  void openPlant() {
    ASSERT_TRUE(writeSettingsPair(rig.dir.path(QStringLiteral("plant.bfm")), meteredImage(3)).settingsWritten);
    rig.boxes.then(AnswerOk);  // "Итог проверки"
    rig.program.openAtStart(rig.dir.path(QStringLiteral("plant.bfm")));
    rig.program.checkWindows().errorWindow().close();
    rig.action("nastroiki")->trigger();
  }
};

TEST(FirstStartSize, LargeEnoughForThePagesOrMaximisedOn1280x800) {
  FirstStart start;
  ASSERT_EQ(QGuiApplication::primaryScreen()->geometry().size(), QSize(1280, 800));
  Tbase_form& form = start.rig.form;
  start.rig.program.show();  // nothing remembered
  QApplication::processEvents();
  const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
  const FirstPlacement expected = firstPlacement(form.roomySize(), available);
  if (expected.maximised) {
    EXPECT_TRUE(form.isMaximized());
  } else {
    EXPECT_EQ(form.size(), form.roomySize());
    EXPECT_TRUE(available.contains(form.geometry()));
  }
  // Far larger than the window it replaces (635×517, every page clipped).
  EXPECT_GT(form.width(), 900);
  EXPECT_GT(form.height(), 700);

  start.openPlant();
  forEachEditorPage(form, expectNothingSqueezed);
}

// A window smaller than a page scrolls it rather than squeezing it.
TEST(FirstStartSize, ASmallerWindowScrollsThePage) {
  FirstStart start;
  Tbase_form& form = start.rig.form;
  start.rig.program.show();
  start.openPlant();
  form.showNormal();
  form.resize(640, 500);
  forEachEditorPage(form, expectNothingSqueezed);
}

}  // namespace
}  // namespace nastrum::testing
