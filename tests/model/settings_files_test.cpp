#include <unistd.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "model/byte_stream.h"
#include "model/reset_image.h"
#include "model/settings_files.h"
#include "model/settings_record.h"

using namespace nastrum;

namespace {

// Bytes that differ from every default: a repeating pattern that never
// yields a zero word or a default real.
QByteArray patternBytes(int size, int seed) {
  QByteArray bytes(size, Qt::Uninitialized);
  for (int i = 0; i < size; ++i) bytes[i] = static_cast<char>(((i * 37 + seed * 11) % 251) + 1);
  return bytes;
}

void putWord(QByteArray& record, int offset, Word value) {
  ByteWriter w;
  w.i32(value);
  record.replace(offset, 4, w.bytes());
}

// A settings record with every field set and not at its default, of a kind.
QByteArray populatedSettingsRecord(Word kind) {
  QByteArray record = patternBytes(kSettingsRecordSize, kind);
  putWord(record, 0, kind);
  if (kind == 3) {
    // Slots 1..128 of LogicK2 carry the additional modem string, one byte each.
    for (int j = 0; j < 128; ++j) putWord(record, 13912 + 4 * j, (j * 7 + 1) % 256);
  }
  return record;
}

// A names record with every slot filled; lengths stay within 0..16.
QByteArray populatedNamesRecord() {
  QByteArray names = patternBytes(kNamesRecordSize, 5);
  const int slotStarts[][2] = {{0, 64}, {1088, 16}, {1360, 32}, {1921, 64}, {3009, 64}, {4097, 13}, {4335, 16}};
  for (const auto& run : slotStarts)
    for (int s = 0; s < run[1]; ++s) names[run[0] + 17 * s] = static_cast<char>(1 + (s % 16));
  return names;
}

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  ASSERT_EQ(f.write(bytes), bytes.size());
}

class SettingsFiles : public ::testing::Test {
 protected:
  QString path(const QString& name) const { return dir.filePath(name); }

  QTemporaryDir dir;
  SettingsImage image;
  EditorState editor;
};

}  // namespace

TEST_F(SettingsFiles, OpenThenSaveGivesTheSameBytes) {
  for (Word kind : {1, 2, 3}) {
    SCOPED_TRACE(kind);
    const QByteArray record = populatedSettingsRecord(kind);
    const QByteArray names = populatedNamesRecord();
    writeFile(path(QStringLiteral("plant.bfm")), record);
    writeFile(path(QStringLiteral("plant.nam")), names);

    const ReadOutcome read = readSettingsPair(path(QStringLiteral("plant.bfm")), image, editor);
    ASSERT_TRUE(read.ok());
    EXPECT_TRUE(read.namesRead);
    EXPECT_EQ(image.deviceKind, kind);

    const WriteOutcome written = writeSettingsPair(path(QStringLiteral("copy.BFM")), image);
    EXPECT_TRUE(written.settingsWritten);
    EXPECT_TRUE(written.namesWritten);
    EXPECT_EQ(readAll(path(QStringLiteral("copy.BFM"))), record);
    EXPECT_EQ(readAll(path(QStringLiteral("copy.nam"))), names);
  }
}

TEST_F(SettingsFiles, ShortSettingsFileIsRefusedAndTheImageKept) {
  ResetImage(image, editor);
  image.sensors[3].const1 = 42.0;
  image.names.sensorNames[0].setBytes("old");
  const QByteArray before = encodeSettingsRecord(image);

  writeFile(path(QStringLiteral("short.bfm")), populatedSettingsRecord(2).left(kSettingsRecordSize - 1));
  writeFile(path(QStringLiteral("short.nam")), populatedNamesRecord());
  const ReadOutcome read = readSettingsPair(path(QStringLiteral("short.bfm")), image, editor);
  EXPECT_EQ(read.failure, ReadFailure::SettingsUnreadable);
  EXPECT_EQ(encodeSettingsRecord(image), before);
  EXPECT_EQ(image.names.sensorNames[0].bytes(), QByteArray("old"));

  EXPECT_EQ(readSettingsPair(path(QStringLiteral("missing.bfm")), image, editor).failure,
            ReadFailure::SettingsUnreadable);
  EXPECT_EQ(readSettingsPair(dir.path(), image, editor).failure, ReadFailure::SettingsUnreadable);
}

TEST_F(SettingsFiles, LongSettingsFileUsesItsFirstRecord) {
  const QByteArray record = populatedSettingsRecord(2);
  writeFile(path(QStringLiteral("long.bfm")), record + patternBytes(20000 - kSettingsRecordSize, 9));
  ASSERT_TRUE(readSettingsPair(path(QStringLiteral("long.bfm")), image, editor).ok());
  EXPECT_EQ(encodeSettingsRecord(image), record);
}

TEST_F(SettingsFiles, UnknownDeviceKindIsRefused) {
  for (Word kind : {0, 4, -1}) {
    QByteArray record = populatedSettingsRecord(2);
    putWord(record, 0, kind);
    writeFile(path(QStringLiteral("odd.bfm")), record);
    ResetImage(image, editor);
    image.deviceKind = 1;
    EXPECT_EQ(readSettingsPair(path(QStringLiteral("odd.bfm")), image, editor).failure, ReadFailure::UnknownDeviceKind)
        << kind;
    EXPECT_EQ(image.deviceKind, 1);
  }
}

TEST_F(SettingsFiles, MissingOrShortNamesFileLeavesNamesEmpty) {
  for (const QByteArray& names : {QByteArray(), populatedNamesRecord().left(kNamesRecordSize - 1)}) {
    QFile::remove(path(QStringLiteral("plant.nam")));
    if (!names.isEmpty()) writeFile(path(QStringLiteral("plant.nam")), names);
    writeFile(path(QStringLiteral("plant.bfm")), populatedSettingsRecord(3));
    image.names.sensorNames[2].setBytes("stale");
    image.names.intervalArcNames[12].setBytes("stale");

    const ReadOutcome read = readSettingsPair(path(QStringLiteral("plant.bfm")), image, editor);
    ASSERT_TRUE(read.ok());
    EXPECT_FALSE(read.namesRead);
    EXPECT_TRUE(image.names.sensorNames[2].isEmpty());
    EXPECT_TRUE(image.names.intervalArcNames[12].isEmpty());
    EXPECT_EQ(image.names.desktopParams[15], 1);
  }
}

TEST_F(SettingsFiles, NameLengthAbove16ReadsAs16) {
  QByteArray names = populatedNamesRecord();
  names[0] = static_cast<char>(200);           // sensor name 0
  names[4097 + 17 * 12] = static_cast<char>(17);  // interval archive name 12
  writeFile(path(QStringLiteral("plant.bfm")), populatedSettingsRecord(2));
  writeFile(path(QStringLiteral("plant.nam")), names);
  ASSERT_TRUE(readSettingsPair(path(QStringLiteral("plant.bfm")), image, editor).ok());
  EXPECT_EQ(image.names.sensorNames[0].length, 16);
  EXPECT_EQ(image.names.sensorNames[0].bytes(), names.mid(1, 16));
  EXPECT_EQ(image.names.intervalArcNames[12].length, 16);
  // Saved back, the length byte is the one the device accepts.
  EXPECT_EQ(encodeNamesRecord(image.names)[0], 16);
}

TEST_F(SettingsFiles, FailedWriteLeavesTheOldPairIntact) {
  ResetImage(image, editor);
  image.deviceKind = 3;
  const QByteArray oldNames = populatedNamesRecord();

  // The settings path is a folder: nothing can replace it, and the names
  // beside it are not replaced either.
  QDir(dir.path()).mkdir(QStringLiteral("taken.bfm"));
  writeFile(path(QStringLiteral("taken.nam")), oldNames);
  const WriteOutcome out = writeSettingsPair(path(QStringLiteral("taken.bfm")), image);
  EXPECT_FALSE(out.settingsWritten);
  EXPECT_FALSE(out.namesWritten);
  EXPECT_TRUE(QFileInfo(path(QStringLiteral("taken.bfm"))).isDir());
  EXPECT_EQ(readAll(path(QStringLiteral("taken.nam"))), oldNames);
}

TEST_F(SettingsFiles, NamesNeverOverwriteTheSettingsJustSaved) {
  ResetImage(image, editor);
  image.deviceKind = 1;
  const WriteOutcome out = writeSettingsPair(path(QStringLiteral("plant.NAM")), image);
  EXPECT_TRUE(out.settingsWritten);
  EXPECT_FALSE(out.namesWritten);
  EXPECT_EQ(readAll(path(QStringLiteral("plant.NAM"))), encodeSettingsRecord(image));
}

TEST_F(SettingsFiles, FailedWriteInALockedFolderLeavesTheOldPairIntact) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  ResetImage(image, editor);
  const QByteArray oldRecord = populatedSettingsRecord(2);
  const QByteArray oldNames = populatedNamesRecord();
  QDir(dir.path()).mkdir(QStringLiteral("locked"));
  const QString locked = path(QStringLiteral("locked/plant.bfm"));
  writeFile(locked, oldRecord);
  writeFile(path(QStringLiteral("locked/plant.nam")), oldNames);
  QFile::setPermissions(path(QStringLiteral("locked")), QFile::ReadOwner | QFile::ExeOwner);
  QFile::setPermissions(locked, QFile::ReadOwner);
  const WriteOutcome out = writeSettingsPair(locked, image);
  QFile::setPermissions(path(QStringLiteral("locked")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_FALSE(out.settingsWritten);
  EXPECT_FALSE(out.namesWritten);
  EXPECT_EQ(readAll(locked), oldRecord);
  EXPECT_EQ(readAll(path(QStringLiteral("locked/plant.nam"))), oldNames);
}

TEST_F(SettingsFiles, PathRules) {
  EXPECT_EQ(namesPathFor(QStringLiteral("D:\\DATA\\PLANT.BFM")), QStringLiteral("D:\\DATA\\PLANT.nam"));
  EXPECT_EQ(pathWithoutExtension(QStringLiteral("D:\\DATA\\PLANT.BFM")), QStringLiteral("D:\\DATA\\PLANT"));
  EXPECT_EQ(upperLatin(QStringLiteral("d:\\data\\plant_ж.bfm")), QStringLiteral("D:\\DATA\\PLANT_ж.BFM"));
  EXPECT_FALSE(FileExists(QString()));
  EXPECT_FALSE(FileExists(dir.path()));
}

TEST_F(SettingsFiles, FirstFreeNumberedName) {
  const QString stem = path(QStringLiteral("adjustment"));
  EXPECT_EQ(firstFreeNumberedName(stem), stem + QStringLiteral("_0.bfm"));
  writeFile(stem + QStringLiteral("_0.bfm"), QByteArray("x"));
  EXPECT_EQ(firstFreeNumberedName(stem), stem + QStringLiteral("_1.bfm"));

  const auto upToNine = [](const QString& name) {
    for (int n = 0; n <= 9; ++n)
      if (name == QStringLiteral("adjustment_%1.bfm").arg(n)) return true;
    return false;
  };
  EXPECT_EQ(firstFreeNumberedName(QStringLiteral("adjustment"), upToNine), QStringLiteral("adjustment_10.bfm"));
}

TEST(ResetImage, LeavesNoNameOfTheOldFile) {
  SettingsImage image;
  EditorState editor;
  auto fill = [](auto& array) {
    for (auto& s : array) s.setBytes("old name");
  };
  fill(image.names.sensorNames);
  fill(image.names.pipelineNames);
  fill(image.names.hourArcNames);
  fill(image.names.dayArcNames);
  fill(image.names.monthArcNames);
  fill(image.names.intervalArcNames);
  fill(image.names.desktopNames);
  editor.checkFailed = true;
  ResetImage(image, editor);

  auto allEmpty = [](const auto& array) {
    for (const auto& s : array)
      if (!s.isEmpty()) return false;
    return true;
  };
  EXPECT_TRUE(allEmpty(image.names.sensorNames));
  EXPECT_TRUE(allEmpty(image.names.pipelineNames));
  EXPECT_TRUE(allEmpty(image.names.hourArcNames));
  EXPECT_TRUE(allEmpty(image.names.dayArcNames));
  EXPECT_TRUE(allEmpty(image.names.monthArcNames));
  EXPECT_TRUE(allEmpty(image.names.intervalArcNames));
  EXPECT_TRUE(allEmpty(image.names.desktopNames));
  EXPECT_FALSE(editor.checkFailed);
}
