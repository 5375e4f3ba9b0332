#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "app/cli/cli_commands.h"
#include "app/cli/cli_dispatch.h"
#include "app/cli/cli_parser.h"
#include "model/cp1251.h"
#include "model/editor_state.h"
#include "model/reset_image.h"
#include "model/settings_files.h"
#include "model/settings_record.h"
#include "support/cli_in_process.h"

using namespace nastrum;
using namespace nastrum::cli;

namespace {

using test::CliRun;

class Cli : public ::testing::Test {
 protected:
  CliRun run(const QStringList& args) { return test::RunCli(args); }
  QString path(const QString& name) const { return dir.filePath(name); }

  // A fresh pair of `kind` with `edit` applied.
  template <class Edit>
  QString writePair(const QString& name, Word kind, Edit edit) {
    SettingsImage image;
    EditorState editor;
    ResetImage(image, editor);
    image.deviceKind = kind;
    edit(image);
    const WriteOutcome written = writeSettingsPair(path(name), image);
    EXPECT_TRUE(written.settingsWritten && written.namesWritten);
    return path(name);
  }

  QTemporaryDir dir;
};

}  // namespace

TEST_F(Cli, NewWritesAFreshPairOfTheKind) {
  const CliRun r = run({QStringLiteral("new"), QStringLiteral("--kind"), QStringLiteral("3"), path("plant.bfm")});
  EXPECT_EQ(r.code, ExitOk) << r.err.toStdString();
  EXPECT_TRUE(r.err.isEmpty());
  QFile settings(path("plant.bfm")), names(path("plant.nam"));
  ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
  ASSERT_TRUE(names.open(QIODevice::ReadOnly));
  const QByteArray record = settings.readAll();
  EXPECT_EQ(record.size(), kSettingsRecordSize);
  EXPECT_EQ(names.size(), kNamesRecordSize);
  EXPECT_EQ(record.left(4), QByteArray("\x03\x00\x00\x00", 4));

  SettingsImage expected;
  EditorState editor;
  ResetImage(expected, editor);
  expected.deviceKind = 3;
  EXPECT_EQ(record, encodeSettingsRecord(expected));
}

TEST_F(Cli, NewRefusesWhatWouldLoseOrMismatchFiles) {
  writePair(QStringLiteral("old.bfm"), 1, [](SettingsImage&) {});
  QFile(path("lonely.nam")).open(QIODevice::WriteOnly);
  const QStringList bad[] = {
      {QStringLiteral("new"), QStringLiteral("--kind"), QStringLiteral("2"), path("old.bfm")},
      {QStringLiteral("new"), QStringLiteral("--kind"), QStringLiteral("2"), path("lonely.bfm")},
      {QStringLiteral("new"), QStringLiteral("--kind"), QStringLiteral("4"), path("x.bfm")},
      {QStringLiteral("new"), QStringLiteral("--kind"), QStringLiteral("two"), path("x.bfm")},
      {QStringLiteral("new"), QStringLiteral("--kind"), QStringLiteral("2"), path("x.txt")},
      {QStringLiteral("new"), path("x.bfm")},
      {QStringLiteral("new"), QStringLiteral("--kind")},
      {QStringLiteral("new"), QStringLiteral("--kind"), QStringLiteral("2")},
      {QStringLiteral("new"), QStringLiteral("--kind"), QStringLiteral("2"), QStringLiteral("--fast"), path("x.bfm")},
      {QStringLiteral("new"), QStringLiteral("--kind"), QStringLiteral("2"), dir.path() + QStringLiteral("/no/such/x.bfm")},
  };
  for (const QStringList& args : bad) {
    const CliRun r = run(args);
    EXPECT_EQ(r.code, ExitBadInput) << args.join(' ').toStdString();
    EXPECT_EQ(r.errLines().size(), 1) << r.err.toStdString();
  }
  EXPECT_FALSE(QFile::exists(path("x.bfm")));
  EXPECT_FALSE(QFile::exists(path("lonely.bfm")));
  // The kind-1 pair is still there, and --force replaces it.
  EXPECT_EQ(run({QStringLiteral("new"), QStringLiteral("--kind=2"), path("old.bfm"), QStringLiteral("--force")}).code,
            ExitOk);
  EXPECT_TRUE(run({QStringLiteral("dump"), path("old.bfm")}).out.startsWith(QStringLiteral("DeviceKind = 2\n")));
}

TEST_F(Cli, DumpListsEveryFieldWithDecodedNames) {
  const QString file = writePair(QStringLiteral("plant.bfm"), 2, [](SettingsImage& image) {
    image.names.sensorNames[1].setBytes(toCp1251(QStringLiteral("Расход")));
    image.pipelines[3].mainDescriptor = 0x1234;
  });
  const CliRun r = run({QStringLiteral("dump"), file});
  EXPECT_EQ(r.code, ExitOk);
  EXPECT_TRUE(r.err.isEmpty());
  const QStringList lines = r.outLines();
  EXPECT_EQ(lines.size(), 3621);
  EXPECT_TRUE(lines.contains(QStringLiteral("SensorNames[1] = \"Расход\"")));
  EXPECT_TRUE(lines.contains(QStringLiteral("Pipelines[3].MainDescriptor = 0x1234")));
  EXPECT_TRUE(lines.contains(QStringLiteral("DefaultValues.AtmPressure = 735")));
}

TEST_F(Cli, DumpAsJsonNestsByFieldName) {
  const QString file = writePair(QStringLiteral("plant.bfm"), 3, [](SettingsImage& image) {
    image.names.desktopNames[2].setBytes(toCp1251(QStringLiteral("Тепло")));
    image.tableFunctions[9][16] = 0.125;
  });
  const CliRun r = run({QStringLiteral("dump"), QStringLiteral("--json"), file});
  ASSERT_EQ(r.code, ExitOk);
  QJsonParseError error;
  const QJsonObject root = QJsonDocument::fromJson(r.out.toUtf8(), &error).object();
  ASSERT_EQ(error.error, QJsonParseError::NoError);
  EXPECT_EQ(root[QStringLiteral("DeviceKind")].toInt(), 3);
  EXPECT_EQ(root[QStringLiteral("Sensors")].toArray().size(), 64);
  EXPECT_EQ(root[QStringLiteral("Sensors")][63][QStringLiteral("Number")].toInt(), 64);
  EXPECT_EQ(root[QStringLiteral("Pipelines")][0][QStringLiteral("TempSensors")].toString(), QStringLiteral("0x4040"));
  EXPECT_EQ(root[QStringLiteral("SystemBlock")][QStringLiteral("DateDDMM")].toInt(), 2010);
  EXPECT_EQ(root[QStringLiteral("TableFunctions")][9][16].toDouble(), 0.125);
  EXPECT_EQ(root[QStringLiteral("DesktopNames")][2].toString(), QStringLiteral("Тепло"));
  EXPECT_EQ(root[QStringLiteral("LogicK2")].toArray().size(), 256);
}

TEST_F(Cli, DiffNamesOneFieldPerLine) {
  const QString a = writePair(QStringLiteral("a.bfm"), 2, [](SettingsImage&) {});
  const QString same = writePair(QStringLiteral("same.bfm"), 2, [](SettingsImage&) {});
  const QString b = writePair(QStringLiteral("b.bfm"), 2, [](SettingsImage& image) {
    image.sensors[5].maxValue = 150.5;
    image.names.pipelineNames[0].setBytes(toCp1251(QStringLiteral("Подача")));
  });

  const CliRun none = run({QStringLiteral("diff"), a, same});
  EXPECT_EQ(none.code, ExitOk);
  EXPECT_TRUE(none.out.isEmpty());

  const CliRun some = run({QStringLiteral("diff"), a, b});
  EXPECT_EQ(some.code, ExitDiffers);
  EXPECT_EQ(some.outLines(), (QStringList{QStringLiteral("Sensors[5].MaxValue: 0 -> 150.5"),
                                          QStringLiteral("PipelineNames[0]: \"\" -> \"Подача\"")}));
}

TEST_F(Cli, DiffSpeaksThePagesWordsAndFormats) {
  const QString a = writePair(QStringLiteral("a.bfm"), 2, [](SettingsImage&) {});
  const QString b = writePair(QStringLiteral("b.bfm"), 2, [](SettingsImage& image) {
    image.sensors[5].maxValue = 150.5;
    image.sys(sys::TimeHHMM) = 1230;
  });

  const CliRun captions = run({QStringLiteral("diff"), a, b, QStringLiteral("--captions")});
  EXPECT_EQ(captions.code, ExitDiffers);
  EXPECT_EQ(captions.outLines(),
            (QStringList{QStringLiteral("Датчики, датчик 5: Максимальное значение: 0 -> 150.5000"),
                         QStringLiteral("Время: Время ОРВИК: 1 -> 1230")}));
  const CliRun noClock = run({QStringLiteral("diff"), a, b, QStringLiteral("--no-clock")});
  EXPECT_EQ(noClock.outLines(), QStringList{QStringLiteral("Sensors[5].MaxValue: 0 -> 150.5")});

  const CliRun json = run({QStringLiteral("diff"), a, b, QStringLiteral("--format"), QStringLiteral("json")});
  EXPECT_EQ(json.code, ExitDiffers);
  QJsonParseError error;
  const QJsonObject root = QJsonDocument::fromJson(json.out.toUtf8(), &error).object();
  ASSERT_EQ(error.error, QJsonParseError::NoError) << json.out.toStdString();
  EXPECT_EQ(root[QStringLiteral("this")][QStringLiteral("name")].toString(), a);
  EXPECT_EQ(root[QStringLiteral("other")][QStringLiteral("kind")].toInt(), 2);
  EXPECT_FALSE(root[QStringLiteral("kindsDiffer")].toBool());
  EXPECT_FALSE(root[QStringLiteral("equal")].toBool());
  EXPECT_EQ(root[QStringLiteral("differences")].toInt(), 2);
  const QJsonArray rows = root[QStringLiteral("rows")].toArray();
  ASSERT_EQ(rows.size(), 2);
  const QJsonObject sensor = rows[0].toObject();
  EXPECT_EQ(sensor[QStringLiteral("page")].toString(), QStringLiteral("Датчики"));
  EXPECT_EQ(sensor[QStringLiteral("object")].toString(), QStringLiteral("датчик 5"));
  EXPECT_EQ(sensor[QStringLiteral("objectNumber")].toInt(), 5);
  EXPECT_EQ(sensor[QStringLiteral("caption")].toString(), QStringLiteral("Максимальное значение"));
  EXPECT_EQ(sensor[QStringLiteral("field")].toString(), QStringLiteral("Sensors[5].MaxValue"));
  EXPECT_EQ(sensor[QStringLiteral("this")].toString(), QStringLiteral("0"));
  EXPECT_EQ(sensor[QStringLiteral("other")].toString(), QStringLiteral("150.5000"));
  EXPECT_EQ(sensor[QStringLiteral("otherRaw")].toString(), QStringLiteral("150.5"));
  EXPECT_TRUE(sensor[QStringLiteral("differs")].toBool());

  const CliRun same = run({QStringLiteral("diff"), a, a, QStringLiteral("--format=json")});
  EXPECT_EQ(same.code, ExitOk);
  EXPECT_TRUE(QJsonDocument::fromJson(same.out.toUtf8())[QStringLiteral("equal")].toBool());

  const CliRun html = run({QStringLiteral("diff"), a, b, QStringLiteral("--format"), QStringLiteral("html")});
  EXPECT_EQ(html.code, ExitDiffers);
  EXPECT_TRUE(html.out.contains(QStringLiteral("<table"))) << html.out.toStdString();
  EXPECT_TRUE(html.out.contains(QStringLiteral("Максимальное значение")));
}

TEST_F(Cli, DiffOfAnotherKindComparesTheCommonPartAndSaysSo) {
  const QString a = writePair(QStringLiteral("a.bfm"), 2, [](SettingsImage&) {});
  const QString b = writePair(QStringLiteral("b.bfm"), 1, [](SettingsImage& image) { image.sensors[40].const1 = 3; });
  const CliRun r = run({QStringLiteral("diff"), a, b});
  EXPECT_EQ(r.code, ExitDiffers);
  EXPECT_EQ(r.outLines(), QStringList{QStringLiteral("DeviceKind: 2 -> 1")});
  EXPECT_EQ(r.errLines(), QStringList{QStringLiteral("nastrum-cli diff: note: Типы приборов различаются: ОРВИК "
                                                     "расширяемый и ОРВИК минимальный; сравнены только общие части.")});
}

TEST_F(Cli, BadFilesAndArgumentsGiveOneLineAndExit2) {
  QFile shortFile(path("short.bfm"));
  ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
  shortFile.write(QByteArray(kSettingsRecordSize - 1, '\x01'));
  shortFile.close();
  QFile oddKind(path("odd.bfm"));
  ASSERT_TRUE(oddKind.open(QIODevice::WriteOnly));
  oddKind.write(QByteArray(kSettingsRecordSize, '\0'));
  oddKind.close();
  const QString good = writePair(QStringLiteral("good.bfm"), 1, [](SettingsImage&) {});

  const QStringList bad[] = {
      {},
      {QStringLiteral("frobnicate")},
      {QStringLiteral("dump")},
      {QStringLiteral("dump"), path("missing.bfm")},
      {QStringLiteral("dump"), path("short.bfm")},
      {QStringLiteral("dump"), path("odd.bfm")},
      {QStringLiteral("dump"), dir.path()},
      {QStringLiteral("dump"), good, QStringLiteral("--xml")},
      {QStringLiteral("dump"), good, good},
      {QStringLiteral("diff"), good},
      {QStringLiteral("diff"), good, path("short.bfm")},
      {QStringLiteral("diff"), good, good, good},
      {QStringLiteral("diff"), good, good, QStringLiteral("--format"), QStringLiteral("xml")},
      {QStringLiteral("diff"), good, good, QStringLiteral("--port"), QStringLiteral("/dev/null")},
      {QStringLiteral("diff"), good, good, QStringLiteral("--device"), QStringLiteral("--port"), QStringLiteral("/x")},
      {QStringLiteral("diff"), good, QStringLiteral("--device")},
      {QStringLiteral("diff"), good, QStringLiteral("--device"), QStringLiteral("--port"), QStringLiteral("/x"),
       QStringLiteral("--password"), QStringLiteral("12")},
  };
  for (const QStringList& args : bad) {
    const CliRun r = run(args);
    EXPECT_EQ(r.code, ExitBadInput) << args.join(' ').toStdString();
    EXPECT_EQ(r.errLines().size(), 1) << args.join(' ').toStdString() << ": " << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << args.join(' ').toStdString();
  }
}

TEST_F(Cli, MissingNamesFileIsNotedAndNamesAreEmpty) {
  const QString file = writePair(QStringLiteral("plant.bfm"), 2, [](SettingsImage& image) {
    image.names.sensorNames[0].setBytes("T");
  });
  QFile::remove(path("plant.nam"));
  const CliRun r = run({QStringLiteral("dump"), file});
  EXPECT_EQ(r.code, ExitOk);
  EXPECT_EQ(r.errLines().size(), 1);
  EXPECT_TRUE(r.outLines().contains(QStringLiteral("SensorNames[0] = \"\"")));
}

TEST_F(Cli, HelpListsTheCommands) {
  const CliRun r = run({QStringLiteral("help")});
  EXPECT_EQ(r.code, ExitOk);
  for (const char* name : {"new", "dump", "diff"}) EXPECT_TRUE(r.out.contains(QLatin1String(name))) << name;
}

TEST_F(Cli, EveryCommandDescribesItselfWithHelp) {
  for (const CliCommand& command : cliCommands()) {
    const QString name = command.name;
    const QStringList asks[] = {{name, QStringLiteral("--help")},
                                {QStringLiteral("help"), name},
                                {name, QStringLiteral("--bogus"), QStringLiteral("-h")}};
    for (const QStringList& args : asks) {
      const CliRun r = run(args);
      EXPECT_EQ(r.code, ExitOk) << args.join(' ').toStdString();
      EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
      EXPECT_TRUE(r.out.startsWith(QStringLiteral("usage: nastrum-cli ") + name)) << r.out.toStdString();
      for (const CliOption& option : command.options)
        EXPECT_TRUE(r.out.contains(QStringLiteral("--") + option.name))
            << name.toStdString() << " --" << option.name.toStdString();
    }
  }
  EXPECT_EQ(run({QStringLiteral("help"), QStringLiteral("frobnicate")}).code, ExitBadInput);
}

TEST(CliParser, ReadsOptionsAndArgumentsAsDeclared) {
  const CliCommand command{QStringLiteral("try"),
                           QStringLiteral("a command to parse against"),
                           {{QStringLiteral("IN"), QStringLiteral("input")},
                            {QStringLiteral("OUT"), QStringLiteral("output")}},
                           {{QStringLiteral("level"), QStringLiteral("N"), QStringLiteral("a level"), true},
                            {QStringLiteral("quiet"), {}, QStringLiteral("say less")}},
                           nullptr};
  struct Case {
    QStringList args;
    QString complaint;  // empty when the arguments are good
    QString level = {};
    QStringList positionals = {};
    bool quiet = false;
  };
  const Case cases[] = {
      {{"a", "--level", "3", "b"}, {}, "3", {"a", "b"}},
      {{"--level=4", "a", "b", "--quiet"}, {}, "4", {"a", "b"}, true},
      {{"--level", "1", "--level", "2", "a", "b"}, {}, "2", {"a", "b"}},  // the last one counts
      {{"--level", "1", "--", "--a", "b"}, {}, "1", {"--a", "b"}},        // "--" ends the options
      {{"--level", "", "a", "b"}, {}, "", {"a", "b"}},
      {{"a", "b"}, "--level N is required"},
      {{"a", "b", "--level"}, "--level needs a value: N"},
      {{"--level", "1", "a"}, "no OUT given (output)"},
      {{"--level", "1", "a", "b", "c"}, "2 argument(s) expected, also got c"},
      {{"--level", "1", "a", "b", "--loud"}, "unknown option --loud"},
      {{"--level", "1", "a", "b", "--loud=yes"}, "unknown option --loud"},
      {{"--level", "1", "a", "b", "--quiet=yes"}, "--quiet takes no value"},
  };
  for (const Case& c : cases) {
    QString complaint;
    const std::optional<CliArgs> parsed = CliParser::parse(command, c.args, complaint);
    EXPECT_EQ(complaint, c.complaint) << c.args.join(' ').toStdString();
    ASSERT_EQ(parsed.has_value(), c.complaint.isEmpty()) << c.args.join(' ').toStdString();
    if (!parsed) continue;
    EXPECT_EQ(parsed->value(QStringLiteral("level")), c.level);
    EXPECT_EQ(parsed->positionals(), c.positionals);
    EXPECT_EQ(parsed->isSet(QStringLiteral("quiet")), c.quiet);
  }
}
