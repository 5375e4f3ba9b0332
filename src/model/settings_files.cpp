#include "model/settings_files.h"

#include <QFile>
#include <QSaveFile>

#include "model/reset_image.h"
#include "model/settings_record.h"

namespace nastrum {

namespace {

// Opens the temporary file beside `file` and writes `bytes` into it, flushed
// so that a full disk is found before anything is replaced.
bool stage(QSaveFile& file, const QByteArray& bytes) {
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size() || !file.flush()) {
    file.cancelWriting();
    return false;
  }
  return true;
}

}  // namespace

QString pathWithoutExtension(const QString& settingsPath) { return settingsPath.left(settingsPath.size() - 4); }

QString namesPathFor(const QString& settingsPath) { return pathWithoutExtension(settingsPath) + QStringLiteral(".nam"); }

QString upperLatin(const QString& path) {
  QString out = path;
  for (QChar& c : out)
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 'a' + 'A');
  return out;
}

bool FileExists(const QString& path) {
  if (path.isEmpty()) return false;
  QFile file(path);
  return file.open(QIODevice::ReadOnly);
}

QString firstFreeNumberedName(const QString& stem, const std::function<bool(const QString&)>& exists) {
  for (int n = 0;; ++n) {
    const QString name = stem + QLatin1Char('_') + QString::number(n) + QStringLiteral(".bfm");
    if (!exists(name)) return name;
  }
}

ReadOutcome decodeSettingsPair(const QByteArray& settingsBytes, const QByteArray& namesBytes, SettingsImage& image,
                               EditorState& editor) {
  ReadOutcome outcome;
  if (settingsBytes.size() < kSettingsRecordSize) return {ReadFailure::SettingsUnreadable, false};
  const QByteArray record = settingsBytes.left(kSettingsRecordSize);

  SettingsImage loaded = image;
  decodeSettingsRecord(record, loaded);
  if (!isValidDeviceKind(loaded.deviceKind)) return {ReadFailure::UnknownDeviceKind, false};

  outcome.namesRead = namesBytes.size() >= kNamesRecordSize;

  ResetImage(image, editor);
  decodeSettingsRecord(record, image);
  if (outcome.namesRead) decodeNamesRecord(namesBytes.left(kNamesRecordSize), image.names);
  return outcome;
}

ReadOutcome readSettingsPair(const QString& settingsPath, SettingsImage& image, EditorState& editor) {
  QFile settingsFile(settingsPath);
  if (!settingsFile.open(QIODevice::ReadOnly)) return {ReadFailure::SettingsUnreadable, false};
  const QByteArray record = settingsFile.read(kSettingsRecordSize);

  // A names file that is missing or unreadable leaves the names as reset.
  QByteArray namesRecord;
  QFile namesFile(namesPathFor(settingsPath));
  if (namesFile.open(QIODevice::ReadOnly)) namesRecord = namesFile.read(kNamesRecordSize);
  return decodeSettingsPair(record, namesRecord, image, editor);
}

WriteOutcome writeSettingsPair(const QString& settingsPath, const SettingsImage& image,
                               const std::function<void()>& beforeReplacing) {
  WriteOutcome outcome;
  QSaveFile settingsFile(settingsPath);
  if (!stage(settingsFile, encodeSettingsRecord(image))) return outcome;

  // A settings path that itself ends in ".nam" would have its names written
  // over the settings just saved.
  const QString namesPath = namesPathFor(settingsPath);
  const bool namesWouldReplaceSettings = namesPath.compare(settingsPath, Qt::CaseInsensitive) == 0;
  QSaveFile namesFile(namesPath);
  const bool namesStaged = !namesWouldReplaceSettings && stage(namesFile, encodeNamesRecord(image.names));

  // Both files are complete beside the old ones before either is replaced,
  // so most failures leave the old pair as it was.
  if (beforeReplacing) beforeReplacing();
  outcome.settingsWritten = settingsFile.commit();
  // New names beside settings that could not be saved would pair the old
  // settings with names that do not belong to them.
  if (outcome.settingsWritten && namesStaged)
    outcome.namesWritten = namesFile.commit();
  else if (namesStaged)
    namesFile.cancelWriting();
  return outcome;
}

}  // namespace nastrum
