// The confirmation window of a safe write: the device it goes to, one row per
// value that changes (device value beside the new one), the groups that
// differ but stay, and "Отмена" as the default.
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

#include "link/safe_write/ui/write_changes.h"
#include "link/safe_write/ui/write_preview_dialog.h"
#include "link/write/changed_items.h"
#include "link/write/write_reach.h"
#include "model/reset_image.h"
#include "support/widget_application.h"

namespace nastrum::test {
namespace {

TEST(WritePreviewDialog, ListsWhatChangesAndNamesWhatDiffersButStays) {
  widgetApplication();
  SettingsImage held;
  EditorState editor;
  ResetImage(held, editor);
  held.deviceKind = 2;
  SettingsImage toSend = held;
  toSend.sensors[4].maxValue = 250.0;
  toSend.hourArcDesc[0] = 0x1234;  // archives differ but are not ticked

  WritePreview preview;
  preview.held = &held;
  preview.toSend = &toSend;
  preview.request.groups.sensors = true;
  preview.items = ChangedSteps(PlanConstantsWrite(2, preview.request.groups, false, toSend),
                               PlanConstantsWrite(2, preview.request.groups, false, held));
  preview.scope = WriteReach(2, preview.request.groups);
  preview.differing = DifferingGroups(2, toSend, held);
  preview.factoryNumber = 0x1234;
  preview.port = QStringLiteral("Com2");
  preview.networkNumber = 3;

  WritePreviewDialog dialog(preview, WriteChangesComparison(preview, QStringLiteral("plant.bfm")));

  EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("question"))->text(),
            QStringLiteral("Записать в ОРВИК 5 \"расширяемый\" №1234, порт Com2, сетевой № 3?\n"
                           "Будет записано значений: 1 (Датчики)."));
  EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("untouchedGroups"))->text(),
            QStringLiteral("Отличаются и не будут записаны (не отмечены): Архивы"));
  QTableWidget* table = dialog.table();
  ASSERT_EQ(table->rowCount(), 1) << "only the ticked groups' changes";
  EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("Датчики"));
  EXPECT_NE(table->item(0, 3)->text(), table->item(0, 4)->text());
  EXPECT_TRUE(dialog.findChild<QPushButton*>(QStringLiteral("cancelButton"))->isDefault());
  EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("writeButton"))->text(), QStringLiteral("Записать"));
}

}  // namespace
}  // namespace nastrum::test
