// Saving a settings pair while the file system fails underneath: whatever
// goes wrong, the old pair stays as it was and the outcome says what was not
// written.
#include <signal.h>
#include <sys/resource.h>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "model/reset_image.h"
#include "model/settings_files.h"
#include "model/settings_record.h"

using namespace nastrum;

namespace {

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Files grow no larger than `bytes` while it lives: a full disk that binds
// the superuser too. Writes past the limit fail instead of raising a signal.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    previousHandler_ = signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limited = previous_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  sighandler_t previousHandler_;
};

class SavingUnderFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetImage(image, editor);
    image.deviceKind = 2;
    image.names.sensorNames[0].setBytes("new name");
    ASSERT_TRUE(dir.isValid());
  }
  QString path(const QString& name) const { return dir.filePath(name); }
  // An old pair whose bytes differ from anything the image would write.
  void writeOldPair(const QString& folder) {
    QDir().mkpath(path(folder));
    ASSERT_TRUE(writeFile(path(folder + QStringLiteral("/plant.bfm")), oldSettings));
    ASSERT_TRUE(writeFile(path(folder + QStringLiteral("/plant.nam")), oldNames));
  }

  QTemporaryDir dir;
  SettingsImage image;
  EditorState editor;
  const QByteArray oldSettings = QByteArray(kSettingsRecordSize, '\x11');
  const QByteArray oldNames = QByteArray(kNamesRecordSize, '\x05');
};

TEST_F(SavingUnderFaults, NothingIsReplacedWhenTheSettingsCannotBeWritten) {
  struct Case {
    const char* fault;
    const char* folder;                  // holds the old pair the save goes to
    std::function<void()> arrange;       // before the save
    std::function<void()> midSave;       // after writing, before replacing
    const char* oldPairAfter;            // where the old pair is then; null: gone with its folder
  };
  std::unique_ptr<FileSizeLimit> fullDisk;
  const Case cases[] = {
      {"full disk", "full", [&] { fullDisk = std::make_unique<FileSizeLimit>(kSettingsRecordSize / 2); }, {}, "full"},
      {"folder renamed during the save", "renamed", {},
       [this] { QDir().rename(path(QStringLiteral("renamed")), path(QStringLiteral("moved"))); }, "moved"},
      {"folder deleted during the save", "deleted", {},
       [this] { QDir(path(QStringLiteral("deleted"))).removeRecursively(); }, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fault);
    const QString folder = QString::fromUtf8(c.folder);
    writeOldPair(folder);
    if (c.arrange) c.arrange();
    const WriteOutcome out = writeSettingsPair(path(folder + QStringLiteral("/plant.bfm")), image, c.midSave);
    fullDisk.reset();
    EXPECT_FALSE(out.settingsWritten);
    EXPECT_FALSE(out.namesWritten);
    if (!c.oldPairAfter) {
      EXPECT_FALSE(QDir(path(folder)).exists()) << "nothing is recreated in a folder that is gone";
      continue;
    }
    const QString after = QString::fromUtf8(c.oldPairAfter);
    EXPECT_EQ(readAll(path(after + QStringLiteral("/plant.bfm"))), oldSettings);
    EXPECT_EQ(readAll(path(after + QStringLiteral("/plant.nam"))), oldNames);
    EXPECT_EQ(QDir(path(after)).entryList(QDir::Files | QDir::Hidden).size(), 2) << "no temporary file is left behind";
  }
}

TEST_F(SavingUnderFaults, SettingsUnderARegularFileAreNotWritten) {
  // A path through a regular file fails for every user, the superuser too.
  ASSERT_TRUE(writeFile(path(QStringLiteral("file")), "x"));
  const WriteOutcome out = writeSettingsPair(path(QStringLiteral("file/plant.bfm")), image);
  EXPECT_FALSE(out.settingsWritten);
  EXPECT_FALSE(out.namesWritten);
  EXPECT_EQ(readAll(path(QStringLiteral("file"))), QByteArray("x"));
}

TEST_F(SavingUnderFaults, NamesThatCannotBeWrittenAreReportedWhileTheSettingsAreSaved) {
  struct Case {
    const char* fault;
    std::function<void(const QString& namesPath)> arrange;
  };
  const Case cases[] = {
      {"names path is a folder", [](const QString& names) { QDir().mkpath(names); }},
      {"names path links under a regular file",
       [this](const QString& names) {
         writeFile(path(QStringLiteral("file")), "x");
         QFile::link(path(QStringLiteral("file/plant.nam")), names);
       }},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fault);
    const QString folder = QStringLiteral("case%1").arg(n++);
    QDir().mkpath(path(folder));
    const QString settings = path(folder + QStringLiteral("/plant.bfm"));
    c.arrange(namesPathFor(settings));
    const WriteOutcome out = writeSettingsPair(settings, image);
    EXPECT_TRUE(out.settingsWritten);
    EXPECT_FALSE(out.namesWritten);
    EXPECT_EQ(readAll(settings), encodeSettingsRecord(image));
    EXPECT_EQ(QDir(path(folder)).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no temporary file is left behind";
  }
}

}  // namespace
