#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "app/cli/command_check.h"
#include "check_test_image.h"
#include "model/cp1251.h"
#include "model/settings_files.h"

namespace nastrum::testing {
namespace {

struct CliOutcome {
  int code;
  QStringList out;
  QString err;
};

class CliCheck : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
  QString save(const SettingsImage& image, const char* name = "site.bfm") {
    EXPECT_TRUE(writeSettingsPair(path(name), image).settingsWritten);
    return path(name);
  }
  CliOutcome run(const QStringList& args) {
    QString out, err;
    QTextStream o(&out), e(&err);
    cli::CliIo io{o, e};
    const int code = cli::runCheckCommand(args, io);
    o.flush();
    e.flush();
    return {code, out.split(QLatin1Char('\n'), Qt::SkipEmptyParts), err};
  }
  static SettingsImage repairable() {
    SettingsImage image = meteredImage(2);
    setSensor(image, 7, 0x2100, 0x0100);  // 20
    setSensor(image, 9, 0x5000);          // 10, not repairable
    return image;
  }

  QTemporaryDir dir;
};

TEST_F(CliCheck, CleanFileExitsZero) {
  const CliOutcome r = run({save(meteredImage(1))});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, QStringList{"Ошибок не обнаружено!"});
}

TEST_F(CliCheck, PrintsTheReportRowsAndExitsOneOnErrors) {
  const CliOutcome r = run({save(repairable())});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.out, (QStringList{"Проверка обнаружила 2 ошибок",
                                "   1    Измеряемый параметр у датчика расхода №7. В основном описателе датчика (2100) "
                                "второй разряд должен быть равен 3.",
                                "   2    Тип датчика №9", "Исправимо автоматически (--fix): 1"}));
}

TEST_F(CliCheck, WritesTheReportWhereAsked) {
  const QString file = save(repairable());
  const CliOutcome r = run({file, "--report", path("r.txt")});
  EXPECT_EQ(r.code, 1);
  QFile report(path("r.txt"));
  ASSERT_TRUE(report.open(QIODevice::ReadOnly));
  const QStringList lines = fromCp1251(report.readAll()).split(QStringLiteral("\r\n"));
  EXPECT_EQ(lines[0], QStringLiteral("Отчет проверки файла настроек - ОРВИК расширяемый."));
  EXPECT_EQ(lines[1], QStringLiteral("Файл: ") + file);
  EXPECT_EQ(lines[7], QStringLiteral("   2    Тип датчика №9"));
}

TEST_F(CliCheck, FixSavesTheCorrectedPairAndLeavesTheOriginal) {
  const QString file = save(repairable());
  const CliOutcome r = run({file, "--fix", path("fixed.bfm")});
  EXPECT_EQ(r.code, 1);  // sensor 9 cannot be repaired
  EXPECT_EQ(r.out.mid(r.out.indexOf(QStringLiteral("После исправления (%1):").arg(path("fixed.bfm")))),
            (QStringList{QStringLiteral("После исправления (%1):").arg(path("fixed.bfm")), "Проверка обнаружила 1 ошибок",
                         "   1    Тип датчика №9"}));

  SettingsImage fixed, original;
  EditorState editor;
  ASSERT_TRUE(readSettingsPair(path("fixed.bfm"), fixed, editor).ok());
  ASSERT_TRUE(readSettingsPair(file, original, editor).ok());
  EXPECT_EQ(fixed.sensors[7].mainDescriptor, 0x2300);
  EXPECT_EQ(original.sensors[7].mainDescriptor, 0x2100);
  EXPECT_EQ(fixed.sys(sys::CheckErrorsMark), 1);
}

TEST_F(CliCheck, FixMendsArchivesAndSystemWordsToo) {
  SettingsImage image = meteredImage(2);
  image.hourArcDesc[4] = 0x1805;             // 220: head 5 does not work
  image.sys(sys::MainChannelBaud) = 0x0100;  // 604
  const CliOutcome r = run({save(image), "--fix", path("fixed.bfm")});
  EXPECT_EQ(r.code, 1);  // the continuation still needs its head chosen
  EXPECT_EQ(r.out.mid(r.out.indexOf(QStringLiteral("После исправления (%1):").arg(path("fixed.bfm")))),
            (QStringList{QStringLiteral("После исправления (%1):").arg(path("fixed.bfm")), "Проверка обнаружила 1 ошибок",
                         "   1    Не правильно задан (или не указан) номер головного архива у часового архива №4"}));

  SettingsImage fixed;
  EditorState editor;
  ASSERT_TRUE(readSettingsPair(path("fixed.bfm"), fixed, editor).ok());
  EXPECT_EQ(fixed.hourArcDesc[4], 0x9840);
  EXPECT_EQ(fixed.sys(sys::MainChannelBaud), 0x0960);
}

TEST_F(CliCheck, FixIsOneRoundAndCountsWhatItUncovered) {
  SettingsImage image = meteredImage(2);
  setSensor(image, 4, 0x2300, 0x0100);
  setWaterPipeline(image, 3);
  image.pipelines[3].flowSensors = 0x8404;  // 127 and 140
  image.pipelines[3].bigPipeRef = 0x0240;   // 126 once the flow is the pipeline's own
  const CliOutcome r = run({save(image), "--fix", path("fixed.bfm")});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.out.mid(r.out.indexOf(QStringLiteral("После исправления (%1):").arg(path("fixed.bfm")))),
            (QStringList{QStringLiteral("После исправления (%1):").arg(path("fixed.bfm")), "Проверка обнаружила 1 ошибок",
                         "   1    При датчике расхода у трубопровода №3 имеется ссылка на \"большую трубу\". ( 0240 должен "
                         "замениться на 0040)",
                         "Исправимо автоматически (--fix): 1"}));

  SettingsImage fixed;
  EditorState editor;
  ASSERT_TRUE(readSettingsPair(path("fixed.bfm"), fixed, editor).ok());
  EXPECT_EQ(fixed.pipelines[3].flowSensors, 0x0440);
  EXPECT_EQ(fixed.pipelines[3].bigPipeRef, 0x0240);
}

TEST_F(CliCheck, BadInputExitsTwo) {
  const QString file = save(meteredImage(2));
  for (const QStringList& args : {QStringList{}, QStringList{path("missing.bfm")}, QStringList{file, "--report"},
                                  QStringList{file, "--bogus"}, QStringList{file, file},
                                  QStringList{file, "--report", dir.path()}, QStringList{file, "--fix", path("fixed")},
                                  QStringList{file, "--fix", path("fixed.txt")}}) {
    const CliOutcome r = run(args);
    EXPECT_EQ(r.code, 2) << args.join(' ').toStdString();
    EXPECT_FALSE(r.err.isEmpty());
  }
  // A corrected file named without the extension would have put its names
  // beside it under a cut-down name ("fixed" + ".nam" from "fixed.txt").
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("site.bfm")} << QStringLiteral("site.nam"));
}

TEST_F(CliCheck, FixFailsWhenTheNamesCannotBeWritten) {
  const QString file = save(repairable());
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("fixed.nam")));  // a folder where the names file would go
  const CliOutcome r = run({file, "--fix", path("fixed.bfm")});
  EXPECT_EQ(r.code, 2);
  EXPECT_TRUE(r.err.contains(path("fixed.nam"))) << r.err.toStdString();
}

}  // namespace
}  // namespace nastrum::testing
