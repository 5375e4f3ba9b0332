#include <gtest/gtest.h>

#include <QFile>

#include "check/check_report.h"
#include "check_test_image.h"
#include "rule_case.h"

namespace nastrum::testing {
namespace {

QByteArray fixture(const char* name) {
  QFile file(QStringLiteral(NASTRUM_TEST_DATA "/check/") + QString::fromLatin1(name));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
  return file.readAll();
}

TEST(CheckReport, ListsEveryErrorBetweenDashLinesInCodePage1251) {
  SettingsImage image = meteredImage(2);
  setSensor(image, 7, 0x5000);
  setWaterPipeline(image, 3);
  image.pipelines[3].densityCalorLink = 0x0008;
  const CheckResult result = evaluateRules(image, false);
  const ReportHeader header{2, QStringLiteral("C:\\ORVIK\\site.bfm"), QStringLiteral("10.12.2026 04:00")};
  EXPECT_EQ(reportBytes(header, result), fixture("report_errors.txt"));
}

TEST(CheckReport, CleanCheckSaysSo) {
  const ReportHeader header{1, QStringLiteral("new_0.bfm"), QStringLiteral("10.12.2026 04:00")};
  EXPECT_EQ(reportBytes(header, CheckResult{}), fixture("report_clean.txt"));
}

TEST(CheckReport, RowNumbersAreRightAlignedInFourPlaces) {
  EXPECT_EQ(reportRow(7, "x"), QStringLiteral("   7    x"));
  EXPECT_EQ(reportRow(1234, "x"), QStringLiteral("1234    x"));
  EXPECT_EQ(reportRow(12345, "x"), QStringLiteral("12345    x"));
}

TEST(CheckReport, HeaderNamesTheKind) {
  EXPECT_EQ(reportLines({3, "f", "d"}, {}).first(), QStringLiteral("Отчет проверки файла настроек - ОРВИК 9."));
}

}  // namespace
}  // namespace nastrum::testing
