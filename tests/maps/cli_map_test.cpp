// nastrum-cli map: the forms, the pages and what it refuses.
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "maps/map_test_image.h"
#include "model/settings_files.h"
#include "support/cli_in_process.h"

namespace nastrum {
namespace {

using namespace nastrum::cli;

QGuiApplication& guiApplication() {
  static int argc = 1;
  static char name[] = "cli-map-tests";
  static char* argv[] = {name, nullptr};
  static auto* app = new QGuiApplication(argc, argv);  // lives until the process ends
  return *app;
}

using test::CliRun;

class CliMap : public ::testing::Test {
 protected:
  void SetUp() override { guiApplication(); }

  CliRun run(const QStringList& args) { return test::RunCli(args); }

  QString pair(Word kind) {
    const QString path = dir.filePath(QStringLiteral("plant%1.bfm").arg(kind));
    const WriteOutcome written = writeSettingsPair(path, testing::mapPlant(kind));
    EXPECT_TRUE(written.settingsWritten && written.namesWritten);
    return path;
  }

  QTemporaryDir dir;
};

TEST_F(CliMap, TextIsTheCaptionThenTabSeparatedRows) {
  const CliRun r = run({QStringLiteral("map"), pair(2), QStringLiteral("9")});
  ASSERT_EQ(r.code, ExitOk) << r.err.toStdString();
  const QStringList lines = r.out.split(QLatin1Char('\n'));
  EXPECT_EQ(lines[0], QStringLiteral("Карта программирования ОРВИК 5 расширяемый: Системные параметры"));
  EXPECT_EQ(lines[1], QStringLiteral("Наименование параметра\tЗначение параметра"));
  EXPECT_EQ(lines[5], QStringLiteral("Расчетный час и дата\t0930"));
  EXPECT_EQ(lines.size(), 1 + 15 + 1);  // the last line break leaves an empty tail
}

TEST_F(CliMap, PagesAndForms) {
  const QString file = pair(2);
  CliRun r = run({QStringLiteral("map"), file, QStringLiteral("2"), QStringLiteral("--page"), QStringLiteral("all")});
  ASSERT_EQ(r.code, ExitOk);
  EXPECT_EQ(r.out.count(QStringLiteral("Карта программирования ОРВИК 5 расширяемый:   Описание датчиков\n")), 4);

  r = run({QStringLiteral("map"), file, QStringLiteral("1"), QStringLiteral("--format=csv")});
  ASSERT_EQ(r.code, ExitOk);
  EXPECT_TRUE(r.out.contains(QStringLiteral("№,Наименование трубопровода,Используемые датчики,,,,,,,,,,\r\n")));

  r = run({QStringLiteral("map"), file, QStringLiteral("1"), QStringLiteral("--format"), QStringLiteral("html")});
  EXPECT_TRUE(r.out.contains(QStringLiteral("colspan=\"11\"")));

  const QString pdf = dir.filePath(QStringLiteral("map10.pdf"));
  r = run({QStringLiteral("map"), file, QStringLiteral("10"), QStringLiteral("--page=all"), QStringLiteral("--format=pdf"),
           QStringLiteral("--out"), pdf});
  ASSERT_EQ(r.code, ExitOk) << r.err.toStdString();
  QFile written(pdf);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_TRUE(written.readAll().startsWith("%PDF"));

  const QString odt = dir.filePath(QStringLiteral("map1.odt"));
  r = run({QStringLiteral("map"), file, QStringLiteral("1"), QStringLiteral("--format=odt"), QStringLiteral("--out"), odt});
  ASSERT_EQ(r.code, ExitOk) << r.err.toStdString();
  EXPECT_TRUE(QFile::exists(odt));
}

TEST_F(CliMap, RefusalsExitWithTwo) {
  const QString minimal = pair(1);
  const std::vector<QStringList> refused = {
      {QStringLiteral("map"), minimal, QStringLiteral("8")},   // kind 1 has no generators
      {QStringLiteral("map"), minimal, QStringLiteral("11")},
      {QStringLiteral("map"), minimal, QStringLiteral("12")},
      {QStringLiteral("map"), minimal, QStringLiteral("x")},
      {QStringLiteral("map"), minimal, QStringLiteral("3"), QStringLiteral("--page"), QStringLiteral("2")},
      {QStringLiteral("map"), minimal, QStringLiteral("3"), QStringLiteral("--format"), QStringLiteral("doc")},
      {QStringLiteral("map"), minimal, QStringLiteral("3"), QStringLiteral("--format"), QStringLiteral("pdf")},  // no --out
      {QStringLiteral("map"), dir.filePath(QStringLiteral("missing.bfm")), QStringLiteral("3")},
      {QStringLiteral("map"), minimal, QStringLiteral("3"), QStringLiteral("--format=odt"), QStringLiteral("--out"),
       dir.filePath(QStringLiteral("no/such/dir.odt"))},
  };
  for (const QStringList& args : refused) {
    const CliRun r = run(args);
    EXPECT_EQ(r.code, ExitBadInput) << args.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("nastrum-cli map: "))) << r.err.toStdString();
  }
}

}  // namespace
}  // namespace nastrum
