// Every page core tells whether an operation changed the image: the choice of
// something new is an edit, the same choice again (what is already there) is
// none, so it neither marks the document modified nor makes an undo step.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "editor/pages/archives/archive_page.h"
#include "editor/pages/desktop/desktop_page.h"
#include "editor/pages/desktop/regulator_page.h"
#include "editor/pages/pipelines/pipeline_page.h"
#include "editor/pages/regulators/logic_flag_page.h"
#include "editor/pages/sensors/sensor_page.h"
#include "editor/pages/system/system_page.h"
#include "editor/pages/view/view_sheet.h"
#include "support/fresh_image.h"
#include "support/scripted_presenter.h"

namespace nastrum {
namespace {

const QChar kComma(u',');

// What takeChange() said after the choice and after the same choice again.
using Verdicts = std::pair<bool, bool>;

template <typename Page, typename Choice>
Verdicts chooseTwice(Page& page, Choice choose) {
  choose(page);
  const bool first = page.takeChange();
  choose(page);
  return {first, page.takeChange()};
}

struct Case {
  const char* what;
  std::function<Verdicts(Workspace&, ScriptedPresenter&)> run;
};

TEST(PageChanges, AChoiceIsAnEditOnlyWhenItChangesTheImage) {
  const Case cases[] = {
      {"sensor name",
       [](Workspace& ws, ScriptedPresenter& boxes) {
         SensorPage page(ws, boxes, kComma);
         return chooseTwice(page, [](SensorPage& p) { p.setName(QStringLiteral("Подача")); });
       }},
      {"pipeline name",
       [](Workspace& ws, ScriptedPresenter& boxes) {
         PipelinePageRules page(ws, boxes, kComma);
         return chooseTwice(page, [](PipelinePageRules& p) { p.setName(QStringLiteral("Ввод 1")); });
       }},
      {"monthly archive present",
       [](Workspace& ws, ScriptedPresenter& boxes) {
         ArchivePage page(ws, boxes);
         page.select(ArchiveGroup::Monthly, 0);
         page.takeChange();
         return chooseTwice(page, [](ArchivePage& p) { p.chooseMonthlyPresence(true); });
       }},
      {"summer time off",
       [](Workspace& ws, ScriptedPresenter& boxes) {
         SystemPage page(ws, boxes, kComma);
         return chooseTwice(page, [](SystemPage& p) { p.setSummerTime(false); });
       }},
      {"regulator present",
       [](Workspace& ws, ScriptedPresenter& boxes) {
         RegulatorPage page(ws, boxes, kComma);
         page.select(0);
         page.takeChange();
         return chooseTwice(page, [](RegulatorPage& p) { p.setPresent(true); });
       }},
      {"logic flag present",
       [](Workspace& ws, ScriptedPresenter& boxes) {
         LogicFlagPage page(ws, boxes, kComma);
         page.select(70);
         page.takeChange();
         return chooseTwice(page, [](LogicFlagPage& p) { p.setPresent(true); });
       }},
      {"desktop entry present",
       [](Workspace& ws, ScriptedPresenter& boxes) {
         DesktopPage page(ws, boxes);
         page.select(0);
         page.takeChange();
         return chooseTwice(page, [](DesktopPage& p) { p.setPresent(true); });
       }},
      {"view cell",
       [](Workspace& ws, ScriptedPresenter& boxes) {
         ws.editor.accessLevel = 1;
         ViewSheetModel sheet(ViewSheet::Sensors, ws);
         return chooseTwice(sheet, [&](ViewSheetModel& s) {
           s.rebuild();
           const int headerRows = s.tables().front().headerRow ? 1 : 0;
           s.storeCell(0, headerRows, 1, QStringLiteral("2340"), kComma, boxes);
         });
       }},
  };
  for (const Case& c : cases) {
    Workspace ws;
    ws.image = testing::freshImage(3);
    ScriptedPresenter boxes;
    EXPECT_EQ(c.run(ws, boxes), Verdicts(true, false)) << c.what;
    EXPECT_TRUE(boxes.codes().empty()) << c.what;
  }
}

}  // namespace
}  // namespace nastrum
