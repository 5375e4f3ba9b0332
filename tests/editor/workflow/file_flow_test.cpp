#include <QFile>

#include "editor/workflow/flow_fixture.h"
#include "editor/workflow/opened_path_name.h"
#include "model/settings_files.h"
#include "editor/workflow/window_title.h"
#include "model/byte_stream.h"
#include "model/settings_record.h"

using namespace nastrum;

namespace {

constexpr int kPrivilegedMarkOffset = 15448 + 4 * sys::PrivilegedMark;

Word wordAt(const QByteArray& record, int offset) {
  ByteReader r(record.mid(offset, 4));
  return r.i32();
}

}  // namespace

TEST_F(FlowTest, SavingANewImageAsksForANameAndWritesThePair) {
  newImage(2);
  window.saveAnswers.push_back(QStringLiteral("plant"));
  ASSERT_TRUE(flows.SaveImage());
  EXPECT_EQ(window.proposedSaveNames, std::vector<QString>{QStringLiteral("adjustment_0.bfm")});
  EXPECT_EQ(dir.read(QStringLiteral("plant.bfm")).size(), kSettingsRecordSize);
  EXPECT_EQ(dir.read(QStringLiteral("plant.nam")).size(), kNamesRecordSize);
  EXPECT_EQ(ws.file.fileName(), QStringLiteral("plant.bfm"));
  EXPECT_FALSE(ws.file.isUnnamedNew());
  EXPECT_EQ(flows.state().title, QStringLiteral("Наструм - ОРВИК расширяемый: plant"));
  EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(FlowTest, SaveAsAddsTheExtensionOnlyWhenItIsMissing) {
  struct Case {
    const char* typed;
    const char* settings;
    const char* names;
  };
  const Case cases[] = {
      {"plant", "plant.bfm", "plant.nam"},
      {"plant.BfM", "plant.BfM", "plant.nam"},
      {"other.bfm", "other.bfm", "other.nam"},
      {"plantbfm", "plantbfm.bfm", "plantbfm.nam"},
  };
  newImage(1);
  for (const Case& c : cases) {
    window.saveAnswers.push_back(QString::fromUtf8(c.typed));
    ASSERT_TRUE(flows.SaveImageAs()) << c.typed;
    EXPECT_EQ(ws.file.fileName(), QString::fromUtf8(c.settings));
    EXPECT_TRUE(QFile::exists(dir.path(QString::fromUtf8(c.settings)))) << c.settings;
    EXPECT_TRUE(QFile::exists(dir.path(QString::fromUtf8(c.names)))) << c.names;
  }
}

TEST_F(FlowTest, SaveAsOverAnExistingFileAsksFirst) {
  ASSERT_TRUE(dir.write(QStringLiteral("old.bfm"), "old settings"));
  ASSERT_TRUE(dir.write(QStringLiteral("old.nam"), "old names"));
  namedImage(2, QStringLiteral("mine"));

  window.saveAnswers.push_back(QStringLiteral("old"));
  boxes.then(AnswerNo);
  EXPECT_FALSE(flows.SaveImageAs());
  EXPECT_EQ(boxes.codes(), std::vector<int>{3});
  EXPECT_EQ(dir.read(QStringLiteral("old.bfm")), QByteArray("old settings"));
  EXPECT_EQ(dir.read(QStringLiteral("old.nam")), QByteArray("old names"));
  EXPECT_EQ(ws.file.fileName(), QStringLiteral("mine.bfm")) << "a declined name must not become the target of Save";

  window.saveAnswers.push_back(QStringLiteral("old"));
  boxes.then(AnswerYes);
  EXPECT_TRUE(flows.SaveImageAs());
  EXPECT_EQ(dir.read(QStringLiteral("old.bfm")).size(), kSettingsRecordSize);
  EXPECT_EQ(ws.file.fileName(), QStringLiteral("old.bfm"));
}

TEST_F(FlowTest, SaveClearsThePrivilegedMarkButSaveAsKeepsIt) {
  namedImage(2, QStringLiteral("plant"));
  ws.image.sys(sys::PrivilegedMark) = 1;
  window.saveAnswers.push_back(QStringLiteral("kept"));
  ASSERT_TRUE(flows.SaveImageAs());
  EXPECT_EQ(wordAt(dir.read(QStringLiteral("kept.bfm")), kPrivilegedMarkOffset), 1);

  ASSERT_TRUE(flows.SaveImage());
  EXPECT_EQ(wordAt(dir.read(QStringLiteral("kept.bfm")), kPrivilegedMarkOffset), 0);
  EXPECT_EQ(ws.image.sys(sys::PrivilegedMark), 0);
}

TEST_F(FlowTest, FailedSaveShowsMessage2AndChangesNothing) {
  namedImage(2, QStringLiteral("plant"));
  const QString unreachable = dir.path(QStringLiteral("missing/plant.bfm"));
  flows.document().nameFile(unreachable);
  flows.markModified();
  ws.image.sys(sys::PrivilegedMark) = 1;

  boxes.then(AnswerOk);
  EXPECT_FALSE(flows.SaveImage());
  ASSERT_EQ(boxes.codes(), std::vector<int>{2});
  EXPECT_TRUE(boxes.last().text.endsWith(QStringLiteral("(") + unreachable + QStringLiteral(")")));
  EXPECT_TRUE(ws.file.isModified());
  EXPECT_EQ(ws.image.sys(sys::PrivilegedMark), 1);

  window.saveAnswers.push_back(dir.path(QStringLiteral("missing/other")));
  boxes.then(AnswerOk);
  EXPECT_FALSE(flows.SaveImageAs());
  EXPECT_EQ(boxes.codes(), (std::vector<int>{2, 2}));
  EXPECT_EQ(ws.file.fileName(), unreachable);
  EXPECT_TRUE(ws.file.isModified());
}

TEST_F(FlowTest, SaveCloseOpenRoundTrip) {
  newImage(3);
  ws.image.sensors[5].mainDescriptor = 0x2340;
  ws.image.names.sensorNames[5].setBytes("T1");
  ws.image.modemInitAux[0] = 'A';
  window.saveAnswers.push_back(QStringLiteral("plant"));
  ASSERT_TRUE(flows.SaveImage());

  flows.CloseImage();
  EXPECT_FALSE(ws.file.isOpen());
  EXPECT_EQ(flows.state().title, programTitle());
  EXPECT_EQ(ws.image.sensors[5].mainDescriptor, 0);
  EXPECT_TRUE(ws.image.names.sensorNames[5].isEmpty());

  window.checks.clear();
  window.openAnswers.push_back(dir.path(QStringLiteral("plant.bfm")));
  flows.OpenImage();
  EXPECT_TRUE(ws.file.isOpen());
  EXPECT_FALSE(ws.file.isModified());
  EXPECT_FALSE(ws.file.isUnnamedNew());
  EXPECT_EQ(ws.image.deviceKind, 3);
  EXPECT_EQ(ws.image.sensors[5].mainDescriptor, 0x2340);
  EXPECT_EQ(ws.image.names.sensorNames[5].bytes(), QByteArray("T1"));
  EXPECT_EQ(ws.image.modemInitAux[0], 'A');
  EXPECT_EQ(flows.state().title, windowTitle(3, dir.path(QStringLiteral("plant.bfm"))));
  EXPECT_EQ(window.checks, std::vector<bool>{true}) << "an opened file is checked with its report";
  EXPECT_EQ(flows.state().pages, PageSet::None);
  EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(FlowTest, UnreadableSettingsFileShowsMessage2AndLoadsNothing) {
  QByteArray unknownKind = QByteArray(kSettingsRecordSize, '\0');
  unknownKind[0] = 7;
  struct Case {
    const char* name;
    QByteArray bytes;
  };
  const Case cases[] = {
      {"short.bfm", QByteArray(kSettingsRecordSize - 1, '\0')},
      {"kind7.bfm", unknownKind},
      {"absent.bfm", {}},
  };
  for (const Case& c : cases) {
    if (!c.bytes.isEmpty()) {
      ASSERT_TRUE(dir.write(QString::fromUtf8(c.name), c.bytes));
    }
    newImage(2);
    ws.image.sensors[1].mainDescriptor = 0x1111;
    boxes.clear();
    boxes.then(AnswerOk);
    window.openAnswers.push_back(dir.path(QString::fromUtf8(c.name)));
    flows.OpenImage();
    EXPECT_EQ(boxes.codes(), std::vector<int>{2}) << c.name;
    EXPECT_TRUE(boxes.last().text.contains(QString::fromUtf8(c.name))) << c.name;
    EXPECT_FALSE(ws.file.isOpen()) << c.name;
    EXPECT_EQ(ws.image.sensors[1].mainDescriptor, 0x1111) << c.name << ": the image is left as it was";
    EXPECT_EQ(flows.state().title, programTitle());
    EXPECT_FALSE(flows.layout().paramsMenuVisible);
  }
}

TEST_F(FlowTest, LongSettingsFileIsReadFromItsFirstRecordAndMissingNamesAreSilent) {
  SettingsImage image;
  image.deviceKind = 1;
  image.sensors[2].mainDescriptor = 0x1234;
  QByteArray bytes = encodeSettingsRecord(image);
  bytes.append(QByteArray(20000 - bytes.size(), '\x55'));
  ASSERT_TRUE(dir.write(QStringLiteral("long.bfm"), bytes));

  window.openAnswers.push_back(dir.path(QStringLiteral("long.bfm")));
  flows.OpenImage();
  EXPECT_TRUE(ws.file.isOpen());
  EXPECT_EQ(ws.image.deviceKind, 1);
  EXPECT_EQ(ws.image.sensors[2].mainDescriptor, 0x1234);
  EXPECT_TRUE(ws.image.names.sensorNames[0].isEmpty());
  EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(FlowTest, CancelledOpenLeavesNoImageLoaded) {
  namedImage(2, QStringLiteral("plant"));
  window.openAnswers.push_back(std::nullopt);
  flows.OpenImage();
  EXPECT_FALSE(ws.file.isOpen());
  EXPECT_EQ(flows.state().title, programTitle());
  EXPECT_TRUE(boxes.shown().empty());
}

TEST(OpenedPathName, UpperCasesLatinLettersOnlyWhereCaseDoesNotMatter) {
  const QString opened = openedPathName(QStringLiteral("d:\\данные\\plant.bfm"), true);
  EXPECT_EQ(opened, QStringLiteral("D:\\данные\\PLANT.BFM"));
  EXPECT_EQ(namesPathFor(opened), QStringLiteral("D:\\данные\\PLANT.nam"));
  EXPECT_EQ(windowTitle(2, opened), QStringLiteral("Наструм - ОРВИК расширяемый: D:\\данные\\PLANT"));
  EXPECT_EQ(openedPathName(QStringLiteral("/srv/data/plant.bfm"), false), QStringLiteral("/srv/data/plant.bfm"));
}
