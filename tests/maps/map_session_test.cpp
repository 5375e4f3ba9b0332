// The map window's state: pages, rebuilding, typed-over cells and map 1's names.
#include <gtest/gtest.h>

#include "maps/map_session.h"
#include "maps/map_test_image.h"

namespace nastrum {
namespace {

TEST(MapSession, PagingAndRebuildingStartsAgainAtPageOne) {
  SettingsImage image = testing::freshImage(2);
  image.logicLaw[250] = 0x0101;
  MapSession session(QLatin1Char(','));
  session.choose(10);
  session.rebuild(image);
  EXPECT_FALSE(session.canGoBack());
  ASSERT_TRUE(session.canGoForward());
  session.nextPage(image);
  session.nextPage(image);
  session.nextPage(image);
  EXPECT_EQ(session.pageLabel(), QStringLiteral("Стр. 4"));
  EXPECT_FALSE(session.canGoForward());
  EXPECT_TRUE(session.canGoBack());
  session.previousPage(image);
  EXPECT_EQ(session.page().page, 3);
  session.rebuild(image);
  EXPECT_EQ(session.page().page, 1);
  EXPECT_EQ(session.pageLabel(), QStringLiteral("Стр. 1"));
}

TEST(MapSession, TypedCellsLastUntilRebuildButNamesOfMapOneStay) {
  const SettingsImage image = testing::mapPlant(2);
  MapSession session(QLatin1Char(','));
  session.choose(1);
  session.rebuild(image);
  session.setCellText(1, 3, QStringLiteral("Отопление"));
  session.setCellText(12, 3, QStringLiteral("99"));
  session.setCellText(0, 3, QStringLiteral("x"));  // read-only number
  session.setCellText(40, 3, QStringLiteral("x"));  // outside
  EXPECT_EQ(session.table().cell(12, 3).text, QStringLiteral("99"));
  EXPECT_EQ(session.table().cell(0, 3).text, QStringLiteral("0"));
  session.rebuild(image);
  EXPECT_EQ(session.table().cell(1, 3).text, QStringLiteral("Отопление"));
  EXPECT_EQ(session.table().cell(12, 3).text, QString());

  session.choose(2);
  session.rebuild(image);
  session.choose(1);
  session.rebuild(image);
  EXPECT_EQ(session.table().cell(1, 3).text, QStringLiteral("Отопление"));

  session.clearNames();
  EXPECT_EQ(session.table().cell(1, 3).text, QString());
  EXPECT_TRUE(session.table().cell(1, 3).editable);
  session.rebuild(image);
  EXPECT_EQ(session.table().cell(1, 3).text, QString());
}

}  // namespace
}  // namespace nastrum
