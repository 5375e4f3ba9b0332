// The main window's first start on a 1280×800 screen (the offscreen
// platform given that screen): at the size that shows the largest editor
// page whole where that fits, maximised where it does not; either way a page
// scrolls as a whole rather than squeezing a control below its natural height.
#include <QScreen>

#include "app/first_placement.h"
#include "app_rig.h"
#include "check/check_test_image.h"
#include "check/ui/check_windows.h"
#include "check/ui/error_window.h"
#include "model/settings_files.h"
#include "screen_1280x800.h"

namespace nastrum::testing {
namespace {

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
  forEachEditorPage(form, [](QWidget* page) { expectNothingSqueezed(page); });
}

// A window smaller than a page scrolls it rather than squeezing it.
TEST(FirstStartSize, ASmallerWindowScrollsThePage) {
  FirstStart start;
  Tbase_form& form = start.rig.form;
  start.rig.program.show();
  start.openPlant();
  form.showNormal();
  form.resize(640, 500);
  forEachEditorPage(form, [](QWidget* page) { expectNothingSqueezed(page); });
}

}  // namespace
}  // namespace nastrum::testing
