// The same settings file gives the same rows wherever its check is read: the
// error window and "Report.txt" of the program that opens it, and the lines of
// `nastrum-cli check`.
#include <gtest/gtest.h>

#include <random>

#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextStream>

#include "app/app_rig.h"
#include "app/cli/command_check.h"
#include "check/check_report.h"
#include "check/check_test_image.h"
#include "check/random_image.h"
#include "check/ui/check_windows.h"
#include "model/cp1251.h"
#include "model/settings_files.h"

namespace nastrum::testing {
namespace {

// What one reader of a check shows: the count line, the numbered rows as
// the report writes them, and how many of them are red.
struct Shown {
  QString countLine;
  QStringList rows;
  int repairable = 0;
};

constexpr char kRepairableLine[] = "Исправимо автоматически (--fix): ";

Shown fromCli(const QString& path) {
  QString out, err;
  QTextStream o(&out), e(&err);
  cli::CliIo io{o, e};
  cli::runCheckCommand({path}, io);
  o.flush();
  QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  Shown shown;
  if (lines.isEmpty()) return shown;
  shown.countLine = lines.takeFirst();
  if (!lines.isEmpty() && lines.last().startsWith(QString::fromUtf8(kRepairableLine)))
    shown.repairable = lines.takeLast().mid(QString::fromUtf8(kRepairableLine).size()).toInt();
  shown.rows = lines;
  return shown;
}

// The program opens the file as "Открыть " does; its check fills the window
// and writes the report into the current directory.
struct FromProgram {
  Shown window;
  Shown report;
};

// The report's count line, then (with errors) the column header and the
// dashes, the rows, and the closing dashes.
Shown fromReport(const QStringList& report) {
  constexpr int kCountLine = 3;
  constexpr int kFirstRow = kCountLine + 3;
  Shown shown;
  shown.countLine = report.value(kCountLine);
  if (!shown.countLine.startsWith(QStringLiteral("Проверка обнаружила"))) return shown;
  for (int i = kFirstRow; i < report.size() && !report[i].startsWith(QLatin1Char('-')); ++i) shown.rows << report[i];
  return shown;
}

FromProgram fromProgram(const SettingsImage& image) {
  AppRig rig;
  const QString path = rig.dir.path(QStringLiteral("plant.bfm"));
  EXPECT_TRUE(writeSettingsPair(path, image).settingsWritten);
  rig.boxes.acknowledgeOkBoxes();  // a clean check says so
  rig.program.openAtStart(path);

  FromProgram shown;
  shown.report = fromReport(fromCp1251(rig.dir.read(QStringLiteral("Report.txt"))).split(QStringLiteral("\r\n")));
  const ErrorWindow& window = rig.program.checkWindows().errorWindow();
  if (!window.isVisible()) return shown;
  QTableWidget* table = window.table();
  for (int row = 0; row < table->rowCount(); ++row) {
    EXPECT_EQ(table->item(row, 0)->text(), QString::number(row + 1));
    shown.window.rows << reportRow(row + 1, table->item(row, 1)->text());
    if (table->item(row, 1)->background().color() == ErrorWindow::repairableColour()) ++shown.window.repairable;
  }
  return shown;
}

void expectTheSameRows(const SettingsImage& image, const std::string& name) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("plant.bfm"));
  ASSERT_TRUE(writeSettingsPair(path, image).settingsWritten);
  const Shown cli = fromCli(path);
  const FromProgram program = fromProgram(image);

  EXPECT_EQ(program.report.countLine, cli.countLine) << name;
  EXPECT_EQ(program.report.rows, cli.rows) << name;
  if (cli.rows.isEmpty()) return;
  EXPECT_EQ(program.window.rows, cli.rows) << name;
  EXPECT_EQ(program.window.repairable, cli.repairable) << name;
}

TEST(CheckAgreement, WindowReportAndCommandLineShowTheSameRows) {
  SettingsImage image = meteredImage(2);
  setSensor(image, 1, 0x1400);                 // named by interval archive 1
  setSensor(image, 9, 0x5000);                 // 10
  image.intervalArcDesc[1] = 0x0101;
  image.hourArcDesc[10] = 0x8840;              // 211 and 217: an extension meeting interval archive 1
  image.hourArcDesc[4] = 0x2812;               // 220, quoted as renumbered
  image.hourArcDesc[20] = image.hourArcDesc[21] = 0x1840;  // 218 twice, levels kept
  image.intervalArcDesc[12] = 0x2801;          // 328, quoted as renumbered
  image.eventType[0] = 0x0100;
  setWaterPipeline(image, 3);
  image.pipelines[3].flowSensors = 0x8404;     // 127 and 140
  expectTheSameRows(image, "hand-made");
  expectTheSameRows(meteredImage(1), "clean");
}

TEST(CheckAgreement, RandomFilesShowTheSameRowsEverywhere) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    std::mt19937 random(seed);
    SettingsImage image = randomImage(random);
    image.deviceKind = static_cast<Word>(1 + seed % 3);  // a file the program opens
    expectTheSameRows(image, "seed " + std::to_string(seed));
  }
}

}  // namespace
}  // namespace nastrum::testing
