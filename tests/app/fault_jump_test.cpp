// A double-click on a row of the error window opens the setup mode where the
// fault is: the page, the object and the control holding the wrong value.
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

#include "app_rig.h"
#include "check/check_rules.h"
#include "check/check_test_image.h"
#include "check/ui/check_windows.h"
#include "editor/workflow/fault_place.h"
#include "model/settings_files.h"

namespace nastrum {
namespace {

QWidget* tabOf(Tbase_form& form, const SetupPlace& place) {
  if (place.page == EditorPage::Pipelines)
    return form.pipelinePages()->widget(static_cast<int>(place.pipelinePage));
  return form.editorPages()->widget(static_cast<int>(place.page));
}

// Every rule's place names a number box and a control its page really has.
TEST(FaultJump, EveryRulesPlaceIsAControlOfItsPage) {
  AppRig rig;
  rig.action("newAction")->trigger();
  rig.form.flows().ChooseNewKind(3);
  rig.form.flows().ConfirmNewKind();
  rig.form.refresh();
  for (const RuleGroup& group : checkRuleGroups()) {
    for (const CheckRule& rule : group.rules) {
      SCOPED_TRACE(rule.code);
      const std::optional<SetupPlace> place = faultPlace(group.group, rule.code, 0);
      ASSERT_TRUE(place);
      QWidget* tab = tabOf(rig.form, *place);
      ASSERT_NE(tab, nullptr);
      if (!place->numberBox.isEmpty()) {
        EXPECT_NE(tab->findChild<QSpinBox*>(place->numberBox), nullptr) << place->numberBox.toStdString();
      }
      EXPECT_NE(tab->findChild<QWidget*>(place->control), nullptr) << place->control.toStdString();
    }
  }
}

TEST(FaultJump, ADoubleClickedRowOpensItsObjectWithTheFocusOnTheFault) {
  AppRig rig;
  SettingsImage image = testing::meteredImage(2);
  testing::setWaterPipeline(image, 3);
  image.pipelines[3].monthFactor = 0;  // error 137
  const QString path = rig.dir.path("site.bfm");
  ASSERT_TRUE(writeSettingsPair(path, image).settingsWritten);
  rig.files.openAnswers.push_back(path);
  rig.action("openAction")->trigger();

  CheckWindows& check = rig.program.checkWindows();
  QTableWidget* table = check.errorWindow().table();
  ASSERT_TRUE(check.errorWindow().isVisible());
  ASSERT_EQ(check.session().lastResult().errorCount(), 1);
  ASSERT_EQ(check.session().lastResult().errors[0].code, 137);
  ASSERT_FALSE(rig.ws.editor.checkFailed);

  emit table->cellDoubleClicked(0, 1);

  EXPECT_EQ(rig.form.flows().state().pages, PageSet::Editor);
  EXPECT_EQ(rig.form.editorPages()->currentIndex(), static_cast<int>(EditorPage::Pipelines));
  EXPECT_EQ(rig.form.pipelinePages()->currentIndex(), static_cast<int>(PipelinePage::Description));
  auto* number = rig.form.findChild<QSpinBox*>(QStringLiteral("pipeNumber"));
  ASSERT_NE(number, nullptr);
  EXPECT_EQ(number->value(), 3);
  QWidget* control = rig.form.pipelinePages()->currentWidget()->findChild<QWidget*>(QStringLiteral("monthFactor"));
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(rig.form.focusWidget(), control);
  EXPECT_TRUE(rig.boxes.allAnswered());
}

}  // namespace
}  // namespace nastrum
